// "Variations des paramètres": the bar that stays open beside the windows while the
// parameters of the designated curves and areas vary. One row per parameter a, b, c, d, g,
// h, k, l, m, p: its value (Enter applies a typed one), down and up buttons that move it by
// its step, and a button for its range and step. Below: redraw, an automatic family, the
// windows' pictures to the clipboard, help.
#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>
#include <array>
#include <memory>
#include <vector>

class GCAire;
class GCCourbe;
class QLineEdit;
class QPushButton;
class QToolButton;
class TForm1;
struct Designation;

class TvarparH : public QDialog {
    Q_OBJECT

public:
    explicit TvarparH(QWidget* parent = nullptr);

    // The bar takes the designated objects and windows; each parameter takes the value it
    // has in the reference (the first curve, else the first area), which also becomes its
    // initial value; its range is five times its size either side of 0 ([-5, 5] for 0).
    void Ouvre(const Designation& d);
    // Row i: Enter evaluates the text (a syntax error is said and the value kept), the
    // buttons step by PasParametre[i]; each change goes to the objects and is redrawn.
    void Eda0KeyDown(int i);
    void SBa0Click(int i, int signe);
    // The range dialog of row i, its value read-only; on OK the row shows the value and the
    // objects take it.
    void Button1Click(int i);
    // Every window concerned redrawn; an automatic family (the automatic grid first) drawn
    // curve after curve over the same picture; the windows' pictures on the clipboard.
    void SpRedrawClick();
    void SpAutoClick();
    void sbPrPapClick();

    std::array<QLineEdit*, 10> Eda{};
    std::array<QToolButton*, 10> SBbas{}, SBhaut{};
    std::array<QPushButton*, 10> Bornes{};
    QPushButton *SpRedraw, *SpAuto, *sbPrPap, *Aide;

private:
    void montre(int i, double v);
    // The parameters (index, value) take their values in the objects, then the windows are
    // redrawn (mode as the redraw after a parameter takes it).
    void applique(const std::vector<std::pair<int, double>>& valeurs, int mode);

    // The value each parameter has on the bar: the program-wide values are those of the
    // last curve traced, which need not be a designated one.
    std::array<double, 10> valeurs_{};
    std::vector<std::weak_ptr<GCCourbe>> courbes_;
    std::vector<std::weak_ptr<GCAire>> aires_;
    QList<QPointer<TForm1>> fenetres_;
};
