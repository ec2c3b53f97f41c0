// The graph window: the mouse on the paint box. Each press, move, release and click acts
// by the window's mouse mode; what is drawn while the mouse moves (rubber line, zoom
// rectangle, cross-hair, the points being entered) is an overlay over the last rendering,
// so that a move repaints the window without tracing anything again.
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QStatusTipEvent>
#include <cmath>

#include "dialogs/affcom.h"
#include "dialogs/crbattach.h"
#include "dialogs/distinfo.h"
#include "dialogs/fiches.h"
#include "expression/etat.h"
#include "expression/fonction.h"
#include "expression/formatage.h"
#include "expression/paramperso.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/genres.h"
#include "graph/fichiers/fichierstravail.h"
#include "graph/fichiers/fichiertexte.h"
#include "graph/repere/GCRepere.h"
#include "window/designation.h"
#include "window/fenetre.h"
#include "window/fenetre_interne.h"

namespace {

// The program's cursors: 1 the cross of the coordinates and of the constructions, 2 a point
// edit with no point under the mouse, 3 a point that can be dragged.
QCursor curseurProgramme(int n)
{
    switch (n) {
    case 2: return QCursor(Qt::PointingHandCursor);
    case 3: return QCursor(Qt::SizeAllCursor);
    default: return QCursor(Qt::CrossCursor);
    }
}

QString exact(double v)
{
    return QString::fromStdString(ReelExact(v));
}

// A number with its thousands grouped and DecimalesReels decimals, for the distances.
QString nombreGroupe(double v)
{
    QString t = QString::number(std::fabs(v), 'f', std::clamp(contexteCalcul().DecimalesReels, 0, 15));
    const int point = t.indexOf(QLatin1Char('.'));
    for (int i = (point < 0 ? t.size() : point) - 3; i > 0; i -= 3)
        t.insert(i, QLatin1Char(' '));
    return v < 0 ? QLatin1Char('-') + t : t;
}

// The world coordinates of the mouse as the second panel shows them: "(x ; y)", or in a
// polar frame "(rho ; theta°)", each of width LongueurReels and DecimalesReels digits.
QString texteMonde(const GCRepere& repere, double x, double y)
{
    const ContexteCalcul& c = contexteCalcul();
    const int l = std::clamp(c.LongueurReels, 0, 40), d = std::clamp(c.DecimalesReels, 0, 17);
    if (repere.Polaire)
        return QString::asprintf("(%*.*g ; %*.*g°)", l, d, std::hypot(x, y), l, d, std::atan2(y, x) * 180 / M_PI);
    return QString::asprintf("(%*.*g ; %*.*g)", l, d, x, l, d, y);
}

// Stores (x, y) into the two personal parameters that the curve pilots.
void AffecteParamPersoPoint(const GCCourbe& courbe, double x, double y)
{
    const ParametresPersonnels& pp = parametresPersonnels();
    for (int k = 0; k < 2 && k < courbe.Pilotage.size(); ++k) {
        const std::string nom = majuscules(courbe.Pilotage.at(k).toStdString());
        for (std::size_t i = 0; i < pp.ParametresPerso.size(); ++i) {
            const GCParamPerso& p = *pp.ParametresPerso[i];
            std::string message;
            if (majuscules(p.Nom()) == nom)
                FixeParametrePerso(int(i), exact(k == 0 ? x : y).toStdString(), p.Increment, p.Minimum, p.Maximum,
                                   message);
        }
    }
}

// A curve of kind Q with operation 17 (a point on a curve) whose mother is of kind D, J, S
// or Y, found in any window; null otherwise.
GCOperUnaire* PointSurCourbe(GCCourbe& c, PtrCourbe* mere = nullptr)
{
    auto* q = dynamic_cast<GCOperUnaire*>(&c);
    if (!q || c.TypeCourbe != QLatin1Char('Q') || q->Operation != 17)
        return nullptr;
    PtrCourbe m = CourbeParIdentifiantPartout(c.Mere1);
    if (!m || !QStringLiteral("DJSY").contains(m->TypeCourbe))
        return nullptr;
    if (mere)
        *mere = m;
    return q;
}

// The data file of a list kept aside in the working folder while its points are dragged:
// the path of the copy, or empty (with a message) when the file cannot be read or written.
QString SauvegardeDonneesListe(const GCCourbe& c)
{
    const QString chemin = FichierDonnees(c);
    QFile f(chemin);
    const QString copie = QDir(dossierTravail()).filePath(QStringLiteral("f%1crb%2.svg").arg(c.NumeroFenetre).arg(c.Numero));
    QString erreur;
    if (chemin.isEmpty() || !QFileInfo(chemin).isWritable() || !f.open(QIODevice::ReadOnly)) {
        interlocuteur().message(QStringLiteral("Le fichier de points ") + c.Libelle1
                                + QStringLiteral(" ne peut pas être modifié."));
        return QString();
    }
    // A file its document named out of bounds: only when the user agrees.
    if (!EcritureAccordee(chemin, c.DossierDocument))
        return QString();
    if (!EcritOctets(copie, f.readAll(), &erreur)) {
        interlocuteur().message(erreur);
        return QString();
    }
    return copie;
}

void RestaureDonneesListe(const GCCourbe& c, const QString& copie)
{
    QFile f(copie);
    QString erreur;
    const QString chemin = FichierDonnees(c);
    if (!f.open(QIODevice::ReadOnly) || !EcritureAccordee(chemin, c.DossierDocument) ||
        !EcritOctets(chemin, f.readAll(), &erreur))
        interlocuteur().message(QStringLiteral("Le fichier de points ") + c.Libelle1
                                + QStringLiteral(" n'a pas pu être rétabli. ") + erreur);
}

}  // namespace

// ---------------------------------------------------------------------------------------
// State shared by the windows

void DeselectionneCourbe(const GCCourbe* courbe)
{
    auto& liste = etatSouris().CourbesSelectionnees;
    std::erase_if(liste, [courbe](const PtrCourbe& c) { return c.get() == courbe; });
    const bool vide = liste.empty() && !etatSouris().RepereSelectionne;
    for (TForm1* f : FenetresOuvertes())
        if (QWidget* transport = f->findChild<QWidget*>(QStringLiteral("Transport"))) {
            if (vide)
                transport->hide();
            transport->update();
        }
}

bool DecaleRepere(GCRepere& repere, double xAvant, double yAvant, double x, double y)
{
    // The world point (xAvant, yAvant) comes under (x, y); a logarithmic axis moves by a
    // ratio, so that its bounds stay positive.
    double xmin, xmax, ymax, ymin;
    repere.GetBornes(xmin, xmax, ymax, ymin);
    int tx, ty;
    repere.GetTypesEchelle(tx, ty);
    const auto decale = [](int type, double& a, double& b, double avant, double maintenant) {
        if (type == EchelleLog) {
            if (avant > 0 && maintenant > 0)
                a *= avant / maintenant, b *= avant / maintenant;
        } else {
            a += avant - maintenant;
            b += avant - maintenant;
        }
    };
    decale(tx, xmin, xmax, xAvant, x);
    decale(ty, ymin, ymax, yAvant, y);
    if (!BornesUtilisables(repere, xmin, xmax, ymin, ymax))
        return false;
    repere.FixeFenetre(xmin, xmax, ymin, ymax);
    return true;
}

// ---------------------------------------------------------------------------------------
// Press

void TForm1::PaintBoxMouseDown(Qt::MouseButton bouton, Qt::KeyboardModifiers touches, int X, int Y)
{
    EtatSouris& e = etatSouris();
    paintBox_->unsetCursor();
    labelInfo_->hide();
    XClic = X;
    YClic = Y;
    int code = CodeObjetSouris() = repere_->ObjetSousPixel(X, Y);
    if (bouton == Qt::RightButton && !e.DeplacementEnCours) {
        const QPoint ecran = paintBox_->mapToGlobal(QPoint(X, Y)) + QPoint(2, 2);
        if (code > 0)
            optionTrace_->popup(ecran);
        else if (code == 0 && choisitAireCliquee(QPoint(X, Y)))
            optionAire_->popup(ecran);
        else if (code == 0)
            optionFenetre_->popup(ecran);
        return;
    }
    if (bouton != Qt::LeftButton && bouton != Qt::RightButton)
        return;
    pointSouris_ = pointPrecedent_ = QPoint(X, Y);
    const bool gauche = bouton == Qt::LeftButton;
    const Qt::KeyboardModifiers t = touches & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (action(QStringLiteral("Manuel1"))->isChecked()) {
        ModeSouris = SourisZoom;
        return;
    }
    if (gauche && t == Qt::ShiftModifier) {
        ModeSouris = code == CodeAxeX || code == CodeAxeY ? SourisAxes : SourisZoom;
        return;
    }
    if (gauche && t == Qt::ControlModifier) {
        if (code == CodeAmbigu)
            code = CodeObjetSouris() = LeveAmbiguite(X, Y);
        if (code > 0) {
            PtrCourbe c = dessin_->CourbeDuNumero(code);
            if (!c)
                return;
            CourbeCourante() = c;
            e.IndicePointDeplace = -1;
            const bool liste = c->TypeCourbe == QLatin1Char('L');
            if (liste || PointSurCourbe(*c)) {
                if (liste) {
                    // The list's file is kept aside until the edit ends.
                    sauvegardePoints_ = SauvegardeDonneesListe(*c);
                    if (sauvegardePoints_.isEmpty())
                        return;
                } else {
                    NomCourbeDeplacee = c->Parametre(9);
                }
                cibleSouris_ = c->Identifiant;
                ModeSouris = SourisPointEdite;
                e.DeplacementEnCours = true;
                e.PointTrouve = false;
                montreSurcouche();
            } else if (c->TypeCourbe != QLatin1Char('Q')) {
                ModeSouris = SourisRepos;
            }
            return;
        }
    }
    if (action(QStringLiteral("Distance1"))->isChecked()) {
        ModeSouris = SourisDistance;
        return;
    }
    if (action(QStringLiteral("Mainleve1"))->isChecked()) {
        ModeSouris = SourisMainLevee;
        double x, y;
        repere_->PixelVersMonde(X, Y, x, y);
        LignesSaisie << exact(x) + QLatin1Char(';') + exact(y);
        return;
    }
    if (action(QStringLiteral("Lignebrise1"))->isChecked()) {
        ModeSouris = SourisLigneBrisee;
        e.DeplacementEnCours = true;
        return;
    }
    if (ModeSouris == SourisRepos) {
        if (code == CodeVecteurJ)
            ModeSouris = SourisVecteurJ;
        else if (code == CodeVecteurI)
            ModeSouris = SourisVecteurI;
        else if (code > 0 || (code < CodeVecteurJ && code != CodeAmbigu))
            if (PtrCourbe c = dessin_->CourbeDuNumero(code))
                CourbeCourante() = c;
    } else if (ModeSouris == SourisPointEdite && e.PointTrouve) {
        choisitPointEdite(X, Y);
    }
}

int TForm1::LeveAmbiguite(int px, int py)
{
    QStringList entrees;
    QList<int> codes;
    if (const std::vector<int>* liste = repere_->ListeCellule(px, py))
        for (int code : *liste) {
            QString entree;
            if (code == CodeAxeX)
                entree = QStringLiteral("Axe X");
            else if (code == CodeAxeY)
                entree = QStringLiteral("Axe Y");
            else if (code == CodeOrigine)
                entree = QStringLiteral("Origine");
            else if (code > 0)
                entree = QString::number(code) + QStringLiteral(": ") + dessin_->LibelleDuNumero(code);
            if (!entree.isEmpty()) {
                entrees << entree;
                codes << code;
            }
        }
    ChoixTrace* choix = choixTrace();
    QString retenu = entrees.value(0);
    if (entrees.isEmpty() || !choix || !choix->choisit(QStringLiteral("Choix d'un tracé"), entrees, retenu))
        return 0;
    const int i = int(entrees.indexOf(retenu));
    return i < 0 ? 0 : codes.at(i);
}

// ---------------------------------------------------------------------------------------
// Move

void TForm1::PaintBoxMouseMove(Qt::MouseButtons boutons, int X, int Y)
{
    EtatSouris& e = etatSouris();
    labelInfo_->hide();
    double x, y;
    repere_->PixelVersMonde(X, Y, x, y);
    emit coordonneesSouris(QString::asprintf("(%d;%d)", X, Y), texteMonde(*repere_, x, y));
    pointSouris_ = QPoint(X, Y);
    const bool gauche = boutons & Qt::LeftButton;
    double xp, yp;
    repere_->PixelVersMonde(pointPrecedent_.x(), pointPrecedent_.y(), xp, yp);
    switch (ModeSouris) {
    case SourisPointEdite:
        if (e.DeplacementEnCours && e.IndicePointDeplace >= 1) {
            if (gauche)
                deplacePointEdite(x, y);
            else
                PaintBoxMouseUp(Qt::LeftButton, X, Y);  // the release went to a dialog
        } else if (!e.DeplacementEnCours) {
            chercheAuPointEdite(X, Y);
        }
        break;
    case SourisDistance:
        montreSurcouche();
        montreConseil(QStringLiteral("dx= ") + nombreGroupe(std::fabs(x - xp)) + QStringLiteral(" ; dy= ")
                      + nombreGroupe(std::fabs(y - yp)) + QStringLiteral(" ; d= ")
                      + nombreGroupe(std::hypot(x - xp, y - yp)));
        // The press point stays the start of the line.
        return;
    case SourisVecteurI:
    case SourisVecteurJ: {
        // The unit point follows the mouse; only coordinates on the positive side of both
        // positions scale the axis (elsewhere the frame would collapse or turn over).
        const bool i = ModeSouris == SourisVecteurI;
        const double avant = i ? xp : yp, maintenant = i ? x : y;
        if (std::isfinite(avant) && std::isfinite(maintenant) && avant > 0 && maintenant > 0) {
            const double f = avant / maintenant;
            double xmin, xmax, ymax, ymin;
            repere_->GetBornes(xmin, xmax, ymax, ymin);
            if (i)
                xmin *= f, xmax *= f;
            else
                ymin *= f, ymax *= f;
            if (BornesUtilisables(*repere_, xmin, xmax, ymin, ymax)) {
                repere_->FixeFenetre(xmin, xmax, ymin, ymax);
                AiresARecalculer = true;
                paintBox_->update();
            }
            pointPrecedent_ = QPoint(X, Y);
        }
        return;
    }
    case SourisAxes: {
        if (DecaleRepere(*repere_, xp, yp, x, y))
            paintBox_->update();
        pointPrecedent_ = QPoint(X, Y);
        return;
    }
    case SourisMainLevee:
        if (gauche) {
            LignesSaisie << exact(x) + QLatin1Char(';') + exact(y);
            montreSurcouche();
        }
        return;
    case SourisCoordonnees:
    case SourisZoom:
        montreSurcouche();
        return;
    case SourisLigneBrisee:
        if (e.DeplacementEnCours)
            montreSurcouche();
        return;
    case SourisTexte:
        paintBox_->setCursor(Qt::IBeamCursor);
        return;
    case SourisPrimitive:
    case SourisTangente:
        paintBox_->setCursor(curseurProgramme(1));
        montreConseil(ModeSouris == SourisPrimitive ? QStringLiteral("Désigner un point.")
                                                    : QStringLiteral("Désigner le point de tangence."));
        return;
    default: {
        QString bulle;
        montreConseil(ConseilSous(X, Y, &bulle));
        montreBulle(bulle, X, Y);
        return;
    }
    }
}

// ---------------------------------------------------------------------------------------
// Release

void TForm1::PaintBoxMouseUp(Qt::MouseButton bouton, int X, int Y)
{
    EtatSouris& e = etatSouris();
    double x, y;
    repere_->PixelVersMonde(X, Y, x, y);
    double xc, yc;
    repere_->PixelVersMonde(XClic, YClic, xc, yc);
    const auto ligne = [](double a, double b) { return exact(a) + QLatin1Char(';') + exact(b); };
    switch (ModeSouris) {
    case SourisPointEdite:
        e.DeplacementEnCours = false;
        XClic = X;
        montreSurcouche();
        break;
    case SourisDistance: {
        ModeSouris = SourisRepos;
        paintBox_->unsetCursor();
        fixeCoche("Distance1", false);
        paintBox_->update();
        MontreDistances(xc, yc, x, y, this);
        break;
    }
    case SourisAxes:
        // The areas follow the pan once it ends.
        ModeSouris = modeRepris();
        AiresARecalculer = true;
        paintBox_->update();
        break;
    case SourisVecteurI:
    case SourisVecteurJ:
        ModeSouris = SourisRepos;
        break;
    case SourisMainLevee:
        LignesSaisie << ligne(x, y) << QStringLiteral("/");
        ModeSouris = SourisRepos;
        montreSurcouche();
        break;
    case SourisCoordonnees:
        ModeSouris = SourisRepos;
        paintBox_->unsetCursor();
        montreSurcouche();
        break;
    case SourisPointParPoint:
        LignesSaisie << ligne(xc, yc) << QStringLiteral("/");
        montreSurcouche();
        break;
    case SourisLigneBrisee:
        if (e.DeplacementEnCours) {
            LignesSaisie << ligne(xc, yc) << ligne(x, y) << QStringLiteral("/");
            e.DeplacementEnCours = bouton != Qt::LeftButton;
            montreSurcouche();
        }
        break;
    case SourisPrimitive:
    case SourisTangente: {
        PtrCourbe c = courbeDuMode();
        if (!c)
            break;
        if (ModeSouris == SourisPrimitive) {
            if (c->TypeCourbe == QLatin1Char('H'))
                CourbeIntegraleParPoint(x, y);
            else
                PrimitiveParPoint(x, y);
            break;
        }
        // Only y=f(x) has tangents here; the kind is looked at before anything is computed.
        auto* f = dynamic_cast<GCY*>(c.get());
        if (!f || c->TypeCourbe != QLatin1Char('Y')) {
            interlocuteur().message(QStringLiteral("IMPOSSIBLE! Type incompatible"));
            break;
        }
        std::array<bool, 4> choisis{};
        if (!ChoisitCourbesAttachees(choisis, this))
            break;
        const int codes[4] = {43, 54, 55, 56};
        for (int k = 0; k < 4; ++k)
            if (choisis[std::size_t(k)])
                TangenteParPoint(exact(x), codes[k]);
        break;
    }
    case SourisZoom: {
        // Every release ends the rectangle; only a real rectangle zooms.
        ModeSouris = modeRepris();
        montreSurcouche();
        if (std::abs(X - XClic) >= 3 && std::abs(Y - YClic) >= 3)
            ZoomNouvelleFenetre(xc, yc, x, y);
        break;
    }
    default:
        break;
    }
}

// ---------------------------------------------------------------------------------------
// Click

void TForm1::PaintBoxClick()
{
    switch (ModeSouris) {
    case SourisTexte: {
        // The text stands at the world point clicked, unless its dialog anchors it in pixels.
        double x = 0, y = 0;
        repere_->PixelVersMonde(XClic, YClic, x, y);
        ModeSouris = SourisRepos;
        paintBox_->unsetCursor();
        PlaceTexte(x, y);
        break;
    }
    case SourisPointEdite:
        if (!etatSouris().DeplacementEnCours)
            clicPointEdite();
        break;
    case SourisRepos:
        clicRepos();
        break;
    default:
        break;
    }
}

void TForm1::clicRepos()
{
    EtatSouris& e = etatSouris();
    int code = CodeObjetSouris();
    if (code == CodeAmbigu)
        code = CodeObjetSouris() = LeveAmbiguite(XClic, YClic);
    if (code == CodeAxeX || code == CodeAxeY) {
        e.RepereSelectionne = !e.RepereSelectionne;
        montreTransport(QPoint(XClic, YClic));
    } else if (code > 0) {
        PtrCourbe c = dessin_->CourbeDuNumero(code);
        if (!c)
            return;
        auto& liste = e.CourbesSelectionnees;
        const auto ici = std::find(liste.begin(), liste.end(), c);
        if (ici == liste.end())
            liste.push_back(c);
        else
            liste.erase(ici);
        c->Selectionne = ici == liste.end();
        montreTransport(QPoint(XClic, YClic));
    }
}

// ---------------------------------------------------------------------------------------
// Point edit (mode 1): a point of a list, or the point on a curve, dragged.

void TForm1::chercheAuPointEdite(int X, int Y)
{
    EtatSouris& e = etatSouris();
    PtrCourbe c = courbeDuMode();
    if (!c || repere_->HorsCadre(X, Y))
        return;
    choixPoints_.clear();
    if (c->TypeCourbe == QLatin1Char('L'))
        choixPoints_ = c->PointsProches(*repere_, X, Y);
    else if (std::abs(X - XClic) <= 3)
        choixPoints_ << QStringLiteral("1\\");
    e.PointTrouve = !choixPoints_.isEmpty();
    if (!e.PointTrouve) {
        e.IndicePointDeplace = -1;
        paintBox_->setCursor(curseurProgramme(2));
        return;
    }
    paintBox_->setCursor(curseurProgramme(3));
    montreConseil(QStringLiteral("Point sur f") + QString::number(c->Numero));
}

void TForm1::choisitPointEdite(int X, int Y)
{
    EtatSouris& e = etatSouris();
    e.DeplacementEnCours = true;
    int i = 0;
    if (choixPoints_.size() > 1) {
        // Several points under the mouse: the user picks one.
        ChoixTrace* choix = choixTrace();
        QString retenu = choixPoints_.first();
        const QPoint curseur = QCursor::pos();
        const bool ok = choix && choix->choisit(QStringLiteral("Choix d'un point"), choixPoints_, retenu);
        QCursor::setPos(curseur);
        i = ok ? int(choixPoints_.indexOf(retenu)) : -1;
        if (i < 0) {
            e.IndicePointDeplace = -1;
            e.PointTrouve = false;
            e.DeplacementEnCours = false;
            return;
        }
        // The dialog took the release: the drag cannot go on.
        if (!(QGuiApplication::mouseButtons() & Qt::LeftButton))
            e.DeplacementEnCours = false;
    }
    e.IndicePointDeplace = choixPoints_.value(i).section(QLatin1Char('\\'), 0, 0).toInt();
    Q_UNUSED(X);
    Q_UNUSED(Y);
}

void TForm1::deplacePointEdite(double x, double y)
{
    PtrCourbe c = courbeDuMode();
    if (!c)
        return;
    PtrCourbe mere;
    if (GCOperUnaire* q = PointSurCourbe(*c, &mere)) {
        // The point follows the mother: its y is computed from the mother at the new x; an
        // x where the mother cannot be computed is not taken.
        auto* m = dynamic_cast<GCY*>(mere.get());
        if (!m)
            return;
        m->EvalueParametres();
        double xm = x, ym = 0;
        m->Evalue(x, xm, ym);
        if (ErreurCalcul() || !std::isfinite(ym))
            return;
        q->FixeParametre(9, exact(x));
        x = xm;
        y = ym;
    } else {
        // A file that can no longer be written ends the drag, with its reason once.
        QString erreur;
        if (!c->DeplacePointListe(etatSouris().IndicePointDeplace, x, y, &erreur)) {
            etatSouris().DeplacementEnCours = false;
            etatSouris().IndicePointDeplace = -1;
            interlocuteur().message(erreur);
            return;
        }
    }
    AffecteParamPersoPoint(*c, x, y);
    for (TForm1* f : FenetresOuvertes()) {
        f->SuitParametres = true;
        f->DessineTampon();
    }
    montreConseil(QStringLiteral("Déplacer le point"));
}

void TForm1::clicPointEdite()
{
    // The edit ends: kept, or put back as it was.
    PtrCourbe c = courbeDuMode();
    ModeSouris = SourisRepos;
    paintBox_->unsetCursor();
    const QString sauvegarde = sauvegardePoints_;
    sauvegardePoints_.clear();
    cibleSouris_.clear();
    // Annuler, as Oui, leaves the points where they were moved.
    if (c && DemandeOuiNonAnnuler(this, QStringLiteral("Voulez-vous enregistrer les modifications ?")) == QMessageBox::No) {
        if (c->TypeCourbe == QLatin1Char('L')) {
            RestaureDonneesListe(*c, sauvegarde);
        } else if (PtrCourbe mere; PointSurCourbe(*c, &mere)) {
            c->FixeParametre(9, NomCourbeDeplacee);
        }
    }
    if (!sauvegarde.isEmpty())
        QFile::remove(sauvegarde);
    for (TForm1* f : FenetresOuvertes())
        f->SuitParametres = false;
    paintBox_->update();
}

std::shared_ptr<GCCourbe> TForm1::courbeDuMode()
{
    PtrCourbe c = cibleSouris_.isEmpty() ? nullptr : dessin_->CourbeParIdentifiant(cibleSouris_);
    if (!c && (ModeSouris == SourisPointEdite || ModeSouris == SourisPrimitive || ModeSouris == SourisTangente)) {
        // The curve left the window: so does its mode.
        fixeCoche(ModeSouris == SourisPrimitive ? "Primitive1" : "Tangentes1", false);
        ModeSouris = SourisRepos;
        cibleSouris_.clear();
        etatSouris().DeplacementEnCours = false;
        paintBox_->unsetCursor();
    }
    return c;
}

// ---------------------------------------------------------------------------------------
// Overlay

void TForm1::montreSurcouche()
{
    surcoucheSeule_ = true;
    paintBox_->update();
}

void TForm1::dessineSurcouche(QPainter& p)
{
    p.save();
    // The points entered so far, mapped through the frame as it is now.
    if (modeSaisie_ != SourisRepos && !LignesSaisie.isEmpty()) {
        p.setPen(QPen(Qt::black, 1));
        QPolygon trait;
        const int demi = modeSaisie_ == SourisLigneBrisee ? 3 : 2;
        const auto ferme = [&] {
            if (trait.size() > 1)
                p.drawPolyline(trait);
            trait.clear();
        };
        for (const QString& l : std::as_const(LignesSaisie)) {
            if (l == QLatin1String("/")) {
                ferme();
                continue;
            }
            const QPoint q = repere_->MondeVersPixel(l.section(QLatin1Char(';'), 0, 0).toDouble(),
                                                     l.section(QLatin1Char(';'), 1, 1).toDouble());
            if (modeSaisie_ != SourisMainLevee && (trait.isEmpty() || modeSaisie_ == SourisPointParPoint))
                p.drawRect(q.x() - demi, q.y() - demi, 2 * demi, 2 * demi);
            trait << q;
        }
        ferme();
    }
    // The point edit shows the points of its list.
    if (ModeSouris == SourisPointEdite)
        if (PtrCourbe c = cibleSouris_.isEmpty() ? nullptr : dessin_->CourbeParIdentifiant(cibleSouris_))
            c->SurlignePoints(p, *repere_);
    const QPoint a = pointPrecedent_, b = pointSouris_;
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    switch (ModeSouris) {
    case SourisDistance:
        p.drawLine(QPoint(XClic, YClic), b);
        break;
    case SourisLigneBrisee:
        if (etatSouris().DeplacementEnCours)
            p.drawLine(a, b);
        break;
    case SourisZoom:
        p.drawRect(QRect(QPoint(XClic, YClic), b).normalized());
        break;
    case SourisCoordonnees: {
        // Four dotted lines towards the edges, the first two leaving a gap of 15 pixels.
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        const int l = paintBox_->width(), h = paintBox_->height();
        p.drawLine(b.x(), b.y() + 15, b.x(), h);
        p.drawLine(b.x() + 15, b.y(), l, b.y());
        p.drawLine(b.x(), b.y(), b.x(), 1);
        p.drawLine(b.x(), b.y(), 1, b.y());
        break;
    }
    default:
        break;
    }
    p.restore();
}

void TForm1::montreConseil(const QString& texte)
{
    // As every hint: up to the frame, which writes it in its status bar.
    QStatusTipEvent tip(texte);
    QApplication::sendEvent(paintBox_, &tip);
}

void TForm1::montreBulle(const QString& texte, int X, int Y)
{
    if (texte.isEmpty() || !etatFenetres().MontrerBulles)
        return;
    labelInfo_->setText(texte);
    labelInfo_->adjustSize();
    const QRect place(QPoint(X + 10, Y), labelInfo_->size());
    if (!paintBox_->rect().contains(place))
        return;
    labelInfo_->move(paintBox_->mapTo(this, place.topLeft()));
    labelInfo_->show();
    labelInfo_->raise();
}

// ---------------------------------------------------------------------------------------
// Mouse modes of the Infos and Actions menus

bool TForm1::etaitCoche(QAction* emetteur, const char* nom) const
{
    if (emetteur && emetteur->isCheckable())
        return !emetteur->isChecked();
    QAction* a = action(QString::fromLatin1(nom));
    return a && a->isChecked();
}

void TForm1::fixeCoche(const char* nom, bool coche)
{
    if (QAction* a = action(QString::fromLatin1(nom)))
        a->setChecked(coche);
}

ModeSourisFenetre TForm1::modeRepris() const
{
    if (modeSaisie_ == SourisPointParPoint)
        return SourisPointParPoint;
    if (!cibleSouris_.isEmpty())
        for (const auto& [mode, article] : {std::pair{SourisPrimitive, "Primitive1"}, std::pair{SourisTangente, "Tangentes1"}})
            if (QAction* a = action(QString::fromLatin1(article)); a && a->isChecked())
                return mode;
    return SourisRepos;
}

void TForm1::finitAutresModes(ModeSourisFenetre garde)
{
    if (garde != SourisZoom)
        fixeCoche("Manuel1", false);
    if (garde != SourisDistance)
        fixeCoche("Distance1", false);
    if (modeSaisie_ != SourisRepos && modeSaisie_ != garde)
        termineSaisie();
    if (ModeSouris == SourisPointEdite && !etatSouris().DeplacementEnCours && garde != SourisPointEdite)
        clicPointEdite();
    if (ModeSouris == garde)
        return;
    switch (ModeSouris) {
    case SourisPrimitive:
    case SourisTangente:
        fixeCoche(ModeSouris == SourisPrimitive ? "Primitive1" : "Tangentes1", false);
        cibleSouris_.clear();
        [[fallthrough]];
    case SourisZoom:
    case SourisDistance:
    case SourisCoordonnees:
    case SourisTexte:
        ModeSouris = SourisRepos;
        paintBox_->unsetCursor();
        montreSurcouche();
        break;
    default:
        break;
    }
}

void TForm1::Coordonnes1Click(QAction*)
{
    finitAutresModes(SourisCoordonnees);
    paintBox_->setCursor(curseurProgramme(1));
    ModeSouris = SourisCoordonnees;
    pointPrecedent_ = pointSouris_ = QPoint(-16, -16);
}

void TForm1::Distance1Click(QAction*)
{
    finitAutresModes(SourisDistance);
    paintBox_->setCursor(curseurProgramme(1));
    fixeCoche("Distance1", true);
}

void TForm1::Primitive1Click(QAction* emetteur)
{
    const bool etait = etaitCoche(emetteur, "Primitive1");
    fixeCoche("Primitive1", etait);
    basculeModeCourbe(SourisPrimitive, "Primitive1", QString::fromLatin1(LettresCourbes));
}

void TForm1::Tangentes1Click(QAction* emetteur)
{
    const bool etait = etaitCoche(emetteur, "Tangentes1");
    fixeCoche("Tangentes1", etait);
    basculeModeCourbe(SourisTangente, "Tangentes1", QStringLiteral("Y"));
}

void TForm1::basculeModeCourbe(ModeSourisFenetre mode, const char* article, const QString& lettres)
{
    if (etatGraphe().CompteurCourbes <= 1) {
        interlocuteur().message(QStringLiteral("Non disponible : aucune courbe tracée!"));
        ModeSouris = SourisRepos;
        fixeCoche(article, false);
        return;
    }
    if (ModeSouris == mode) {
        ModeSouris = SourisRepos;
        cibleSouris_.clear();
        fixeCoche(article, false);
        paintBox_->unsetCursor();
        return;
    }
    PtrCourbe c = dessin_->ChoisitCourbe(lettres);
    if (!c)
        return;
    // Each window keeps the curve of its own mode, by identifier.
    finitAutresModes(mode);
    CourbeCourante() = c;
    cibleSouris_ = c->Identifiant;
    ModeSouris = mode;
    fixeCoche(article, true);
}

// ---------------------------------------------------------------------------------------
// Graphic input

void TForm1::Pointparpoint1Click(QAction*)
{
    basculeSaisie(SourisPointParPoint, "Pointparpoint1");
}

void TForm1::Lignebrise1Click(QAction*)
{
    basculeSaisie(SourisLigneBrisee, "Lignebrise1");
}

void TForm1::Mainleve1Click(QAction*)
{
    basculeSaisie(SourisMainLevee, "Mainleve1");
}

void TForm1::basculeSaisie(ModeSourisFenetre mode, const char* article)
{
    if (modeSaisie_ == mode) {
        termineSaisie();
        return;
    }
    // One mode at a time: an input that is on ends first, making its curve.
    finitAutresModes(mode);
    modeSaisie_ = mode;
    ModeSouris = mode;
    fixeCoche(article, true);
    LignesSaisie.clear();
    EtatFenetres& e = etatFenetres();
    if (mode == SourisPointParPoint)
        expliqueMode(e.MontrerAidePoint, "PtMess.txt");
    else if (mode == SourisLigneBrisee)
        expliqueMode(e.MontrerAideLigne, "LgnBrMess.txt");
    else
        expliqueMode(e.MontrerAideMainLevee, "MLMess.txt");
}

void TForm1::expliqueMode(bool& montrer, const char* fichier)
{
    if (montrer)
        montrer = AfficheFichierTexte(this, QString::fromLatin1(fichier));
}

void TForm1::termineSaisie()
{
    if (modeSaisie_ == SourisRepos)
        return;
    const char* article = modeSaisie_ == SourisPointParPoint ? "Pointparpoint1"
                          : modeSaisie_ == SourisLigneBrisee ? "Lignebrise1"
                                                             : "Mainleve1";
    modeSaisie_ = SourisRepos;
    ModeSouris = SourisRepos;
    etatSouris().DeplacementEnCours = false;
    fixeCoche(article, false);
    const QStringList lignes = LignesSaisie;
    LignesSaisie.clear();
    paintBox_->update();
    if (!std::any_of(lignes.begin(), lignes.end(), [](const QString& l) { return l != QLatin1String("/"); }))
        return;
    // The points go to a file of their own in the working folder, which the new list reads.
    const int numero = nouveauNumero();
    const QString chemin = QDir(dossierTravail()).filePath(QStringLiteral("SansNom%1.txt").arg(numero));
    const EcritureTexte ecrit = EcritFichierTexte(chemin, lignes);
    if (!ecrit.ok) {
        interlocuteur().message(ecrit.erreur);
        return;
    }
    auto c = std::make_shared<GCCourbe>(QLatin1Char('L'), numero_, numero);
    c->NouvelIdentifiant();
    c->Libelle1 = chemin;
    c->Epaisseur = 1;
    c->Marqueur.Couleur = RVB(0, 0, 255);
    c->Marqueur.TypePoint = 4;
    c->Marqueur.Epaisseur = 1;
    dessin_->AjouteCourbe(c);
    c->Journalise();
}

// ---------------------------------------------------------------------------------------
// Constructions through a point

bool TForm1::PrimitiveParPoint(double x, double y)
{
    PtrCourbe mere = courbeDuMode();
    if (!mere)
        return false;
    auto c = std::make_shared<GCOperUnaire>(QLatin1Char('Q'), 53, numero_, nouveauNumero());
    c->NouvelIdentifiant();
    c->CopieMere(*mere);
    c->ParametresOperation[0] = exact(x);
    c->ParametresOperation[1] = exact(y);
    c->Libelle1 = QStringLiteral("Primitive de ") + mere->Nom;
    // The initial condition computed as clicked, shown in the number format.
    const auto montre = [](double v) { return QString::fromStdString(ReelVersTexte(v)); };
    c->Libelle2 = QStringLiteral("CI = (") + montre(x) + QLatin1Char(',') + montre(y) + QLatin1Char(')');
    dessin_->AjouteCourbe(c);
    c->Journalise();
    paintBox_->update();
    return true;
}

bool TForm1::CourbeIntegraleParPoint(double x, double y)
{
    PtrCourbe mere = courbeDuMode();
    if (!mere)
        return false;
    const int numero = nouveauNumero();
    PtrCourbe c = CloneCourbe(*mere, numero, numero_);
    auto* h = dynamic_cast<GCRS*>(c.get());
    if (!h)
        return false;
    c->Nom = QStringLiteral("fn") + QString::number(numero);
    h->FixeBornes(exact(x), exact(y));
    dessin_->AjouteCourbe(c);
    c->Journalise();
    paintBox_->update();
    return true;
}

bool TForm1::TangenteParPoint(const QString& abscisse, int code)
{
    PtrCourbe mere = courbeDuMode();
    auto* m = dynamic_cast<GCY*>(mere.get());
    if (!m)
        return false;
    auto c = std::make_shared<GCOperUnaire>(QLatin1Char('Q'), code, numero_, nouveauNumero());
    c->NouvelIdentifiant();
    // The mother's parameters, a9 included: a construction at a given abscissa needs no
    // other value of it.
    c->CopieMere(*mere);
    c->FixeParametre(9, mere->Parametre(9));
    c->ParametresOperation[0] = abscisse;
    c->ParametresOperation[1] = QStringLiteral("0");
    c->CreeFilles(*mere);
    if (code == 56) {
        c->Joint = false;
        c->Marqueur.TypePoint = 4;
        c->Marqueur.Epaisseur = 1;
    }
    // The construction computes when the mother does at that abscissa.
    m->EvalueParametres();
    const double t = EvalueTexte(abscisse.toStdString());
    double x = t, y = 0;
    if (!ErreurCalcul())
        m->Evalue(t, x, y);
    if (ErreurCalcul() || !std::isfinite(y)) {
        interlocuteur().message(QStringLiteral("Calcul et tracé impossibles!"));
        return false;
    }
    static const QHash<int, QString> debuts = {{43, QStringLiteral("Tangente à ")},
                                               {54, QStringLiteral("Normale à ")},
                                               {55, QStringLiteral("Cercle de courbure relatif à ")},
                                               {56, QStringLiteral("Centre de courbure relatif à ")}};
    c->Epaisseur = 1;
    c->Libelle1 = debuts.value(code) + mere->Nom;
    double xmin, xmax, ymax, ymin;
    repere_->GetBornes(xmin, xmax, ymax, ymin);
    QString pas, a, b;
    c->Bornes(a, b, pas);
    c->FixeBornes(exact(xmin), exact(xmax), pas);
    c->Journalise();
    dessin_->AjouteCourbe(c);
    paintBox_->update();
    return true;
}
