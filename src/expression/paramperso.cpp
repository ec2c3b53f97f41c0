#include "expression/paramperso.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "expression/formatage.h"

GCParamPerso::GCParamPerso(std::string nom, std::string valeur) : nom_(std::move(nom)), valeur_(std::move(valeur)) {}

namespace {

ParametresPersonnels& listes()
{
    return contexteCalcul().Personnels;
}

bool lettreAscii(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Latin-1 letters (U+00C0..U+00FF) that the formula language does not read as signs:
// not x (0xD7), / (0xF7), nor the old code page's pi, root and square (0xE3, 0xFB, 0xFD).
bool lettreLatin1(unsigned char c) { return c >= 0xC0 && c != 0xD7 && c != 0xF7 && c != 0xE3 && c != 0xFB && c != 0xFD; }

// A name: a letter, then letters, digits and "_". Accented letters may come in UTF-8 or
// as Windows-1252 bytes.
bool formeDeNom(const std::string& nom)
{
    if (nom.empty())
        return false;
    bool premier = true;
    for (std::size_t i = 0; i < nom.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(nom[i]);
        bool lettre = lettreAscii(c);
        bool autre = (c >= '0' && c <= '9') || c == '_';
        if (c >= 0x80) {
            if (c == 0xC3 && i + 1 < nom.size() && (static_cast<unsigned char>(nom[i + 1]) & 0xC0) == 0x80) {
                lettre = lettreLatin1(static_cast<unsigned char>(static_cast<unsigned char>(nom[i + 1]) + 0x40));
                ++i;
            } else {
                lettre = lettreLatin1(c);
            }
        }
        if (premier ? !lettre : !(lettre || autre))
            return false;
        premier = false;
    }
    return true;
}

bool valide(int i) { return i >= 0 && i < static_cast<int>(listes().ParametresPerso.size()); }

// True when the compiled value reaches the language slot `cible` through personal
// parameters (directly or through other parameters' values).
bool atteint(const Arbre& arbre, int cible, std::vector<char>& vus)
{
    const auto& slots = contexteCalcul().parametresPerso;
    for (const NoeudExpr& n : arbre.noeuds) {
        if (n.Genre != NoeudParametrePerso)
            continue;
        const int s = n.Indice;
        if (s == cible)
            return true;
        if (s < 0 || s >= static_cast<int>(slots.size()) || vus[s])
            continue;
        vus[s] = 1;
        if (slots[s].arbre && atteint(*slots[s].arbre, cible, vus))
            return true;
    }
    return false;
}

// Checks that the value compiles and does not refer back to the slot (when slot >= 0).
bool valeurCorrecte(const std::string& valeur, int slot)
{
    Arbre arbre;
    std::string_view texte = valeur;
    while (!texte.empty() && (texte.front() == ' ' || texte.front() == '\t'))
        texte.remove_prefix(1);
    while (!texte.empty() && (texte.back() == ' ' || texte.back() == '\t'))
        texte.remove_suffix(1);
    const bool compile = CompileExpr(texte, arbre);
    if (!compile)
        return false;
    if (slot < 0)
        return true;
    std::vector<char> vus(contexteCalcul().parametresPerso.size(), 0);
    return !atteint(arbre, slot, vus);
}

// The fewest decimals (0..17) that write x exactly in fixed form, or -1.
int decimalesExactes(double x)
{
    char tampon[400];
    for (int d = 0; d <= 17; ++d) {
        const auto r = std::to_chars(tampon, tampon + sizeof tampon, x, std::chars_format::fixed, d);
        double relu = 0;
        std::from_chars(tampon, r.ptr, relu);
        if (relu == x)
            return d;
    }
    return -1;
}

// v + pas, as a teacher adds them: 0.1 + 0.2 gives 0.3, not 0.30000000000000004. The sum
// is rounded to the decimals of its terms when that moves it by rounding noise only.
double sommeDecimale(double v, double pas)
{
    const double somme = v + pas;
    const int dv = decimalesExactes(v), dp = decimalesExactes(pas);
    if (dv < 0 || dp < 0 || !std::isfinite(somme))
        return somme;
    char tampon[400];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, somme, std::chars_format::fixed, std::max(dv, dp));
    double arrondie = somme;
    std::from_chars(tampon, r.ptr, arrondie);
    const double bruit = 4 * std::numeric_limits<double>::epsilon() * std::max({std::fabs(v), std::fabs(pas), std::fabs(somme)});
    return std::fabs(arrondie - somme) <= bruit ? arrondie : somme;
}

void retireDesLettres(int i)
{
    for (auto& liste : listes().ListesLettres)
        std::erase(liste, i);
}

}  // namespace

double SommeDecimale(double v, double pas)
{
    return sommeDecimale(v, pas);
}

struct AccesParamPerso {
    static std::string& nom(GCParamPerso& p) { return p.nom_; }
    static std::string& valeur(GCParamPerso& p) { return p.valeur_; }
    static char& touche(GCParamPerso& p) { return p.touche_; }
    static int& slot(GCParamPerso& p) { return p.slot_; }
};

const ParametresPersonnels& parametresPersonnels()
{
    return listes();
}

int IndiceParametrePerso(const std::string& nom)
{
    const std::string cle = majuscules(nom);
    const auto& noms = listes().NomsParametresPerso;
    for (std::size_t i = 0; i < noms.size(); ++i)
        if (majuscules(noms[i]) == cle)
            return static_cast<int>(i);
    return -1;
}

int VerifieNomParametre(const std::string& nom)
{
    if (!formeDeNom(nom))
        return 3;
    const std::string m = majuscules(nom);
    if (m.size() == 1 && ((m[0] >= 'A' && m[0] <= 'P') || m[0] == 'R' || m[0] == 'T' || m[0] == 'X' || m[0] == 'Y' || m[0] == 'Z'))
        return 1;
    // The parameter letters and the state values N, R and Y, followed by "'" or a digit.
    static const std::string lettres = "ABCDGHKLMPNRY";
    if (m.size() >= 2 && lettres.find(m[0]) != std::string::npos && (m[1] == '\'' || (m[1] >= '0' && m[1] <= '9')))
        return 1;
    if (m == "PI" || m == "RD")
        return 1;
    if (IndiceParametrePerso(nom) >= 0)
        return 2;
    return 0;
}

const char* MessageNomParametre(int code)
{
    switch (code) {
    case 1: return "Ce nom est réservé à VIRK.";
    case 2: return "Ce nom existe déjà, utilisez Modifier.";
    case 3: return "Ce nom n'est pas autorisé!";
    default: return "";
    }
}

int AjouteParametrePerso(const GCParamPerso& parametre, std::string& message, bool verifieValeur)
{
    message.clear();
    const int code = VerifieNomParametre(parametre.Nom());
    if (code != 0) {
        message = MessageNomParametre(code);
        return -1;
    }
    if (verifieValeur && !valeurCorrecte(parametre.Valeur(), -1)) {
        message = MessageValeurParametre;
        return -1;
    }
    auto& l = listes();
    auto p = std::make_unique<GCParamPerso>(parametre);
    AccesParamPerso::touche(*p) = 0;
    AccesParamPerso::slot(*p) = definitParametrePerso(p->Nom(), p->Valeur());
    l.ParametresPerso.push_back(std::move(p));
    l.NomsParametresPerso.push_back(parametre.Nom());
    const int i = static_cast<int>(l.ParametresPerso.size()) - 1;
    AssocieToucheParametrePerso(i, parametre.Touche());
    return i;
}

bool FixeParametrePerso(int i, const std::string& valeur, const std::string& increment, const std::string& minimum,
                        const std::string& maximum, std::string& message)
{
    message.clear();
    if (!valide(i)) {
        message = MessageListeParametresVide;
        return false;
    }
    GCParamPerso& p = *listes().ParametresPerso[i];
    if (!valeurCorrecte(valeur, AccesParamPerso::slot(p))) {
        message = MessageValeurParametre;
        return false;
    }
    AccesParamPerso::valeur(p) = valeur;
    AccesParamPerso::slot(p) = definitParametrePerso(p.Nom(), valeur);
    p.Increment = increment;
    p.Minimum = minimum;
    p.Maximum = maximum;
    return true;
}

bool RenommeParametrePerso(int i, const std::string& nouveauNom, std::string& message)
{
    message.clear();
    if (!valide(i)) {
        message = MessageListeParametresVide;
        return false;
    }
    GCParamPerso& p = *listes().ParametresPerso[i];
    const bool memeNom = majuscules(nouveauNom) == majuscules(p.Nom());
    int code = VerifieNomParametre(nouveauNom);
    if (code == 2 && memeNom)
        code = 0;  // only the case of the letters changes
    if (code != 0) {
        message = MessageNomParametre(code);
        return false;
    }
    if (!memeNom)
        retireParametrePerso(p.Nom());
    AccesParamPerso::nom(p) = nouveauNom;
    listes().NomsParametresPerso[i] = nouveauNom;
    AccesParamPerso::slot(p) = definitParametrePerso(nouveauNom, p.Valeur());
    return true;
}

bool SupprimeParametrePerso(int i, std::string& message)
{
    message.clear();
    auto& l = listes();
    if (!valide(i)) {
        message = MessageListeParametresVide;
        return false;
    }
    retireParametrePerso(l.ParametresPerso[i]->Nom());
    l.ParametresPerso.erase(l.ParametresPerso.begin() + i);
    l.NomsParametresPerso.erase(l.NomsParametresPerso.begin() + i);
    retireDesLettres(i);
    for (auto& liste : l.ListesLettres)
        for (int& k : liste)
            if (k > i)
                --k;
    return true;
}

bool AssocieToucheParametrePerso(int i, char lettre)
{
    if (!valide(i))
        return false;
    if (lettre >= 'a' && lettre <= 'z')
        lettre = static_cast<char>(lettre - 'a' + 'A');
    if (lettre != 0 && lettre != ' ' && (lettre < 'A' || lettre > 'Z'))
        return false;
    GCParamPerso& p = *listes().ParametresPerso[i];
    retireDesLettres(i);
    if (lettre == 0 || lettre == ' ') {
        AccesParamPerso::touche(p) = 0;
        return true;
    }
    AccesParamPerso::touche(p) = lettre;
    listes().ListesLettres[lettre - 'A'].push_back(i);
    return true;
}

int ToucheParametrePerso(int lettre, int signe)
{
    if (lettre < 0 || lettre >= 26)
        return 0;
    auto& l = listes();
    int changes = 0;
    // A copy: the list does not change here, but keep the loop independent of it.
    const std::vector<int> indices = l.ListesLettres[lettre];
    for (const int i : indices) {
        if (!valide(i))
            continue;
        GCParamPerso& p = *l.ParametresPerso[i];
        const double v = EvalueTexte(p.Valeur());
        if (ErreurCalcul())
            continue;
        const double pas = EvalueTexte(p.Increment);
        if (ErreurCalcul())
            continue;
        const double nouvelle = sommeDecimale(v, signe < 0 ? -pas : pas);
        if (!std::isfinite(nouvelle))
            continue;
        AccesParamPerso::valeur(p) = ReelExact(nouvelle);
        AccesParamPerso::slot(p) = definitParametrePerso(p.Nom(), p.Valeur());
        ++changes;
    }
    ErreurCalcul() = 0;
    return changes;
}


