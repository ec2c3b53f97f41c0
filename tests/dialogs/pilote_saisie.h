// Driving modal dialogs from tests: an action runs on the next modal dialog that opens (so
// code that calls exec() can be tested through the dialog's own widgets), scripted system
// boxes, and a recording interlocutor.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QAbstractButton>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <deque>
#include <functional>
#include <ostream>

#include "dialogs/dialogues.h"
#include "dialogs/etatsaisie.h"
#include "expression/etat.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCDessin.h"
#include "etat_essai.h"
#include "interlocuteur_essai.h"

// The program's own dialogs and curve chooser in place for the time of a test: what
// installeDialogues() puts in place goes again when it ends.
class DialoguesDuProgramme {
public:
    DialoguesDuProgramme() { installeDialogues(); }

private:
    GardeValeur<Dialogues*> dialogues_{etatGraphe().dialogues, nullptr};
    GardeValeur<ChoixTrace*> choix_{etatGraphe().choixTrace, nullptr};
};

// Readable texts in the failure messages.
inline void PrintTo(const QString& texte, std::ostream* os)
{
    *os << '"' << texte.toStdString() << '"';
}

// Runs action once on the first modal dialog, other than sauf, that becomes active. After 5
// seconds without one, the active dialog (if any) is rejected and the test fails, so that a
// test never hangs on an exec().
template <class Action>
void QuandModal(Action action, QWidget* sauf = nullptr)
{
    auto* minuterie = new QTimer;
    auto* chrono = new QElapsedTimer;
    chrono->start();
    QPointer<QWidget> exclu(sauf);
    minuterie->setInterval(5);
    QObject::connect(minuterie, &QTimer::timeout, [=]() mutable {
        QWidget* w = QApplication::activeModalWidget();
        if (w && w != exclu.data()) {
            minuterie->stop();
            minuterie->deleteLater();
            delete chrono;
            action(w);
            return;
        }
        if (chrono->elapsed() > 5000) {
            minuterie->stop();
            minuterie->deleteLater();
            delete chrono;
            ADD_FAILURE() << "aucune boîte modale attendue ne s'est ouverte";
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                d->reject();
        }
    });
    minuterie->start();
}

// Presses that button of the next message box, as a user would, after noting its text and
// the buttons it offers (when asked); the test fails when the next modal is no such box.
inline void RepondBoite(QMessageBox::StandardButton bouton, QString* texte = nullptr,
                        QMessageBox::StandardButtons* offerts = nullptr)
{
    QuandModal([=](QWidget* w) {
        auto* boite = qobject_cast<QMessageBox*>(w);
        QAbstractButton* b = boite ? boite->button(bouton) : nullptr;
        if (!b) {
            ADD_FAILURE() << "pas de bouton " << int(bouton) << " dans la boîte attendue";
            if (auto* d = qobject_cast<QDialog*>(w))
                d->reject();
            return;
        }
        if (texte)
            *texte = boite->text();
        if (offerts)
            *offerts = boite->standardButtons();
        QTest::mouseClick(b, Qt::LeftButton);
    });
}

// A named child of the dialog (the test fails when it is missing).
template <class W>
W* Enfant(QWidget* parent, const char* nom)
{
    W* w = parent->findChild<W*>(QString::fromLatin1(nom));
    EXPECT_NE(w, nullptr) << nom;
    return w;
}

// Replaces the text of an edit as a user would: select all, then type.
inline void Tape(QLineEdit* edit, const QString& texte)
{
    edit->selectAll();
    edit->del();
    QTest::keyClicks(edit, texte);
}

// A click where a user clicks: on the indicator and caption side of check boxes and radio
// buttons that their layout stretches.
inline void Clique(QWidget* bouton)
{
    QTest::mouseClick(bouton, Qt::LeftButton, {}, QPoint(std::min(10, bouton->width() / 2), bouton->height() / 2));
}

// A click on a line of a list, as a user would (it selects the line).
inline void CliqueLigne(QListWidget* liste, int ligne)
{
    ASSERT_NE(liste->item(ligne), nullptr) << ligne;
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(liste->item(ligne)).center());
}

using InterlocuteurEnregistre = InterlocuteurEssai;

class BoitesScriptees : public BoitesSaisie {
public:
    QString choisitFichier(QWidget*, const QString&, const QString&, const QString&) override { return fichier; }
    QString choisitFichierEcriture(QWidget*, const QString&, const QString& chemin, const QString&,
                                   const QString&) override
    {
        propose = chemin;
        return fichierEcriture;
    }
    bool choisitCouleur(QWidget*, QColor& c) override
    {
        c = couleur;
        return true;
    }
    QString choisitLibelle(QWidget*, const QString& genres) override
    {
        genresDemandes = genres;
        return libelle;
    }
    QString fichier, libelle, genresDemandes, fichierEcriture, propose;
    QColor couleur = Qt::red;
};

// What the dialog tests share: the state reset around each case, the program's dialogs and
// the scripted boxes installed, and a recording interlocutor.
class SaisieTest : public ::testing::Test {
protected:
    EtatNeuf<reinitialiseSaisie> etat_;
    InterlocuteurEnregistre inter;
    GardeValeur<Interlocuteur*> gardeInter_{etatGraphe().interlocuteur, &inter};
    DialoguesDuProgramme dialoguesProgramme_;
    BoitesScriptees boites;
    GardeValeur<BoitesSaisie*> gardeBoites_{etatSaisie().boites, &boites};
};
