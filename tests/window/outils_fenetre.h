// Scripted stand-ins for the frame's interlocutor and the window's dialogs, and a fixture
// that resets the program-wide state around each test and puts the stand-ins in place.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QStringList>
#include <deque>
#include <memory>
#include <vector>

#include "expression/etat.h"
#include "graph/base/etatgraphe.h"
#include "window/designation.h"
#include "window/fenetre.h"
#include "etat_essai.h"
#include "interlocuteur_essai.h"

using InterlocuteurScripte = InterlocuteurEssai;

class DialoguesScriptes : public DialoguesFenetre {
public:
    bool choisitCouleur(QWidget*, QColor& couleur) override
    {
        ++appels;
        if (!accepte)
            return false;
        couleur = this->couleur;
        return true;
    }
    bool saisitTexte(QWidget*, const QString& titre, const QString& invite, QString& texte) override
    {
        ++appels;
        titres.append(titre);
        invites.append(invite);
        textesProposes.append(texte);
        if (!accepte)
            return false;
        texte = this->texte;
        return true;
    }
    bool saisitTaille(QWidget*, int& l, int& h) override
    {
        ++appels;
        proposeL = l;
        proposeH = h;
        if (!accepte)
            return false;
        l = largeur;
        h = hauteur;
        return true;
    }
    void montreTexte(QWidget*, const QString& titre, const QStringList& lignes) override
    {
        ++appels;
        titres.append(titre);
        montre = lignes;
    }
    bool accepte = true;
    QColor couleur = Qt::yellow;
    QString texte;
    int largeur = 300, hauteur = 200, proposeL = 0, proposeH = 0;
    int appels = 0;
    QStringList titres, invites, textesProposes, montre;
};

class FenetreTest : public ::testing::Test {
protected:
    // The mouse modes are entered without their explanation box, unless a test asks for it.
    FenetreTest()
    {
        EtatFenetres& e = etatFenetres();
        e.MontrerAideZoom = e.MontrerAidePoint = e.MontrerAideLigne = e.MontrerAideMainLevee = false;
    }
    // Shows the window if need be and paints it now.
    static void Peint(TForm1& f)
    {
        if (!f.isVisible()) {
            f.show();
            QApplication::processEvents();
        }
        f.PaintBox()->repaint();
    }
    // Lets the queued calls (messages after a paint, menu states) run.
    static void traiteEvenements()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    EtatNeuf<reinitialiseFenetres> etat_;
    InterlocuteurScripte inter;
    GardeValeur<Interlocuteur*> gardeInter_{etatGraphe().interlocuteur, &inter};
    DialoguesScriptes dialogues;
    GardeValeur<DialoguesFenetre*> gardeDialogues_{etatFenetres().dialogues, &dialogues};
};

// The same, for commands that make new windows: each is kept here, numbered from 10.
class FenetresNouvellesTest : public FenetreTest {
protected:
    GardeValeur<CreateurFenetre> gardeCreateur_{etatFenetres().createurFenetre, [this] {
        nouvelles.push_back(std::make_unique<TForm1>(10 + int(nouvelles.size())));
        return nouvelles.back().get();
    }};

    std::vector<std::unique_ptr<TForm1>> nouvelles;
};
