#include "graph/courbes/GCA.h"

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "expression/formatage.h"
#include "expression/grfonc.h"
#include "graph/base/GCaides.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/enregistrement.h"
#include "graph/repere/GCRepere.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/genres_outils.h"
#include "graph/courbes/pointscourbe.h"

using namespace genres;

// ---------------------------------------------------------------------------------------
// A: polygonal plates

GCA::GCA(QChar genre, int fenetre, int numero) : GCCourbe(genre, fenetre, numero)
{
    Couleur = 0xFF00FF;  // magenta
    NouvelIdentifiant();
}

void GCA::Copie(const GCBase& source)
{
    GCCourbe::Copie(source);
    if (const auto* a = dynamic_cast<const GCA*>(&source)) {
        Mere1 = a->Mere1;
        Mesure = a->Mesure;
        StyleRemplissage = a->StyleRemplissage;
        ModeCopie = a->ModeCopie;
        FichierPoints = a->FichierPoints;
    }
}

void GCA::FixeModeCopie(int mode)
{
    ModeCopie = ModeCopieLu(mode);
}

void GCA::FixeMere(const GCCourbe& mere)
{
    Mere1 = mere.Identifiant;
    FichierPoints = mere.NomFichier();
    Parametres = mere.Parametres;
    Epaisseur = mere.Epaisseur;
}

void GCA::Trace(QPainter& peintre, GCRepere& repere)
{
    TracePlaque(peintre, repere, 0xFFFFFF);
}

void GCA::TracePlaque(QPainter& peintre, GCRepere& repere, TCouleur fond)
{
    if (!Visible || Mere1.isEmpty())
        return;
    // Whether or not an old cache is still there, a mother that is gone draws nothing.
    const PtrCourbe mere = MereAvecCache(Mere1, *this, peintre, repere);
    if (!mere) {
        SignaleMereIntrouvable();
        return;
    }
    FichierPoints = mere->NomFichier();
    static const char* const fermetures[] = {"le point initial", "l'axe y=0", "l'origine"};
    Libelle1 = QStringLiteral("Plaque polygonale issue de ") + mere->Nom;
    Libelle2 = QStringLiteral("fermée sur ") + QString::fromUtf8(fermetures[std::clamp(SousType, 0, 2)]);

    const std::vector<PointCourbe> points = LitFichierPoints(FichierPoints).points;
    Mesure = 0;
    if (points.size() < 2)
        return;
    std::vector<QPointF> sommets;
    sommets.reserve(points.size() + 3);
    if (SousType == 1)
        sommets.emplace_back(points.front().x, 0);
    else if (SousType == 2)
        sommets.emplace_back(0, 0);
    for (const PointCourbe& p : points)
        sommets.emplace_back(p.x, p.y);
    if (SousType == 1)
        sommets.emplace_back(points.back().x, 0);
    QPolygon polygone;
    polygone.reserve(qsizetype(sommets.size()));
    for (const QPointF& s : sommets)
        polygone << repere.MondeVersPixel(s.x(), s.y());
    sommets.push_back(sommets.front());
    Mesure = AirePolygone(sommets);

    QPaintDevice* appareil = peintre.device();
    if (!appareil || appareil->width() <= 0 || appareil->height() <= 0)
        return;
    QImage image(appareil->width(), appareil->height(), QImage::Format_RGB32);
    image.fill(VersQColor(fond));
    const QBrush brosse(VersQColor(Couleur), StyleBrosse(StyleRemplissage));
    {
        QPainter p(&image);
        p.setPen(stylo());
        p.setBrush(brosse);
        p.drawPolygon(polygone, Qt::OddEvenFill);
    }
    CopieAvecMode(peintre, QPoint(0, 0), image, ModeCopie, brosse, VersQColor(fond));
}

void GCA::Decrit(QStringList& lignes) const
{
    LignesDeBase(lignes);
    lignes << QStringLiteral("*** ***") << QStringLiteral("Mesure= ") + QString::fromStdString(ReelVersTexte(Mesure));
}

void GCA::Journalise() const
{
    GCCourbe::Journalise();
}

QString GCA::SignatureDefinition() const
{
    return GCCourbe::SignatureDefinition() + joint({Mere1, QString::number(StyleRemplissage), QString::number(ModeCopie)});
}

void GCA::EcritChampsTete(QString& tete) const
{
    tete += ChampEntier(SousType);
}

bool GCA::LitChampsTete(QString& tete, LecteurEnregistrement& lu)
{
    return lu.entier(tete, SousType, QStringLiteral("sous-type"));
}

void GCA::EcritChampsStyle(QString& style) const
{
    style += ChampEntier(StyleRemplissage) + ChampEntier(ModeCopie);
}

bool GCA::LitChampsStyle(QString& style, LecteurEnregistrement& lu)
{
    int remplissage = 0, mode = 0;
    if (!lu.entier(style, remplissage, QStringLiteral("style de remplissage")) ||
        !lu.entier(style, mode, QStringLiteral("mode de copie")))
        return false;
    FixeStyleRemplissage(remplissage);
    FixeModeCopie(mode);
    return true;
}
