// The parser of the formula language: texts into flat postfix trees, with constant
// sub-trees folded.
#include "expression/fonction.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>

#include "expression/PolyOrtho.h"
#include "expression/simul.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

// Single bytes of the language (code page 437 signs as typed on the old systems).
constexpr unsigned char OctetRacine = 0xFB;   // root sign
constexpr unsigned char OctetPi = 0xE3;       // pi
constexpr unsigned char OctetCarrePostfixe = 0xB2;  // "²" in Windows-1252

}  // namespace

// ---------------------------------------------------------------------------------------
// Parser

namespace {

// Brings a text to the parser's byte form: upper case a-z, the language's signs as the
// single bytes of the old code page, whether they arrive in UTF-8 or in Windows-1252. With
// origines, each byte of the result gets the offset in the text of the character it comes
// from (and one more entry: the text's length).
std::string formeInterne(std::string_view texte, std::vector<int>* origines = nullptr)
{
    // Valid UTF-8 with non-ASCII characters is decoded; anything else is taken as
    // Windows-1252 bytes.
    bool ascii = true, utf8 = true;
    for (std::size_t i = 0; i < texte.size() && utf8;) {
        const unsigned char c = static_cast<unsigned char>(texte[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        ascii = false;
        const int suite = (c >= 0xC2 && c < 0xE0) ? 1 : (c >= 0xE0 && c < 0xF0) ? 2 : (c >= 0xF0 && c < 0xF5) ? 3 : -1;
        if (suite < 0 || i + suite >= texte.size()) {
            utf8 = false;
            break;
        }
        for (int k = 1; k <= suite; ++k)
            if ((static_cast<unsigned char>(texte[i + k]) & 0xC0) != 0x80)
                utf8 = false;
        i += suite + 1;
    }
    std::string r;
    r.reserve(texte.size());
    if (origines)
        origines->clear();
    const auto origine = [&](std::size_t i) {
        if (origines)
            origines->resize(r.size(), static_cast<int>(i));
    };
    if (ascii || !utf8) {
        for (char c : texte)
            r += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        if (origines)
            for (std::size_t i = 0; i <= r.size(); ++i)
                origines->push_back(static_cast<int>(i));
        return r;
    }
    for (std::size_t i = 0; i < texte.size();) {
        const unsigned char c = static_cast<unsigned char>(texte[i]);
        if (c < 0x80) {
            r += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : static_cast<char>(c);
            origine(i);
            ++i;
            continue;
        }
        const std::size_t debut = i;
        const int suite = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
        char32_t cp = c & (0x3F >> suite);
        for (int k = 1; k <= suite; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(texte[i + k]) & 0x3F);
        i += suite + 1;
        switch (cp) {
        case 0x221A: r += static_cast<char>(OctetRacine); break;  // √
        case 0x03C0: r += static_cast<char>(OctetPi); break;      // π
        default:
            if (cp <= 0xFF) {
                r += static_cast<char>(cp);
            } else {
                // A character the old code page cannot hold: kept as an opaque mark that
                // no operator or number can take for itself.
                static const char hex[] = "0123456789ABCDEF";
                r += '\x01';
                for (int d = 20; d >= 0; d -= 4)
                    r += hex[(cp >> d) & 0xF];
            }
        }
        origine(debut);
    }
    if (origines)
        origines->push_back(static_cast<int>(texte.size()));
    return r;
}

struct NoeudTemp {
    NoeudExpr n;
    int gauche = -1;
    int droite = -1;
};

class Analyseur {
public:
    Analyseur(std::string texte, const OptionsCompilation& options, ResultatCompilation& resultat)
        : s_(std::move(texte)), options_(options), resultat_(resultat)
    {
        // Matching brackets, once for the whole text.
        paire_.assign(s_.size(), -1);
        std::vector<int> pile;
        for (int i = 0; i < static_cast<int>(s_.size()); ++i) {
            if (s_[i] == '(')
                pile.push_back(i);
            else if (s_[i] == ')' && !pile.empty()) {
                paire_[i] = pile.back();
                paire_[pile.back()] = i;
                pile.pop_back();
            }
        }
    }

    bool compile(Arbre& racine, bool plie)
    {
        noeuds_.clear();
        noeuds_.push_back({});
        if (!analyse(0, static_cast<int>(s_.size()), 0, 0, 0))
            return false;
        emet(racine, plie);
        ProgrammeArbre(racine, options_.fusion);
        return true;
    }

private:
    unsigned char c(int i) const { return static_cast<unsigned char>(s_[i]); }

    // Notes why and where the text fails (the last failure met is the one kept: a split
    // of two arguments tried again at the next comma forgets the earlier one), and fails.
    bool echoue(FauteCompilation faute, int position)
    {
        resultat_.faute = faute;
        resultat_.position = position;
        return false;
    }

    int nouveau()
    {
        noeuds_.push_back({});
        return static_cast<int>(noeuds_.size()) - 1;
    }

    // Rightmost operator c1 or c2 outside brackets in [deb, fin): its position, -1 when
    // there is none, -2 when a ")" has no "(" inside the range (the text then fails).
    int chercheOperateur(int deb, int fin, char c1, char c2)
    {
        const bool signes = c1 == '-' || c1 == '+';
        for (int p = fin - 1; p >= deb; --p) {
            const char ch = s_[p];
            if (ch == ')') {
                const int m = paire_[p];
                if (m < deb) {
                    echoue(FauteCompilation::Parenthese, p);
                    return -2;
                }
                p = m;
                continue;
            }
            if (ch != c1 && ch != c2)
                continue;
            if (p < deb + 1 || p >= fin - 1)
                continue;
            const char avant = s_[p - 1];
            if (avant == '(' || avant == '*' || avant == '/' || avant == '^')
                continue;
            if (avant == 'E' && signes && finitNombre(deb, p - 1))
                continue;
            return p;
        }
        return -1;
    }

    // True when the E at position e ends the run of a number such as "1E" (so that the
    // sign after it is an exponent's sign, not an operator).
    bool finitNombre(int deb, int e) const
    {
        int d = e;
        while (d > deb) {
            const unsigned char a = c(d - 1);
            if ((a >= 'A' && a <= 'Z') || (a >= '0' && a <= '9') || a == '.' || a == '_')
                --d;
            else
                break;
        }
        const unsigned char premier = c(d);
        return (premier >= '0' && premier <= '9') || premier == '.';
    }

    bool commencePar(int deb, int fin, const char* nom) const
    {
        const int l = static_cast<int>(std::strlen(nom));
        return fin - deb > l && std::memcmp(s_.data() + deb, nom, l) == 0 && s_[deb + l] == '(';
    }

    bool egal(int deb, int fin, const char* texte) const
    {
        const int l = static_cast<int>(std::strlen(texte));
        return fin - deb == l && std::memcmp(s_.data() + deb, texte, l) == 0;
    }

    void noteUtilise(const std::string& nom)
    {
        auto& liste = resultat_.nomsUtilises;
        for (const auto& n : liste)
            if (n == nom)
                return;
        liste.push_back(nom);
    }

    void fixeBinaire(int noeud, int code, int& g, int& d)
    {
        g = nouveau();
        d = nouveau();
        NoeudTemp& t = noeuds_[noeud];
        t.n.Genre = NoeudBinaire;
        t.n.Code = static_cast<std::uint8_t>(code);
        t.gauche = g;
        t.droite = d;
    }

    int fixeUnaire(int noeud, GenreNoeud genre, int code, int indice = 0)
    {
        const int g = nouveau();
        NoeudTemp& t = noeuds_[noeud];
        t.n.Genre = genre;
        t.n.Code = static_cast<std::uint8_t>(code);
        t.n.Indice = indice;
        t.gauche = g;
        return g;
    }

    // Parses s[deb, fin) into noeud. niveau > 0 skips the searches that are known to
    // find nothing in this range (1: additive, 2: also multiplicative, 3: also power),
    // so that long chains do not rescan their text.
    bool analyse(int deb, int fin, int noeud, int niveau, int profondeur)
    {
        if (profondeur > ProfondeurAnalyseMax)
            return echoue(FauteCompilation::Profondeur, deb);
        // Right operands of the splits, parsed once the leftmost operand has been: the
        // chain is walked in a loop, not by recursion.
        struct Attente {
            int deb, fin, noeud;
        };
        std::vector<Attente> attente;
        bool ok = chaine(deb, fin, noeud, niveau, profondeur, attente);
        for (auto it = attente.rbegin(); ok && it != attente.rend(); ++it)
            ok = analyse(it->deb, it->fin, it->noeud, 0, profondeur + 1);
        return ok;
    }

    template <typename Attentes>
    bool chaine(int deb, int fin, int noeud, int niveau, int profondeur, Attentes& attente)
    {
        for (;;) {
            const int L = fin - deb;
            // 1. Empty text.
            if (L <= 0)
                return echoue(FauteCompilation::Vide, deb);
            // 2, 3. Additive then multiplicative split at the rightmost operator.
            bool decoupe = false;
            for (int etape = 0; etape < 2; ++etape) {
                if (niveau > etape)
                    continue;
                const int p = etape == 0 ? chercheOperateur(deb, fin, '-', '+') : chercheOperateur(deb, fin, '/', '*');
                if (p == -2)
                    return false;
                if (p >= 0) {
                    const int code = etape == 0 ? (s_[p] == '-' ? BMoins : BPlus) : (s_[p] == '/' ? BDivise : BFois);
                    int g, d;
                    fixeBinaire(noeud, code, g, d);
                    attente.push_back({p + 1, fin, d});
                    // After a multiplicative split the left operand holds no additive operator.
                    fin = p;
                    noeud = g;
                    niveau = etape;
                    decoupe = true;
                    break;
                }
            }
            if (decoupe)
                continue;
            // 4. Two-argument functions: the form decides once its name and "(" match.
            for (int code = BARG; code <= BMAX; ++code) {
                if (!commencePar(deb, fin, NomsBinaires[code]))
                    continue;
                const int ouvrante = deb + static_cast<int>(std::strlen(NomsBinaires[code]));
                if (paire_[ouvrante] != fin - 1)
                    return echoue(FauteCompilation::Parenthese, ouvrante);
                return deuxArguments(ouvrante + 1, fin - 1, noeud, code, profondeur);
            }
            // 5. Leading sign.
            if (s_[deb] == '-' || s_[deb] == '+') {
                noeud = fixeUnaire(noeud, NoeudUnaire, s_[deb] == '-' ? UMoins : UPlus);
                ++deb;
                niveau = 2;
                continue;
            }
            // 6. Power split.
            if (niveau < 3) {
                const int p = chercheOperateur(deb, fin, '^', '@');
                if (p == -2)
                    return false;
                if (p >= 0) {
                    int g, d;
                    fixeBinaire(noeud, s_[p] == '^' ? BPuissance : BARG, g, d);
                    attente.push_back({p + 1, fin, d});
                    fin = p;
                    noeud = g;
                    niveau = 2;
                    continue;
                }
            }
            // 7. Brackets: the whole text is one group.
            if (s_[deb] == '(') {
                if (paire_[deb] != fin - 1)
                    return echoue(FauteCompilation::Parenthese, deb);
                ++deb;
                --fin;
                niveau = 0;
                continue;
            }
            // 8. Postfix factorial and square.
            if (s_[fin - 1] == '!' || c(fin - 1) == OctetCarrePostfixe) {
                noeud = fixeUnaire(noeud, NoeudUnaire, s_[fin - 1] == '!' ? UFACT : UCARRE);
                --fin;
                niveau = 3;
                continue;
            }
            // 9. Unary functions; the argument keeps its brackets.
            {
                bool trouve = false;
                for (int code = UF0; code < NbCodesUnaires && !trouve; ++code) {
                    if (commencePar(deb, fin, NomsUnaires[code])) {
                        noeud = fixeUnaire(noeud, NoeudUnaire, code);
                        deb += static_cast<int>(std::strlen(NomsUnaires[code]));
                        trouve = true;
                    }
                }
                if (trouve) {
                    niveau = 3;
                    continue;
                }
            }
            // 10. Curves called as functions.
            {
                const int i = fonctionAppeleeEnTete(std::string_view(s_).substr(deb, fin - deb));
                if (i >= 0) {
                    noeud = fixeUnaire(noeud, NoeudCourbe, 0, i);
                    deb += static_cast<int>(contexteCalcul().fonctionsNommees[std::size_t(i)].nom.size());
                    niveau = 3;
                    continue;
                }
            }
            return feuille(deb, fin, noeud);
        }
    }

    // Step 4's inner text [deb, fin): split at each comma outside brackets, left to right.
    bool deuxArguments(int deb, int fin, int noeud, int code, int profondeur)
    {
        const std::size_t taille = noeuds_.size();
        bool virgule = false;
        for (int p = deb; p < fin; ++p) {
            if (s_[p] == '(' && paire_[p] > p && paire_[p] < fin) {
                p = paire_[p];
                continue;
            }
            if (s_[p] != ',')
                continue;
            virgule = true;
            noeuds_.resize(taille);
            noeuds_[noeud] = {};
            int g, d;
            fixeBinaire(noeud, code, g, d);
            if (analyse(deb, p, g, 0, profondeur + 1) && analyse(p + 1, fin, d, 0, profondeur + 1))
                return true;
        }
        return virgule ? false : echoue(FauteCompilation::Arguments, deb);
    }

    // Steps 11 to 14: names, variables, letters, constants.
    bool feuille(int deb, int fin, int noeud)
    {
        NoeudExpr& n = noeuds_[noeud].n;
        const int L = fin - deb;
        ContexteCalcul& ctx = contexteCalcul();
        // 11. Personal parameters.
        for (std::size_t i = 0; i < ctx.parametresPerso.size(); ++i) {
            const auto& p = ctx.parametresPerso[i];
            if (!p.actif)
                continue;
            const std::string nom = formeInterne(p.nom);
            if (static_cast<int>(nom.size()) == L && std::memcmp(s_.data() + deb, nom.data(), L) == 0) {
                n.Genre = NoeudParametrePerso;
                n.Indice = static_cast<int>(i);
                n.Table = 0;
                noteUtilise(nom);
                return true;
            }
        }
        const unsigned char c0 = c(deb);
        // 12. The variable.
        if (L == 1 && (c0 == 'X' || c0 == 'T' || c0 == 'Z' || (c0 == 'Y' && options_.YEstVariable))) {
            n.Genre = NoeudVariable;
            n.Table = 0;
            n.Indice = -1;
            return true;
        }
        // 13. Parameter and state letters.
        static const char lettres[] = "ABCDGHKLMNPRY";
        static const int indices[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 1, 9, 0, 0};
        const char* l = std::strchr(lettres, c0);
        if (c0 != 0 && l) {
            const bool parametre = std::strchr("ABCDGHKLMP", c0) != nullptr;
            if (parametre && (L == 1 || (L == 2 && c(deb + 1) >= '0' && c(deb + 1) <= '9')))
                noteUtilise(std::string(1, static_cast<char>(c0)));
            bool lu = false;
            int indice = 0;
            if (L == 1) {
                indice = indices[l - lettres];
                lu = true;
            } else if (s_[deb + 1] == '\'') {
                for (int i = deb + 1; i < fin; ++i)
                    if (s_[i] != '\'')
                        return echoue(FauteCompilation::Symbole, i);
                indice = L - 1;
                if (indice > 9)
                    return echoue(FauteCompilation::Indice, deb);
                lu = true;
            } else {
                int i = deb + 1;
                bool negatif = false;
                if (s_[i] == '+' || s_[i] == '-') {
                    negatif = s_[i] == '-';
                    ++i;
                }
                if (i < fin) {
                    long long v = 0;
                    bool chiffres = true;
                    for (int k = i; k < fin && chiffres; ++k) {
                        if (c(k) < '0' || c(k) > '9')
                            chiffres = false;
                        else if (v < 1000)
                            v = v * 10 + (c(k) - '0');
                    }
                    if (chiffres) {
                        if (negatif || v > 9)  // only the ten entries of the tables exist
                            return echoue(FauteCompilation::Indice, deb);
                        indice = static_cast<int>(v);
                        lu = true;
                    }
                }
            }
            if (lu) {
                n.Genre = NoeudVariable;
                n.Indice = indice;
                n.Table = (c0 == 'N' || c0 == 'R' || c0 == 'Y') ? 1 : 0;
                return true;
            }
        }
        // 14. Constants and numbers.
        n.Genre = NoeudConstante;
        n.Imaginaire = 0;
        if (egal(deb, fin, "PI") || (L == 1 && c0 == OctetPi)) {
            n.Valeur = Pi;
            return true;
        }
        if (egal(deb, fin, "RD")) {
            if (options_.tirageAChaqueEvaluation) {
                // RND(1), which folding leaves alone, so that each evaluation draws.
                const int un = fixeUnaire(noeud, NoeudUnaire, URND);
                noeuds_[un].n.Valeur = 1;
                return true;
            }
            n.Valeur = Aleatoire();
            return true;
        }
        if (egal(deb, fin, "I") || egal(deb, fin, "J")) {
            n.Valeur = 0;
            n.Imaginaire = 1;
            return true;
        }
        return litNombre(deb, fin, n.Valeur) || echoue(FauteCompilation::Symbole, deb);
    }

    // digits [. digits] [E [sign] digits], with leading blanks; "4.", ".5", "4.E-6".
    bool litNombre(int deb, int fin, double& v) const
    {
        while (deb < fin && s_[deb] == ' ')
            ++deb;
        int i = deb;
        int chiffres = 0;
        int premierSignificatif = -1;  // position of the first non-zero digit
        int point = -1;
        while (i < fin && ((c(i) >= '0' && c(i) <= '9') || (s_[i] == '.' && point < 0))) {
            if (s_[i] == '.')
                point = i;
            else {
                ++chiffres;
                if (premierSignificatif < 0 && s_[i] != '0')
                    premierSignificatif = i;
            }
            ++i;
        }
        if (chiffres == 0)
            return false;
        const int finMantisse = i;
        long long exposant = 0;
        if (i < fin && s_[i] == 'E') {
            ++i;
            bool negatif = false;
            if (i < fin && (s_[i] == '+' || s_[i] == '-')) {
                negatif = s_[i] == '-';
                ++i;
            }
            if (i >= fin)
                return false;
            for (; i < fin; ++i) {
                if (c(i) < '0' || c(i) > '9')
                    return false;
                if (exposant < 100000)
                    exposant = exposant * 10 + (c(i) - '0');
            }
            if (negatif)
                exposant = -exposant;
        }
        if (i != fin)
            return false;
        const auto r = std::from_chars(s_.data() + deb, s_.data() + fin, v, std::chars_format::general);
        if (r.ec == std::errc() && r.ptr == s_.data() + fin)
            return true;
        if (r.ec == std::errc::result_out_of_range && premierSignificatif >= 0) {
            // Decimal order of magnitude: below zero means an underflow, read as 0.
            const int finEntiers = point >= 0 ? point : finMantisse;
            const long long ordre = (premierSignificatif < finEntiers ? finEntiers - premierSignificatif
                                                                     : finEntiers - premierSignificatif + 1)
                                    + exposant;
            if (ordre < 0) {
                v = 0;
                return true;
            }
        }
        return false;
    }

    static bool pliable(const NoeudExpr& n)
    {
        if (n.Genre == NoeudUnaire)
            return !(n.Code >= UF0 && n.Code <= UF9) && n.Code != URND && n.Code != UPOISSON;
        if (n.Genre == NoeudBinaire)
            return n.Code != BBINOM && n.Code != BGAUSS && n.Code != BUNIF;
        return false;
    }

    // Writes the tree in postfix order, folding operators whose operands are real
    // constants (when their value can be computed without error).
    void emet(Arbre& racine, bool plie)
    {
        auto& sortie = racine.noeuds;
        sortie.clear();
        sortie.reserve(noeuds_.size());
        int profondeur = 0, maximum = 0;
        struct Cadre {
            int noeud;
            int etape;
        };
        std::vector<Cadre> pile;
        pile.push_back({0, 0});
        while (!pile.empty()) {
            Cadre& cadre = pile.back();
            const NoeudTemp& t = noeuds_[cadre.noeud];
            if (cadre.etape == 0 && t.gauche >= 0) {
                cadre.etape = 1;
                pile.push_back({t.gauche, 0});
                continue;
            }
            if (cadre.etape <= 1 && t.droite >= 0) {
                cadre.etape = 2;
                pile.push_back({t.droite, 0});
                continue;
            }
            const NoeudExpr n = t.n;
            pile.pop_back();
            const int operandes = n.Genre == NoeudBinaire ? 2 : (t.gauche >= 0 ? 1 : 0);
            if (plie && operandes > 0 && pliable(n) && static_cast<int>(sortie.size()) >= operandes) {
                bool constantes = true;
                for (int k = 1; k <= operandes; ++k) {
                    const NoeudExpr& o = sortie[sortie.size() - k];
                    constantes = constantes && o.Genre == NoeudConstante && o.Imaginaire == 0;
                }
                if (constantes) {
                    EtatCalcul& etat = etatCalcul();
                    const int erreur = etat.ErreurCalcul;
                    const std::string message = etat.MessageErreur;
                    etat.ErreurCalcul = 0;
                    const double v = operandes == 2
                                         ? AppliqueBinaire(n.Code, sortie[sortie.size() - 2].Valeur, sortie.back().Valeur)
                                         : AppliqueUnaire(n.Code, sortie.back().Valeur);
                    const bool ok = etat.ErreurCalcul == 0 && std::isfinite(v);
                    etat.ErreurCalcul = erreur;
                    etat.MessageErreur = message;
                    if (ok) {
                        sortie.resize(sortie.size() - operandes);
                        NoeudExpr k;
                        k.Genre = NoeudConstante;
                        k.Valeur = v;
                        sortie.push_back(k);
                        profondeur -= operandes - 1;
                        continue;
                    }
                }
            }
            sortie.push_back(n);
            if (n.Genre == NoeudConstante || n.Genre == NoeudVariable || n.Genre == NoeudParametrePerso)
                ++profondeur;
            else if (n.Genre == NoeudBinaire)
                --profondeur;
            maximum = std::max(maximum, profondeur);
        }
        racine.pileMax = maximum;
    }

    std::string s_;
    const OptionsCompilation& options_;
    ResultatCompilation& resultat_;
    std::vector<int> paire_;
    std::vector<NoeudTemp> noeuds_;
};

}  // namespace

ResultatCompilation CompileExpr(std::string_view texte, Arbre& racine, const OptionsCompilation& options)
{
    ResultatCompilation resultat;
    racine.libere();
    std::vector<int> origines;
    Analyseur analyseur(formeInterne(texte, &origines), options, resultat);
    resultat.ok = analyseur.compile(racine, options.pliage);
    if (!resultat.ok) {
        racine.libere();
        if (resultat.position >= 0 && resultat.position < static_cast<int>(origines.size()))
            resultat.position = origines[std::size_t(resultat.position)];
    } else {
        resultat.faute = FauteCompilation::Aucune;
        resultat.position = -1;
    }
    return resultat;
}

bool CompileExpr(std::string_view texte, Arbre& racine, bool tirageAChaqueEvaluation)
{
    OptionsCompilation options;
    options.tirageAChaqueEvaluation = tirageAChaqueEvaluation;
    return CompileExpr(texte, racine, options).ok;
}

bool CompileExprYEtat(std::string_view texte, Arbre& racine)
{
    return CompileExpr(texte, racine, CompilationYEtat).ok;
}

bool CompileExprSansPliage(std::string_view texte, Arbre& racine)
{
    OptionsCompilation options;
    options.pliage = false;
    return CompileExpr(texte, racine, options).ok;
}

double EvalueTexte(std::string_view texte)
{
    while (!texte.empty() && (texte.front() == ' ' || texte.front() == '\t'))
        texte.remove_prefix(1);
    while (!texte.empty() && (texte.back() == ' ' || texte.back() == '\t' || texte.back() == '\r' || texte.back() == '\n'))
        texte.remove_suffix(1);
    // A plain decimal ("-5", "0.125"), as most number fields of documents and dialogs
    // hold: the value the parser would fold, without parsing.
    {
        std::size_t i = !texte.empty() && texte.front() == '-' ? 1 : 0;
        const std::size_t debut = i;
        while (i < texte.size() && texte[i] >= '0' && texte[i] <= '9')
            ++i;
        std::size_t fin = i;
        if (i < texte.size() && texte[i] == '.' && i > debut)
            for (fin = ++i; fin < texte.size() && texte[fin] >= '0' && texte[fin] <= '9';)
                ++fin;
        double v = 0;
        if (fin == texte.size() && fin > debut) {
            const auto r = std::from_chars(texte.data(), texte.data() + fin, v, std::chars_format::fixed);
            if (r.ec == std::errc() && r.ptr == texte.data() + fin) {
                ErreurCalcul() = 0;
                return v;
            }
        }
    }
    Arbre arbre;
    if (!CompileExpr(texte, arbre)) {
        ErreurCalcul() = 1;
        return 0;
    }
    return EvalueArbre(arbre, 0);
}
