// Curves defined by formulas (GCRelNum) and the curves of one parameter (GCY): y=f(x),
// x=f(y), parametric and polar, with their three sampling modes.
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <exception>
#include <string>
#include <typeinfo>
#include <vector>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "expression/formatage.h"
#include "expression/grfonc.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/repere/GCRepere.h"
#include "graph/textes/TeXGestion.h"
#include "graph/base/etatgraphe.h"
#include "graph/fichiers/fichiertexte.h"
#include "graph/courbes/genres_outils.h"
#include "graph/courbes/enregistrement.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/courbes/tracepoint.h"

namespace {

using genres::MaxPointsTrace;

// One coordinate as the PSTricks export writes it (the legend file uses the same texts).
QString coordonneePSTricks(double v, int type, bool abscisse, double autre, double d)
{
    double w = v;
    if (type == EchelleLog) {
        w = std::log10(v);
    } else if (type == EchelleProj) {
        if (!(d + autre > 0))
            return QStringLiteral("0");
        w = abscisse ? d * v / (d + autre) : 1 + 6 * v / (d + autre);
    }
    QString t = QString::fromStdString(ReelVersTexte(w));
    if (t.contains(QLatin1Char('E')))
        t = QStringLiteral("0");
    return t;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// GCRelNum

GCRelNum::GCRelNum(QChar genre, int fenetre, int numero) : GCCourbe(genre, fenetre, numero)
{
    Etiquette = std::make_unique<GCTexte>(0, QStringLiteral("0"), QStringLiteral("0"), true, etatGraphe().FonteDefaut);
}

GCRelNum::~GCRelNum()
{
    // A formula that still calls this curve by name must fail, not read a freed tree.
    oublieArbreAppele(&Expression1);
}

void GCRelNum::FixeIdentifiant(const QString& identifiant)
{
    GCCourbe::FixeIdentifiant(identifiant);
    if (Etiquette) {
        Etiquette->CourbePoint = identifiant;
        Etiquette->CourbeStat = identifiant;
        Etiquette->Aire = identifiant;
        Etiquette->CourbeLib = identifiant;
    }
}

void GCRelNum::Copie(const GCBase& source)
{
    GCCourbe::Copie(source);
    const auto* r = dynamic_cast<const GCRelNum*>(&source);
    if (!r)
        return;
    Fleches = r->Fleches;
    ValeursImposees = r->ValeursImposees;
    FichierValeurs = r->FichierValeurs;
    CheminValeurs = r->CheminValeurs;
    if (r->Etiquette) {
        Etiquette->Copie(*r->Etiquette);
        Etiquette->CopieTexte(*r->Etiquette);
    }
    FixeLibelles(Libelle1, Libelle2);
}

OptionsCompilation GCRelNum::OptionsTextes() const
{
    OptionsCompilation options;
    options.YEstVariable = !GenreParmi(TypeCourbe, "EHIJN");
    return options;
}

bool GCRelNum::FixeLibelles(const QString& texte1, const QString& texte2)
{
    GCCourbe::FixeLibelles(texte1, texte2);
    const OptionsCompilation options = OptionsTextes();
    bool ok = CompileExpr(texte1.toStdString(), Expression1, options) || texte1.trimmed().isEmpty();
    if (texte2.isEmpty()) {
        Expression2.libere();
    } else if (ok) {
        ok = CompileExpr(texte2.toStdString(), Expression2, options) || texte2.trimmed().isEmpty();
    } else {
        Expression2.libere();
    }
    return ok;
}

bool GCRelNum::CompileLibelle1(const QString& texte)
{
    Libelle1 = texte;
    return CompileExpr(texte.toStdString(), Expression1, OptionsTextes()) || texte.trimmed().isEmpty();
}

QString GCRelNum::TexteEtiquette() const
{
    return Etiquette ? Etiquette->GetTexte() : QString();
}

bool GCRelNum::EtiquetteDessinee() const
{
    return etatGraphe().EtiquettesLibelles && Etiquette && !Etiquette->GetTexte().isEmpty();
}

void GCRelNum::TraceEtiquette(QPainter& peintre, GCRepere& repere, QStringList& legendes, double t, double x,
                              double y)
{
    if (!EtiquetteDessinee())
        return;
    ValeursCourantes& vc = etatGraphe().valeursCourantes;
    vc.t = t;
    vc.x = x;
    vc.y = y;
    int px, py;
    repere.MondeVersPixel(px, py, x, y);
    // Gaps in pixels of the screen, at the scale of the device as the label's font is.
    const int gx = PixelsEchelle(Etiquette->EcartX), gy = PixelsEchelle(Etiquette->EcartY);
    int dx, ax;
    const QString affiche = Etiquette->TexteAffiche();
    if (Etiquette->ADroite) {
        dx = px + gx;
        ax = px + gx - PixelsEchelle(3);
    } else {
        const QFont police = Etiquette->GetFonte().qfont(etatGraphe().FacteurEchelle);
        const int W = MesureTeX(affiche, police, peintre.device()).largeur;
        dx = px - gx - W;
        ax = px - gx - W + PixelsEchelle(7);
    }
    Etiquette->Dessine(dx, py + gy - PixelsEchelle(10), peintre);

    double mx, my;
    repere.PixelVersMonde(ax, py + gy - PixelsEchelle(7), mx, my);
    const double d = repere.DistanceOeil;
    const double ex = mx - repere.AxeX.Min, ey = my - repere.AxeY.Min;
    legendes << coordonneePSTricks(ex, repere.AxeX.TypeEchelle, true, ey, d) + QLatin1Char(';') +
                    coordonneePSTricks(ey, repere.AxeY.TypeEchelle, false, ey, d) + QLatin1Char(';') + affiche;
}

QString GCRelNum::SignatureDefinition() const
{
    return GCCourbe::SignatureDefinition() + QChar(0x1F) + (ValeursImposees ? QStringLiteral("v") : QStringLiteral("f")) +
           QChar(0x1F) + FichierValeurs;
}

// ---------------------------------------------------------------------------------------
// GCY

bool PasLogarithmique(double t, double& pas, double& decade)
{
    // Decades are counted from the first positive value reached.
    if (!(decade > 0)) {
        if (t > 0)
            decade = t;
        return false;
    }
    if (10 * decade > t)
        return false;
    pas *= 10;
    decade *= 10;
    return true;
}

GCY::GCY(QChar genre, int fenetre, int numero) : GCRelNum(genre, fenetre, numero)
{
    Joint = true;
    Batons = false;
}

std::shared_ptr<GCY> GCY::CreeComme(const GCCourbe& modele, int fenetre, int numero, QChar genre)
{
    auto c = std::make_shared<GCY>(genre, fenetre, numero);
    c->Visible = true;
    c->Couleur = modele.Couleur;
    c->Style = modele.Style;
    c->Epaisseur = modele.Epaisseur;
    c->Marqueur.CopiePoint(modele.Marqueur);
    c->Libelle1 = modele.Libelle1;
    c->Libelle2 = modele.Libelle2;
    c->Parametres = modele.Parametres;
    c->Batons = modele.Batons;
    c->Joint = modele.Joint;
    c->NouvelIdentifiant();
    return c;
}

void GCY::Copie(const GCBase& source)
{
    GCRelNum::Copie(source);
    const auto* y = dynamic_cast<const GCY*>(&source);
    if (!y)
        return;
    Xinf = y->Xinf;
    Xsup = y->Xsup;
    Pas = y->Pas;
    Aleatoire = y->Aleatoire;
}

void GCY::FixeBornes(const QString& xinf, const QString& xsup, const QString& pas)
{
    Xinf = xinf;
    Xsup = xsup;
    Pas = pas;
}

void GCY::MemoriseLibelle()
{
    enregistreFonction(Nom.toStdString(), Libelle1.toStdString(), &Expression1);
}

bool GCY::Modifie(bool nouvelle)
{
    // The edit may change the name and the formula: the entry is made again after it.
    RetireNomPropre(*this);
    bool confirme = false;
    if (Dialogues* d = etatGraphe().dialogues)
        confirme = d->modifieCourbe(*this, nouvelle);
    if (confirme) {
        if (nouvelle)
            NouvelIdentifiant();
        else
            FixeIdentifiant(Identifiant);
    }
    InscritNom(*this);
    return confirme;
}

void GCY::Evalue(double t, double& x, double& y) const
{
    switch (TypeCourbe.unicode()) {
    case 'Y':
    case 'O':
    case 'U':
        x = t;
        y = EvalueArbre(Expression1, t);
        break;
    case 'X':
        y = t;
        x = EvalueArbre(Expression1, t);
        break;
    case 'T': {
        x = EvalueArbre(Expression1, t);
        const bool erreur = ErreurCalcul() != 0;
        y = EvalueArbre(Expression2, t);
        if (erreur)
            ErreurCalcul() = 1;
        break;
    }
    case 'P': {
        const double rho = EvalueArbre(Expression1, t);
        const bool erreur = ErreurCalcul() != 0;
        const double theta = EvalueArbre(Expression2, t);
        if (erreur)
            ErreurCalcul() = 1;
        x = rho * std::cos(theta);
        y = rho * std::sin(theta);
        break;
    }
    default:
        break;
    }
}

void GCY::Trace(QPainter& peintre, GCRepere& repere)
{
    EvalueParametres();
    bool compile = true;
    if (GenreParmi(TypeCourbe, "XY"))
        compile = CompileLibelle1(Libelle1);
    else if (GenreParmi(TypeCourbe, "PT"))
        compile = FixeLibelles(Libelle1, Libelle2);
    if (!compile) {
        SignaleRefus(QStringLiteral("Pb de libellé !"));
        return;
    }
    TraceEchantillons(peintre, repere);
}

bool GCY::LitPas(double& pas, bool negatifAdmis)
{
    if (!genres::evalue(Pas, pas) || (!negatifAdmis && !(pas > 0))) {
        SignaleRefus(QStringLiteral("Pas=") + Pas + QStringLiteral(":") + QStringLiteral("le pas de calcul doit être > 0"));
        return false;
    }
    if (pas == 0) {
        SignaleRefus(QStringLiteral("Le pas de calcul doit être non nul"));
        return false;
    }
    return true;
}

bool GCY::LitIntervalle(double& xinf, double& xsup)
{
    if (genres::evalue(Xinf, xinf) && genres::evalue(Xsup, xsup))
        return true;
    SignaleRefus(QStringLiteral("Bornes de calcul incorrectes : Xinf=") + Xinf + QStringLiteral(" ; Xsup=") + Xsup);
    return false;
}

void GCY::AvertitArret()
{
    interlocuteur().avertit(QStringLiteral("-> Courbe ") + Nom + QStringLiteral(" : pas de calcul trop petit (Pas=") + Pas +
                            QStringLiteral("), le tracé a été arrêté avant Xsup."));
}

void GCRelNum::PointEtiquete(TraceurCourbe& traceur, QPainter& peintre, GCRepere& repere, double t, double x,
                             double y)
{
    const int avant = traceur.NombrePoints();
    traceur.Point(t, x, y);
    if (traceur.NombrePoints() > avant && EtiquetteDessinee())
        TraceEtiquette(peintre, repere, traceur.Legendes(), t, x, y);
}

namespace {

// The points of a curve of one parameter computed by blocks of values of t, handed back in
// order with what one-by-one evaluation would give: the point, or the message of its
// failure (a failure that brings no message of its own keeps the one before).
class LotTrace {
public:
    LotTrace(const GCY& courbe, bool permis)
        : courbe_(courbe), actif_(permis && courbe.EvalueParLots()), message_(MessageErreur())
    {
    }
    bool actif() const { return actif_; }
    // Adds a value of t; true when the block is full.
    bool ajoute(double t)
    {
        t_[n_++] = t;
        return n_ == TailleLot;
    }
    // The message in place after something else failed between two points.
    void fixeMessage(const std::string& message) { message_ = message; }

    // Computes the block and hands each point to point(t, x, y, message), message null
    // for a computed point.
    template <class F>
    void calcule(F point)
    {
        if (n_ == 0)
            return;
        // Drawing may have left the vector registers in the state that slows our code down.
        LibereRegistresVectoriels();
        const QChar genre = courbe_.TypeCourbe;
        const bool deux = genre == QLatin1Char('T') || genre == QLatin1Char('P');
        EvalueArbreLot(courbe_.Expression1, t_, a_, e1_, n_, m1_);
        if (deux)
            EvalueArbreLot(courbe_.Expression2, t_, b_, e2_, n_, m2_);
        for (int i = 0; i < n_; ++i) {
            const bool echec = e1_[i] || (deux && e2_[i]);
            if (e1_[i] && m1_[i])
                message_ = m1_[i];
            if (deux && e2_[i] && m2_[i])
                message_ = m2_[i];
            const double t = t_[i];
            double x = t, y = a_[i];
            if (genre == QLatin1Char('X')) {
                x = a_[i];
                y = t;
            } else if (genre == QLatin1Char('T')) {
                x = a_[i];
                y = b_[i];
            } else if (genre == QLatin1Char('P')) {
                x = a_[i] * std::cos(b_[i]);
                y = a_[i] * std::sin(b_[i]);
            }
            point(t, x, y, echec ? &message_ : nullptr);
        }
        n_ = 0;
    }
    // The message left as one-by-one evaluation leaves it.
    void termine()
    {
        if (actif_)
            MessageErreur() = message_;
    }

private:
    const GCY& courbe_;
    bool actif_;
    std::string message_;
    int n_ = 0;
    double t_[TailleLot], a_[TailleLot], b_[TailleLot];
    std::uint8_t e1_[TailleLot], e2_[TailleLot];
    const char* m1_[TailleLot];
    const char* m2_[TailleLot];
};

}  // namespace

bool GCY::EvalueParLots() const
{
    // A kind that computes its points its own way (its own Evalue) goes point by point.
    if (typeid(*this) != typeid(GCY) || !GenreParmi(TypeCourbe, "YOUXTP"))
        return false;
    const bool deux = TypeCourbe == QLatin1Char('T') || TypeCourbe == QLatin1Char('P');
    return Expression1.parLots && (!deux || Expression2.parLots);
}

void GCY::TraceEchantillons(QPainter& peintre, GCRepere& repere)
{
    double pas = 0;
    if (!LitPas(pas, false))
        return;
    QStringList valeurs;
    double xinf = 0, xsup = 0;
    if (ValeursImposees) {
        const QString fichier = FichierValeursImposees(*this);
        const LectureTexte lecture = fichier.isEmpty() ? LectureTexte() : LitFichierTexte(fichier);
        if (!lecture.ok) {
            if (fichier.isEmpty()) {
                SignaleRefus(QStringLiteral("Valeurs imposées : fichier introuvable : ") + FichierValeurs);
                return;
            }
            SignaleRefus(QStringLiteral("Valeurs imposées : ") + lecture.erreur);
            return;
        }
        valeurs = lecture.lignes;
    } else if (!LitIntervalle(xinf, xsup)) {
        return;
    }

    TraceurCourbe traceur(*this, peintre, repere);
    const bool etiquette = EtiquetteDessinee();
    if (etiquette)
        traceur.DesactiveLots();
    ValeursCourantes& vc = etatGraphe().valeursCourantes;
    vc.n = 0;
    long long n = 0;

    auto calcule = [&](double t) {
        try {
            ErreurCalcul() = 0;
            double x = 0, y = 0;
            Evalue(t, x, y);
            if (ErreurCalcul()) {
                traceur.Echec(t, QString::fromStdString(MessageErreur()));
                return;
            }
            PointEtiquete(traceur, peintre, repere, t, x, y);
        } catch (const std::exception& e) {
            traceur.LigneErreur(QString::fromLocal8Bit(e.what()));
        }
    };
    auto suivant = [&] {
        ++n;
        vc.n = double(n);
    };

    // The curve's own formulas are computed by blocks of values of t (the same values,
    // failures and messages as one by one), unless a label is drawn between two points or a
    // formula draws random numbers (the draws would come in another order).
    LotTrace lot(*this, !etiquette);
    // Random sampling: every point stands alone.
    const bool leve = !ValeursImposees && Aleatoire;
    auto videLot = [&] {
        lot.calcule([&](double t, double x, double y, const std::string* message) {
            if (leve)
                traceur.FixeStylo(StyloLeve);
            suivant();
            if (message) {
                traceur.Echec(t, QString::fromStdString(*message));
                return;
            }
            try {
                PointEtiquete(traceur, peintre, repere, t, x, y);
            } catch (const std::exception& e) {
                traceur.LigneErreur(QString::fromLocal8Bit(e.what()));
            }
        });
    };
    auto point = [&](double t) {
        if (!lot.actif()) {
            suivant();
            calcule(t);
        } else if (lot.ajoute(t)) {
            videLot();
        }
    };

    bool arrete = false;
    if (ValeursImposees) {
        traceur.FixeStylo(StyloLeve);
        for (const QString& ligne : valeurs) {
            const double t = EvalueTexte(ligne.toStdString());
            if (ErreurCalcul()) {
                // A value that does not read: no point, but its message may be the one the
                // next failures leave in place.
                ErreurCalcul() = 0;
                const std::string message = MessageErreur();
                videLot();
                lot.fixeMessage(message);
                suivant();
                continue;
            }
            point(t);
        }
    } else if (Aleatoire) {
        double compte = std::nearbyint((xsup - xinf) / pas);
        if (compte > double(MaxPointsTrace)) {
            compte = double(MaxPointsTrace);
            arrete = true;
        }
        if (compte > 0) {
            const long long nb = static_cast<long long>(compte);
            for (long long k = 0; k < nb; ++k) {
                const double t = xinf + ::Aleatoire() * (xsup - xinf);
                if (lot.actif()) {
                    if (lot.ajoute(t))
                        videLot();
                } else {
                    traceur.FixeStylo(StyloLeve);
                    suivant();
                    calcule(t);
                }
            }
        }
    } else {
        const double estimation = (xsup - xinf) / pas + 2;
        if (estimation > 0 && estimation < double(MaxPointsTrace))
            traceur.Reserve((long long)estimation);
        traceur.FixeStylo(StyloLeve);
        double t = xinf, h = pas, decade = xinf;
        {
            ErreurCalcul() = 0;
            double x = 0, y = 0;
            bool premier = false;
            try {
                Evalue(t, x, y);
                premier = !ErreurCalcul() && std::isfinite(x) && std::isfinite(y);
            } catch (const std::exception&) {
            }
            if (premier) {
                int px, py;
                repere.MondeVersPixel(px, py, x, y);
                traceur.FixeDernierPixel(px, py);
                point(t);
            }
        }
        const bool logarithmique =
            (TypeCourbe == QLatin1Char('X') ? repere.AxeY.TypeEchelle : repere.AxeX.TypeEchelle) == EchelleLog;
        long long calcules = 1;
        while (t + h < xsup) {
            if (logarithmique && PasLogarithmique(t, h, decade) && !(t + h < xsup))
                break;
            const double t2 = t + h;
            if (t2 == t || calcules >= MaxPointsTrace) {
                arrete = true;
                break;
            }
            t = t2;
            point(t);
            ++calcules;
        }
        if (!arrete && xsup - t > contexteCalcul().Epsilon)
            point(xsup);
    }
    videLot();
    lot.termine();
    traceur.Termine();

    // Arrow heads, from the records of this trace.
    if (!ValeursImposees && !Aleatoire && Fleches >= 1 && Fleches <= 3 && Visible)
        DessineFlechesCourbe(peintre, repere, traceur.Extremites(), Couleur, Fleches);
    if (arrete)
        AvertitArret();
    SignaleErreursCalcul(traceur.ErreursRencontrees());
}

QStringList GCY::ResoutParametre(double a, double b) const
{
    QStringList resultat;
    if (!GenreParmi(TypeCourbe, "PT"))
        return resultat;
    const QString ta = QString::fromStdString(ReelExact(a));
    QString texte;
    if (TypeCourbe == QLatin1Char('P'))
        texte = QStringLiteral("(") + Libelle1 + QStringLiteral(")*cos(") + Libelle2 + QStringLiteral(")-(") + ta +
                QStringLiteral(")");
    else
        texte = QStringLiteral("(") + Libelle1 + QStringLiteral(")-(") + ta + QStringLiteral(")");
    Arbre arbre;
    if (!CompileExpr(texte.toStdString(), arbre))
        return resultat;
    double xinf, xsup;
    if (!genres::evalue(Xinf, xinf) || !genres::evalue(Xsup, xsup))
        return resultat;
    const ContexteCalcul& ctx = contexteCalcul();
    std::vector<std::string> racines;
    RacinesDichotomie(arbre, ctx.SousIntervallesDicho, racines, xinf, xsup, ctx.PrecisionXDicho, ctx.PrecisionYDicho);
    // The tolerance is relative to |b|, but never below 0.001 (b = 0 on the x axis).
    const double tolerance = 0.001 * std::max(std::fabs(b), 1.0);
    for (const std::string& r : racines) {
        const double t = EvalueTexte(r);
        if (ErreurCalcul())
            continue;
        double y;
        if (TypeCourbe == QLatin1Char('T')) {
            y = EvalueArbre(Expression2, t);
        } else {
            const double rho = EvalueArbre(Expression1, t);
            const bool e = ErreurCalcul() != 0;
            y = rho * std::sin(EvalueArbre(Expression2, t));
            if (e)
                ErreurCalcul() = 1;
        }
        if (!ErreurCalcul() && std::fabs(y - b) < tolerance)
            resultat << QString::fromStdString(r);
    }
    ErreurCalcul() = 0;
    return resultat;
}

namespace {
void lignesBornes(const GCY& c, QStringList& lignes)
{
    if (c.ValeursImposees) {
        lignes << QStringLiteral("Valeurs imposées dans :") << c.FichierValeurs;
    } else {
        lignes << QStringLiteral("Xinf= ") + c.Xinf << QStringLiteral("Xsup= ") + c.Xsup
               << QStringLiteral("Pas= ") + c.Pas;
    }
    if (c.Batons)
        lignes << QStringLiteral("Tracé en bâtons");
    if (c.Aleatoire)
        lignes << QStringLiteral("Tracé aléatoire");
}
}  // namespace

void GCY::Decrit(QStringList& lignes) const
{
    LignesDeBase(lignes);
    lignesBornes(*this, lignes);
}

void GCY::Journalise() const
{
    if (!etatGraphe().EnregistrementSession)
        return;
    QStringList& journal = etatGraphe().JournalCourbes;
    LignesJournal(journal);
    lignesBornes(*this, journal);
}

QString GCY::SignatureDefinition() const
{
    return GCRelNum::SignatureDefinition() + QChar(0x1F) + Xinf + QChar(0x1F) + Xsup + QChar(0x1F) + Pas +
           QChar(0x1F) + (Aleatoire ? QStringLiteral("v") : QStringLiteral("f"));
}

// ---------------------------------------------------------------------------------------
// Document record

void GCRelNum::FixeTextesLus(const QString& texte1, const QString& texte2)
{
    FixeLibelles(texte1, texte2);
}

void GCY::FixeTextesLus(const QString& texte1, const QString& texte2)
{
    // A polar curve stored without its angle text draws over the angle t.
    const bool angle = TypeCourbe == QLatin1Char('P') && texte2.isEmpty();
    GCRelNum::FixeTextesLus(texte1, angle ? QStringLiteral("t") : texte2);
}

bool GCY::LigneEtiquette() const
{
    return GenreParmi(TypeCourbe, "PTXY");
}

void GCY::EcritPlage(QStringList& lignes, const QString& suite) const
{
    QString plage = ValeursImposees ? QStringLiteral("v;") + ChampTexte(FichierValeurs)
                                    : ChampTexte(Xinf) + ChampTexte(Xsup) + ChampTexte(Pas);
    plage += TexteBooleen(Aleatoire) + ChampEntier(Fleches) + suite;
    lignes << plage;
}

bool GCY::LitPlage(LecteurEnregistrement& lu, QString& suite)
{
    QString ligne;
    if (!lu.suivante(ligne))
        return false;
    const QString premier = PremierChamp(ligne).trimmed();
    if (premier.startsWith(QLatin1Char('v'))) {
        ValeursImposees = true;
        FichierValeurs = PremierChamp(ligne);
    } else {
        const QString xsup = PremierChamp(ligne);
        const QString pas = PremierChamp(ligne);
        FixeBornes(premier, xsup, pas);
    }
    const bool aleatoire = LitBooleen(PremierChamp(ligne));
    int fleches = 0;
    QString apres = ligne;
    if (PremierChamp(apres).trimmed().isEmpty())
        ligne = apres;
    else if (!lu.entier(ligne, fleches, QStringLiteral("flèches")))
        return false;
    FixeAleatoire(aleatoire);
    Fleches = fleches;
    suite = ligne;
    return true;
}
