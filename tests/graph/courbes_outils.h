// What the curve tests share: a fixture that resets the shared state (and the working
// folder) around each case, a default 600 x 400 frame, curve makers and cache readers.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <memory>

#include "expression/etat.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/repere/GCRepere.h"
#include "graph/base/etatgraphe.h"
#include "graph/fichiers/fichiertexte.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/courbes/tracepoint.h"
#include "graph/repere_outils.h"

class CourbeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        repere_ = std::make_unique<GCRepere>(true, 600, 400);
        image_ = imageBlanche(620, 420);
    }

    // A y=f(x) (or other one-parameter kind) curve with its marker in the curve's colour.
    std::shared_ptr<GCY> courbe(QChar genre, const QString& texte1, const QString& texte2 = QString(), int numero = 1)
    {
        auto c = std::make_shared<GCY>(genre, 1, numero);
        c->FixeLibelles(texte1, texte2);
        c->Couleur = RVB(255, 0, 0);
        c->Marqueur.Couleur = c->Couleur;
        return c;
    }

    void trace(GCCourbe& c)
    {
        QPainter peintre(&image_);
        c.Trace(peintre, *repere_);
    }

    std::vector<PointCourbe> points(const GCCourbe& c)
    {
        const LecturePoints l = LitFichierPoints(c.FichierPoints);
        EXPECT_TRUE(l.ok()) << l.erreur.toStdString();
        return l.points;
    }

    QStringList lignesErreurs(const GCCourbe& c)
    {
        QStringList lignes = LitFichierTexte(c.CheminFichier(".err")).lignes;
        lignes.removeAll(QString());
        return lignes;
    }

    int compteAvertissements(const QString& texte) const
    {
        return int(interlocuteur_.avertissements.count(texte));
    }

    EtatNeuf<reinitialiseGraphe> etat_;
    InterlocuteurEnregistreur interlocuteur_;
    GardeValeur<Interlocuteur*> gardeInterlocuteur_{etatGraphe().interlocuteur, &interlocuteur_};
    std::unique_ptr<GCRepere> repere_;
    QImage image_;
};
