// What a user of the frame sees while working: the warnings of a curve just defined, the
// state of menu items after a refused command, the frame's commands with no window open,
// the window list, the comment of an opened document, the session history, the icon and
// the status bar.
#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/pilote_saisie.h"
#include "graph/courbes/GCDessin.h"
#include "outils_cadre.h"
#include "window/fenetre.h"

namespace {

class Usage : public CadreEssai {
protected:
    TMainForm& demarreVisible()
    {
        cadre = std::make_unique<TMainForm>(options());
        cadre->resize(1000, 800);
        cadre->show();
        TraiteEvenements();
        return *cadre;
    }
    // Courbes > Définir > Y with that formula, typed in the real dialog.
    static void definitY(TForm1* f, const QString& formule)
    {
        QuandModal([=](QWidget* w) {
            Tape(Enfant<QLineEdit>(w, "Edlib1"), formule);
            Clique(Enfant<QRadioButton>(w, "RBaucun"));
            Clique(Enfant<QPushButton>(w, "ButOK"));
        });
        f->action(QStringLiteral("YCartsienneeny1"))->trigger();
    }
};

}  // namespace

// Each paint empties the memo and traces every curve again: the curve that cannot be
// computed everywhere says so after every paint, not only the first.
TEST_F(Usage, TheWarningsOfADefinedCurveStayShownAfterEveryPaint)
{
    TMainForm& f = demarreVisible();
    TForm1* un = f.fenetres().front();
    const QString ligne = QStringLiteral("-> Problème de calcul ! Consultez le fichier \"erreurs\" de la courbe %1 à "
                                         "l'aide du menu : Infos | Erreurs.");
    definitY(un, QStringLiteral("1/x"));
    ASSERT_EQ(un->Dessin().Nombre(), 1);
    const QString nom = un->Dessin().Courbes[0]->Nom;
    for (int i = 0; i < 3; ++i) {
        un->PaintBox()->repaint();
        TraiteEvenements();
        EXPECT_EQ(f.MemoAvert()->toPlainText(), ligne.arg(nom)) << i;
        EXPECT_FALSE(f.Panel1()->isHidden()) << i;
    }
    // A second failing curve adds its own line, once.
    definitY(un, QStringLiteral("ln(x)"));
    un->PaintBox()->repaint();
    TraiteEvenements();
    EXPECT_EQ(f.MemoAvert()->document()->blockCount(), 2);
}
