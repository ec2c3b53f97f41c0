// What the frame's tests share: an interlocutor that records what it is told, and a fixture
// that resets the shared state around each case and puts the interlocutor in place.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QStringList>

#include "expression/etat.h"
#include "graph/base/etatgraphe.h"
#include "etat_essai.h"
#include "interlocuteur_essai.h"

using InterlocuteurEnregistreur = InterlocuteurEssai;

class RepereTest : public ::testing::Test {
protected:
    EtatNeuf<reinitialiseGraphe> etat_;
    InterlocuteurEnregistreur interlocuteur_;
    GardeValeur<Interlocuteur*> gardeInterlocuteur_{etatGraphe().interlocuteur, &interlocuteur_};
};

// A white image of that size, for drawing.
inline QImage imageBlanche(int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// 0xRRGGBB of a pixel.
inline unsigned pixelRvb(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFFu;
}
