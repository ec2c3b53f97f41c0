// The graph window: what part of the plane it shows. The frame dialog, reduce and enlarge,
// the automatic and manual zooms into a new window, the orthonormal switch, the small drag
// image of what is selected for transport, and the help commands.
#include <QAction>
#include <QDir>
#include <QPainter>
#include <QWidget>
#include <cmath>

#include "dialogs/aide.h"
#include "dialogs/dialzoom.h"
#include "dialogs/fiches.h"
#include "expression/etat.h"
#include "expression/fonction.h"
#include "expression/formatage.h"
#include "graph/aires/GCAire.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/genres.h"
#include "graph/repere/GCRepere.h"
#include "window/designation.h"
#include "window/fenetre.h"
#include "window/fenetre_interne.h"

namespace {

QString exact(double v)
{
    return QString::fromStdString(ReelExact(v));
}

bool bornesAxe(int type, double a, double b)
{
    return std::isfinite(a) && std::isfinite(b) && a < b && (b - a) > 1e-12 * std::max(std::fabs(a), std::fabs(b))
           && (type != EchelleLog || a > 0);
}

// The curve's range fitted to the view: bounds clipped to the view, the step shrunk with
// the range so that the curve keeps its number of points.
void AjusteBornes(GCY& c, double vmin, double vmax)
{
    QString xinf, xsup, pas;
    c.Bornes(xinf, xsup, pas);
    c.EvalueParametres();
    const double xi = EvalueTexte(xinf.toStdString()), xs = EvalueTexte(xsup.toStdString()),
                 p = EvalueTexte(pas.toStdString());
    if (ErreurCalcul())
        return;
    if (vmin > xi)
        xinf = exact(vmin);
    if (vmax < xs)
        xsup = exact(vmax);
    if (xs - xi > vmax - vmin)
        pas = exact((vmax - vmin) * p / (xs - xi));
    c.FixeBornes(xinf, xsup, pas);
}

}  // namespace

bool BornesUtilisables(const GCRepere& repere, double xmin, double xmax, double ymin, double ymax)
{
    int tx, ty;
    repere.GetTypesEchelle(tx, ty);
    return bornesAxe(tx, xmin, xmax) && bornesAxe(ty, ymin, ymax);
}

// ---------------------------------------------------------------------------------------
// The frame dialog

void TForm1::Repre1Click(QAction*)
{
    CompileFonctionsAux();
    if (repere_->Modifie(0))
        AiresARecalculer = true;
    paintBox_->update();
}

// ---------------------------------------------------------------------------------------
// Zooms

void TForm1::ZoomCentre(bool reduire)
{
    const double facteur = contexteCalcul().FacteurZoomAuto;
    if (!(facteur > 0) || !std::isfinite(facteur))
        return;
    const double f = reduire ? 1 / facteur : facteur;
    double b[4];
    repere_->GetBornes(b[0], b[1], b[3], b[2]);
    int types[2];
    repere_->GetTypesEchelle(types[0], types[1]);
    for (int k = 0; k < 2; ++k) {
        double& a = b[2 * k];
        double& z = b[2 * k + 1];
        double na, nz;
        if (types[k] == EchelleLog) {
            const double g = std::sqrt(a * z), r = std::sqrt((z / a) / f);
            na = g / r;
            nz = g * r;
        } else {
            const double c = (a + z) / 2, h = (z - c) / f;
            na = c - h;
            nz = c + h;
        }
        // An axis that the zoom would leave without a usable range stays as it is.
        if (bornesAxe(types[k], na, nz)) {
            a = na;
            z = nz;
        }
    }
    repere_->FixeFenetre(b[0], b[1], b[2], b[3]);
    AiresARecalculer = true;
    paintBox_->update();
}

void TForm1::Automatique1Click(QAction*)
{
    QString texteK, texteX, texteY;
    if (!SaisitZoom(texteK, texteX, texteY, this))
        return;
    ErreurCalcul() = 0;
    const double k = EvalueTexte(texteK.toStdString());
    if (ErreurCalcul() || !(k > 0) || !std::isfinite(k)) {
        interlocuteur().message(QStringLiteral("facteur nul ou négatif interdit !"));
        return;
    }
    const double centre[2] = {EvalueTexte(texteX.toStdString()), EvalueTexte(texteY.toStdString())};
    double b[4];
    repere_->GetBornes(b[0], b[1], b[3], b[2]);
    int types[2];
    repere_->GetTypesEchelle(types[0], types[1]);
    for (int i = 0; i < 2; ++i) {
        const double c = centre[i];
        double& a = b[2 * i];
        double& z = b[2 * i + 1];
        if (types[i] == EchelleLog) {
            // The half log-width, as the other axes take the half width.
            if (!(c > 0)) {
                interlocuteur().message(QStringLiteral("Le centre du zoom doit être positif sur un axe logarithmique."));
                return;
            }
            const double e = std::pow(z / a, 1 / (2 * k));
            a = c / e;
            z = c * e;
        } else {
            const double h = (z - a) / (2 * k);
            a = c - h;
            z = c + h;
        }
    }
    if (!BornesUtilisables(*repere_, b[0], b[1], b[2], b[3])) {
        interlocuteur().message(QStringLiteral("Zoom impossible : ce facteur ou ce centre ne donne pas une fenêtre utilisable."));
        return;
    }
    ZoomNouvelleFenetre(b[0], b[2], b[1], b[3]);
}

void TForm1::Loupe1Click(QAction* emetteur)
{
    const bool etait = etaitCoche(emetteur, "Manuel1");
    fixeCoche("Manuel1", !etait);
    if (etait) {
        ModeSouris = SourisRepos;
    } else {
        finitAutresModes(SourisZoom);
        expliqueMode(etatFenetres().MontrerAideZoom, "ZoomMess.txt");
    }
}

TForm1* TForm1::ZoomNouvelleFenetre(double x1, double y1, double x2, double y2)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    if (!BornesUtilisables(*repere_, x1, x2, y1, y2))
        return nullptr;
    QPointer<TForm1> source(this);
    TForm1* f = NouvelleFenetreCopie(*this);
    if (!f || !source)
        return nullptr;

    // Background: the picture as this window shows it (the background layer of its
    // painting), cut to the rectangle; or the areas.
    f->fixeCouleurFond(couleurFond());
    f->FixeModeFond(ModeFond());
    f->FichierImage = FichierImage;
    f->EtireImage = EtireImage;
    if (ModeFond() == 1 && !ImageFond.isNull()) {
        const QSize taille = paintBox_->size();
        if (CoucheFond().size() != taille) {
            QImage image(taille, QImage::Format_RGB32);
            QPainter p(&image);
            document_->Dessine(p, taille);
        }
        const QRect zone(repere_->MondeVersPixel(x1, y2), repere_->MondeVersPixel(x2, y1));
        f->ImageFond = CoucheFond().copy(zone.normalized()).scaled(f->tailleDessin(), Qt::IgnoreAspectRatio,
                                                                   Qt::SmoothTransformation);
        f->EtireImage = true;
        const QString chemin = QDir(dossierTravail()).filePath(QStringLiteral("zoom%1.bmp").arg(f->numero()));
        if (f->ImageFond.save(chemin, "BMP"))
            f->FichierImage = chemin;
    } else if (ModeFond() == 2) {
        f->Aires().CopieDe(*aires_, f->numero());
    }
    f->AiresARecalculer = true;
    f->Repere().FixeFenetre(x1, x2, y1, y2);

    // The curves, under new numbers; the ranges of those drawn over an interval fitted to
    // the view (the trajectories of systems keep theirs: they run from their initial point).
    QHash<int, PtrCourbe> clones;
    for (const PtrCourbe& c : dessin_->Courbes) {
        if (!c || !QStringLiteral("BCDEGHIJLNOPQRSTUWXYA").contains(c->TypeCourbe))
            continue;
        PtrCourbe clone = CloneCourbe(*c, nouveauNumero(), f->numero());
        if (!clone)
            continue;
        clones.insert(c->Numero, clone);
        auto* y = dynamic_cast<GCY*>(clone.get());
        if (y && QStringLiteral("DEGIJRSY").contains(c->TypeCourbe)) {
            if (c->TypeCourbe != QLatin1Char('I'))
                AjusteBornes(*y, x1, x2);
            else if (c->SousType == 0)
                AjusteBornes(*y, y1, y2);
        }
        f->Dessin().AjouteCourbe(clone);
    }
    // Derived curves and plates stay on the mothers of this window.
    for (const PtrCourbe& c : dessin_->Courbes)
        if (PtrCourbe clone = c ? clones.value(c->Numero) : nullptr;
            clone && QStringLiteral("AGOQU").contains(c->TypeCourbe)) {
            clone->FixeMere(1, c->Mere(1));
            if (c->TypeCourbe == QLatin1Char('O'))
                clone->FixeMere(2, c->Mere(2));
        }
    f->PaintBox()->update();
    return f;
}

// ---------------------------------------------------------------------------------------
// Orthonormal switch

void TForm1::NormeRepere()
{
    int tx, ty;
    repere_->GetTypesEchelle(tx, ty);
    if (repere_->EstPolaire()) {
        repere_->SetNorme(true);
        interlocuteur().message(QStringLiteral("Repère obligatoirement normé!"));
    } else if (tx == EchelleProj || ty == EchelleProj) {
        interlocuteur().message(QStringLiteral("Repère projectif : normalisation inutile."));
    } else {
        repere_->SetNorme(!repere_->EstNorme());
    }
    AiresARecalculer = true;
    paintBox_->update();
}

// ---------------------------------------------------------------------------------------
// The drag image

void TForm1::montreTransport(QPoint point)
{
    const EtatSouris& e = etatSouris();
    if (!e.RepereSelectionne && e.CourbesSelectionnees.empty()) {
        transport_->hide();
        return;
    }
    // Kept inside the paint box's right and bottom edges.
    point += QPoint(1, 1);
    transport_->move(std::max(0, std::min(point.x(), paintBox_->width() - 51)),
                     std::max(0, std::min(point.y(), paintBox_->height() - 51)));
    transport_->show();
    transport_->raise();
    transport_->update();
}

void TForm1::peintTransport(QPainter& p)
{
    p.fillRect(0, 0, 50, 50, couleurFond());
    const EtatSouris& e = etatSouris();
    static GCRepere repereTransport(false, 50, 50);
    GCRepere::BornesEtPas bx, by;
    repere_->GetBornesEtPas(bx, by);
    repereTransport.FixeBornes(bx.xinf, bx.xsup, bx.type, bx.debut, bx.pas2nd, bx.pas1er, by.xinf, by.xsup, by.type,
                               by.debut, by.pas2nd, by.pas1er);
    repereTransport.SetGraduations(false, false);
    repereTransport.FixeTaille(50, 50);
    if (repereTransport.Valide()) {
        if (e.RepereSelectionne)
            repereTransport.DessineAxes(p);
        for (const PtrCourbe& c : e.CourbesSelectionnees) {
            c->Selectionne = false;
            c->RetracePoints(p, repereTransport);
        }
    }
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 49, 49);
}

// ---------------------------------------------------------------------------------------
// Help

void TForm1::Rubriquesdaide1Click(QAction*)
{
    MontreAide(SujetsAide::Sommaire);
}

void TForm1::fnStdClick(QAction*)
{
    MontreAide(SujetsAide::FonctionsUneVariable);
}

void TForm1::fnStd2Click(QAction*)
{
    MontreAide(SujetsAide::FonctionsDeuxVariables);
}
