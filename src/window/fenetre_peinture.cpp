// The graph window: painting (auxiliary functions compiled, frame, areas, curves, texts).
#include "window/fenetre.h"
#include "window/fenetre_courbes.h"
#include "window/fenetre_interne.h"

#include <QAction>
#include <QHash>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QPointer>
#include <QProgressDialog>
#include <QElapsedTimer>
#include <QResizeEvent>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/fiches.h"
#include "expression/etat.h"
#include "expression/fonction.h"
#include "graph/aires/GCAire.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/repere/GCRepere.h"
#include "graph/textes/GCTexte.h"
#include "graph/base/etatgraphe.h"
#include "graph/fichiers/ini.h"
#include "window/provisoire.h"

// ---------------------------------------------------------------------------------------
// Painting

namespace {

// How long areas may be computed inside a paint; a longer computation is taken up again
// after the paint, where it can show its progress and be stopped.
constexpr qint64 DureeCalculEnPeinture = 300;  // ms
// How long a computation outside a paint runs before its progress box shows.
constexpr qint64 DureeAvantProgression = 250;  // ms

// Follows the area computations of a window. Inside a paint (no parent): stops them once the
// paint has spent its time. Outside: shows the rows done in a progress box, in which Échap
// (or its button) stops them.
class SuiviAires : public SuiviCalcul {
public:
    explicit SuiviAires(QWidget* parent) : parent_(parent), ancien_(etatGraphe().suivi)
    {
        etatGraphe().suivi = this;
        chrono_.start();
    }
    ~SuiviAires() override { etatGraphe().suivi = ancien_; }
    SuiviAires(const SuiviAires&) = delete;
    SuiviAires& operator=(const SuiviAires&) = delete;

    bool continuer(int faites, int total) override
    {
        if (!parent_)
            return chrono_.elapsed() < DureeCalculEnPeinture;
        if (chrono_.elapsed() < DureeAvantProgression)
            return true;
        if (!progres_) {
            progres_ = std::make_unique<QProgressDialog>(parent_);
            progres_->setObjectName(QStringLiteral("ProgressionAires"));
            progres_->setWindowTitle(QStringLiteral("Calcul des aires"));
            progres_->setCancelButtonText(QStringLiteral("Interrompre"));
            progres_->setWindowModality(Qt::ApplicationModal);
            progres_->setMinimumDuration(0);
            // Échap closes the box: that stops the computation as its button does.
            QObject::connect(progres_.get(), &QDialog::rejected, progres_.get(), &QProgressDialog::cancel);
            progres_->show();
        }
        progres_->setMaximum(total);
        progres_->setLabelText(QStringLiteral("Lignes calculées : %1 sur %2\n(Échap pour interrompre le calcul)")
                                   .arg(faites)
                                   .arg(total));
        progres_->setValue(faites);
        // The box is modal: only its own events and the paints of the windows come through.
        QCoreApplication::processEvents();
        return !progres_->wasCanceled();
    }

private:
    QWidget* parent_;
    SuiviCalcul* ancien_;
    QElapsedTimer chrono_;
    std::unique_ptr<QProgressDialog> progres_;
};

// While areas are computed with a progress box, the paints that its events bring show the
// last picture as it is: nothing may be evaluated while the scan's threads run.
class PeintureSuspendue {
public:
    explicit PeintureSuspendue(bool& enPeinture) : enPeinture_(enPeinture), ancien_(enPeinture) { enPeinture_ = true; }
    ~PeintureSuspendue() { enPeinture_ = ancien_; }

private:
    bool& enPeinture_;
    bool ancien_;
};

}  // namespace

bool TForm1::calculeAires(int largeur, int hauteur, bool dansPeinture)
{
    {
        SuiviAires suivi(dansPeinture ? nullptr : paintBox_);
        rendCoucheFond(largeur, hauteur, true);
    }
    for (const auto& a : aires_->Aires)
        if (a->Visible() && a->Interrompu())
            return true;
    return false;
}

void TForm1::termineAires()
{
    // After a paint that stopped a long computation: the areas again, with their progress.
    if (enPeinture_ || coucheFond_.isNull())
        return;
    PeintureSuspendue suspendue(enPeinture_);
    FileMessages file(*interPeinture_);
    CurseurAttente attente;
    calculeAires(coucheFond_.width(), coucheFond_.height(), false);
    retiensMessages();
    paintBox_->update();
}

void TForm1::CompileFonctionsAux()
{
    ContexteCalcul& contexte = contexteCalcul();
    contexte.YEstVariable = false;
    for (int i = 0; i < NbFonctionsAux; ++i) {
        const QString& texte = fonctionsAux_[std::size_t(i)];
        if (!definitFonctionAuxiliaire(i, texte.trimmed().toStdString()))
            interlocuteur().message(QStringLiteral("La fonction auxiliaire f%1 n'a pas pu être compilée!").arg(i));
    }
    contexte.YEstVariable = true;
}

void TForm1::rendCoucheFond(int largeur, int hauteur, bool calcule)
{
    // The window's colour, the background picture (kept in the area mode too), then the
    // areas: computed again on the frame, or only composed from their last bitmaps.
    const TCouleur fond = DeQColor(couleurFond_);
    if (calcule)
        aires_->CalculeTout(*repere_, coucheFond_, fond, ImageFond, EtireImage);
    else
        aires_->Dessine(coucheFond_, QSize(largeur, hauteur), fond, ImageFond, EtireImage);
    if (coucheFond_.size() != QSize(largeur, hauteur)) {
        QImage couche(largeur, hauteur, QImage::Format_RGB32);
        couche.fill(couleurFond_);
        QPainter p(&couche);
        p.drawImage(0, 0, coucheFond_);
        coucheFond_ = couche;
    }
}

void TForm1::dessineFond(QPainter& peintre, int largeur, int hauteur)
{
    if (modeFond_ == 1 || modeFond_ == 2) {
        if (AiresARecalculer) {
            AiresARecalculer = false;
            CurseurAttente attente;
            if (calculeAires(largeur, hauteur, true))
                QTimer::singleShot(0, this, &TForm1::termineAires);
        } else if (coucheFond_.size() != QSize(largeur, hauteur)) {
            rendCoucheFond(largeur, hauteur, false);
        }
        peintre.drawImage(0, 0, coucheFond_);
    } else {
        peintre.fillRect(0, 0, largeur, hauteur, couleurFond_);
    }
}

void TForm1::PaintBoxPaint(QPainter& peintre)
{
    const int largeur = std::max(1, paintBox_->width());
    const int hauteur = std::max(1, paintBox_->height());
    emit videAvertissements();
    CompileFonctionsAux();
    repere_->VideCellules();
    repere_->FixeTaille(largeur, hauteur);
    repere_->GetUnitesParPixel(UniteX, UniteY);
    dessineFond(peintre, largeur, hauteur);
    dessin_->Dessine(peintre, *repere_);
    textes_->Dessine(*repere_, peintre);
}

void TForm1::peintBoite(QPainter& peintre, const QRect& zone)
{
    const QSize taille = paintBox_->size();
    if (enPeinture_ || (afficheTampon_ && affichage_.size() == taille)) {
        // A paint asked while the window renders, or a rendering just made through the back
        // buffer (DessineTampon): show what is there.
        afficheTampon_ = false;
        peintre.drawImage(zone, affichage_, zone);
        return;
    }
    enPeinture_ = true;
    if (affichage_.size() != taille)
        affichage_ = QImage(taille.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    {
        FileMessages file(*interPeinture_);
        QPainter p(&affichage_);
        p.setRenderHint(QPainter::Antialiasing, false);
        PaintBoxPaint(p);
        p.end();
        retiensMessages();
    }
    ++peintures_;
    peintre.drawImage(zone, affichage_, zone);
    enPeinture_ = false;
    signaleEtatMenusDiffere();
}

void TForm1::DessineTampon(int garde)
{
    const int largeur = std::max(1, paintBox_->width());
    const int hauteur = std::max(1, paintBox_->height());
    FileMessages file(*interPeinture_);
    CompileFonctionsAux();
    repere_->VideCellules();
    repere_->FixeTaille(largeur, hauteur);
    repere_->GetUnitesParPixel(UniteX, UniteY);
    if (tampon_.size() != QSize(largeur, hauteur)) {
        QImage nouveau(largeur, hauteur, QImage::Format_RGB32);
        nouveau.fill(couleurFond_);
        if (garde >= 1 && !tampon_.isNull()) {
            QPainter p(&nouveau);
            p.drawImage(0, 0, tampon_);
        }
        tampon_ = nouveau;
    }
    {
        QPainter p(&tampon_);
        if (garde < 1) {
            p.fillRect(0, 0, largeur, hauteur, couleurFond_);
            if (modeFond_ == 1 && !ImageFond.isNull()) {
                if (EtireImage)
                    p.drawImage(QRect(0, 0, largeur, hauteur), ImageFond);
                else
                    p.drawImage((largeur - ImageFond.width()) / 2, (hauteur - ImageFond.height()) / 2,
                                ImageFond);
            }
        }
        if (!aires_->Vide()) {
            // The areas over what is there: on a fresh buffer the whole composition (colour,
            // picture, areas); over a kept one only the areas' own pixels.
            CurseurAttente attente;
            PeintureSuspendue suspendue(enPeinture_);
            SuiviAires suivi(paintBox_);
            const TCouleur fond = DeQColor(couleurFond_);
            QImage couche;
            if (garde < 1) {
                aires_->CalculeTout(*repere_, couche, fond, modeFond_ == 1 ? ImageFond : QImage(), EtireImage);
                p.drawImage(0, 0, couche);
            } else {
                aires_->CalculeTout(*repere_, couche, fond);
                const QRgb f = couleurFond_.rgb() | 0xFF000000u;
                const int l = std::min(largeur, couche.width()), h = std::min(hauteur, couche.height());
                p.end();
                for (int y = 0; y < h; ++y) {
                    const auto* s = reinterpret_cast<const QRgb*>(couche.constScanLine(y));
                    auto* d = reinterpret_cast<QRgb*>(tampon_.scanLine(y));
                    for (int x = 0; x < l; ++x)
                        if ((s[x] | 0xFF000000u) != f)
                            d[x] = s[x];
                }
                p.begin(&tampon_);
            }
        }
        // PROVISOIRE: the plates are drawn here once their list exists.
        dessin_->Dessine(p, *repere_);
    }
    affichage_ = tampon_.copy();
    {
        QPainter p(&affichage_);
        textes_->Dessine(*repere_, p);
    }
    retiensMessages();
    ++peintures_;
    afficheTampon_ = true;
    paintBox_->update();
}

void TForm1::retiensMessages()
{
    // A message shown earlier that this rendering no longer raises is forgotten, so that it
    // is shown again if its cause comes back.
    const QStringList& leves = interPeinture_->leves;
    QSet<QString> encore;
    for (const QString& t : leves)
        if (messagesMontres_.contains(t))
            encore.insert(t);
    messagesMontres_ = encore;
    for (const QString& t : leves)
        if (!messagesMontres_.contains(t) && !messagesEnAttente_.contains(t))
            messagesEnAttente_.append(t);
    if (!messagesEnAttente_.isEmpty() && !messagesPrevus_) {
        messagesPrevus_ = true;
        QTimer::singleShot(0, this, &TForm1::montreMessagesDiffere);
    }
}

void TForm1::montreMessagesDiffere()
{
    messagesPrevus_ = false;
    const QStringList attente = messagesEnAttente_;
    messagesEnAttente_.clear();
    for (const QString& t : attente) {
        if (messagesMontres_.contains(t))
            continue;
        messagesMontres_.insert(t);
        interlocuteur().message(t);
    }
}

void TForm1::oublieMessages()
{
    messagesMontres_.clear();
}

void TForm1::signaleEtatMenusDiffere()
{
    if (etatMenusPrevu_)
        return;
    etatMenusPrevu_ = true;
    QTimer::singleShot(0, this, [this] {
        etatMenusPrevu_ = false;
        emit etatMenusChange();
    });
}
