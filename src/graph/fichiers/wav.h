// Sound files: a curve's ordinates written as a PCM WAV file (RIFF, format tag 1,
// little-endian, 8 or 16 bits, mono or stereo), and the samples of a PCM WAV file read
// back as text files of integers for a chronicle.
//
// The reader walks the RIFF chunks from offset 12 (each chunk: a 4-byte id, a 32-bit size,
// its bytes, one pad byte after an odd size), takes "fmt " and "data" wherever they are
// and skips any other chunk. The data size is an unsigned 32-bit field, limited to the
// bytes actually present and to whole frames.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

#include "graph/courbes/pointscourbe.h"

class QIODevice;

struct FormatWav {
    int canaux = 1;               // 1 or 2
    int bits = 8;                 // 8 or 16
    std::uint32_t frequence = 11025;
    int alignement() const { return canaux * bits / 8; }   // bytes of one frame
};

// The formats of the dialog: mode 0 "Mono 8 bits", 1 "Mono 16 bits", 2 "Stéréo 8 bits",
// 3 "Stéréo 16 bits"; rate 0, 1, 2: 11025, 22050, 44100 Hz.
FormatWav FormatWavDuMode(int mode, int indiceFrequence);
// "8 bits mono", "16 bits stéréo"...
QString TexteModeWav(const FormatWav& format);

// The ordinates of a curve's points, as the sound is made of them: non-finite values left
// out; minimum, maximum and mean of those kept (all 0 when none is).
struct EchantillonsCourbe {
    std::vector<double> valeurs;
    double minimum = 0, maximum = 0, moyenne = 0;
    // The larger distance from the mean to the minimum or the maximum.
    double crete() const;
};
EchantillonsCourbe EchantillonneCourbeWav(const std::vector<PointCourbe>& points);

// The sample of one value: (v - centre) * echelle rounded to nearest (halves to even);
// 16 bits: limited to -32768..32767; 8 bits: + 128 and limited to 0..255.
int EchantillonWav(double v, double centre, double echelle, int bits);
// The scale of the values: 128 / crete (8 bits) or 32767 / crete (16 bits); 0 for a peak
// of 0 (silence at the centre).
double EchelleWav(double crete, int bits);

// The whole file: the 44-byte header, the samples (stereo: the values in pairs, left then
// right, the last value on both channels when the count is odd), a pad byte after odd data.
// Empty, with the French reason in *erreur, when there is no value or the data would not fit
// the 32-bit size fields.
QByteArray OctetsWav(const std::vector<double>& valeurs, double centre, double crete, const FormatWav& format,
                     QString* erreur = nullptr);

struct EnteteWav {
    FormatWav format;
    qint64 debutDonnees = 0;        // offset of the first sample
    std::uint32_t tailleDeclaree = 0;  // the data chunk's size field
    qint64 trames = 0;              // whole frames present in the file
    // The samples (every channel) present, and those the size field announces.
    qint64 valeurs() const { return trames * format.canaux; }
    qint64 valeursAnnoncees() const { return tailleDeclaree / (format.bits / 8); }
};

// What to tell when the file holds fewer samples than its data chunk announces (a file cut
// short, or a size field that overstates it): "78 valeurs lues sur les 1103 annoncées";
// empty when they agree.
QString ValeursManquantesWav(const EnteteWav& entete);

// Reads the header of a WAV file: true with the header, else false with the French reason
// ("DATA non trouvé!" when there is no data chunk). Only PCM (tag 1, or the extensible tag
// with the PCM sub-format), 1 or 2 channels, 8 or 16 bits, a consistent block alignment and
// a rate above 0 are accepted.
bool LitEnteteWav(QIODevice& fichier, EnteteWav& entete, QString& erreur);
// The samples, in blocks of frames, as signed integers (8 bits: the byte less 128),
// interleaved in stereo; bloc(echantillons, nombre of integers). False with the French reason
// when the file cannot be read to the end of its frames.
bool LitEchantillonsWav(QIODevice& fichier, const EnteteWav& entete,
                        const std::function<void(const int*, int)>& bloc, QString& erreur);

// The text files made from a WAV file: the main file (every sample in file order) and, in
// stereo, one file per channel.
struct NomsTexteWav {
    QString principal, gauche, droite;
};
// The names proposed for a WAV file: its name less a final ".wav" (any case) + ".txt",
// "_g.txt", "_d.txt", in the folder given; a name already taken there gets "~2" (then
// "~3"...) before its extension.
NomsTexteWav NomsTexteDuWav(const QString& cheminWav, const QString& dossier);

struct ConversionWav {
    bool ok = false;
    QString erreur;
    EnteteWav entete;
    qint64 valeurs = 0;             // samples written to the main file
    int minimum = 0, maximum = 0;   // of the samples of the chronicle's file
};
// Writes the text files (each sample a decimal integer on its line, CR LF); in stereo the
// chronicle's file is the left channel's, else the main file.
ConversionWav ConvertitWavEnTexte(const QString& cheminWav, const NomsTexteWav& noms);
