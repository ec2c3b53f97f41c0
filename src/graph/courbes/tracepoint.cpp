#include "graph/courbes/tracepoint.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "expression/etat.h"
#include "expression/formatage.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/repere/GCRepere.h"
#include "graph/base/etatgraphe.h"
#include "graph/fichiers/fichiertexte.h"
#include "graph/courbes/pointscourbe.h"

namespace {

// Most segments (or markers) gathered before they are drawn.
constexpr int LongueurLot = 8192;
// Records of the point cache kept before they are written: about a mebibyte, small enough
// to stay in the processor's caches between two writes (a block of the whole trace, tens of
// mebibytes, would be new memory at every trace, each page of it faulted in).
constexpr int TailleBlocPoints = (1 << 20) / TaillePointCourbe;

// How often a trace asks its follower whether to go on, and the bounds of the number of
// points between two readings of the clock.
constexpr auto IntervalleSuivi = std::chrono::milliseconds(40);
constexpr int PasSuiviMax = 1 << 16;

// A real delay proportional to the curve's Tempo (a bare loop would be optimised away).
void attente(int tempo)
{
    const auto fin = std::chrono::steady_clock::now() + std::chrono::microseconds(2 * tempo);
    while (std::chrono::steady_clock::now() < fin) {
    }
}

// A side file of lines. No lines: the file is emptied when it holds some, and not made when
// it is not there (its readers take a missing file as an empty one; a window of thousands of
// curves would otherwise make thousands of empty files at its first paint).
bool ecritLignes(const QString& chemin, const QStringList& lignes)
{
    if (lignes.isEmpty()) {
        const QFileInfo info(chemin);
        if (!info.exists() || (info.isFile() && info.size() == 0))
            return true;
        return RemplaceFichierTravail(chemin, QByteArray());
    }
    return RemplaceFichierTravail(chemin, EncodeLignes(lignes, PolitiqueEncodage::RepliUtf8));
}

}  // namespace

QString LigneAvertissementCalcul(const QString& nomCourbe)
{
    return QStringLiteral("-> Problème de calcul ! Consultez le fichier \"erreurs\" de la courbe ") + nomCourbe +
           QStringLiteral(" à l'aide du menu : Infos | Erreurs.");
}

// ---------------------------------------------------------------------------------------
// Hit index

void DessineFlechesCourbe(QPainter& peintre, const GCRepere& repere, const std::vector<PointCourbe>& p,
                          TCouleur couleur, int mode)
{
    if (p.size() < 2 || mode < 1 || mode > 3)
        return;
    const QPen stylo = peintre.pen();
    peintre.setPen(CreeStylo(couleur, 1, 0));
    auto pixel = [&](const PointCourbe& q) { return repere.MondeVersPixel(q.x, q.y); };
    if (mode == 2 || mode == 3)
        DessineFleche(peintre, pixel(p[0]), pixel(p[1]), couleur, 2);
    if (mode == 1 || mode == 3)
        DessineFleche(peintre, pixel(p[p.size() - 2]), pixel(p.back()), couleur, 1);
    peintre.setPen(stylo);
}

void IndexeSegment(GCRepere& repere, int numero, int x0, int y0, int x1, int y1)
{
    const std::int64_t gauche = repere.Gauche, droite = std::int64_t(repere.Gauche) + repere.LargeurTrace;
    const std::int64_t haut = repere.Haut, bas = std::int64_t(repere.Haut) + repere.HauteurTrace;
    const std::int64_t dx = std::int64_t(x1) - x0, dy = std::int64_t(y1) - y0;
    const bool xMajeur = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t M0 = xMajeur ? x0 : y0, m0 = xMajeur ? y0 : x0;
    const std::int64_t dM = xMajeur ? std::llabs(dx) : std::llabs(dy);
    const std::int64_t dm = xMajeur ? std::llabs(dy) : std::llabs(dx);
    const int sM = (xMajeur ? dx : dy) < 0 ? -1 : 1;
    const int sm = (xMajeur ? dy : dx) < 0 ? -1 : 1;
    const std::int64_t loM = xMajeur ? gauche : haut, hiM = xMajeur ? droite : bas;
    const std::int64_t lom = xMajeur ? haut : gauche, him = xMajeur ? bas : droite;

    int derniereC = -1, derniereR = -1;
    auto enregistre = [&](std::int64_t M, std::int64_t m) {
        const int px = int(xMajeur ? M : m), py = int(xMajeur ? m : M);
        int c, r;
        if (!repere.CelluleDePixel(px, py, c, r) || (c == derniereC && r == derniereR))
            return;
        derniereC = c;
        derniereR = r;
        repere.AjouteCellule(numero, px, py);
    };

    if (dM == 0) {
        if (M0 >= loM && M0 <= hiM && m0 >= lom && m0 <= him)
            enregistre(M0, m0);
        return;
    }
    // Pixel i of the walk: major M0 + sM i, minor m0 + sm q(i) with the error term started
    // at half the major extent: q(i) = (dM / 2 + i dm) div dM.
    const std::int64_t h = dM / 2;
    auto q = [&](std::int64_t i) { return (h + i * dm) / dM; };

    std::int64_t iA = sM > 0 ? loM - M0 : M0 - hiM;
    std::int64_t iB = sM > 0 ? hiM - M0 : M0 - loM;
    iA = std::max<std::int64_t>(iA, 0);
    iB = std::min<std::int64_t>(iB, dM);
    if (iA > iB)
        return;
    const std::int64_t qlo = sm > 0 ? lom - m0 : m0 - him;
    const std::int64_t qhi = sm > 0 ? him - m0 : m0 - lom;
    // First i with q(i) >= qlo, last i with q(i) <= qhi (q never decreases).
    std::int64_t a = iA, b = iB + 1;
    while (a < b) {
        const std::int64_t mil = a + (b - a) / 2;
        if (q(mil) >= qlo)
            b = mil;
        else
            a = mil + 1;
    }
    const std::int64_t i1 = a;
    a = iA - 1;
    b = iB;
    while (a < b) {
        const std::int64_t mil = b - (b - a) / 2;
        if (q(mil) <= qhi)
            a = mil;
        else
            b = mil - 1;
    }
    const std::int64_t i2 = a;
    for (std::int64_t i = i1; i <= i2; ++i)
        enregistre(M0 + sM * i, m0 + sm * q(i));
}

// ---------------------------------------------------------------------------------------
// Projection marks

void TraceHachure(QPainter& peintre, const GCRepere& repere, int px, int py, TCouleur couleur, int code)
{
    if (code < 1 || code > 6)
        return;
    const int ox = repere.PixelAxeY, oy = repere.PixelAxeX;
    if (code == 6) {
        peintre.drawLine(ox, oy, px, py);
        DessineFleche(peintre, QPoint(ox, oy), QPoint(px, py), couleur, 1);
        return;
    }
    {
        QPolygon p;
        p << QPoint(px, oy) << QPoint(px, py) << QPoint(ox, py);
        peintre.drawPolygon(p);
        QBrush brosse = peintre.brush();
        if (brosse.style() == Qt::NoBrush)
            brosse.setStyle(Qt::SolidPattern);
        brosse.setColor(VersQColor(couleur));
        peintre.setBrush(brosse);
    }
    auto chevron = [&](QPoint a, QPoint b, QPoint c) {
        const QPoint p[3] = {a, b, c};
        peintre.drawPolyline(p, 3);
    };
    // Chevrons 4 pixels wide either side and 6 deep, at the scale of the device.
    const int l = PixelsEchelle(4), f = PixelsEchelle(6), u = PixelsEchelle(1);
    auto verticalPoint = [&] {
        if (py + 1 >= oy)
            chevron({px + l, py - f}, {px, py - u}, {px - l, py - f});
        else
            chevron({px + l, py + f}, {px, py + u}, {px - l, py + f});
    };
    auto horizontalPoint = [&] {
        if (px + 1 >= ox)
            chevron({px - f, py + l}, {px - u, py}, {px - f, py - l});
        else
            chevron({px + f, py + l}, {px + u, py}, {px + f, py - l});
    };
    auto verticalPied = [&] {
        if (oy >= py + 1)
            chevron({px + l, oy - f}, {px, oy}, {px - l, oy - f});
        else
            chevron({px + l, oy + f}, {px, oy}, {px - l, oy + f});
    };
    auto horizontalPied = [&] {
        if (ox >= px + 1)
            chevron({ox - f, py + l}, {ox, py}, {ox - f, py - l});
        else
            chevron({ox + f, py + l}, {ox, py}, {ox + f, py - l});
    };
    switch (code) {
    case 1: verticalPoint(); horizontalPoint(); break;
    case 2: verticalPied(); horizontalPied(); break;
    case 3: verticalPoint(); horizontalPied(); break;
    case 4: verticalPied(); horizontalPoint(); break;
    default: break;
    }
}

// ---------------------------------------------------------------------------------------
// One trace

TraceurCourbe::TraceurCourbe(GCCourbe& courbe, QPainter& peintre, GCRepere& repere, bool avecFichiers)
    : courbe_(courbe), peintre_(peintre), repere_(repere), carte_(repere.correspondance()), avecFichiers_(avecFichiers)
{
    const QChar genre = courbe.TypeCourbe;
    visible_ = courbe.Visible;
    joint_ = courbe.Joint;
    batons_ = courbe.Batons && !GenreParmi(genre, "BLW");
    escalier_ = genre == QLatin1Char('N') && courbe.SousType >= 3;
    repriseAuBord_ = !escalier_;
    hachure_ = GenreParmi(genre, "DIJNOPQRSTUXY") && courbe.Hachure >= 1 && courbe.Hachure <= 6 ? courbe.Hachure : 0;
    tempo_ = std::max(0, courbe.Tempo);
    // A hidden curve is not offered to the mouse.
    indexe_ = visible_ && !etatGraphe().SansMemoPoints && !courbe.HorsIndex;
    lever_ = etatGraphe().LeverStyloHorsFenetre;
    marqueur_.CopiePoint(courbe.Marqueur);
    marqueur_.Nom = courbe.Marqueur.Nom;

    stylo_courbe_ = CreeStylo(courbe.Couleur, courbe.Epaisseur, courbe.Selectionne ? 2 : courbe.Style);
    styloInitial_ = peintre.pen();
    brosseInitiale_ = peintre.brush();

    const GCPoint& m = courbe.Marqueur;
    // Markers of one pixel are gathered like the segments when they are of the curve's
    // colour, or when the line is one pixel wide (the default black markers): the marker of a
    // point is then covered by the segment that starts from it and by nothing else.
    marquesUnies_ = !m.Visible || m.TypePoint > PointDemiCercle ||
                    (m.TypePoint == PointCercle && m.Epaisseur == 1 &&
                     (m.Couleur == courbe.Couleur || (courbe.Epaisseur <= 1 && !courbe.Selectionne)));
    const Qt::PenStyle style = stylo_courbe_.style();
    parLots_ = visible_ && !batons_ && hachure_ == 0 && tempo_ == 0 && marquesUnies_ &&
               (style == Qt::SolidLine || style == Qt::NoPen);
    if (marquesUnies_ && m.Visible && m.TypePoint == PointCercle)
        styloMarques_ = QPen(VersQColor(m.Couleur), EpaisseurEchelle(1));
    else
        styloMarques_ = QPen(Qt::NoPen);

    peintre_.setPen(stylo_courbe_);
    marqueurPrepare_ = marqueur_.Prepare(stylo_courbe_, brosseInitiale_, courbe.Couleur);
    if (avecFichiers_) {
        cheminPoints_ = courbe.CheminFichier(".pts");
        courbe.FichierPoints = cheminPoints_;
        // Replays (without files) draw from a cache and are not followed.
        suivi_ = etatGraphe().suivi;
        if (suivi_) {
            dernierSuivi_ = std::chrono::steady_clock::now();
            prochainSuivi_ = dernierSuivi_;
        }
    }
    // The toolkit's drawing may leave the vector registers in the state that slows every
    // computation of ours (and of the C library) down: cleared here and after each drawing.
    LibereRegistresVectoriels();
}

TraceurCourbe::~TraceurCourbe()
{
    if (!termine_) {
        // A trace left without its end (an exception): a point cache it has begun to write
        // over is completed with what was traced, never left half old, half new.
        if (fichierPoints_)
            ecritPoints();
        vide();
        peintre_.setPen(styloInitial_);
        peintre_.setBrush(brosseInitiale_);
    }
}

void TraceurCourbe::DesactiveLots()
{
    vide();
    parLots_ = false;
}

void TraceurCourbe::Reserve(long long nombre)
{
    if (!avecFichiers_ || nombre <= capaciteBloc_)
        return;
    const int capacite = int(std::min<long long>(nombre, TailleBlocPoints));
    auto bloc = std::make_unique_for_overwrite<unsigned char[]>(std::size_t(capacite) * TaillePointCourbe);
    if (nbBloc_ > 0)
        std::memcpy(bloc.get(), bloc_.get(), std::size_t(nbBloc_) * TaillePointCourbe);
    bloc_ = std::move(bloc);
    capaciteBloc_ = capacite;
}

void TraceurCourbe::ajouteEnregistrement(const PointCourbe& point)
{
    if (nbBloc_ == capaciteBloc_) {
        if (capaciteBloc_ < TailleBlocPoints)
            Reserve(std::max(64, 2 * capaciteBloc_));
        else
            videBloc();
    }
    EncodePointCourbe(bloc_.get() + std::size_t(nbBloc_) * TaillePointCourbe, point);
    ++nbBloc_;
    if (nbEnregistrements_ < 2)
        premiers_[nbEnregistrements_] = point;
    derniers_[0] = derniers_[1];
    derniers_[1] = point;
    ++nbEnregistrements_;
}

void TraceurCourbe::videBloc()
{
    const qint64 taille = qint64(nbBloc_) * TaillePointCourbe;
    nbBloc_ = 0;
    if (echecPoints_ || taille == 0)
        return;
    if (!fichierPoints_) {
        // Opened without emptying it: see RemplaceFichierTravail.
        fichierPoints_ = std::make_unique<QFile>(cheminPoints_);
        if (!fichierPoints_->open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
            echecPoints_ = true;
            return;
        }
    }
    if (fichierPoints_->write(reinterpret_cast<const char*>(bloc_.get()), taille) != taille)
        echecPoints_ = true;
    else
        octetsEcrits_ += taille;
}

bool TraceurCourbe::ecritPoints()
{
    if (!fichierPoints_)
        return RemplaceFichierTravail(
            cheminPoints_, QByteArray::fromRawData(reinterpret_cast<const char*>(bloc_.get()),
                                                   qsizetype(nbBloc_) * TaillePointCourbe));
    videBloc();
    const bool ok = !echecPoints_ && fichierPoints_->resize(octetsEcrits_);
    fichierPoints_->close();
    return ok;
}

void TraceurCourbe::demandeSuivi()
{
    using namespace std::chrono_literals;
    depuisSuivi_ = 0;
    const auto maintenant = std::chrono::steady_clock::now();
    // The clock read every millisecond or so: more points between two readings while they
    // come fast, fewer when they are slow to compute.
    const auto ecart = maintenant - dernierSuivi_;
    if (ecart < 1ms)
        pasSuivi_ = std::min(2 * pasSuivi_, PasSuiviMax);
    else if (ecart > 10ms)
        pasSuivi_ = std::max(1, pasSuivi_ / 8);
    dernierSuivi_ = maintenant;
    if (maintenant < prochainSuivi_)
        return;
    // What is gathered is drawn first: the follower may show the picture as it stands.
    vide();
    const bool continuer = suivi_->continuerTrace(courbe_.Nom, calcules_);
    // The follower may have let the toolkit paint.
    LibereRegistresVectoriels();
    prochainSuivi_ = std::chrono::steady_clock::now() + IntervalleSuivi;
    if (continuer)
        return;
    suivi_ = nullptr;
    Termine();
    throw TraceInterrompue{};
}

std::vector<PointCourbe> TraceurCourbe::Extremites() const
{
    if (nbEnregistrements_ >= 4)
        return {premiers_[0], premiers_[1], derniers_[0], derniers_[1]};
    std::vector<PointCourbe> p(premiers_, premiers_ + std::min<long long>(nbEnregistrements_, 2));
    if (nbEnregistrements_ == 3)
        p.push_back(derniers_[1]);
    return p;
}

void TraceurCourbe::FixeDernierPixel(int px, int py)
{
    dernierX_ = px;
    dernierY_ = py;
    dernierConnu_ = true;
}

void TraceurCourbe::vide()
{
    if (segments_.isEmpty() && marques_.isEmpty())
        return;
    if (!segments_.isEmpty())
        peintre_.drawLines(segments_);
    segments_.clear();
    if (!marques_.isEmpty()) {
        peintre_.setPen(styloMarques_);
        peintre_.drawPoints(marques_);
        peintre_.setPen(stylo_courbe_);
        marques_.clear();
    }
    LibereRegistresVectoriels();
}

void TraceurCourbe::dessineStylo(int px, int py, std::uint8_t stylo)
{
    if (tempo_ > 0)
        attente(tempo_);
    if (batons_) {
        if (!escalier_) {
            peintre_.drawLine(px, repere_.PixelAxeX, px, py);
        } else {
            peintre_.drawLine(dernierX_, dernierY_, dernierX_, py);
            peintre_.drawLine(dernierX_, py, px, py);
            if (courbe_.SousType == 3 && joint_) {
                peintre_.setPen(CreeStylo(courbe_.Couleur, courbe_.Epaisseur, 2));
                peintre_.drawLine(px, py, px, repere_.PixelAxeX);
                peintre_.setPen(stylo_courbe_);
            }
        }
        LibereRegistresVectoriels();
        return;
    }
    if (hachure_ != 0) {
        const QBrush brosse = peintre_.brush();
        QPen p = stylo_courbe_;
        p.setWidth(EpaisseurEchelle(hachure_ == 6 ? courbe_.Epaisseur : 1));
        peintre_.setPen(p);
        TraceHachure(peintre_, repere_, px, py, courbe_.Couleur, hachure_);
        peintre_.setBrush(brosse);
        peintre_.setPen(stylo_courbe_);
    }
    if (parLots_) {
        // A line covers the pixels of both its ends (a segment of no length may draw
        // nothing): the marker of the point a segment starts from is drawn over by it.
        const bool ligne = stylo == StyloBaisse && stylo_courbe_.style() != Qt::NoPen &&
                           QPoint(dernierX_, dernierY_) != QPoint(px, py);
        if (stylo == StyloBaisse) {
            if (ligne && !marques_.isEmpty() && marques_.last() == QPoint(dernierX_, dernierY_))
                marques_.removeLast();
            segments_.append(QLine(dernierX_, dernierY_, px, py));
            if (segments_.size() >= LongueurLot)
                vide();
        } else if (stylo != StyloLeve) {
            return;
        }
        // A marker of the curve's colour at the end of a line adds nothing.
        const bool couvert = ligne && marqueur_.Couleur == courbe_.Couleur;
        if (!couvert && styloMarques_.style() != Qt::NoPen) {
            marques_ << QPoint(px, py);
            if (marques_.size() >= LongueurLot)
                vide();
        }
        return;
    }
    if (stylo == StyloLeve) {
        marqueur_.Dessine(peintre_, px, py, marqueurPrepare_);
    } else if (stylo == StyloBaisse) {
        peintre_.drawLine(dernierX_, dernierY_, px, py);
        marqueur_.Dessine(peintre_, px, py, marqueurPrepare_);
    }
    LibereRegistresVectoriels();
}

void TraceurCourbe::tracePoint(double x, double y, std::uint8_t& stylo)
{
    if (!dernierConnu_) {
        carte_.MondeVersPixel(dernierX_, dernierY_, x, y);
        dernierConnu_ = true;
    }
    // The world point of the last pixel: many points in a row fall on the same pixel.
    if (dernierX_ != mondeDernierX_ || dernierY_ != mondeDernierY_ || !mondeDernierConnu_) {
        carte_.PixelVersMonde(dernierX_, dernierY_, x0_, y0_);
        mondeDernierX_ = dernierX_;
        mondeDernierY_ = dernierY_;
        mondeDernierConnu_ = true;
    }
    const double x0 = x0_, y0 = y0_;
    const bool dehors = carte_.HorsBornes(x, y);
    double xd = x, yd = y;
    bool dessine = true;
    if (dehors) {
        if (carte_.HorsBornes(x0, y0) || !joint_ || stylo == StyloLeve)
            dessine = false;
        else
            repere_.PointSurBord(xd, yd, x0, y0, x, y);
    } else if (repriseAuBord_ && carte_.HorsBornes(x0, y0)) {
        double xb, yb;
        repere_.PointSurBord(xb, yb, x, y, x0, y0);
        carte_.MondeVersPixel(dernierX_, dernierY_, xb, yb);
    }
    // The pixel of the point itself, when it is the one drawn.
    int pxPoint = 0, pyPoint = 0;
    if (dessine) {
        int px, py;
        carte_.MondeVersPixel(px, py, xd, yd);
        pxPoint = px;
        pyPoint = py;
        // The same pixel again with the same pen: nothing new to draw or to index (the
        // animation delay, when there is one, still runs point by point).
        const bool memePixel = px == dessineX_ && py == dessineY_ && stylo == styloDessine_ && tempo_ == 0 &&
                               (stylo == StyloLeve || (stylo == StyloBaisse && dernierX_ == px && dernierY_ == py));
        dessine = !memePixel;
        dessineX_ = px;
        dessineY_ = py;
        styloDessine_ = stylo;
    }
    if (dessine) {
        int px = dessineX_, py = dessineY_;
        if (indexe_ && !repere_.HorsCadre(px, py)) {
            if (stylo == StyloLeve)
                repere_.AjouteCellule(courbe_.Numero, px, py);
            else if (stylo == StyloBaisse)
                IndexeSegment(repere_, courbe_.Numero, dernierX_, dernierY_, px, py);
        }
        if (visible_)
            dessineStylo(px, py, stylo);
    }
    if (dehors) {
        carte_.MondeVersPixel(dernierX_, dernierY_, x, y);
    } else {
        dernierX_ = pxPoint;
        dernierY_ = pyPoint;
    }
    if (!joint_)
        stylo = StyloLeve;
    else
        stylo = (!lever_ || !dehors) ? StyloBaisse : StyloLeve;
}

void TraceurCourbe::Dessine(double x, double y, std::uint8_t& stylo)
{
    tracePoint(x, y, stylo);
}

void TraceurCourbe::Point(double t, double x, double y)
{
    if (!std::isfinite(x) || !std::isfinite(y)) {
        Echec(t, QStringLiteral("valeur infinie ou indéterminée"));
        return;
    }
    const std::uint8_t dessine = stylo_;
    tracePoint(x, y, stylo_);
    if (avecFichiers_)
        ajouteEnregistrement(PointCourbe{t, x, y, dessine});
    ++nbPoints_;
    ++calcules_;
    Suit();
}

void TraceurCourbe::Echec(double t, const QString& message)
{
    LigneErreur(QStringLiteral("variable=") + QString::fromStdString(ReelVersTexte(t)) + QStringLiteral(" ; ") +
                message);
}

void TraceurCourbe::LigneErreur(const QString& ligne)
{
    if (avecFichiers_)
        erreursLignes_.append(ligne);
    stylo_ = StyloReprise;
    erreurs_ = true;
    ++calcules_;
    Suit();
}

bool TraceurCourbe::Termine()
{
    if (termine_)
        return true;
    termine_ = true;
    vide();
    peintre_.setPen(styloInitial_);
    peintre_.setBrush(brosseInitiale_);
    if (!avecFichiers_)
        return true;
    bool ok = true;
    QString echec;
    if (!ecritPoints()) {
        ok = false;
        echec = cheminPoints_;
    }
    const QString err = courbe_.CheminFichier(".err");
    if (!ecritLignes(err, erreursLignes_)) {
        ok = false;
        echec = err;
    }
    const QString lgd = courbe_.CheminFichier(".lgd");
    if (!ecritLignes(lgd, legendes_)) {
        ok = false;
        echec = lgd;
    }
    if (!ok) {
        const QString texte = QStringLiteral("Impossible d'écrire le fichier de travail « %1 » de la courbe %2.")
                                  .arg(echec, courbe_.Nom);
        if (texte != etatGraphe().DernierEchecEcriture) {
            etatGraphe().DernierEchecEcriture = texte;
            interlocuteur().avertit(texte);
        }
    }
    return ok;
}

// ---------------------------------------------------------------------------------------

void TraceParFille(GCCourbe& courbe, GCCourbe& fille, QPainter& peintre, GCRepere& repere)
{
    struct Reprise {
        GCCourbe& courbe;
        const GCCourbe& fille;
        ~Reprise() { courbe.FichierPoints = fille.FichierPoints; }
    } reprise{courbe, fille};
    fille.Trace(peintre, repere);
}

void TracePoint(GCCourbe& courbe, QPainter& peintre, GCRepere& repere, double x, double y, int& dernierX,
                int& dernierY, std::uint8_t& stylo)
{
    TraceurCourbe traceur(courbe, peintre, repere, false);
    traceur.FixeDernierPixel(dernierX, dernierY);
    traceur.Dessine(x, y, stylo);
    const QPoint d = traceur.DernierPixel();
    dernierX = d.x();
    dernierY = d.y();
}
