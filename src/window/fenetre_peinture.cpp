// The graph window: painting (auxiliary functions compiled, frame, areas, curves, texts).
#include "window/fenetre.h"
#include "window/fenetre_interne.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QTimer>
#include <optional>

#include "dialogs/progression.h"
#include "graph/base/etatgraphe.h"
#include "graph/repere/GCRepere.h"
#include "graph/textes/GCTexte.h"

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
    explicit SuiviAires(QWidget* parent)
        : parent_(parent), ancien_(etatGraphe().suivi), boite_(parent, QStringLiteral("ProgressionAires"),
                                                               QStringLiteral("Calcul des aires"))
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
        return boite_.montre(faites, total, QStringLiteral("Lignes calculées : %1 sur %2\n(Échap pour interrompre le calcul)")
                                                .arg(faites)
                                                .arg(total));
    }

private:
    QWidget* parent_;
    SuiviCalcul* ancien_;
    QElapsedTimer chrono_;
    BoiteProgression boite_;
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

void TForm1::termineAires()
{
    // After a paint that stopped a long computation: the areas again, with their progress.
    if (enPeinture_ || CoucheFond().isNull())
        return;
    PeintureSuspendue suspendue(enPeinture_);
    FileMessages file(*interPeinture_);
    CurseurAttente attente;
    {
        SuiviAires suivi(paintBox_);
        document_->CalculeAires(CoucheFond().size());
    }
    retiensMessages();
    paintBox_->update();
}

void TForm1::CompileFonctionsAux()
{
    document_->CompileFonctionsAux();
}

void TForm1::PaintBoxPaint(QPainter& peintre)
{
    emit videAvertissements();
    bool interrompu = false;
    {
        const int mode = ModeFond();
        std::optional<CurseurAttente> attente;
        if ((mode == 1 || mode == 2) && AiresARecalculer)
            attente.emplace();
        // Inside a paint an area computation stops after a moment; it is taken up after.
        SuiviAires suivi(nullptr);
        interrompu = document_->Dessine(peintre, paintBox_->size());
    }
    repere_->GetUnitesParPixel(UniteX, UniteY);
    if (interrompu)
        QTimer::singleShot(0, this, &TForm1::termineAires);
}

void TForm1::peintBoite(QPainter& peintre, const QRect& zone)
{
    const QSize taille = paintBox_->size();
    const bool surcoucheSeule = surcoucheSeule_;
    surcoucheSeule_ = false;
    if (enPeinture_ || ((afficheTampon_ || surcoucheSeule) && affichage_.size() == taille)) {
        // A paint asked while the window renders, a rendering just made through the back
        // buffer (DessineTampon), or only the mouse's overlay moved: show what is there.
        afficheTampon_ = false;
        peintre.drawImage(zone, affichage_, zone);
        dessineSurcouche(peintre);
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
    dessineSurcouche(peintre);
    enPeinture_ = false;
    signaleEtatMenusDiffere();
}

void TForm1::DessineTampon(int garde)
{
    const QSize taille = paintBox_->size().expandedTo(QSize(1, 1));
    FileMessages file(*interPeinture_);
    if (tampon_.size() != taille) {
        QImage nouveau(taille, QImage::Format_RGB32);
        nouveau.fill(couleurFond());
        if (garde >= 1 && !tampon_.isNull()) {
            QPainter p(&nouveau);
            p.drawImage(0, 0, tampon_);
        }
        tampon_ = nouveau;
    }
    {
        // The areas are computed again, with their progress: the paints that its events
        // bring show the last picture.
        std::optional<CurseurAttente> attente;
        if (!Aires().Vide())
            attente.emplace();
        PeintureSuspendue suspendue(enPeinture_);
        SuiviAires suivi(paintBox_);
        QPainter p(&tampon_);
        OptionsDessin options;
        options.mode = OptionsDessin::Tampon;
        options.garde = garde >= 1;
        options.textes = false;
        document_->Dessine(p, taille, options);
    }
    repere_->GetUnitesParPixel(UniteX, UniteY);
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
        Edition1Click();
        emit etatMenusChange();
    });
}
