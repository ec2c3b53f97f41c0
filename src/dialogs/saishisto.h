// "Histogramme des densités": the classes of a histogram of a curve's abscissae or
// ordinates: equal classes from a start to an end by a width, or the bounds one per line in
// a file, counts or frequencies, cumulated or not.
#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "graph/fichiers/fichierstravail.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TSaisHist : public QDialog {
    Q_OBJECT

public:
    explicit TSaisHist(QWidget* parent = nullptr);
    // The bounds file is asked for with variable widths and with unequal classes; the
    // start, end and width otherwise.
    void montreClasses();
    // Folder of the bounds file, with its final "/".
    QString dossier() const { return dossier_; }
    void fixeDossier(const QString& dossier);
    // The bounds file named by the dialog (folder and name), empty when it asks for none.
    QString fichierBornes() const;
    // Names that bounds file and shows its lines in the memo.
    void chargeBornes(const QString& chemin);

    QLineEdit* EdDeb;
    QLineEdit* EdFin;
    QLineEdit* EdLarg;
    QComboBox* cbDens;     // "effectifs", "fréquences"
    QComboBox* cbCoord;    // "abscisses", "ordonnées"
    QComboBox* cbCumul;    // "non cumulé(e)s", "cumulé(e)s"
    QComboBox* cbAmpli;    // "fixes", "variables"
    QComboBox* cbegal;     // "égales", "inégales"
    QGroupBox* GroupBox1;  // "Nom du fichier :"
    QLineEdit* Ednomf;
    QPlainTextEdit* Memo1; // "(Une borne par ligne)"
    QPushButton* ButOK;
    QPushButton* ButAnnul;

protected:
    // On OK with a bounds file: its name is required and the memo is written to it (a
    // failed write, or an existing file other than the one the memo came from that the
    // user does not agree to replace, keeps the form open).
    void done(int resultat) override;

private:
    QLabel* labDeb_;
    QLabel* labFin_;
    QLabel* labLarg_;
    QString dossier_;
    QString fichierCharge_;   // the file the memo was loaded from

public:
    // The bounds file that the curve's document named, which the form offers: written back
    // only as EcritureAccordee allows.
    FichierDuDocument fichierDocument;
};

// The histogram dialog on p1..p6 (start, end, width, counts 0 or frequencies, abscissae 0
// or ordinates, bounds file), the variable-widths flag and the cumulation index; on OK true
// and all of them changed (with a bounds file, p3 "0" and p6 its path; else p6 empty), and
// the title "Histogramme des densités de ". dossierDocument: the folder of the document
// that named the bounds file, under which it is looked for and which bounds its writing back
// (EcritureAccordee); empty for a histogram made in this run.
bool SaisieHisto(QString& titre, std::array<QString, 6>& p, bool& variables, int& cumul, QWidget* parent = nullptr,
                 const QString& dossierDocument = {});
