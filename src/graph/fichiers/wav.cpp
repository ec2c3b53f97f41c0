#include "graph/fichiers/wav.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "graph/fichiers/fichiertexte.h"

namespace {

void ajoute16(QByteArray& o, std::uint16_t v)
{
    o.append(char(v & 0xFF));
    o.append(char(v >> 8));
}

void ajoute32(QByteArray& o, std::uint32_t v)
{
    for (int k = 0; k < 4; ++k)
        o.append(char((v >> (8 * k)) & 0xFF));
}

std::uint32_t lit32(const char* p) { return qFromLittleEndian<std::uint32_t>(p); }
std::uint16_t lit16(const char* p) { return qFromLittleEndian<std::uint16_t>(p); }

// Reads exactly n bytes, or false.
bool litExact(QIODevice& f, char* p, qint64 n)
{
    return f.read(p, n) == n;
}

}  // namespace

FormatWav FormatWavDuMode(int mode, int indiceFrequence)
{
    mode = std::clamp(mode, 0, 3);
    indiceFrequence = std::clamp(indiceFrequence, 0, 2);
    FormatWav f;
    f.canaux = mode >= 2 ? 2 : 1;
    f.bits = mode % 2 ? 16 : 8;
    f.frequence = 11025u << indiceFrequence;
    return f;
}

QString TexteModeWav(const FormatWav& f)
{
    return QString::number(f.bits) + (f.canaux == 2 ? QStringLiteral(" bits stéréo") : QStringLiteral(" bits mono"));
}

double EchantillonsCourbe::crete() const
{
    return std::max(maximum - moyenne, moyenne - minimum);
}

EchantillonsCourbe EchantillonneCourbeWav(const std::vector<PointCourbe>& points)
{
    EchantillonsCourbe e;
    e.valeurs.reserve(points.size());
    long double somme = 0;
    for (const PointCourbe& p : points) {
        if (!std::isfinite(p.y))
            continue;
        if (e.valeurs.empty())
            e.minimum = e.maximum = p.y;
        e.minimum = std::min(e.minimum, p.y);
        e.maximum = std::max(e.maximum, p.y);
        somme += p.y;
        e.valeurs.push_back(p.y);
    }
    if (!e.valeurs.empty())
        e.moyenne = double(somme / (long double)e.valeurs.size());
    // The mean of values within rounding of each other stays within them.
    e.moyenne = std::clamp(e.moyenne, e.minimum, e.maximum);
    return e;
}

double EchelleWav(double crete, int bits)
{
    if (!(crete > 0) || !std::isfinite(crete))
        return 0;
    return (bits == 8 ? 128.0 : 32767.0) / crete;
}

int EchantillonWav(double v, double centre, double echelle, int bits)
{
    double s = std::nearbyint((v - centre) * echelle);
    if (!std::isfinite(s))
        s = 0;
    if (bits == 8)
        return int(std::clamp(s + 128, 0.0, 255.0));
    return int(std::clamp(s, -32768.0, 32767.0));
}

QByteArray OctetsWav(const std::vector<double>& valeurs, double centre, double crete, const FormatWav& f,
                     QString* erreur)
{
    const auto refus = [&](const QString& texte) {
        if (erreur)
            *erreur = texte;
        return QByteArray();
    };
    if (valeurs.empty())
        return refus(QStringLiteral("La courbe n'a aucun point calculé : pas de son à produire."));
    const std::uint64_t trames = f.canaux == 2 ? (valeurs.size() + 1) / 2 : valeurs.size();
    const std::uint64_t taille = trames * std::uint64_t(f.alignement());
    if (taille > 0xFFFFFFFFull - 36 - 1)
        return refus(QStringLiteral("Trop de valeurs pour un fichier WAV."));
    const double echelle = EchelleWav(crete, f.bits);
    QByteArray o;
    o.reserve(qsizetype(44 + taille + 1));
    o.append("RIFF");
    ajoute32(o, std::uint32_t(36 + taille + (taille & 1)));
    o.append("WAVEfmt ");
    ajoute32(o, 16);
    ajoute16(o, 1);
    ajoute16(o, std::uint16_t(f.canaux));
    ajoute32(o, f.frequence);
    ajoute32(o, f.frequence * std::uint32_t(f.alignement()));
    ajoute16(o, std::uint16_t(f.alignement()));
    ajoute16(o, std::uint16_t(f.bits));
    o.append("data");
    ajoute32(o, std::uint32_t(taille));
    const auto ecrit = [&](double v) {
        const int s = EchantillonWav(v, centre, echelle, f.bits);
        if (f.bits == 8)
            o.append(char(std::uint8_t(s)));
        else
            ajoute16(o, std::uint16_t(std::int16_t(s)));
    };
    for (std::size_t i = 0; i < valeurs.size(); ++i)
        ecrit(valeurs[i]);
    if (f.canaux == 2 && valeurs.size() % 2)
        ecrit(valeurs.back());
    if (taille & 1)
        o.append('\0');
    return o;
}

bool LitEnteteWav(QIODevice& d, EnteteWav& e, QString& erreur)
{
    e = EnteteWav();
    const qint64 tailleFichier = d.size();
    char tete[12];
    if (!d.seek(0) || !litExact(d, tete, 12) || std::memcmp(tete, "RIFF", 4) != 0 || std::memcmp(tete + 8, "WAVE", 4) != 0) {
        erreur = QStringLiteral("Ce fichier n'est pas un fichier son WAV (RIFF/WAVE).");
        return false;
    }
    bool formatLu = false;
    qint64 position = 12;
    while (position + 8 <= tailleFichier) {
        char bloc[8];
        if (!d.seek(position) || !litExact(d, bloc, 8))
            break;
        const std::uint32_t taille = lit32(bloc + 4);
        const qint64 debut = position + 8;
        if (std::memcmp(bloc, "fmt ", 4) == 0) {
            char fmt[40] = {};
            if (taille < 16 || !litExact(d, fmt, std::min<qint64>(taille, 40))) {
                erreur = QStringLiteral("Fichier WAV incorrect : bloc \"fmt \" tronqué.");
                return false;
            }
            std::uint16_t tag = lit16(fmt);
            if (tag == 0xFFFE && taille >= 26)   // extensible: the sub-format's first two bytes
                tag = lit16(fmt + 24);
            e.format.canaux = lit16(fmt + 2);
            e.format.frequence = lit32(fmt + 4);
            const int alignement = lit16(fmt + 12);
            e.format.bits = lit16(fmt + 14);
            if (tag != 1) {
                erreur = QStringLiteral("Format WAV non pris en charge : seul le PCM (entiers) est lu.");
                return false;
            }
            if (e.format.canaux < 1 || e.format.canaux > 2) {
                erreur = QStringLiteral("Fichier WAV non pris en charge : %1 voie(s) (mono ou stéréo seulement).")
                             .arg(e.format.canaux);
                return false;
            }
            if (e.format.bits != 8 && e.format.bits != 16) {
                erreur = QStringLiteral("Fichier WAV non pris en charge : %1 bits par échantillon (8 ou 16 seulement).")
                             .arg(e.format.bits);
                return false;
            }
            if (alignement != e.format.alignement() || e.format.frequence == 0) {
                erreur = QStringLiteral("Fichier WAV incorrect : fréquence ou alignement des échantillons.");
                return false;
            }
            formatLu = true;
        } else if (std::memcmp(bloc, "data", 4) == 0) {
            if (!formatLu) {
                erreur = QStringLiteral("Fichier WAV incorrect : bloc \"fmt \" absent avant les données.");
                return false;
            }
            e.debutDonnees = debut;
            e.tailleDeclaree = taille;
            const qint64 presents = std::min<qint64>(taille, tailleFichier - debut);
            e.trames = presents / e.format.alignement();
            return true;
        }
        position = debut + qint64(taille) + (taille & 1);
    }
    erreur = formatLu ? QStringLiteral("DATA non trouvé!")
                      : QStringLiteral("Fichier WAV incorrect : bloc \"fmt \" absent.");
    return false;
}

QString ValeursManquantesWav(const EnteteWav& e)
{
    if (e.valeurs() >= e.valeursAnnoncees())
        return {};
    return QStringLiteral("%1 valeurs lues sur les %2 annoncées").arg(e.valeurs()).arg(e.valeursAnnoncees());
}

bool LitEchantillonsWav(QIODevice& d, const EnteteWav& e, const std::function<void(const int*, int)>& bloc,
                        QString& erreur)
{
    const int alignement = e.format.alignement();
    const qint64 tramesParBloc = 65536 / alignement;
    if (!d.seek(e.debutDonnees)) {
        erreur = QStringLiteral("Lecture du fichier WAV impossible.");
        return false;
    }
    QByteArray octets;
    std::vector<int> valeurs;
    for (qint64 faites = 0; faites < e.trames;) {
        const qint64 n = std::min(tramesParBloc, e.trames - faites);
        octets.resize(qsizetype(n * alignement));
        if (!litExact(d, octets.data(), octets.size())) {
            erreur = QStringLiteral("Lecture du fichier WAV impossible (fichier tronqué).");
            return false;
        }
        valeurs.resize(std::size_t(n * e.format.canaux));
        const auto* p = reinterpret_cast<const unsigned char*>(octets.constData());
        if (e.format.bits == 8)
            for (std::size_t k = 0; k < valeurs.size(); ++k)
                valeurs[k] = int(p[k]) - 128;
        else
            for (std::size_t k = 0; k < valeurs.size(); ++k)
                valeurs[k] = std::int16_t(std::uint16_t(p[2 * k] | (p[2 * k + 1] << 8)));
        bloc(valeurs.data(), int(valeurs.size()));
        faites += n;
    }
    return true;
}

NomsTexteWav NomsTexteDuWav(const QString& cheminWav, const QString& dossier)
{
    QString racine = QFileInfo(cheminWav).fileName();
    if (racine.endsWith(QStringLiteral(".wav"), Qt::CaseInsensitive))
        racine.chop(4);
    if (racine.isEmpty())
        racine = QStringLiteral("son");
    const QDir d(dossier);
    // One suffix for the three names, so that they stay together.
    for (int k = 1;; ++k) {
        const QString tige = k == 1 ? racine : racine + QLatin1Char('~') + QString::number(k);
        NomsTexteWav n{d.filePath(tige + QStringLiteral(".txt")), d.filePath(tige + QStringLiteral("_g.txt")),
                       d.filePath(tige + QStringLiteral("_d.txt"))};
        if (!QFileInfo::exists(n.principal) && !QFileInfo::exists(n.gauche) && !QFileInfo::exists(n.droite))
            return n;
    }
}

ConversionWav ConvertitWavEnTexte(const QString& cheminWav, const NomsTexteWav& noms)
{
    ConversionWav c;
    QFile f(cheminWav);
    const QFileInfo info(cheminWav);
    if (!info.isFile() || !f.open(QIODevice::ReadOnly)) {
        c.erreur = QStringLiteral("Fichier %1 illisible.").arg(cheminWav);
        return c;
    }
    if (!LitEnteteWav(f, c.entete, c.erreur))
        return c;
    const bool stereo = c.entete.format.canaux == 2;
    QByteArray principal, gauche, droite;
    bool premier = true;
    const auto ligne = [](QByteArray& o, int v) {
        o.append(QByteArray::number(v));
        o.append("\r\n");
    };
    const bool lu = LitEchantillonsWav(f, c.entete, [&](const int* v, int n) {
        for (int k = 0; k < n; ++k) {
            ligne(principal, v[k]);
            if (stereo)
                ligne(k % 2 ? droite : gauche, v[k]);
            if (!stereo || k % 2 == 0) {
                c.minimum = premier ? v[k] : std::min(c.minimum, v[k]);
                c.maximum = premier ? v[k] : std::max(c.maximum, v[k]);
                premier = false;
            }
        }
        c.valeurs += n;
    }, c.erreur);
    if (!lu)
        return c;
    if (!EcritOctets(noms.principal, principal, &c.erreur)
        || (stereo && (!EcritOctets(noms.gauche, gauche, &c.erreur) || !EcritOctets(noms.droite, droite, &c.erreur))))
        return c;
    c.ok = true;
    return c;
}
