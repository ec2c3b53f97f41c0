// What the curve families share to write and read their own parts of a curve's document
// record (the whole record is laid out in GCDessin_fichier.cpp): the fields, each ended by
// ";", and the reader of one record's lines, which never reads past the record's end and
// says, in French and with the line number, what it could not read.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

#include "graph/base/GCclasse_base.h"

class SourceLignes;

// "Something remains": at least two characters are left on the line.
inline bool Reste(const QString& ligne) { return ligne.size() >= 2; }

// Each text as a field, in order; and their reading from the front of a line.
template <class Textes>
QString ChampsTextes(const Textes& textes)
{
    QString champs;
    for (const QString& t : textes)
        champs += ChampTexte(t);
    return champs;
}
template <class Textes>
void LitChamps(QString& ligne, Textes& textes)
{
    for (QString& t : textes)
        t = PremierChamp(ligne);
}

// The bounds of a new curve, written for a curve that keeps none of its own.
inline const QString BornesParDefaut = QStringLiteral("-5;5;0.125;");

class LecteurEnregistrement {
public:
    // The record begins at line debut (1-based) of the source.
    LecteurEnregistrement(SourceLignes& source, int debut);

    // The next line of the record; false (with the message) at the end of the file.
    bool suivante(QString& ligne);
    // The first field of the line as a whole number; false (with the message naming what it
    // is, quoi) when it is not one.
    bool entier(QString& ligne, int& valeur, const QString& quoi);
    bool octet(QString& ligne, std::uint8_t& valeur, const QString& quoi);
    // A colour field; one that does not read keeps the colour and is noted.
    void couleur(QString& ligne, TCouleur& couleur, const QString& quoi);
    // A field that could not be read and kept its default.
    void avertit(const QString& texte);

    // Passes the lines over up to the next separator line (empty, or one blank), which is
    // consumed too; a "!" block met on the way is passed over by its count.
    void passeJusquAuSeparateur();

    const QString& erreur() const { return erreur_; }
    const QStringList& avertissements() const { return avertissements_; }
    int ligne() const { return ligne_; }

private:
    SourceLignes& source_;
    int debut_;
    int ligne_;
    QString erreur_;
    QStringList avertissements_;
};
