#include "graph/aires/balayage.h"

#include <algorithm>
#include <cmath>
#include <atomic>
#include <chrono>
#include <thread>

#include "expression/etat.h"
#include "graph/aires/GCAire.h"
#include "graph/base/equipe.h"
#include "graph/base/etatgraphe.h"
#include "graph/repere/GCRepere.h"

namespace {

using Horloge = std::chrono::steady_clock;
constexpr auto IntervalleSuivi = std::chrono::milliseconds(40);

// The stop flag of the scan that the calling thread is running a row of.
thread_local const std::atomic<bool>* arretCourant = nullptr;

class ArretCourant {
public:
    explicit ArretCourant(const std::atomic<bool>* arret) : ancien_(arretCourant) { arretCourant = arret; }
    ~ArretCourant() { arretCourant = ancien_; }

private:
    const std::atomic<bool>* ancien_;
};

bool continuer(int faites, int total)
{
    SuiviCalcul* suivi = etatGraphe().suivi;
    return !suivi || suivi->continuer(faites, total);
}

// The largest bitmap an area may take (pixels): far above any window or printed page.
constexpr qint64 PixelsMaxBitmap = 120'000'000;

}  // namespace

QImage BitmapDeBalayage(const GrillePixels& grille, QImage::Format format, int numero, const QString& nom)
{
    const QSize taille = grille.tailleBitmap();
    if (qint64(taille.width()) * taille.height() > PixelsMaxBitmap) {
        interlocuteur().avertit(QStringLiteral("Aire n°%1 (%2) : la fenêtre est trop grande pour calculer l'aire.")
                                    .arg(numero).arg(nom));
        return {};
    }
    QImage image(taille, format);
    if (image.isNull()) {
        interlocuteur().avertit(QStringLiteral("Aire n°%1 (%2) : mémoire insuffisante pour calculer l'aire.")
                                    .arg(numero).arg(nom));
        return {};
    }
    image.fill(0);
    return image;
}

int FilsPourBalayage(double travail)
{
    if (!(travail >= 20000))
        return 0;
    return std::clamp(int(std::thread::hardware_concurrency()), 1, std::max(1, FilsBalayageMax()));
}

bool ArretBalayage()
{
    return arretCourant && arretCourant->load(std::memory_order_relaxed);
}

bool BalaieLignes(int nbLignes, int fils, const std::function<void(int ligne)>& ligne)
{
    if (nbLignes <= 0)
        return true;
    if (DansLEquipe()) {
        // A scan inside a row of another one: its rows in order on this thread, stopped with
        // the scan that runs it.
        for (int r = 0; r < nbLignes; ++r) {
            if (ArretBalayage())
                return false;
            ligne(r);
        }
        return true;
    }
    std::atomic<bool> arret{false};
    auto prochainSuivi = Horloge::now() + IntervalleSuivi;

    if (fils > 0)
        fils = std::min({fils, nbLignes, FilsDeLEquipe()});
    if (fils <= 0) {
        ArretCourant garde(&arret);
        for (int r = 0; r < nbLignes; ++r) {
            if (Horloge::now() >= prochainSuivi) {
                if (!continuer(r, nbLignes))
                    return false;
                prochainSuivi = Horloge::now() + IntervalleSuivi;
            }
            ligne(r);
        }
        return true;
    }

    std::atomic<int> suivante{0}, faites{0};
    const std::function<void()> travail = [&] {
        ArretCourant garde(&arret);
        for (;;) {
            const int r = suivante.fetch_add(1, std::memory_order_relaxed);
            if (r >= nbLignes || arret.load(std::memory_order_relaxed))
                break;
            try {
                ligne(r);
            } catch (...) {
                // Out of memory in a row: the scan stops there.
                arret.store(true, std::memory_order_relaxed);
                break;
            }
            faites.fetch_add(1, std::memory_order_release);
        }
    };
    TravailPartage partage(fils, travail);
    while (!partage.attendJusqua(prochainSuivi)) {
        if (!continuer(faites.load(std::memory_order_acquire), nbLignes)) {
            // The rows under way end first (the work is withdrawn from the others).
            arret.store(true, std::memory_order_relaxed);
            return false;
        }
        prochainSuivi = Horloge::now() + IntervalleSuivi;
    }
    return faites.load(std::memory_order_acquire) == nbLignes;
}

// ---------------------------------------------------------------------------------------

GrillePixels::GrillePixels(const GCRepere& repere) : carte_(repere.correspondance())
{
    const QPoint origine = repere.GetOrigine();
    int w = 0, h = 0;
    repere.GetTailleTrace(w, h);
    c0 = std::max(origine.x() + 1, 0);
    r0 = std::max(origine.y() + 1, 0);
    c1 = origine.x() + 1 + w;
    r1 = origine.y() + 1 + h;
    int tx = EchelleArith, ty = EchelleArith;
    repere.GetTypesEchelle(tx, ty);
    separable_ = tx != EchelleProj && ty != EchelleProj;
    if (!separable_ || c1 < c0 || r1 < r0)
        return;
    x_.resize(std::size_t(colonnes()));
    y_.resize(std::size_t(lignes()));
    double x, y;
    for (int c = c0; c <= c1; ++c)
        carte_.PixelVersMonde(c, r0, x_[std::size_t(c - c0)], y);
    for (int r = r0; r <= r1; ++r)
        carte_.PixelVersMonde(c0, r, x, y_[std::size_t(r - r0)]);
}

void GrillePixels::monde(int c, int r, double& x, double& y) const
{
    if (separable_ && c >= c0 && c <= c1 && r >= r0 && r <= r1) {
        x = x_[std::size_t(c - c0)];
        y = y_[std::size_t(r - r0)];
    } else {
        carte_.PixelVersMonde(c, r, x, y);
    }
}

double GrillePixels::airePixel(int c, int r) const
{
    double x, y, xd, yd, xb, yb;
    monde(c, r, x, y);
    monde(c + 1, r, xd, yd);
    monde(c, r + 1, xb, yb);
    return std::fabs(xd - x) * std::fabs(y - yb);
}
