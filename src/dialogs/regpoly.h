// "Ordres de dérivation" (the orders 1 to 5 of the derivatives to make) and "Régressions Y
// en X (moindres carrés)" (the least-squares models to fit, with their option texts).
#pragma once

#include <QDialog>
#include <vector>

class QCheckBox;
class QLineEdit;

class TOrdresDeriv : public QDialog {
    Q_OBJECT

public:
    explicit TOrdresDeriv(QWidget* parent = nullptr);
    // The orders ticked, increasing.
    std::vector<int> ordres() const;

    QCheckBox* Ordres[5];   // "CB1".."CB5"
};

class TRegPoly : public QDialog {
    Q_OBJECT

public:
    explicit TRegPoly(QWidget* parent = nullptr);
    // The models ticked (1 to 17), in model order.
    std::vector<int> modeles() const;
    // The option text of model m: for the polynomials "1" with a constant term and "0"
    // without ("a = 0"), the pulsation for the trigonometric models, the constant A for
    // 14 to 16, the pole C for 17, "1" otherwise.
    QString option(int m) const;
    // OK: the option fields of the models ticked must evaluate (the pulsation and the pole
    // to a value other than 0); otherwise a message and the form stays open.
    void accept() override;

    // By model: "cbDeg1".."cbDeg5" (group "Polynomiales"), "cbTrig1".."cbTrig5"
    // ("Trigonométriques"), "cbExp1".."cbExp7" ("Exponentielles", models 11 to 17).
    QCheckBox* Modeles[17];
    QCheckBox* cbCstZer;
    QLineEdit* EdPuls;
    QLineEdit* EdSatur;
    QLineEdit* EdAsymp;
};
