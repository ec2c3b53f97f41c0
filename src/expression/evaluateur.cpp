// Evaluation of a compiled formula: the program made from its postfix nodes, run one point
// at a time (the loop shared with the complex evaluator) or over blocks of x values.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "expression/execution.h"
#include "expression/fonction.h"

// ---------------------------------------------------------------------------------------
// From nodes to program

namespace {

bool aleatoire(const NoeudExpr& n)
{
    if (n.Genre == NoeudUnaire)
        return n.Code == URND || n.Code == UPOISSON;
    return n.Genre == NoeudBinaire && (n.Code == BBINOM || n.Code == BGAUSS || n.Code == BUNIF);
}

// The leaf as the fused operand of an operator: a constant, the variable or a parameter.
bool fusionnable(const NoeudExpr& n)
{
    return n.Genre == NoeudConstante || (n.Genre == NoeudVariable && (n.Indice < 0 || n.Table == 0));
}

bool variable(const NoeudExpr& n)
{
    return n.Genre == NoeudVariable && n.Indice < 0;
}

// The whole exponent n of u^n computed by products (as the power operator does), or -1.
int exposantEntier(const NoeudExpr& n)
{
    if (n.Genre != NoeudConstante || n.Imaginaire != 0)
        return -1;
    const double w = n.Valeur;
    if (std::trunc(w) != w || !(std::fabs(w) < 32765) || std::fabs(w) > 64)
        return -1;
    return static_cast<int>(std::fabs(w));
}

// The operator fused with its operand: source 0 a constant, 1 x, 2 a parameter.
Op operateurFusionne(int code, int source, bool aGauche)
{
    static const Op ops[4][3][2] = {
        {{Op::PlusC, Op::PlusC}, {Op::PlusX, Op::PlusX}, {Op::PlusP, Op::PlusP}},
        {{Op::MoinsC, Op::CMoins}, {Op::MoinsX, Op::XMoins}, {Op::MoinsP, Op::PMoins}},
        {{Op::FoisC, Op::FoisC}, {Op::FoisX, Op::FoisX}, {Op::FoisP, Op::FoisP}},
        {{Op::DiviseC, Op::CDivise}, {Op::DiviseX, Op::XDivise}, {Op::DiviseP, Op::PDivise}},
    };
    return ops[code][source][aGauche ? 1 : 0];
}

// The step of the point-at-a-time loop for an instruction alone.
std::uint8_t pasSeul(const Instruction& k)
{
    if (k.op == Op::PuissanceN && k.indice == 2 && k.code == 0)
        return k.surX ? pas::DeuxX : pas::Deux;
    if (!k.surX)
        return static_cast<std::uint8_t>(k.op);
    switch (k.op) {
    case Op::Oppose: return pas::OpposeX;
    case Op::Identite: return pas::IdentiteX;
    case Op::Sin: return pas::SinX;
    case Op::Cos: return pas::CosX;
    case Op::Exp: return pas::ExpX;
    case Op::Ln: return pas::LnX;
    case Op::Racine: return pas::RacineX;
    case Op::Abs: return pas::AbsX;
    case Op::Carre: return pas::CarreX;
    case Op::PuissanceN: return pas::PuissanceNX;
    default: return pas::AppelX;  // Unaire, Auxiliaire, Courbe
    }
}

// The instruction as the tail of a step (pas::NbQueues), or -1.
int queue(const Instruction& k)
{
    constexpr int PremiereP = 6, Pile = 12;
    if (k.op >= Op::PlusC && k.op <= Op::CDivise)
        return static_cast<int>(k.op) - static_cast<int>(Op::PlusC);
    if (k.op >= Op::PlusP && k.op <= Op::PDivise)
        return static_cast<int>(k.op) - static_cast<int>(Op::PlusP) + PremiereP;
    if (k.op >= Op::Plus && k.op <= Op::Divise)
        return static_cast<int>(k.op) - static_cast<int>(Op::Plus) + Pile;
    if (k.op == Op::Oppose && !k.surX)
        return Pile + 4;
    return -1;
}

// Where the point-at-a-time loop takes several instructions as one step. Only the step's
// first instruction is jumped to.
void marquePas(std::vector<Instruction>& prog)
{
    for (Instruction& k : prog)
        k.pas = pasSeul(k);
    const std::size_t n = prog.size();
    for (std::size_t i = 0; i + 1 < n;) {
        Instruction& k = prog[i];
        int tete = -1;
        std::size_t longueur = 1;
        if (k.op == Op::X) {
            tete = pas::TeteX;
        } else if (k.pas == pas::DeuxX) {
            tete = pas::TeteDeuxX;
        } else if (k.pas == pas::Deux) {
            tete = pas::TeteDeux;
        } else if (k.op == Op::FoisX) {
            tete = pas::TeteFoisX;
        } else if ((k.op == Op::Constante || k.op == Op::Parametre) && prog[i + 1].op == Op::FoisX) {
            tete = k.op == Op::Constante ? pas::TeteCFoisX : pas::TetePFoisX;
            longueur = 2;
        }
        const int q = tete >= 0 && i + longueur < n ? queue(prog[i + longueur]) : -1;
        if (q >= 0) {
            k.pas = static_cast<std::uint8_t>(pas::PremiereSuite + tete * pas::NbQueues + q);
            i += longueur + 1;
        } else if (longueur == 2) {
            k.pas = tete == pas::TeteCFoisX ? pas::CFoisX : pas::PFoisX;
            i += 2;
        } else {
            ++i;
        }
    }
}

Op operateurUnaire(int code)
{
    switch (code) {
    case UMoins: return Op::Oppose;
    case UPlus: return Op::Identite;
    case USIN: return Op::Sin;
    case UCOS: return Op::Cos;
    case UEXP: return Op::Exp;
    case ULN: return Op::Ln;
    case URACINE:
    case URAC:
    case USQRT: return Op::Racine;
    case UABS: return Op::Abs;
    case UCARRE: return Op::Carre;
    default: return code >= UF0 && code <= UF9 ? Op::Auxiliaire : Op::Unaire;
    }
}

}  // namespace

void ProgrammeArbre(Arbre& arbre, bool fusion)
{
    arbre.programme.clear();
    arbre.pileProgramme = 0;
    arbre.parLots = false;
    const auto& noeuds = arbre.noeuds;
    const int n = static_cast<int>(noeuds.size());
    if (n == 0)
        return;
    // Children of each node, from the postfix order.
    std::vector<int> gauche(n, -1), droite(n, -1), pile;
    bool parLots = true;
    for (int i = 0; i < n; ++i) {
        const NoeudExpr& e = noeuds[i];
        if (e.Genre == NoeudBinaire) {
            droite[i] = pile.back();
            pile.pop_back();
            gauche[i] = pile.back();
            pile.pop_back();
        } else if (e.Genre == NoeudUnaire || e.Genre == NoeudCourbe) {
            gauche[i] = pile.back();
            pile.pop_back();
        }
        pile.push_back(i);
        parLots = parLots && !aleatoire(e) && e.Genre != NoeudCourbe && e.Genre != NoeudParametrePerso &&
                  !(e.Genre == NoeudUnaire && e.Code >= UF0 && e.Code <= UF9);
    }

    auto& prog = arbre.programme;
    prog.reserve(n + 1);
    int profondeur = 0, maximum = 0;
    auto feuille = [&](const NoeudExpr& e) {
        Instruction k;
        if (e.Genre == NoeudConstante) {
            k.op = Op::Constante;
            k.valeur = e.Valeur;
            k.imaginaire = e.Imaginaire;
        } else if (e.Genre == NoeudVariable) {
            k.op = e.Indice < 0 ? Op::X : (e.Table == 0 ? Op::Parametre : Op::Etat);
            k.indice = e.Indice;
        } else {
            k.op = Op::Perso;
            k.indice = e.Indice;
        }
        prog.push_back(k);
        maximum = std::max(maximum, ++profondeur);
    };
    auto fusionne = [&](int code, const NoeudExpr& operande, bool aGauche) {
        Instruction k;
        const int source = operande.Genre == NoeudConstante ? 0 : operande.Indice < 0 ? 1 : 2;
        k.op = operateurFusionne(code, source, aGauche);
        k.valeur = operande.Valeur;
        k.imaginaire = operande.Imaginaire;
        k.indice = operande.Indice;
        prog.push_back(k);
    };

    // Depth-first walk with an explicit stack (trees may be very deep). plan: 0 both
    // operands in order, 1 the right operand fused, 2 the left operand fused (the right one
    // is computed first: a leaf can neither fail nor draw), 3 a whole power.
    struct Cadre {
        int noeud, etape, plan;
    };
    std::vector<Cadre> cadres;
    cadres.push_back({n - 1, 0, 0});
    while (!cadres.empty()) {
        Cadre& c = cadres.back();
        const NoeudExpr& e = noeuds[c.noeud];
        if (e.Genre == NoeudConstante || e.Genre == NoeudVariable || e.Genre == NoeudParametrePerso) {
            feuille(e);
            cadres.pop_back();
            continue;
        }
        if (e.Genre != NoeudBinaire) {
            if (c.etape == 0) {
                c.etape = 1;
                // An operand x is pushed by the operator itself.
                c.plan = fusion && variable(noeuds[gauche[c.noeud]]) ? 1 : 0;
                if (c.plan == 0)
                    cadres.push_back({gauche[c.noeud], 0, 0});
                continue;
            }
            Instruction k;
            if (c.plan == 1) {
                k.surX = 1;
                maximum = std::max(maximum, ++profondeur);
            }
            if (e.Genre == NoeudCourbe) {
                k.op = Op::Courbe;
                k.indice = e.Indice;
            } else {
                k.op = operateurUnaire(e.Code);
                k.code = e.Code;
                k.indice = k.op == Op::Auxiliaire ? e.Code - UF0 : 0;
            }
            prog.push_back(k);
            cadres.pop_back();
            continue;
        }
        const int g = gauche[c.noeud], d = droite[c.noeud];
        if (c.etape == 0) {
            const bool arithmetique = fusion && e.Code <= BDivise;
            if (arithmetique && fusionnable(noeuds[d]))
                c.plan = 1;
            else if (arithmetique && fusionnable(noeuds[g]))
                c.plan = 2;
            else if (fusion && e.Code == BPuissance && exposantEntier(noeuds[d]) >= 0)
                c.plan = 3;
            c.etape = 1;
            cadres.push_back({c.plan == 2 ? d : g, 0, 0});
            continue;
        }
        if (c.plan == 0 && c.etape == 1) {
            c.etape = 2;
            cadres.push_back({d, 0, 0});
            continue;
        }
        const Cadre fait = c;
        cadres.pop_back();
        switch (fait.plan) {
        case 1: fusionne(e.Code, noeuds[d], false); break;
        case 2: fusionne(e.Code, noeuds[g], true); break;
        case 3: {
            // u^n: when u is x, the operator pushes it itself.
            Instruction k;
            k.op = Op::PuissanceN;
            k.code = noeuds[d].Valeur <= 0 ? 1 : 0;
            k.indice = exposantEntier(noeuds[d]);
            if (variable(noeuds[g]) && !prog.empty() && prog.back().op == Op::X) {
                prog.pop_back();
                k.surX = 1;
            }
            prog.push_back(k);
            break;
        }
        default: {
            Instruction k;
            switch (e.Code) {
            case BPlus: k.op = Op::Plus; break;
            case BMoins: k.op = Op::Moins; break;
            case BFois: k.op = Op::Fois; break;
            case BDivise: k.op = Op::Divise; break;
            default: k.op = Op::Binaire; break;
            }
            k.code = e.Code;
            prog.push_back(k);
            --profondeur;
        }
        }
    }
    prog.push_back(Instruction{});
    arbre.pileProgramme = maximum;
    arbre.parLots = parLots;
    if (fusion)
        marquePas(prog);
    else
        for (Instruction& k : prog)
            k.pas = static_cast<std::uint8_t>(k.op);
}

bool ArbreLitX(const Arbre& arbre)
{
    for (const Instruction& k : arbre.programme)
        if (k.surX || k.op == Op::X || (k.op >= Op::PlusX && k.op <= Op::XDivise))
            return true;
    return false;
}

bool ArbreLitEtat(const Arbre& arbre, int i)
{
    for (const Instruction& k : arbre.programme)
        if (k.op == Op::Etat && k.indice == i)
            return true;
    return false;
}

// ---------------------------------------------------------------------------------------
// One point

namespace {

struct AlgebreReelle {
    using V = double;
    static constexpr bool finVerifiee = false;
    static double reel(double v) { return v; }
    static double constante(const Instruction& k) { return k.valeur; }
    static bool fini(double v) { return std::isfinite(v); }
    static bool versReel(double v, double& u)
    {
        u = v;
        return true;
    }
    static double oppose(double u) { return -u; }
    static double sin(double u) { return std::sin(u); }
    static double cos(double u) { return std::cos(u); }
    static double abs(double u) { return std::fabs(u); }
    static double carre(double u) { return u * u; }
    static double exp(double u, const char*& echec)
    {
        if (std::fabs(u) > 85) {
            echec = MessageExponentielle;
            return 0;
        }
        return std::exp(u);
    }
    static double ln(double u, const char*& echec)
    {
        if (u <= 0) {
            echec = MessageLogarithme;
            return 0;
        }
        return std::log(u);
    }
    static double racine(double u, const char*& echec)
    {
        if (u < 0) {
            echec = MessageRacine;
            return 0;
        }
        return std::sqrt(u);
    }
    static double puissanceN(double u, int n, bool inverse, const char*& echec)
    {
        if (n == 0 && u == 0) {
            echec = MessagePuissance;
            return 0;
        }
        const double p = n == 2 ? u * u : ProduitPuissance(u, n);
        return inverse ? 1 / p : p;
    }
    static double plus(double u, double w) { return u + w; }
    static double moins(double u, double w) { return u - w; }
    static double fois(double u, double w) { return u * w; }
    static double divise(double u, double w, const ContexteCalcul& ctx, const char*& echec)
    {
        if (std::fabs(w) <= ctx.Epsilon) {
            echec = MessageDivision;
            return 0;
        }
        return u / w;
    }
    static double unaire(int code, double u, const ContexteCalcul& ctx, const char*& echec)
    {
        return CalculeUnaire(code, u, ctx, echec);
    }
    static double binaire(int code, double u, double w, const ContexteCalcul& ctx, const char*& echec)
    {
        return CalculeBinaire(code, u, w, ctx, echec);
    }
};

}  // namespace

double ExecuteReel(const Arbre& arbre, double x, EtatCalcul& etat, const ContexteCalcul& ctx, const char*& echec)
{
    return execution::execute<AlgebreReelle>(arbre, x, etat, ctx, echec);
}

double EvalueArbre(const Arbre& arbre, double x)
{
    return execution::evalue<AlgebreReelle>(arbre, x);
}

// ---------------------------------------------------------------------------------------
// Blocks

namespace {

// One block of at most TailleLot points of a tree without calls or random draws: each
// instruction runs over the whole block, its result checked in the same pass. A point's
// first failure is the one it keeps, as the point-at-a-time evaluation stops there; its
// later values are not used.
class Lot {
public:
    Lot(const Arbre& arbre, const ContexteCalcul& ctx, const EtatCalcul& etat, double* registres,
        const ValeursParPoint* parPoint = nullptr)
        : arbre_(arbre), ctx_(ctx), etat_(etat), r_(registres), parPoint_(parPoint)
    {
    }
    // The block's first point in the arrays of values per point.
    void commenceA(int debut) { debut_ = debut; }
    // Whether a point of the last block failed.
    bool echecs() const { return echecs_; }

    [[gnu::always_inline]] void calcule(const double* x, double* y, std::uint8_t* mort,
                                                           const char** messages, int m)
    {
        m_ = m;
        mort_ = mort;
        messages_ = messages;
        echecs_ = false;
        std::fill(mort, mort + m, std::uint8_t(0));
        int sommet = -1;
        double* t = nullptr;
        const double eps = ctx_.Epsilon;
        const double* const parametres =
            etat_.ParametresLocaux ? etat_.ParametresLocaux : ctx_.ValeursParametres.data();
        for (const Instruction* p = arbre_.programme.data();; ++p) {
            // An operator on the top reads x when it pushes x itself.
            const double* u = t;
            if (p->surX) {
                u = x;
                t = r_ + TailleLot * ++sommet;
            }
            // The constant or parameter operand of a fused operator.
            if (p->op >= Op::PlusP && parPoint_) [[unlikely]] {
                if (const double* v = parPoint_->parametres[p->indice]) {
                    parametreParPoint(p->op, t, v + debut_);
                    continue;
                }
            }
            const double c = p->op >= Op::PlusP ? parametres[p->indice] : p->valeur;
            switch (p->op) {
            case Op::Fin:
                for (int i = 0; i < m; ++i)
                    y[i] = mort[i] ? 0 : t[i];
                return;
            case Op::Constante:
                t = r_ + TailleLot * ++sommet;
                std::fill(t, t + m, p->valeur);
                break;
            case Op::X:
                t = r_ + TailleLot * ++sommet;
                std::copy(x, x + m, t);
                break;
            case Op::Parametre:
                t = r_ + TailleLot * ++sommet;
                if (const double* v = parPoint_ ? parPoint_->parametres[p->indice] : nullptr)
                    std::copy(v + debut_, v + debut_ + m, t);
                else
                    std::fill(t, t + m, parametres[p->indice]);
                break;
            case Op::Etat:
                t = r_ + TailleLot * ++sommet;
                if (const double* v = parPoint_ ? parPoint_->etat[p->indice] : nullptr)
                    std::copy(v + debut_, v + debut_ + m, t);
                else
                    std::fill(t, t + m, etat_.VariablesEtat[p->indice]);
                break;
            case Op::Oppose: applique(u, t, [](double v) { return -v; }); break;
            case Op::Identite: applique(u, t, [](double v) { return v; }); break;
            case Op::Sin: applique(u, t, [](double v) { return std::sin(v); }); break;
            case Op::Cos: applique(u, t, [](double v) { return std::cos(v); }); break;
            case Op::Abs: applique(u, t, [](double v) { return std::fabs(v); }); break;
            case Op::Carre: applique(u, t, [](double v) { return v * v; }); break;
            case Op::Exp:
                domaine(u, t, [](double v) { return std::fabs(v) > 85; }, 0, MessageExponentielle,
                        [](double v) { return std::exp(v); });
                break;
            case Op::Ln:
                domaine(u, t, [](double v) { return v <= 0; }, 1, MessageLogarithme,
                        [](double v) { return std::log(v); });
                break;
            case Op::Racine:
                domaine(u, t, [](double v) { return v < 0; }, 0, MessageRacine,
                        [](double v) { return std::sqrt(v); });
                break;
            case Op::PuissanceN: puissance(u, t, p->indice, p->code != 0); break;
            case Op::Unaire:
                for (int i = 0; i < m; ++i)
                    if (!mort[i]) {
                        const char* echec = nullptr;
                        t[i] = CalculeUnaire(p->code, u[i], ctx_, echec);
                        if (echec)
                            marque(i, echec);
                    }
                verifie(t);
                break;
            case Op::Plus:
            case Op::Moins:
            case Op::Fois:
            case Op::Divise:
            case Op::Binaire: {
                double* g = t - TailleLot;
                binaire(p, g, t);
                t = g;
                --sommet;
                break;
            }
            case Op::PlusC:
            case Op::PlusP: applique(t, t, [c](double v) { return v + c; }); break;
            case Op::MoinsC:
            case Op::MoinsP: applique(t, t, [c](double v) { return v - c; }); break;
            case Op::CMoins:
            case Op::PMoins: applique(t, t, [c](double v) { return c - v; }); break;
            case Op::FoisC:
            case Op::FoisP: applique(t, t, [c](double v) { return v * c; }); break;
            case Op::DiviseC:
            case Op::DiviseP:
                if (std::fabs(c) <= eps) {
                    for (int i = 0; i < m; ++i)
                        marque(i, MessageDivision);
                    break;
                }
                applique(t, t, [c](double v) { return v / c; });
                break;
            case Op::CDivise:
            case Op::PDivise:
                domaine(t, t, [eps](double w) { return std::fabs(w) <= eps; }, 1, MessageDivision,
                        [c](double w) { return c / w; });
                break;
            case Op::PlusX: applique2(t, x, t, [](double a, double b) { return a + b; }); break;
            case Op::MoinsX: applique2(t, x, t, [](double a, double b) { return a - b; }); break;
            case Op::XMoins: applique2(x, t, t, [](double a, double b) { return a - b; }); break;
            case Op::FoisX: applique2(t, x, t, [](double a, double b) { return a * b; }); break;
            case Op::DiviseX: divise(t, x, t); break;
            case Op::XDivise: divise(x, t, t); break;
            case Op::Perso:
            case Op::Auxiliaire:
            case Op::Courbe:
                // Not in a block program (parLots is false).
                for (int i = 0; i < m; ++i)
                    marque(i, SansMessage);
                break;
            }
        }
    }

private:
    static bool horsLimites(double v) { return !(std::fabs(v) <= DBL_MAX); }

    [[gnu::always_inline]] void marque(int i, const char* echec)
    {
        if (mort_[i])
            return;
        mort_[i] = 1;
        echecs_ = true;
        if (messages_)
            messages_[i] = echec == SansMessage ? nullptr : echec;
    }

    // A value that is not finite fails its point with no message of its own; the value is
    // then replaced by a harmless one (it is no longer used).
    [[gnu::always_inline]] void fautes(double* t)
    {
        for (int i = 0; i < m_; ++i)
            if (horsLimites(t[i])) {
                marque(i, SansMessage);
                t[i] = 0;
            }
    }

    [[gnu::always_inline]] void verifie(double* t)
    {
        unsigned mauvais = 0;
        for (int i = 0; i < m_; ++i)
            mauvais |= horsLimites(t[i]);
        if (mauvais)
            fautes(t);
    }

    template <class F>
    [[gnu::always_inline]] void applique(const double* u, double* t, F f)
    {
        unsigned mauvais = 0;
        for (int i = 0; i < m_; ++i) {
            const double r = f(u[i]);
            t[i] = r;
            mauvais |= horsLimites(r);
        }
        if (mauvais)
            fautes(t);
    }

    template <class F>
    [[gnu::always_inline]] void applique2(const double* a, const double* b, double* t, F f)
    {
        unsigned mauvais = 0;
        for (int i = 0; i < m_; ++i) {
            const double r = f(a[i], b[i]);
            t[i] = r;
            mauvais |= horsLimites(r);
        }
        if (mauvais)
            fautes(t);
    }

    // An operator with a domain for its operand w (a second operand u, unused by unary ones):
    // points whose operand is out of it fail with the message (and are computed on a harmless
    // operand), the others as applique does.
    template <class Hors, class F>
    [[gnu::always_inline]] void domaine(const double* u, const double* w, double* t, Hors hors, double remplacant,
                                        const char* message, F f)
    {
        std::uint8_t dehors[TailleLot];
        unsigned un = 0, mauvais = 0;
        for (int i = 0; i < m_; ++i) {
            const bool h = hors(w[i]);
            dehors[i] = h;
            un |= h;
            const double r = f(u[i], h ? remplacant : w[i]);
            t[i] = r;
            mauvais |= horsLimites(r);
        }
        if (un)
            for (int i = 0; i < m_; ++i)
                if (dehors[i])
                    marque(i, message);
        if (mauvais)
            fautes(t);
    }

    template <class Hors, class F>
    [[gnu::always_inline]] void domaine(const double* u, double* t, Hors hors, double remplacant, const char* message,
                                        F f)
    {
        domaine(u, u, t, hors, remplacant, message, [f](double, double v) { return f(v); });
    }

    [[gnu::always_inline]] void puissance(const double* u, double* t, int n, bool inverse)
    {
        // Only the power's own result is checked: u^-n of a huge u is 0.
        if (n == 0) {
            domaine(u, t, [](double v) { return v == 0; }, 1, MessagePuissance, [](double) { return 1.0; });
        } else if (n == 2) {
            for (int i = 0; i < m_; ++i)
                t[i] = u[i] * u[i];
        } else {
            double p[TailleLot];
            std::fill(p, p + m_, 1.0);
            for (int k = 0; k < n; ++k)
                for (int i = 0; i < m_; ++i)
                    p[i] *= u[i];
            std::copy(p, p + m_, t);
        }
        if (inverse)
            applique(t, t, [](double v) { return 1 / v; });
        else
            verifie(t);
    }

    // An operator fused with a parameter that has a value per point: the operator over the
    // top and those values, in the operands' order.
    [[gnu::always_inline]] void parametreParPoint(Op op, double* t, const double* v)
    {
        switch (op) {
        case Op::PlusP: applique2(t, v, t, [](double a, double b) { return a + b; }); return;
        case Op::MoinsP: applique2(t, v, t, [](double a, double b) { return a - b; }); return;
        case Op::PMoins: applique2(v, t, t, [](double a, double b) { return a - b; }); return;
        case Op::FoisP: applique2(t, v, t, [](double a, double b) { return a * b; }); return;
        case Op::DiviseP: divise(t, v, t); return;
        default: divise(v, t, t); return;  // PDivise
        }
    }

    // r = u / w, w checked against Epsilon first.
    [[gnu::always_inline]] void divise(const double* u, const double* w, double* r)
    {
        domaine(u, w, r, [eps = ctx_.Epsilon](double v) { return std::fabs(v) <= eps; }, 1, MessageDivision,
                [](double a, double b) { return a / b; });
    }

    [[gnu::always_inline]] void binaire(const Instruction* p, double* u, const double* w)
    {
        switch (p->op) {
        case Op::Plus: applique2(u, w, u, [](double a, double b) { return a + b; }); return;
        case Op::Moins: applique2(u, w, u, [](double a, double b) { return a - b; }); return;
        case Op::Fois: applique2(u, w, u, [](double a, double b) { return a * b; }); return;
        case Op::Divise: divise(u, w, u); return;
        default:
            for (int i = 0; i < m_; ++i)
                if (!mort_[i]) {
                    const char* echec = nullptr;
                    u[i] = CalculeBinaire(p->code, u[i], w[i], ctx_, echec);
                    if (echec)
                        marque(i, echec);
                }
            verifie(u);
        }
    }

    const Arbre& arbre_;
    const ContexteCalcul& ctx_;
    const EtatCalcul& etat_;
    double* r_;
    const ValeursParPoint* parPoint_;
    int debut_ = 0;
    bool echecs_ = false;
    int m_ = 0;
    std::uint8_t* mort_ = nullptr;
    const char** messages_ = nullptr;
};

// The block loop is built twice: for the processors with AVX2 (four points per operation,
// and no switch between the two encodings of the vector registers around the calls into the
// mathematics library) and for any other, chosen when the program runs. Both compute the
// same bits: no fused multiply-add is allowed (see the library's build options).
#if defined(__x86_64__)
[[gnu::target("avx2")]] void calculeAvx2(Lot& lot, const double* x, double* y, std::uint8_t* mort,
                                         const char** messages, int m)
{
    lot.calcule(x, y, mort, messages, m);
}
#endif

void calculeLot(Lot& lot, const double* x, double* y, std::uint8_t* mort, const char** messages, int m)
{
#if defined(__x86_64__)
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2) {
        calculeAvx2(lot, x, y, mort, messages, m);
        return;
    }
#endif
    lot.calcule(x, y, mort, messages, m);
}

}  // namespace

namespace {

void evalueLot(const Arbre& arbre, const double* x, double* y, std::uint8_t* echec, int n, const char** messages,
               const ValeursParPoint* parPoint)
{
    if (n <= 0)
        return;
    EtatCalcul& etat = etatCalcul();
    const ContexteCalcul& ctx = contexteCalcul();
    if (arbre.programme.empty()) {
        std::fill(y, y + n, 0.0);
        std::fill(echec, echec + n, std::uint8_t(0));
        etat.ErreurCalcul = 0;
        return;
    }
    if (!arbre.parLots) {
        // Calls and random draws: point by point, in order, each point's own values in place
        // for its evaluation.
        const auto etatAvant = etat.VariablesEtat;
        const double* const parametresAvant = etat.ParametresLocaux;
        std::array<double, NbParametres> parametres{};
        const char* dernier = nullptr;
        for (int i = 0; i < n; ++i) {
            if (parPoint) {
                for (int k = 0; k < NbVariablesEtat; ++k)
                    if (parPoint->etat[k])
                        etat.VariablesEtat[k] = parPoint->etat[k][i];
                const double* base = parametresAvant ? parametresAvant : ctx.ValeursParametres.data();
                for (int k = 0; k < NbParametres; ++k)
                    parametres[k] = parPoint->parametres[k] ? parPoint->parametres[k][i] : base[k];
                etat.ParametresLocaux = parametres.data();
            }
            const char* e = nullptr;
            y[i] = ExecuteReel(arbre, x[i], etat, ctx, e);
            echec[i] = e != nullptr;
            if (e) {
                y[i] = 0;
                if (e != SansMessage)
                    dernier = e;
                if (messages)
                    messages[i] = e == SansMessage ? nullptr : e;
            }
        }
        if (parPoint) {
            etat.VariablesEtat = etatAvant;
            etat.ParametresLocaux = parametresAvant;
        }
        etat.ErreurCalcul = echec[n - 1];
        if (dernier)
            etat.MessageErreur = dernier;
        return;
    }
    constexpr int RegistresLocaux = 16;
    alignas(64) double locaux[RegistresLocaux * TailleLot];
    std::unique_ptr<double[]> tas;
    double* registres = locaux;
    if (arbre.pileProgramme > RegistresLocaux) {
        tas.reset(new double[std::size_t(arbre.pileProgramme) * TailleLot]);
        registres = tas.get();
    }
    const char* locauxMessages[TailleLot];
    Lot lot(arbre, ctx, etat, registres, parPoint);
    // The message left is that of the last failure that brought one.
    const char* dernier = nullptr;
    for (int debut = 0; debut < n; debut += TailleLot) {
        const int m = std::min(TailleLot, n - debut);
        const char** msg = messages ? messages + debut : locauxMessages;
        lot.commenceA(debut);
        calculeLot(lot, x + debut, y + debut, echec + debut, msg, m);
        if (lot.echecs())
            for (int i = 0; i < m; ++i)
                if (echec[debut + i] && msg[i])
                    dernier = msg[i];
    }
    etat.ErreurCalcul = echec[n - 1];
    if (dernier)
        etat.MessageErreur = dernier;
}

}  // namespace

void EvalueArbreLot(const Arbre& arbre, const double* x, double* y, std::uint8_t* echec, int n,
                    const char** messages)
{
    evalueLot(arbre, x, y, echec, n, messages, nullptr);
}

void EvalueArbreLot(const Arbre& arbre, const double* x, const ValeursParPoint& parPoint, double* y,
                    std::uint8_t* echec, int n, const char** messages)
{
    evalueLot(arbre, x, y, echec, n, messages, &parPoint);
}
