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

// How long a long computation (area scans, curve traces) may run inside a paint; a longer one
// is stopped and taken up again after the paint, where it can show its progress and be
// stopped.
constexpr qint64 DureeCalculEnPeinture = 300;  // ms
// How long a computation outside a paint runs before its progress box shows.
constexpr qint64 DureeAvantProgression = 250;  // ms

// Follows the area computations and the curve traces of a window. Inside a paint (no
// parent): stops them once the paint has spent its time. Outside: shows what is done in a
// progress box, in which Échap (or its button) stops them, and the window the picture as it
// is drawn.
class SuiviCalculs : public SuiviCalcul {
public:
    explicit SuiviCalculs(QWidget* parent)
        : parent_(parent), ancien_(etatGraphe().suivi),
          boite_(parent, QStringLiteral("ProgressionCalcul"), QStringLiteral("Calcul des aires"))
    {
        etatGraphe().suivi = this;
        chrono_.start();
    }
    ~SuiviCalculs() override { etatGraphe().suivi = ancien_; }
    SuiviCalculs(const SuiviCalculs&) = delete;
    SuiviCalculs& operator=(const SuiviCalculs&) = delete;

    bool continuer(int faites, int total) override
    {
        return suit(QStringLiteral("Calcul des aires"),
                    QStringLiteral("Lignes calculées : %1 sur %2").arg(faites).arg(total), faites, total);
    }
    bool continuerTrace(const QString& nomCourbe, long long points) override
    {
        // How many points there will be is not known: the bar only shows the work goes on.
        return suit(QStringLiteral("Tracé des courbes"),
                    QStringLiteral("Courbe %1 : %2 points calculés").arg(nomCourbe).arg(points), 0, 0);
    }

private:
    bool suit(const QString& titre, const QString& texte, int faites, int total)
    {
        if (!parent_)
            return chrono_.elapsed() < DureeCalculEnPeinture;
        if (chrono_.elapsed() < DureeAvantProgression)
            return true;
        boite_.FixeTitre(titre);
        // What is drawn so far (the window's paints show its picture as it stands).
        parent_->update();
        return boite_.montre(faites, total, texte + QStringLiteral("\n(Échap pour interrompre le calcul)"));
    }

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

void TForm1::termineCalculs()
{
    // After a paint that stopped a long computation.
    if (enPeinture_)
        return;
    PeintureSuspendue suspendue(enPeinture_);
    FileMessages file(*interPeinture_);
    CurseurAttente attente;
    bool airesInterrompues = false;
    for (const auto& a : Aires().Aires)
        airesInterrompues = airesInterrompues || (a->Visible() && a->Interrompu());
    if (airesInterrompues && !CoucheFond().isNull()) {
        SuiviCalculs suivi(paintBox_);
        document_->CalculeAires(CoucheFond().size());
    }
    // The whole picture again, drawn where the window shows it: what a stop leaves is what
    // was drawn until then.
    {
        const QSize taille = paintBox_->size();
        if (affichage_.size() != taille)
            affichage_ = QImage(taille.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        SuiviCalculs suivi(paintBox_);
        emit videAvertissements();
        QPainter p(&affichage_);
        p.setRenderHint(QPainter::Antialiasing, false);
        document_->Dessine(p, taille);
        repere_->GetUnitesParPixel(UniteX, UniteY);
    }
    retiensMessages();
    ++peintures_;
    afficheTampon_ = true;
    paintBox_->update();
    signaleEtatMenusDiffere();
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
        // Inside a paint a long computation stops after a moment; it is taken up after.
        SuiviCalculs suivi(nullptr);
        interrompu = document_->Dessine(peintre, paintBox_->size());
    }
    repere_->GetUnitesParPixel(UniteX, UniteY);
    if (interrompu)
        QTimer::singleShot(0, this, &TForm1::termineCalculs);
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
        SuiviCalculs suivi(paintBox_);
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
