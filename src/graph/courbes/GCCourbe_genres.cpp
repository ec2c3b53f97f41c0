// The classes of the kinds whose own computations come with their own units: their fields,
// copies and descriptions, and the factory that creates the class a kind letter selects.
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "expression/formatage.h"
#include "expression/grfonc.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/base/GCaides.h"
#include "graph/base/etatgraphe.h"

namespace {

double evalue(const QString& texte)
{
    const double v = EvalueTexte(texte.toStdString());
    const bool ok = !ErreurCalcul() && std::isfinite(v);
    ErreurCalcul() = 0;
    return ok ? v : 0;
}

QString joint(std::initializer_list<QString> champs)
{
    QString s;
    for (const QString& c : champs) {
        s += QChar(0x1F);
        s += c;
    }
    return s;
}

template <std::size_t N>
QString joint(const std::array<QString, N>& champs)
{
    QString s;
    for (const QString& c : champs) {
        s += QChar(0x1F);
        s += c;
    }
    return s;
}

// The evaluation of kinds whose computation is not available yet.
void evaluationIndisponible()
{
    ErreurAvecMessage("calcul non disponible pour ce type de courbe");
}

// Appends lines to the curve log when the session is recorded.
void journalise(const QStringList& lignes)
{
    if (etatGraphe().EnregistrementSession)
        etatGraphe().JournalCourbes << lignes;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// A: polygonal plates

GCA::GCA(QChar genre, int fenetre, int numero) : GCCourbe(genre, fenetre, numero)
{
    NouvelIdentifiant();
}

void GCA::Copie(const GCBase& source)
{
    GCCourbe::Copie(source);
    if (const auto* a = dynamic_cast<const GCA*>(&source)) {
        Mere1 = a->Mere1;
        Mesure = a->Mesure;
        StyleRemplissage = a->StyleRemplissage;
        ModeCopie = a->ModeCopie;
        FichierPoints = a->FichierPoints;
    }
}

void GCA::FixeModeCopie(int mode)
{
    ModeCopie = ModeCopieLu(mode);
}

void GCA::Trace(QPainter&, GCRepere&)
{
    TraceIndisponible();
}

void GCA::Decrit(QStringList& lignes) const
{
    LignesDeBase(lignes);
    lignes << QStringLiteral("*** ***") << QStringLiteral("Mesure= ") + QString::fromStdString(ReelVersTexte(Mesure));
}

void GCA::Journalise() const
{
    GCCourbe::Journalise();
}

QString GCA::SignatureDefinition() const
{
    return GCCourbe::SignatureDefinition() + joint({Mere1, QString::number(StyleRemplissage), QString::number(ModeCopie)});
}

// ---------------------------------------------------------------------------------------
// B, C, W: control points and chronicles

GCC::GCC(QChar genre, int fenetre, int numero) : GCCourbe(genre, fenetre, numero) {}

void GCC::Copie(const GCBase& source)
{
    GCCourbe::Copie(source);
    if (const auto* c = dynamic_cast<const GCC*>(&source)) {
        Debut = c->Debut;
        PasC = c->PasC;
    }
}

void GCC::Trace(QPainter&, GCRepere&)
{
    TraceIndisponible();
}

namespace {
void lignesGCC(const GCC& c, QStringList& lignes)
{
    lignes << QStringLiteral("Début= ") + c.Debut << QStringLiteral("Pas= ") + c.PasC;
    if (c.Batons)
        lignes << (c.TypeCourbe == QLatin1Char('C') ? QStringLiteral("Tracé en bâtons") : QStringLiteral("Coordonnées polaires"));
}
}  // namespace

void GCC::Decrit(QStringList& lignes) const
{
    LignesDeBase(lignes);
    lignesGCC(*this, lignes);
}

void GCC::Journalise() const
{
    if (!etatGraphe().EnregistrementSession)
        return;
    QStringList lignes;
    LignesJournal(lignes);
    lignesGCC(*this, lignes);
    journalise(lignes);
}

QString GCC::SignatureDefinition() const
{
    return GCCourbe::SignatureDefinition() + joint({Debut, PasC});
}

// ---------------------------------------------------------------------------------------
// N: sequences

GCN::GCN(QChar genre, int fenetre, int numero, int sousType) : GCRelNum(genre, fenetre, numero)
{
    SousType = sousType;
    Joint = sousType != 4;
    Batons = sousType == 3;
}

void GCN::Copie(const GCBase& source)
{
    GCRelNum::Copie(source);
    if (const auto* n = dynamic_cast<const GCN*>(&source)) {
        Iterations = n->Iterations;
        Xo = n->Xo;
        Yo = n->Yo;
        TexteXo = n->TexteXo;
        TexteYo = n->TexteYo;
        DebutVisible = n->DebutVisible;
        FinVisible = n->FinVisible;
    }
}

void GCN::FixeConditions(const QString& iterations, const QString& xo, const QString& yo)
{
    Iterations = iterations;
    TexteXo = xo;
    TexteYo = yo;
    Xo = evalue(xo);
    Yo = evalue(yo);
}

void GCN::Conditions(QString& iterations, QString& xo, QString& yo) const
{
    iterations = Iterations;
    xo = TexteXo;
    yo = TexteYo;
}

void GCN::Trace(QPainter&, GCRepere&)
{
    TraceIndisponible();
}

namespace {
void lignesGCN(const GCN& n, QStringList& lignes)
{
    lignes << QStringLiteral("*** Conditions initiales ***")
           << QStringLiteral("Xo = ") + n.TexteXo + QStringLiteral(" ; Yo = ") + n.TexteYo
           << QStringLiteral("Nombre d'itérations : ") + n.Iterations
           << QStringLiteral("Début des itérations visibles : ") + n.DebutVisible
           << QStringLiteral("Fin des itérations visibles : ") + n.FinVisible;
}
}  // namespace

void GCN::Decrit(QStringList& lignes) const
{
    LignesDeBase(lignes);
    lignesGCN(*this, lignes);
}

void GCN::Journalise() const
{
    if (!etatGraphe().EnregistrementSession)
        return;
    QStringList lignes;
    LignesJournal(lignes);
    lignesGCN(*this, lignes);
    journalise(lignes);
}

QString GCN::SignatureDefinition() const
{
    return GCRelNum::SignatureDefinition() + joint({Iterations, TexteXo, TexteYo, DebutVisible, FinVisible});
}

// ---------------------------------------------------------------------------------------
// H, J, R, S

GCRS::GCRS(QChar genre, int fenetre, int numero) : GCY(genre, fenetre, numero) {}

void GCRS::Copie(const GCBase& source)
{
    GCY::Copie(source);
    if (const auto* r = dynamic_cast<const GCRS*>(&source)) {
        TexteBorne1 = r->TexteBorne1;
        TexteBorne2 = r->TexteBorne2;
        Borne1 = r->Borne1;
        Borne2 = r->Borne2;
    }
}

void GCRS::FixeBornes(const QString& borne1, const QString& borne2)
{
    TexteBorne1 = borne1;
    TexteBorne2 = borne2;
    VerifieBornes();
}

bool GCRS::VerifieBornes()
{
    const double v1 = EvalueTexte(TexteBorne1.toStdString());
    const bool ok1 = !ErreurCalcul() && std::isfinite(v1);
    const double v2 = EvalueTexte(TexteBorne2.toStdString());
    const bool ok2 = !ErreurCalcul() && std::isfinite(v2);
    ErreurCalcul() = 0;
    Borne1 = ok1 ? v1 : 0;
    Borne2 = ok2 ? v2 : 0;
    return ok1 && ok2;
}

void GCRS::Trace(QPainter&, GCRepere&)
{
    TraceIndisponible();
}

void GCRS::Evalue(double, double&, double&) const
{
    evaluationIndisponible();
}

namespace {
void lignesGCRS(const GCRS& r, QStringList& lignes)
{
    if (r.TypeCourbe == QLatin1Char('H'))
        lignes << QStringLiteral("*** Conditions initiales ***") << QStringLiteral("Xo= ") + r.TexteBorne1
               << QStringLiteral("Yo= ") + r.TexteBorne2;
    else
        lignes << QStringLiteral("*** Bornes de calcul ***") << QStringLiteral("Borne inf= ") + r.TexteBorne1
               << QStringLiteral("Borne sup= ") + r.TexteBorne2;
}
}  // namespace

void GCRS::Decrit(QStringList& lignes) const
{
    GCY::Decrit(lignes);
    lignesGCRS(*this, lignes);
}

void GCRS::Journalise() const
{
    if (!etatGraphe().EnregistrementSession)
        return;
    GCY::Journalise();
    QStringList lignes;
    lignesGCRS(*this, lignes);
    journalise(lignes);
}

QString GCRS::SignatureDefinition() const
{
    return GCY::SignatureDefinition() + joint({TexteBorne1, TexteBorne2});
}

// ---------------------------------------------------------------------------------------
// D, G

GCDG::GCDG(QChar genre, int ordre, int fenetre, int numero) : GCY(genre, fenetre, numero), Ordre(ordre) {}

void GCDG::Copie(const GCBase& source)
{
    GCY::Copie(source);
    if (const auto* d = dynamic_cast<const GCDG*>(&source)) {
        Ordre = d->Ordre;
        Mere1 = d->Mere1;
    }
}

void GCDG::Trace(QPainter&, GCRepere&)
{
    TraceIndisponible();
}

void GCDG::Evalue(double, double&, double&) const
{
    evaluationIndisponible();
}

void GCDG::Decrit(QStringList& lignes) const
{
    GCY::Decrit(lignes);
    lignes << QStringLiteral("Ordre = ") + QString::number(Ordre);
}

void GCDG::Journalise() const
{
    if (!etatGraphe().EnregistrementSession)
        return;
    GCY::Journalise();
    journalise({QStringLiteral("Ordre = ") + QString::number(Ordre)});
}

QString GCDG::SignatureDefinition() const
{
    return GCY::SignatureDefinition() + joint({QString::number(Ordre), Mere1});
}

// ---------------------------------------------------------------------------------------
// E

GCE::GCE(QChar genre, int ordre, int fenetre, int numero) : GCDG(genre, ordre, fenetre, numero)
{
    TextesInitiaux.fill(QStringLiteral("0"));
}

void GCE::Copie(const GCBase& source)
{
    GCDG::Copie(source);
    if (const auto* e = dynamic_cast<const GCE*>(&source)) {
        TextesInitiaux = e->TextesInitiaux;
        ValeursInitiales = e->ValeursInitiales;
    }
}

void GCE::FixeConditionsInitiales(const std::array<QString, 11>& textes)
{
    TextesInitiaux = textes;
    for (std::size_t i = 0; i < textes.size(); ++i)
        ValeursInitiales[i] = evalue(textes[i]);
}

void GCE::Trace(QPainter&, GCRepere&)
{
    TraceIndisponible();
}

void GCE::Evalue(double, double&, double&) const
{
    evaluationIndisponible();
}

namespace {
void lignesGCE(const GCE& e, QStringList& lignes)
{
    lignes << QStringLiteral("*** Conditions initiales ***") << QStringLiteral("Xo = ") + e.TextesInitiaux[0];
    const int n = std::clamp(e.Ordre, 0, 10);
    for (int k = 0; k < n; ++k)
        lignes << QStringLiteral("Y") + QString(k, QLatin1Char('\'')) + QStringLiteral("o = ") +
                      e.TextesInitiaux[std::size_t(k + 1)];
}
}  // namespace

void GCE::Decrit(QStringList& lignes) const
{
    GCDG::Decrit(lignes);
    lignesGCE(*this, lignes);
}

void GCE::Journalise() const
{
    if (!etatGraphe().EnregistrementSession)
        return;
    GCDG::Journalise();
    QStringList lignes;
    lignesGCE(*this, lignes);
    journalise(lignes);
}

QString GCE::SignatureDefinition() const
{
    return GCDG::SignatureDefinition() + joint(TextesInitiaux);
}

// ---------------------------------------------------------------------------------------
// I

GCI::GCI(QChar genre, int sousType, int fenetre, int numero) : GCY(genre, fenetre, numero)
{
    SousType = sousType;
    TextesCoefficients.fill(QStringLiteral("0"));
}

void GCI::Copie(const GCBase& source)
{
    GCY::Copie(source);
    if (const auto* i = dynamic_cast<const GCI*>(&source))
        TextesCoefficients = i->TextesCoefficients;
}

void GCI::Trace(QPainter&, GCRepere&)
{
    TraceIndisponible();
}

void GCI::Decrit(QStringList& lignes) const
{
    GCY::Decrit(lignes);
}

void GCI::Journalise() const
{
    GCY::Journalise();
}

QString GCI::SignatureDefinition() const
{
    return GCY::SignatureDefinition() + joint(TextesCoefficients);
}

// ---------------------------------------------------------------------------------------
// Q, U

GCOperUnaire::GCOperUnaire(QChar genre, int operation, int fenetre, int numero)
    : GCY(genre, fenetre, numero), Operation(operation)
{
    ParametresOperation.fill(QStringLiteral("0"));
    if (operation == 17) {
        Nom = QStringLiteral("M") + QString::number(numero);
        Joint = false;
    } else if (operation == 42) {
        Joint = false;
    }
}

void GCOperUnaire::Copie(const GCBase& source)
{
    GCY::Copie(source);
    if (const auto* u = dynamic_cast<const GCOperUnaire*>(&source)) {
        Operation = u->Operation;
        ParametresOperation = u->ParametresOperation;
        Mere1 = u->Mere1;
        for (const PtrCourbe& fille : u->Filles)
            AjouteFille(fille);
    }
}

void GCOperUnaire::Trace(QPainter&, GCRepere&)
{
    TraceIndisponible();
}

namespace {
void lignesCoefficients(const GCOperUnaire& u, QStringList& lignes)
{
    lignes << NomOperation(u.Operation);
    for (int i = 0; i < 6; ++i)
        lignes << QStringLiteral("Coef[") + QString::number(i + 1) + QStringLiteral("]= ") +
                      u.ParametresOperation[std::size_t(i)];
}
}  // namespace

void GCOperUnaire::Decrit(QStringList& lignes) const
{
    GCY::Decrit(lignes);
    const QString& p1 = ParametresOperation[0];
    switch (Operation) {
    case 10: {
        const int modele = int(evalue(p1));
        if (modele >= 1 && modele <= 5)
            lignes << QStringLiteral("Régression polynomiale de degré ") + QString::number(modele);
        else if (modele >= 6 && modele <= 10)
            lignes << QStringLiteral("Régression trigonométrique d'ordre ") + QString::number(modele - 5);
        else if (modele == 11 || modele == 12)
            lignes << QStringLiteral("Régression exponentielle");
        else if (modele == 13)
            lignes << QStringLiteral("Régression logarithme");
        else if (modele == 14)
            lignes << QStringLiteral("Régression exponentielle saturée");
        else if (modele == 15)
            lignes << QStringLiteral("Régression logistique");
        else if (modele == 16)
            lignes << QStringLiteral("Régression de Gompertz");
        else if (modele == 17)
            lignes << QStringLiteral("Régression homographique");
        lignes << QStringLiteral("Ecart type résiduel = ") + ParametresOperation[2];
        break;
    }
    case 11: lignes << QStringLiteral("Médianes mobiles centrées d'ordre : ") + p1; break;
    case 12: lignes << QStringLiteral("Moyennes mobiles centrées d'ordre : ") + p1; break;
    case 13: lignes << QStringLiteral("Regression affine glissante d'ordre : ") + p1; break;
    default: lignesCoefficients(*this, lignes); break;
    }
}

void GCOperUnaire::Journalise() const
{
    if (!etatGraphe().EnregistrementSession)
        return;
    GCY::Journalise();
    QStringList lignes;
    lignesCoefficients(*this, lignes);
    journalise(lignes);
}

QString GCOperUnaire::SignatureDefinition() const
{
    return GCY::SignatureDefinition() + joint({QString::number(Operation), Mere1}) + joint(ParametresOperation);
}

// ---------------------------------------------------------------------------------------
// O

GCOperBinaire::GCOperBinaire(int operation, int fenetre, int numero)
    : GCY(QLatin1Char('O'), fenetre, numero), Operation(operation)
{
    switch (operation) {
    case 5: ParametresOperation = {QStringLiteral("-10"), QStringLiteral("10"), QStringLiteral("300")}; break;
    case 9: ParametresOperation = {QStringLiteral("0"), QStringLiteral("0"), QString()}; break;
    case 10: ParametresOperation = {QStringLiteral("0"), QString(), QString()}; break;
    case 11: ParametresOperation = {QStringLiteral("10"), QStringLiteral("0.0001"), QStringLiteral("1")}; break;
    case 15: ParametresOperation = {QStringLiteral("1"), QString(), QString()}; break;
    default: break;
    }
}

void GCOperBinaire::Copie(const GCBase& source)
{
    GCY::Copie(source);
    if (const auto* o = dynamic_cast<const GCOperBinaire*>(&source)) {
        Mere1 = o->Mere1;
        Mere2 = o->Mere2;
        Operation = o->Operation;
        ParametresOperation = o->ParametresOperation;
    }
}

void GCOperBinaire::Trace(QPainter&, GCRepere&)
{
    TraceIndisponible();
}

void GCOperBinaire::Evalue(double t, double& x, double& y) const
{
    if (Operation != 5) {
        GCY::Evalue(t, x, y);
        return;
    }
    // Convolution: the integral over [p1, p2] in p3 steps, the state value Y read as t.
    const double a = evalue(ParametresOperation[0]);
    const double b = evalue(ParametresOperation[1]);
    const double pas = evalue(ParametresOperation[2]);
    x = t;
    VariablesEtat()[0] = t;
    const int n = pas >= 1 && pas < 32767 ? int(pas) : 0;
    if (n < 1) {
        ErreurAvecMessage("nombre de pas d'intégration incorrect");
        return;
    }
    y = IntegreArbreSimple(Expression1, n, a, b);
}

namespace {
void lignesGCOperBinaire(const GCOperBinaire& o, QStringList& lignes)
{
    const auto& p = o.ParametresOperation;
    switch (o.Operation) {
    case 5:
        lignes << QStringLiteral("Borne inférieure d'intégration : ") + p[0]
               << QStringLiteral("Borne supérieure d'intégration : ") + p[1]
               << QStringLiteral("Nombre de pas d'intégration : ") + p[2];
        break;
    case 9:
        lignes << QStringLiteral("Nb de valeur(s) prise(s) pour f1 : ") + p[0]
               << QStringLiteral("Nb de valeur(s) prise(s) pour f2 : ") + p[1];
        break;
    case 10: lignes << QStringLiteral("Origine temporelle : ") + p[0]; break;
    default: break;
    }
}
}  // namespace

void GCOperBinaire::Decrit(QStringList& lignes) const
{
    GCY::Decrit(lignes);
    lignesGCOperBinaire(*this, lignes);
}

void GCOperBinaire::Journalise() const
{
    if (!etatGraphe().EnregistrementSession)
        return;
    GCY::Journalise();
    QStringList lignes;
    lignesGCOperBinaire(*this, lignes);
    journalise(lignes);
}

QString GCOperBinaire::SignatureDefinition() const
{
    return GCY::SignatureDefinition() + joint({QString::number(Operation), Mere1, Mere2}) + joint(ParametresOperation);
}

// ---------------------------------------------------------------------------------------

PtrCourbe CreeCourbe(QChar genre, int fenetre, int numero, int entier)
{
    switch (genre.unicode()) {
    case 'A': {
        auto a = std::make_shared<GCA>(genre, fenetre, numero);
        a->SousType = entier;
        return a;
    }
    case 'B':
    case 'C':
    case 'W':
        return std::make_shared<GCC>(genre, fenetre, numero);
    case 'D':
    case 'G':
        return std::make_shared<GCDG>(genre, entier, fenetre, numero);
    case 'E':
        return std::make_shared<GCE>(genre, entier, fenetre, numero);
    case 'H':
    case 'J':
    case 'R':
    case 'S':
        return std::make_shared<GCRS>(genre, fenetre, numero);
    case 'I':
        return std::make_shared<GCI>(genre, entier, fenetre, numero);
    case 'L':
        return std::make_shared<GCCourbe>(genre, fenetre, numero);
    case 'N':
        return std::make_shared<GCN>(genre, fenetre, numero, entier);
    case 'O':
        return std::make_shared<GCOperBinaire>(entier, fenetre, numero);
    case 'P':
    case 'T':
    case 'X':
    case 'Y':
        return std::make_shared<GCY>(genre, fenetre, numero);
    case 'Q':
    case 'U':
        return std::make_shared<GCOperUnaire>(genre, entier, fenetre, numero);
    default:
        return nullptr;
    }
}
