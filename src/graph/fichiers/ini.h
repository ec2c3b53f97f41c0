// The settings file "virk.ini": sections "[Nom]" followed by lines "clé=valeur".
//
// - Section and key names are kept exactly as written ("Repère", "Axe Horizontal",
//   "Gr. Verticale", "Début.x"); they are looked up without regard to case or to blanks
//   around them. Values are taken verbatim, up to the end of the line.
// - Rewriting keeps every line that was read, in its order (comments, blank lines, unknown
//   keys and sections, lines that could not be read): a written key replaces the value of
//   the key in place, a new key goes at the end of its section, a new section at the end.
// - A key given twice in a section: the last one counts (and is the one rewritten).
// - Lines starting with ";" are comments. Other lines that are neither a section header
//   nor "clé=valeur" inside a section are kept as they are and reported; the keys under a
//   section header that cannot be read are kept but read nowhere.
// - The file is read and written through the text-file module (Windows-1252, CR LF).
//
// Typed reading follows the format the program writes: booleans "1" (true) and "0"
// (anything but exactly "1" reads as false), decimal integers, reals as expressions read
// without locale (EvalueTexte: "PI/2", "-5", "1E-7"). A value that is present but cannot
// be read gives the caller's default; it is then listed in anomalies() as a French sentence,
// and *valide (when given) is set to false. A missing key gives the default silently.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "graph/fichiers/fichiertexte.h"

class FichierIni {
public:
    enum class Etat { Absent, Lu, Illisible };

    // Reads the file. Absent: there is no file (not an error, the object is empty);
    // Illisible: erreur() says why (the object is empty). Lines that could not be read are
    // listed in anomalies().
    Etat charge(const QString& chemin);
    // The same from bytes or from lines already read; nomFichier names it in messages.
    void chargeOctets(const QByteArray& octets, const QString& nomFichier = QStringLiteral("virk.ini"));
    void chargeLignes(const QStringList& lignes, const QString& nomFichier = QStringLiteral("virk.ini"));
    QString erreur() const { return erreur_; }

    // Reading.
    QStringList sections() const;                        // in file order, once each
    QStringList cles(const QString& section) const;      // in file order, once each
    bool contient(const QString& section, const QString& cle) const;
    std::optional<QString> valeur(const QString& section, const QString& cle) const;
    QString texte(const QString& section, const QString& cle, const QString& defaut = {}) const;
    int entier(const QString& section, const QString& cle, int defaut, bool* valide = nullptr) const;
    double reel(const QString& section, const QString& cle, double defaut, bool* valide = nullptr) const;
    bool booleen(const QString& section, const QString& cle, bool defaut, bool* valide = nullptr) const;
    // Any other conversion (colours, fonts...): conversion(texte) gives std::optional<T>,
    // empty when the text cannot be read; attendu names what was expected ("une couleur").
    template <class T, class Conversion>
    T converti(const QString& section, const QString& cle, T defaut, Conversion conversion,
               const QString& attendu, bool* valide = nullptr) const;

    // Writing (in memory; enregistre() writes the file). A value holding line breaks is
    // written with blanks in their place, and noted in anomalies(). Returns false (and
    // changes nothing) for a section or key name that cannot be written: empty, or holding
    // a line break, "=" (keys), "]" (sections), or starting with ";" or "[" (keys).
    bool ecritTexte(const QString& section, const QString& cle, const QString& valeur);
    bool ecritEntier(const QString& section, const QString& cle, int valeur);
    // Shortest text that reads back to the same double. A value that is not finite is
    // not written (false).
    bool ecritReel(const QString& section, const QString& cle, double valeur);
    bool ecritBooleen(const QString& section, const QString& cle, bool valeur);

    // The lines as they would be written.
    QStringList lignes() const;
    EcritureTexte enregistre(const QString& chemin,
                             PolitiqueEncodage politique = PolitiqueEncodage::RepliUtf8) const;

    // French sentences: lines that could not be read, values that could not be read.
    // Each value is reported once, however often it is read.
    const QStringList& anomalies() const { return anomalies_; }
    void effaceAnomalies() const { anomalies_.clear(); signales_.clear(); }

private:
    enum class Genre { Vide, Commentaire, Section, Cle, Illisible };
    struct Ligne {
        Genre genre = Genre::Vide;
        QString brut;      // the line as read or built
        QString nom;       // section or key name, without surrounding blanks
        QString valeur;    // keys: the text after the first "="
        QString section;   // keys: name of the section they belong to
        int numero = 0;    // line number in the file read, 0 for added lines
    };

    void vide();
    int chercheCle(const QString& section, const QString& cle) const;  // last match, -1
    void signale(int indice, const QString& quoi) const;

    std::vector<Ligne> lignes_;
    QString nomFichier_ = QStringLiteral("virk.ini");
    QString erreur_;
    mutable QStringList anomalies_;
    mutable QStringList signales_;  // "section\nclé" already reported
};

template <class T, class Conversion>
T FichierIni::converti(const QString& section, const QString& cle, T defaut, Conversion conversion,
                       const QString& attendu, bool* valide) const
{
    if (valide)
        *valide = true;
    const int i = chercheCle(section, cle);
    if (i < 0)
        return defaut;
    std::optional<T> lu = conversion(lignes_[i].valeur);
    if (lu)
        return *lu;
    if (valide)
        *valide = false;
    signale(i, attendu);
    return defaut;
}
