// "Echantillon de valeurs": the values of curves as a sheet, one tab per curve, X in column
// A and Y in column B from row 1. Cells hold numbers, texts or formulas ("=" then an
// expression of the program's language where A1, B3... name cells and sum, average, stdev,
// stdevP, var, varP take a range such as A1:A10; the French names somme, moyenne, ecartype,
// ecartypeP, variance, varianceP and racine are turned into those). The sheet computes
// the two-column statistics ("Informations statistiques"), adds forecast, residual and
// standardised-deviation columns from the regression line, makes a histogram of a column,
// saves a selection as ";"-separated text, prints, copies and pastes.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QTableWidget>
#include <functional>
#include <memory>
#include <vector>

#include "expression/stat.h"

class GCCourbe;
class QLineEdit;
class QPushButton;
class QMenu;
class QTabWidget;

// One tab of the sheet.
struct FeuilleValeurs {
    QString titre;                                       // the tab's title
    QString titreX = QStringLiteral(" Abscisses ");
    QString titreY = QStringLiteral(" Ordonnées ");
    std::vector<double> x, y;
    std::weak_ptr<GCCourbe> courbe;                      // the curve shown, if any
};

// A sheet's formula entry with the French function names replaced ("=moyenne(A1:A3)" ->
// "=average(A1:A3)"): only in formulas, only names followed by "(".
QString FormuleAnglaise(const QString& saisie);

// One tab: a grid whose cells keep what was typed and show what it gives.
class FeuilleCalcul : public QTableWidget {
    Q_OBJECT

public:
    FeuilleCalcul(int lignes, int colonnes, QWidget* parent = nullptr);
    // What was typed in cell (ligne, colonne) (from 0), and what it shows.
    QString formule(int ligne, int colonne) const;
    QString texte(int ligne, int colonne) const;
    // The value of the cell: true when it holds or computes to a number.
    bool valeur(int ligne, int colonne, double& v) const;
    // Types a text in the cell (a formula begins with "="), then computes every formula again.
    void fixe(int ligne, int colonne, const QString& saisie);
    // Several cells at once (computed once at the end).
    void fixeSansCalcul(int ligne, int colonne, const QString& saisie);
    // At least that many rows and columns, the new columns named.
    void agrandit(int lignes, int colonnes);
    void recalcule();
    // Heading of a column (its letter, then the text).
    void fixeTitreColonne(int colonne, const QString& titre);
    // Decimals shown (-1: the program's number format).
    int decimales = -1;

private:
    // The computed sheet: every formula computed once, kept until a cell changes. Following
    // references stops 100 cells deep; a result cut there depends on where the evaluation
    // began, so it is computed again, from elsewhere, in a later round.
    struct Calcul {
        enum Etat : char { AFaire, EnCours, Fait, Coupe };
        std::vector<Etat> etats;
        std::vector<int> tours;   // for Coupe: the round or evaluation that cut it
        std::vector<double> valeurs;
        std::vector<char> oks;
        int tour = 0, coupures = 0;
        bool valide = false;
    };
    void calcule() const;
    bool evalueCellule(int ligne, int colonne, double& v) const;
    bool evalue(int ligne, int colonne, double& v, int profondeur) const;
    QString montre(int ligne, int colonne) const;
    mutable Calcul calcul_;
};

// The letter name of a column (0 -> "A", 26 -> "AA").
QString NomColonne(int colonne);

class TEchant : public QDialog {
    Q_OBJECT

public:
    explicit TEchant(const std::vector<FeuilleValeurs>& feuilles, QWidget* parent = nullptr);

    FeuilleCalcul* feuille() const;             // the current tab
    FeuilleCalcul* feuille(int indice) const;
    int nombreFeuilles() const;

    // " &Sauver   ": the selection of the current tab as ";"-separated text.
    void butsaveClick();
    // "S&tatistiques": the statistics of columns A and B in "Informations statistiques".
    void ButStatClick();
    // "&Histogrammes": a histogram of the tab's curve in a new window (through
    // histogrammeVersFenetre).
    void ButHistClick();
    // The pop-up's entries: 0 "&Prévisions", 1 "&Résidus", 2 "&Ecarts standardisés".
    void Previsions(int entree);
    void ButImprimClick();
    void ButFontClick();
    void ButFormatClick();
    void copie(bool couper);
    void colle();

    // The lines of the save, from the selection (empty when nothing is selected).
    QStringList lignesSelection() const;
    // The rows of the current tab whose X and Y are numbers.
    void colonnesXY(std::vector<double>& x, std::vector<double>& y) const;

    // Puts the histogram curve (made here from the tab's curve) in a new window with those x
    // bounds; set by the graph window's opener.
    std::function<void(std::shared_ptr<GCCourbe> histogramme, double xmin, double xmax)> histogrammeVersFenetre;

    QTabWidget* onglets;
    QPushButton* ButImprim;
    QPushButton* ButFin;
    QPushButton* Butsave;
    QPushButton* ButFont;
    QPushButton* ButHist;
    QPushButton* ButStat;
    QPushButton* ButFormat;
    QMenu* TabMenuF1;

protected:
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    std::vector<FeuilleValeurs> sources_;
    std::vector<int> lignes_;   // rows of data of each tab
};

// "Informations statistiques": the statistics of two columns, each field written with the
// program's number format ("n.c." where it is not defined).
class TInfoStat : public QDialog {
    Q_OBJECT

public:
    TInfoStat(const StatistiquesDeux& s, QWidget* parent = nullptr);
    void ImpClick();
    QLineEdit *edminx, *edminy, *edmaxx, *edmaxy, *edmoyx, *edmoyy, *edetx, *edety, *edmex, *edmey;
    QLineEdit *edcov, *edrho, *edetres, *eddte;
    QPushButton* Imp;
};

// Opens the sheet on those tabs (a window of its own, deleted when closed).
TEchant* MontreEchantillons(const std::vector<FeuilleValeurs>& feuilles, QWidget* parent = nullptr);
