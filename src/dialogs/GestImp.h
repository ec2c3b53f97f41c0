// "Impression des tracés": a graph window's document printed at a size given in
// millimetres, centred or not, framed, titled, with a legend of its curves and areas.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>

class GCDocument;
class QFont;
class QPaintDevice;
class QCheckBox;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;

struct OptionsImpression {
    QString titre = QStringLiteral(" ");
    QString largeur = QStringLiteral("100");   // mm, an expression
    QString hauteur = QStringLiteral(" 100");
    bool centreHorizontal = false, centreVertical = false;
    bool cadre = true;
    bool listeFonctions = false;
};

// The text cut into lines of at most that width in pixels of the device (between words, or
// within a word longer than a line): the lines, put end to end, give the text back whole.
QStringList LignesRepliees(const QString& texte, const QFont& fonte, int largeur, QPaintDevice* appareil = nullptr);

// Prints the document on the printer (already set up): the picture of width x height mm
// drawn as the window draws it, with fonts, margins, ticks, pen widths and markers scaled
// from the window's drawing height; the frame round the picture and its margins; the title
// under it; then one entry per curve (a stroke in its pen and its description) and per area
// (a swatch of its brush and its description), each description wrapped to the page's
// width, on further pages when needed. Every check comes before
// anything is printed: empty when printed, else the French reason (nothing printed). The
// document's frame and the scale factor are as they were after.
QString ImprimeDocument(GCDocument& document, int hauteurFenetre, QPrinter& imprimante, const OptionsImpression& options);

class TFormImp : public QDialog {
    Q_OBJECT

public:
    TFormImp(GCDocument& document, int hauteurFenetre, QWidget* parent = nullptr);
    // "&Imprimer": the printer chosen (with no printer installed, says so and offers a PDF
    // file), then ImprimeDocument; a refusal is shown and keeps the form open.
    void ButImpClick();
    OptionsImpression options() const;

    QLineEdit* EdTitre;
    QLineEdit* EdLarg;
    QLineEdit* EdHaut;
    QRadioButton* RBHoriz;
    QRadioButton* RBVert;
    QCheckBox* cbCadre;
    QCheckBox* CBListeFns;
    QPushButton* ButImp;
    QPushButton* ButAnnul;

private:
    GCDocument& document_;
    int hauteurFenetre_;
};

// Fichier > Imprimer of a graph window: the form on its document (hauteurFenetre: the
// height of the window's drawing).
void ImpressionDocument(GCDocument& document, int hauteurFenetre, QWidget* parent = nullptr);
