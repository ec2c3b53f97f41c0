// A document holding every record kind, with values away from their defaults: the
// document tests and the fuzz seeds start from it. The list curve reads "mesures.txt",
// written in that folder.
#pragma once

#include <QDir>

#include "expression/etat.h"
#include "expression/paramperso.h"
#include "graph/aires/GCAire.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/genres.h"
#include "graph/document/document.h"
#include "graph/fichiers/fichiertexte.h"
#include "graph/repere/GCRepere.h"
#include "graph/textes/GCTexte.h"

inline void RemplitDocumentExemple(const ModeleDocument& m, const QString& dossier)
{
    contexteCalcul().LongueurReels = 12;
    contexteCalcul().DecimalesReels = 7;
    contexteCalcul().Epsilon = 3e-9;
    etatGraphe().EcartEtiquetteX = 3;
    etatGraphe().EcartEtiquetteY = -4;
    std::string message;
    GCParamPerso vitesse("vitesse", "2*pi");
    vitesse.Increment = "0.5", vitesse.Minimum = "-1", vitesse.Maximum = "10";
    AssocieToucheParametrePerso(AjouteParametrePerso(vitesse, message), 'K');
    AjouteParametrePerso(GCParamPerso("masse", "vitesse+1"), message);

    FenetreDocument& f = m.Fenetre;
    f.Titre = QStringLiteral("TP 3; fonctions été");
    f.Gauche = 12, f.Haut = 8, f.Hauteur = 400, f.Largeur = 520;
    f.CouleurFond = RVB(250, 240, 200);
    f.FichierMenus = QStringLiteral("Menus\\defaut.txt");
    f.Commentaire = QStringLiteral("commentaire.txt");
    m.Repere.FixeBornes("-2", "pi", EchelleArith, "-2", "0", "0.5", "-1.5", "3", EchelleArith, "-1.5", "0", "1");
    m.FonctionsAux[0] = QStringLiteral("x^2-vitesse");
    m.FonctionsAux[3] = QStringLiteral("fn1(x)+1");  // a curve further on in the file

    auto y = std::make_shared<GCY>(QLatin1Char('Y'), 1, nouveauNumero());
    y->FixeLibelles(QStringLiteral("sin(a*x)"), QString());
    y->Nom = QStringLiteral("fn1");
    y->NouvelIdentifiant();
    y->FixeParametre(0, QStringLiteral("2"));
    y->Etiquette->SetTexte(QStringLiteral("C_{f} : y = sin(ax)"));
    y->FixeBornes(QStringLiteral("-pi"), QStringLiteral("pi"), QStringLiteral("0.01"));
    y->MemoriseLibelle();
    m.Dessin.AjouteCourbe(y);
    auto t = CreeCourbe(QLatin1Char('T'), 1, nouveauNumero());
    t->GCCourbe::FixeLibelles(QStringLiteral("cos(3*t)"), QStringLiteral("sin(2*t)"));
    t->NouvelIdentifiant();
    m.Dessin.AjouteCourbe(t);
    auto imposee = std::make_shared<GCY>(QLatin1Char('Y'), 1, nouveauNumero());
    imposee->FixeLibelles(QStringLiteral("a*x"), QString());
    imposee->Nom = QStringLiteral("droite");
    imposee->NouvelIdentifiant();
    imposee->ValeursImposees = true;
    imposee->FichierValeurs = QStringLiteral("valeurs.txt");
    imposee->MemoriseLibelle();
    m.Dessin.AjouteCourbe(imposee);
    auto q = CreeCourbe(QLatin1Char('Q'), 1, nouveauNumero(), 18);
    q->NouvelIdentifiant();
    q->FixeMere(1, y->Identifiant);
    q->GCCourbe::FixeLibelles(QStringLiteral("Inv. sens de fn1"), QString());
    m.Dessin.AjouteCourbe(q);
    auto liste = CreeCourbe(QLatin1Char('L'), 1, nouveauNumero());
    const QString mesures = QDir(dossier).filePath(QStringLiteral("mesures.txt"));
    EcritFichierTexte(mesures, {"0;1", "1;2.5", "2;2"});
    liste->GCCourbe::FixeLibelles(mesures, QString());
    liste->NouvelIdentifiant();
    m.Dessin.AjouteCourbe(liste);

    auto texte = std::make_unique<GCTexte>(1, QStringLiteral("1"), QStringLiteral("2.5"), true, Police());
    texte->SetTexte(QStringLiteral("Aire é œ € : &aire0"));
    m.Textes.AjouteTexte(std::move(texte));
    m.Textes.AjouteTexte(std::make_unique<GCTexte>(2, QStringLiteral("40"), QStringLiteral("30"), false, Police()));

    auto aire = std::make_shared<GCAire>(nouveauNumero(), 1);
    aire->FixeNom(QStringLiteral("disque"));
    aire->FixeContraintes({QStringLiteral("x^2+y^2<=1"), QStringLiteral("y>0")});
    aire->FixeEmpreinte(NouvelleEmpreinte(aire->Numero()));
    m.Aires.Ajoute(aire);
}
