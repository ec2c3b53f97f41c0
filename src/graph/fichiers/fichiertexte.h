// Text files as every reader and writer of the program sees them.
//
// Reading: the bytes are taken as UTF-8 when they are valid UTF-8 (a leading byte-order
// mark is dropped), else as Windows-1252. Lines end with CR LF or LF; a last line without
// an end is a line (a CR that ends the file is dropped); a lone CR elsewhere stays in its
// line.
//
// Writing: Windows-1252 with CR LF after every line, through QSaveFile (a temporary file
// renamed over the target), so a failed save leaves the previous file whole.
// A character that Windows-1252 cannot hold is never dropped silently. What happens then
// is the caller's choice (PolitiqueEncodage):
//  - RepliUtf8 (the default): the whole file is written in UTF-8 instead, which our
//    readers take back unchanged; the result lists the characters so that the caller can
//    tell the user. A text whose Windows-1252 bytes would themselves be valid UTF-8 (with
//    some byte above 0x7F, as "Ã©" is) is written in UTF-8 too, with no character listed,
//    since the reader would otherwise take it as another text; so whatever RepliUtf8
//    writes reads back unchanged;
//  - Strict: nothing is written, the previous file stays, the result lists the characters.
//    The bytes are Windows-1252 whatever they look like.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

// A character that Windows-1252 cannot hold, where it was met.
struct CaractereNonRepresentable {
    int ligne = 0;         // 1-based line number (1 for a single text)
    int colonne = 0;       // 1-based position in the line, in QString units
    char32_t code = 0;     // the Unicode code point
};

// "U+2192 « → » (ligne 3, colonne 5)" for messages.
QString DecritCaractere(const CaractereNonRepresentable& c);
// One French sentence listing the first few characters of a list (empty for none).
QString DecritNonRepresentables(const QList<CaractereNonRepresentable>& liste);

// --- Conversions -----------------------------------------------------------------------

// Windows-1252 bytes as text. Every byte has a character (the five bytes that the code
// page leaves free give the control characters of the same value).
QString DepuisWindows1252(const QByteArray& octets);
// Text as Windows-1252 bytes. A character the code page cannot hold becomes '?', and is
// listed in *refus when it is given (ligne 1, colonne = its position).
QByteArray EnWindows1252(const QString& texte, QList<CaractereNonRepresentable>* refus = nullptr);
// True when every character of the text has a Windows-1252 byte.
bool RepresentableEnWindows1252(const QString& texte);
// True when the bytes are valid UTF-8 (without an incomplete sequence at the end).
bool EstUtf8Valide(const QByteArray& octets);
// Bytes as text: UTF-8 when valid (byte-order mark dropped), else Windows-1252.
QString DecodeTexte(const QByteArray& octets, bool* estUtf8 = nullptr);

// The French reason of a failed system call (its errno); repli when there is none.
QString RaisonSysteme(int numero, const QString& repli = QString());

// --- Reading ---------------------------------------------------------------------------

struct LectureTexte {
    bool ok = false;          // false: nothing could be read, see erreur
    QString erreur;           // French message naming the file
    QStringList lignes;
    bool utf8 = false;        // the bytes were taken as UTF-8
    bool finSansRetour = false;  // the last line had no line end
    // Lines longer than the limit (1-based numbers): refused whole, their text left empty,
    // so that nothing is silently cut.
    QList<int> lignesRefusees;
};

// Default limits: a text file of the program is far below these.
constexpr qint64 TailleMaxTexte = 256ll * 1024 * 1024;
constexpr int LongueurMaxLigne = 64 * 1024 * 1024;  // far above any formula or data line

// The bytes cut into lines (see the top of this file).
LectureTexte LignesDeOctets(const QByteArray& octets, int longueurMaxLigne = LongueurMaxLigne);
// The whole file. A missing, unreadable or too large file gives ok = false and a message.
LectureTexte LitFichierTexte(const QString& chemin, qint64 tailleMax = TailleMaxTexte,
                             int longueurMaxLigne = LongueurMaxLigne);

// A file that the program reads because a document, a setting or a dialog names it (menu
// file, auxiliary functions, comments): only a regular file (a device, a FIFO or a folder
// could block the opening or never end) of at most tailleMax bytes, read as above.
LectureTexte LitFichierTexteOrdinaire(const QString& chemin, qint64 tailleMax);

// Hands out the lines of a file one at a time, never past the end: readers of counted
// blocks ("!n;" followed by n lines) ask until fin() and stop there.
class SourceLignes {
public:
    explicit SourceLignes(QStringList lignes) : lignes_(std::move(lignes)) {}
    bool fin() const { return suivante_ >= lignes_.size(); }
    // The next line; an empty text (and depasse() true) once the end is reached.
    QString suivante();
    // 1-based number of the line last handed out (0 before the first).
    int numero() const { return suivante_; }
    // True when a line was asked for after the end.
    bool depasse() const { return depasse_; }
    int restantes() const { return int(lignes_.size()) - suivante_; }

private:
    QStringList lignes_;
    int suivante_ = 0;
    bool depasse_ = false;
};

// --- Writing ---------------------------------------------------------------------------

enum class PolitiqueEncodage { RepliUtf8, Strict };

struct EcritureTexte {
    bool ok = false;          // the file now holds the lines
    QString erreur;           // French message naming the file, when !ok
    // Written in UTF-8 (RepliUtf8): for the characters below, or, when there are none,
    // because the Windows-1252 bytes would have been read back as UTF-8.
    bool utf8 = false;
    QList<CaractereNonRepresentable> nonRepresentables;
};

// The lines encoded as the writer would write them (CR LF after each line). With Strict
// and characters that cannot be held, the bytes hold '?' in their place; *utf8 tells
// which encoding was used.
QByteArray EncodeLignes(const QStringList& lignes, PolitiqueEncodage politique,
                        QList<CaractereNonRepresentable>* refus = nullptr, bool* utf8 = nullptr);
// Writes the lines (see the top of this file).
EcritureTexte EcritFichierTexte(const QString& chemin, const QStringList& lignes,
                                PolitiqueEncodage politique = PolitiqueEncodage::RepliUtf8);
// Writes bytes through QSaveFile. On failure returns false with a French message in
// *erreur; the previous file is left whole.
bool EcritOctets(const QString& chemin, const QByteArray& octets, QString* erreur = nullptr);
