// The point cache of a traced curve: one 28-byte record per point, back to back, no
// header: t, x, y as little-endian IEEE 754 doubles, one pen byte (0 move, 1 line, 3 first
// point after points that could not be computed) and three padding bytes (written 0,
// ignored when read). Records are written and read field by field, never by dumping a
// struct.
#pragma once

#include <QByteArray>
#include <QString>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

constexpr int TaillePointCourbe = 28;

struct PointCourbe {
    double t = 0, x = 0, y = 0;
    std::uint8_t stylo = 0;
    bool operator==(const PointCourbe&) const = default;
};

// Appends one record to a buffer (the trace writes the whole buffer at once).
void AjoutePointCourbe(QByteArray& tampon, const PointCourbe& point);
// The 28 bytes of one record.
inline void EncodePointCourbe(unsigned char* octets, const PointCourbe& point)
{
    const double v[3] = {point.t, point.x, point.y};
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(octets, v, 24);
    } else {
        for (int k = 0; k < 3; ++k) {
            const std::uint64_t b = std::bit_cast<std::uint64_t>(v[k]);
            for (int i = 0; i < 8; ++i)
                octets[8 * k + i] = static_cast<unsigned char>(b >> (8 * i));
        }
    }
    octets[24] = point.stylo;
    octets[25] = octets[26] = octets[27] = 0;
}

enum class EtatCache {
    Intact,     // every byte read as whole records
    Absent,     // no path, or no such file: no records
    Illisible,  // the file exists but cannot be read
    Tronque,    // the size is not a multiple of 28: the last fragment is ignored
    Corrompu    // a record holds a value that is not a number or an unknown pen byte
};

struct LecturePoints {
    EtatCache etat = EtatCache::Absent;
    // The records read. When the cache is truncated: every whole record; when a record is
    // corrupt: the records before it.
    std::vector<PointCourbe> points;
    QString erreur;   // French description when etat is neither Intact nor Absent
    bool ok() const { return etat == EtatCache::Intact; }
};

// Reads records from bytes; never reads past n bytes.
LecturePoints LitPointsCourbe(const unsigned char* octets, std::size_t n);
LecturePoints LitPointsCourbe(const QByteArray& octets);
// Reads a cache file. An empty path or a missing file reads as Absent (no records).
LecturePoints LitFichierPoints(const QString& chemin);
// Writes the records to a file in one write (the file is rewritten from empty). False, with
// the French reason in *erreur, when it cannot be written.
// Replaces the content of a working file (a point cache and its side files). Written over
// the previous content, then cut to size: emptying the file first would make some file
// systems (ext4) push its blocks to the disk at once when it is closed, which costs a
// repaint milliseconds per curve.
bool RemplaceFichierTravail(const QString& chemin, const QByteArray& octets);
bool EcritFichierPoints(const QString& chemin, const std::vector<PointCourbe>& points, QString* erreur = nullptr);
