// ".aux" files: the texts of the auxiliary functions F0..F9, one per line, "0" for an
// unused one, nothing else.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

using TextesAux = std::array<QString, 10>;

struct LectureAux {
    bool ok = false;        // false: the file is refused whole (see erreur), nothing to take
    QString erreur;         // French
    int nombre = 0;         // the functions the file gives: F0 .. F(nombre - 1), at most ten
    TextesAux textes;       // "0" where a line is empty or does not compile, and past nombre
    QString avertissement;  // French: the lines replaced by "0" and the lines past the tenth
};

// The lines of a file: the first ten, each compiled as F(i) would be; a text that does not
// compile gives "0". Blank lines at the end give no function: a short file gives the first
// functions only, the others are the caller's to keep. Control characters, and a file that
// gives no function at all, refuse the file whole.
LectureAux LitLignesAux(QStringList lignes, const QString& nomFichier);
// A regular file of at most 64 KiB, read as text.
LectureAux LitFichierAux(const QString& chemin);
// Ten lines, one per function, empty texts written "0"; false with the French reason.
bool EcritFichierAux(const QString& chemin, const TextesAux& textes, QString& erreur);
