#include "graph/courbes/pointscourbe.h"

#include <QFile>
#include <QFileInfo>
#include <bit>
#include <cmath>
#include <cstring>

namespace {

double litDouble(const unsigned char* o)
{
    std::uint64_t b = 0;
    for (int i = 7; i >= 0; --i)
        b = (b << 8) | o[i];
    return std::bit_cast<double>(b);
}

bool styloConnu(std::uint8_t s)
{
    return s == 0 || s == 1 || s == 3;
}

}  // namespace

void AjoutePointCourbe(QByteArray& tampon, const PointCourbe& point)
{
    const qsizetype n = tampon.size();
    tampon.resize(n + TaillePointCourbe);
    EncodePointCourbe(reinterpret_cast<unsigned char*>(tampon.data()) + n, point);
}

LecturePoints LitPointsCourbe(const unsigned char* octets, std::size_t n)
{
    LecturePoints lecture;
    lecture.etat = EtatCache::Intact;
    const std::size_t nb = n / TaillePointCourbe;
    lecture.points.reserve(nb);
    for (std::size_t k = 0; k < nb; ++k) {
        const unsigned char* o = octets + k * TaillePointCourbe;
        PointCourbe p;
        p.t = litDouble(o);
        p.x = litDouble(o + 8);
        p.y = litDouble(o + 16);
        p.stylo = o[24];
        if (!std::isfinite(p.t) || !std::isfinite(p.x) || !std::isfinite(p.y)) {
            lecture.etat = EtatCache::Corrompu;
            lecture.erreur = QStringLiteral("Fichier de points endommagé : le point n°%1 n'est pas un nombre.").arg(k + 1);
            return lecture;
        }
        if (!styloConnu(p.stylo)) {
            lecture.etat = EtatCache::Corrompu;
            lecture.erreur = QStringLiteral("Fichier de points endommagé : le point n°%1 a un état de tracé inconnu (%2).")
                                 .arg(k + 1)
                                 .arg(p.stylo);
            return lecture;
        }
        lecture.points.push_back(p);
    }
    if (n % TaillePointCourbe != 0) {
        lecture.etat = EtatCache::Tronque;
        lecture.erreur = QStringLiteral("Fichier de points tronqué : %1 octet(s) après le dernier point complet.")
                             .arg(n % TaillePointCourbe);
    }
    return lecture;
}

LecturePoints LitPointsCourbe(const QByteArray& octets)
{
    return LitPointsCourbe(reinterpret_cast<const unsigned char*>(octets.constData()),
                           static_cast<std::size_t>(octets.size()));
}

LecturePoints LitFichierPoints(const QString& chemin)
{
    LecturePoints lecture;
    if (chemin.isEmpty() || !QFileInfo::exists(chemin))
        return lecture;
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        lecture.etat = EtatCache::Illisible;
        lecture.erreur = QStringLiteral("Impossible de lire le fichier de points « %1 ».").arg(chemin);
        return lecture;
    }
    const QByteArray octets = fichier.readAll();
    lecture = LitPointsCourbe(octets);
    if (!lecture.erreur.isEmpty())
        lecture.erreur += QStringLiteral(" (« %1 »)").arg(chemin);
    return lecture;
}

bool RemplaceFichierTravail(const QString& chemin, const QByteArray& octets)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadWrite))
        return false;
    return fichier.write(octets) == octets.size() && fichier.resize(octets.size());
}

bool EcritFichierPoints(const QString& chemin, const std::vector<PointCourbe>& points, QString* erreur)
{
    QByteArray tampon;
    tampon.reserve(static_cast<qsizetype>(points.size()) * TaillePointCourbe);
    for (const PointCourbe& p : points)
        AjoutePointCourbe(tampon, p);
    if (!RemplaceFichierTravail(chemin, tampon)) {
        if (erreur)
            *erreur = QStringLiteral("Impossible d'écrire le fichier de points « %1 ».").arg(chemin);
        return false;
    }
    return true;
}
