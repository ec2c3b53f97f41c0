// What the frame's tests share: a scripted user for the message boxes, and folders of their
// own for the program and its temporary files.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QList>
#include <QMessageBox>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "expression/etat.h"
#include "frame/Main.h"
#include "frame/dialoguescadre.h"
#include "frame/boites.h"
#include "frame/etatcadre.h"
#include "graph/base/etatgraphe.h"
#include "etat_essai.h"

// Answers the boxes in the order given; once the answers run out, OK where it is offered,
// else No. Every text asked is kept.
class RepondeurScript : public RepondeurBoites {
public:
    QList<QMessageBox::StandardButton> reponses;
    QStringList textes;
    QList<QMessageBox::StandardButtons> boutonsOfferts;

    QMessageBox::StandardButton repond(QMessageBox::Icon, const QString& texte,
                                       QMessageBox::StandardButtons boutons) override
    {
        textes << texte;
        boutonsOfferts << boutons;
        if (!reponses.isEmpty())
            return reponses.takeFirst();
        return boutons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::No;
    }
    int compte(const QString& texte) const { return int(textes.count(texte)); }
};

inline QByteArray OctetsDe(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void EcritOctetsEssai(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(octets);
}

// Runs the queued calls (messages shown after the start, the warnings panel).
inline void TraiteEvenements()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// The file dialogs and the window chooser, scripted (as they stand: the file dialogs
// cancelled, every window chosen).
class DialoguesScript : public DialoguesCadre {
public:
    QStringList ouverture;
    QString enregistrement;
    QList<int> numeros;        // windows to choose, in order; empty: all, first window first
    bool annuleChoix = false;
    QStringList offerts;

    QString transfos, transfosEnregistrement;

    QStringList choisitOuverture(QWidget*, const QString&) override { return ouverture; }
    QString choisitTransfosOuverture(QWidget*, const QString&) override { return transfos; }
    QString choisitTransfosEnregistrement(QWidget*, const QString&) override { return transfosEnregistrement; }
    QString choisitEnregistrement(QWidget*, const QString&) override { return enregistrement; }
    QStringList choisitFenetres(QWidget*, const QStringList& entrees) override
    {
        offerts = entrees;
        if (annuleChoix)
            return {};
        QStringList r;
        if (numeros.isEmpty()) {
            for (auto it = entrees.crbegin(); it != entrees.crend(); ++it)
                r << *it;
            return r;
        }
        for (int n : numeros)
            for (const QString& e : entrees)
                if (e.startsWith(QStringLiteral("#%1:").arg(n)))
                    r << e;
        return r;
    }
};

class CadreEssai : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(programme.isValid() && temp.isValid()); }
    // The frame goes first, while its stand-ins are still in place.
    void TearDown() override { cadre.reset(); }

    OptionsCadre options() const
    {
        OptionsCadre o;
        o.dossierProgramme = programme.path();
        o.dossierTemp = temp.path();
        return o;
    }
    TMainForm& demarre()
    {
        cadre = std::make_unique<TMainForm>(options());
        TraiteEvenements();
        return *cadre;
    }
    QString cheminIni() const { return programme.filePath(QStringLiteral("virk.ini")); }

    EtatNeuf<reinitialiseCadre> etat_;
    RepondeurScript repondeur;
    GardeValeur<RepondeurBoites*> gardeRepondeur_{etatCadre().repondeur, &repondeur};
    QTemporaryDir programme;
    QTemporaryDir temp;
    std::unique_ptr<TMainForm> cadre;
};
