// The graph window: the operations on two curves and the inverse Fourier transform (one
// curve made from two mothers, each from any window, into the window chosen), the discrete
// Fourier transform of a curve (one new window per part of the spectrum drawn) and the fit
// of the y range to the curves drawn.
#include <QAction>
#include <QLineEdit>
#include <QWidget>
#include <cmath>

#include "dialogs/HarmDom.h"
#include "dialogs/SaisDist.h"
#include "dialogs/coefech.h"
#include "dialogs/dialogues.h"
#include "dialogs/opbin.h"
#include "dialogs/saiscoef.h"
#include "expression/formatage.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/genres.h"
#include "graph/courbes/genres_outils.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/derivees/GCOperBinaire.h"
#include "graph/derivees/GCOperUnaire.h"
#include "graph/derivees/routines.h"
#include "graph/repere/GCRepere.h"
#include "window/designation.h"
#include "window/fenetre.h"
#include "window/fenetre_interne.h"

namespace {

const QString LettresCourbesOperees = QStringLiteral("BCDEGHIJLNOPQRSTUWXY");

QString texteExact(double v)
{
    return QString::fromStdString(ReelExact(v));
}

// The first abscissa and the step of a sampled curve, as texts: a chronicle's start and
// step, a curve of one parameter's Xinf and Pas.
bool debutPasTextes(const GCCourbe& c, QString& debut, QString& pas)
{
    if (const auto* cc = dynamic_cast<const GCC*>(&c)) {
        cc->DebutPas(debut, pas);
        return true;
    }
    if (const auto* y = dynamic_cast<const GCY*>(&c)) {
        QString fin;
        y->Bornes(debut, fin, pas);
        return true;
    }
    return false;
}

// Two curves of sampled kinds must start at the same abscissa with the same step, or the
// user says to go on all the same (or sets them alike); other kinds are admitted only on
// request, two lists always. False: the command stops.
bool VerifOperBinaire(GCCourbe& c1, GCCourbe& c2, QWidget* parent)
{
    const QString echantillonnees = QStringLiteral("CDEGJOQRSY");
    const QChar l1 = c1.TypeCourbe.toUpper(), l2 = c2.TypeCourbe.toUpper();
    if (!echantillonnees.contains(l1) || !echantillonnees.contains(l2)) {
        if (l1 == QLatin1Char('L') && l2 == QLatin1Char('L'))
            return true;
        return interlocuteur().demandeOuiNon(QStringLiteral("Types non admis ! Voulez-vous continuer quand même ?"));
    }
    std::array<QString, 2> debuts, pas;
    std::array<double, 2> premier{}, h{};
    GCCourbe* c[2] = {&c1, &c2};
    for (std::size_t k = 0; k < 2; ++k) {
        if (!debutPasTextes(*c[k], debuts[k], pas[k]))
            return true;
        // The first abscissa of its points when it has been drawn, of its start otherwise.
        const LecturePoints l = LitFichierPoints(c[k]->NomFichier());
        if (l.points.empty() || !std::isfinite(l.points.front().x))
            genres::evalue(debuts[k], premier[k]);
        else
            premier[k] = l.points.front().x;
        genres::evalue(pas[k], h[k]);
    }
    if (premier[0] == premier[1] && h[0] == h[1])
        return true;
    if (!interlocuteur().demandeOuiNon(
            QStringLiteral("Premières valeurs et/ou Pas différents ! Voulez-vous modifier ces paramètres ?")))
        return true;
    if (!HarmoniseDomaines(debuts, pas, parent))
        return false;
    for (std::size_t k = 0; k < 2; ++k) {
        if (auto* cc = dynamic_cast<GCC*>(c[k]))
            cc->FixeDebutPas(debuts[k], pas[k]);
        else if (auto* y = dynamic_cast<GCY*>(c[k]))
            y->FixeBornes(debuts[k], y->Xsup, pas[k]);
    }
    return true;
}

// The sampling of a new result from its first mother (the operations up to the
// intersection); false for the kinds that give none.
bool BornesResultat(GCOperBinaire& o, const GCCourbe& c1, const GCCourbe& c2)
{
    const QChar l = c1.TypeCourbe.toUpper();
    if (const auto* c = dynamic_cast<const GCC*>(&c1); c && l == QLatin1Char('C')) {
        o.FixeBornes(c->Debut, QStringLiteral("0"), c->PasC);
    } else if (l == QLatin1Char('L') && c2.TypeCourbe.toUpper() == QLatin1Char('L')) {
        o.FixeBornes(QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("1"));
    } else if (const auto* n = dynamic_cast<const GCN*>(&c1); n && n->SousType > 0) {
        o.FixeBornes(n->DebutVisible, n->FinVisible, QStringLiteral("1"));
    } else if (const auto* y = dynamic_cast<const GCY*>(&c1); y && QStringLiteral("DEGHIJPQRSTUVXY").contains(l)) {
        o.FixeBornes(y->Xinf, y->Xsup, y->Pas);
    } else {
        return false;
    }
    return true;
}


void Repeint(TForm1* f)
{
    if (f && f->PaintBox())
        f->PaintBox()->update();
}

}  // namespace

void TForm1::Oprationssur2courbes1Click(QAction*)
{
    OperBinaire(false);
}

void TForm1::TFDrciproque1Click(QAction*)
{
    OperBinaire(true);
}

bool TForm1::OperBinaire(bool inverse)
{
    const QString lettres = inverse ? QStringLiteral("C") : LettresCourbesOperees;
    QPointer<TForm1> courante(this);
    ParametresOperBinaire p;
    p.inverse = inverse;
    p.fenetres = ListeFenetres();
    QList<QPointer<TForm1>> offertes;
    for (const QString& e : std::as_const(p.fenetres))
        offertes.append(FenetreDeListe(e));
    p.entrees = [&](int k) {
        TForm1* f = k == 0 ? courante.data() : offertes.value(k - 1).data();
        return f ? f->Dessin().ListeCourbesTypes(lettres) : QStringList();
    };
    TDefopbin fiche(p, this);
    if (fiche.exec() != QDialog::Accepted || !courante)
        return false;
    PtrCourbe meres[2];
    QPointer<TForm1> fenetres[2];
    for (int k = 0; k < 2; ++k) {
        TForm1* f = nullptr;
        int numero = -1;
        DecodeDesignation(fiche.Edits[std::size_t(k)]->text(), f, numero);
        if (!f || !(meres[k] = f->Dessin().CourbeDuNumero(numero)))
            return false;
        fenetres[k] = f;
    }
    GCCourbe& c1 = *meres[0];
    GCCourbe& c2 = *meres[1];
    const int bouton = fiche.OperationBinaireChoisie;
    if (const QString refus = RefusGenresBinaires(bouton - 1, c1, c2); !refus.isEmpty()) {
        interlocuteur().message(refus);
        return false;
    }
    if (!VerifOperBinaire(c1, c2, this))
        return false;

    // The two mothers are what this command designated.
    Designation& d = designation();
    d.PressePapierCourbes = {meres[0], meres[1]};
    d.FenetresDesignees.clear();
    for (const QPointer<TForm1>& f : fenetres)
        if (!d.FenetresDesignees.contains(f))
            d.FenetresDesignees.append(f);
    d.FenetreSource = fenetres[0];

    const int code = bouton - 1;
    auto o = std::make_shared<GCOperBinaire>(code, numero_, nouveauNumero());
    o->NouvelIdentifiant();
    if ((bouton == 10 || bouton == 12) && meres[0] == meres[1]) {
        interlocuteur().message(QStringLiteral("Mères identiques! Opération sans objet."));
        return false;
    }
    o->Libelle(c1, c2);
    if (code < 12 && !BornesResultat(*o, c1, c2)) {
        interlocuteur().message(QStringLiteral("Calculs impossibles !"));
        return false;
    }
    if (code >= 12 && code <= 14) {
        o->ParametresOperation[0] = QStringLiteral("1");
        if (!SaisieDistancesCourbe(*o, this))
            return false;
    } else if (!SaisieParamOperBinaire(code, o->ParametresOperation, this)) {
        return false;
    }
    if (code >= 12 && code <= 14) {
        o->Epaisseur = 3;
    } else if (code == 11) {
        o->FixeModeTrace(false, false);
        o->Marqueur.Epaisseur = 4;
        o->Marqueur.Rempli = true;
    }

    // The window of the result, a new one made only now that nothing can be cancelled.
    const int dest = fiche.destination();
    TForm1* destination = dest == 1 ? NouvelleFenetreCopie(*courante) : dest <= 0 ? courante.data()
                                                                            : offertes.value(dest - 2).data();
    if (!destination)
        return false;
    d.FenetreDestination = destination;
    o->NumeroFenetre = destination->numero();
    // Both mothers traced again in their windows before the result, which reads their
    // points: their samplings may have just been made alike.
    for (int k = 0; k < 2; ++k)
        meres[k]->Journalise();
    for (const QPointer<TForm1>& f : std::as_const(d.FenetresDesignees))
        if (f)
            f->DessineTampon();
    destination->Dessin().AjouteCourbe(o);
    o->Journalise();
    Repeint(destination);
    return true;
}

void TForm1::TFDClick(QAction*)
{
    if (!RoutineDuCode(34)) {
        interlocuteur().message(MessageNonDisponible());
        return;
    }
    const PtrCourbe mere = dessin_->ChoisitCourbe(LettresCourbesOperees);
    if (!mere)
        return;
    const std::array<QString, 10> auxiliaires = FonctionsAux();
    mere->EvalueParametres();
    EchantillonnageTFD e;
    if (!SaisieEchantillonnageTFD(e, this))
        return;
    double debut = 0, fin = 0;
    genres::evalue(e.debut, debut);
    genres::evalue(e.fin, fin);
    double df = 1 / (fin - debut);
    const double F = e.points * df / 2;   // the frequencies run over [-F, F]
    if (e.zeros)
        df /= 2;

    struct Partie {
        const char* titre;
        const char *pasY, *maxY, *minY;
        TCouleur couleur;
    };
    static const Partie parties[4] = {
        {"Amplitude (module)", "0.1", "0.5", "-0.1", 0xFF00FF},
        {"Phase (argument)", "pi/2", "pi/2", "-pi/2", 0x8080},
        {"Partie réelle", "0.1", "0.5", "-0.5", 0xFF},
        {"Partie imaginaire", "0.1", "0.5", "-0.5", 0xFF0000},
    };
    for (int k = 0; k < 4; ++k) {
        if (!e.courbes[std::size_t(k)])
            continue;
        const Partie& partie = parties[k];
        TForm1* f = NouvelleFenetreCopie(*this);
        if (!f)
            return;
        auto c = std::make_shared<GCOperUnaire>(QLatin1Char('Q'), 34, f->numero(), nouveauNumero());
        c->NouvelIdentifiant();
        c->CopieMere(*mere);
        c->CreeFilles(*mere);
        c->FixeParametres({e.debut, e.fin, QString::number(e.points), e.zeros ? QStringLiteral("1") : QStringLiteral("0"),
                           QString::number(e.fenetre), QString::number(k + 1)});
        c->GCCourbe::FixeLibelles(QStringLiteral("TFD de ") + mere->Nom, QString::fromUtf8(partie.titre));
        c->Couleur = partie.couleur;
        c->FixeBatons(true);
        c->CopieAspectFille();
        c->Journalise();
        f->fixeTitre(QString::number(f->numero()) + QStringLiteral(" : TFD - ") + QString::fromUtf8(partie.titre));
        f->FonctionsAux() = auxiliaires;
        f->Dessin().AjouteCourbe(c);
        // x over [-F, F], graduated on both sides of 0 by a round step of at least df; y over
        // the part's usual range; both axes shown, no unit vectors; then the y range fitted
        // to what was drawn.
        GCRepere& r = f->Repere();
        const double pasX = PasRond(std::max(2 * F / 14, df));
        r.FixeBornes(texteExact(-F), texteExact(F), EchelleArith, texteExact(std::ceil(-F / pasX) * pasX),
                     QStringLiteral("0"), texteExact(pasX), QString::fromUtf8(partie.minY),
                     QString::fromUtf8(partie.maxY), EchelleArith, QString::fromUtf8(partie.minY),
                     QStringLiteral("0"), QString::fromUtf8(partie.pasY));
        bool gx = false, gy = false, ax = false, ay = false;
        r.GetVisibilites(ax, ay, gx, gy);
        r.SetVisibilites(true, true, gx, gy);
        r.SetVecteursUnitaires(false, false);
        f->TraceEtAjusteY();
    }
}

void TForm1::AjustYClick(QAction*)
{
    GCRepere& r = *repere_;
    GCRepere::BornesEtPas x, y;
    r.GetBornesEtPas(x, y);
    const bool log = y.type == EchelleLog;
    double ymin = 0, ymax = 0;
    // A range within the rounding of the computations (a part of a spectrum that is 0 but
    // for rounding) would only magnify that rounding: the frame stays as it is.
    if (!dessin_->BornesY(ymin, ymax, log) || !(ymax - ymin > contexteCalcul().Epsilon))
        return;
    r.FixeBornes(x.xinf, x.xsup, x.type, x.debut, x.pas2nd, x.pas1er, texteExact(ymin), texteExact(ymax), y.type,
                 y.debut, y.pas2nd, y.pas1er);
    double s = 1, sx = 1;
    int ppx = 0, ppy = 0;
    r.CalculeGraduation(ppx, ppy, s, sx);
    // The first graduation at or above ymin (strictly above when ymin >= 0), a step of
    // margin each side, the second step kept in proportion to the first.
    double pas1 = 0, pas2 = 0;
    genres::evalue(y.pas1er, pas1);
    genres::evalue(y.pas2nd, pas2);
    const double second = pas1 != 0 ? pas2 * s / pas1 : 0;
    if (log) {
        r.FixeBornes(x.xinf, x.xsup, x.type, x.debut, x.pas2nd, x.pas1er, texteExact(ymin), texteExact(ymax), y.type,
                     texteExact(s), texteExact(second), texteExact(s));
    } else {
        const double g = ymin < 0 ? std::ceil(ymin / s) * s : (std::floor(ymin / s) + 1) * s;
        r.FixeBornes(x.xinf, x.xsup, x.type, x.debut, x.pas2nd, x.pas1er, texteExact(ymin - s), texteExact(ymax + s),
                     y.type, texteExact(g - s), texteExact(second), texteExact(s));
    }
    // Drawn now: a picture kept from before the fit (a window that has just been drawn to
    // trace its curves) must not be the one shown.
    DessineTampon();
}

void TForm1::TraceEtAjusteY()
{
    DessineTampon();
    AjustYClick();
}

double PasRond(double v)
{
    const double p = std::pow(10.0, std::floor(std::log10(v)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * p >= v * (1 - 1e-12))
            return m * p;
    return 10 * p;
}
