// The frame's document lines and settings keys: exact lines, round trips, and bad or cut
// records that still give a usable frame with one clear message.
#include <gtest/gtest.h>

#include <QPainter>

#include "graph/repere/GCRepere.h"
#include "graph/textes/GCTexte.h"
#include "graph/fichiers/ini.h"
#include "graph/repere_outils.h"

namespace {

class RecordRepere : public RepereTest {
protected:
    static QStringList lignes(const GCRepere& r)
    {
        QStringList l;
        r.Sauve(l);
        return l;
    }
};

TEST_F(RecordRepere, LignesDuRepereParDefaut)
{
    GCRepere r(true, 600, 400);
    const QStringList l = lignes(r);
    ASSERT_EQ(l.size(), 6);
    EXPECT_EQ(l[0], QStringLiteral("$0;0;400;600;0;0;0;0;0;0;0;0;0;0;0;0;"));
    const QString police = QStringLiteral("DejaVu Sans;clBlack;8;0;0;0;0;");
    EXPECT_EQ(l[1], QStringLiteral("arith;-5;5;-5;1;0;v;clGray;1;0;v;clAqua;1;0;f;v;") + police + ";");
    EXPECT_EQ(l[2], police + "x;0;");
    EXPECT_EQ(l[4], police + "y;0;");
    EXPECT_EQ(l[5], QStringLiteral("f;f;v;v;"));
    // A hidden grid writes "f;" alone: three fields fewer.
    r.AxeX.Visible = false;
    EXPECT_TRUE(lignes(r)[1].startsWith(QStringLiteral("arith;-5;5;-5;1;0;v;clGray;1;0;f;f;v;")));
}

TEST_F(RecordRepere, AllerRetourIdentique)
{
    GCRepere r(true, 600, 400);
    r.FixeBornes("-2*pi", "2*pi", EchelleProj, "-2*pi", "pi/4", "pi/2", "0.01", "1E4", EchelleLog, "0.01", "0", "1");
    r.SetRectangle(QPoint(12, 9), 577, 380);
    r.SetDecalage(7, 3);
    r.SetStylesAxes(0x0000FF, 2, 1, 0x4080FF, 3, 4);
    r.SetStylesGrilles(0x12345678 & 0xFFFFFF, 0, 2, 0xFF00000F, 1, 3);
    r.SetVisibilites(false, true, true, true);
    r.SetGraduations(false, true);
    r.SetLateral(true, false);
    r.SetFormatsGraduation(5, 2);
    r.SetTextesAxes(QStringLiteral("m;s"), QStringLiteral("€ é"));
    Police p;
    p.Nom = "Liberation Serif";
    p.Couleur = 0x800080;
    p.Taille = 11;
    p.Gras = p.Souligne = true;
    r.SetFontesGraduation(p, Police());
    r.AxeX.GetTitre()->SetTexte(QStringLiteral("Position ; vitesse"));
    r.AxeY.GetTitre()->SetTexte(QStringLiteral("a;b"));
    r.SetPerspective(300, 4.25, 0.1);
    r.SetNorme(true);
    r.SetPolaire(false);
    r.SetVecteursUnitaires(false, true);
    contexteCalcul().ValeursParametres = {1, -2.5, 0.1, 1e-300, 3, 0, 0, 0, 0, 7};

    const QStringList avant = lignes(r);
    ASSERT_EQ(avant.size(), 7);  // eye line: the x axis is projective
    contexteCalcul().ValeursParametres.fill(42);
    QStringList document = avant;
    document << QStringLiteral("&Y;suite");
    GCRepere lu(true, 100, 100);
    int i = 0;
    EXPECT_TRUE(lu.Lit(document, i, true));
    EXPECT_EQ(i, 7);
    EXPECT_TRUE(interlocuteur_.messages.isEmpty()) << interlocuteur_.messages.join("|").toStdString();
    EXPECT_EQ(lignes(lu), avant);
    EXPECT_EQ(contexteCalcul().ValeursParametres[3], 1e-300);
    EXPECT_EQ(lu.AxeX.Unite, QStringLiteral("m;s"));
    EXPECT_EQ(lu.AxeX.GetTitre()->GetTexte(), QStringLiteral("Position ; vitesse"));
    EXPECT_EQ(lu.AxeY.GetTitre()->GetTexte(), QStringLiteral("a;b"));
    EXPECT_EQ(lu.AxeX.FonteGraduation, p);
    EXPECT_EQ(lu.HauteurOeil, 4.25);
    EXPECT_EQ(lu.Horizon, 300);
    EXPECT_TRUE(lu.EstNorme());
    EXPECT_FALSE(lu.AxeX.VecteurUnitaire);
    EXPECT_TRUE(lu.AxeY.VecteurUnitaire);
    EXPECT_EQ(lu.AxeY.Couleur, 0xFF00000Fu);
    EXPECT_EQ(lu.AxeX.Decalage, 7);
}

TEST_F(RecordRepere, DocumentSansEnteteNeLitPasLesTitres)
{
    QStringList document = {"$0;0;400;600;", "arith;-3;3;-3;1;0;v;clGray;1;0;v;clAqua;1;0;f;v;Arial;clRed;9;0;0;0;0;;",
                            "log;1;1000;1;1;0;v;clGray;1;0;f;f;v;Arial;clBlack;8;0;0;0;0;cm;", "v;v;f;f;", "#suite"};
    GCRepere r(true, 100, 100);
    int i = 0;
    EXPECT_TRUE(r.Lit(document, i, false));
    EXPECT_EQ(i, 4);
    EXPECT_EQ(r.AxeX.Min, -3);
    EXPECT_EQ(r.AxeY.TypeEchelle, EchelleLog);
    EXPECT_FALSE(r.AxeY.Visible);
    EXPECT_EQ(r.AxeY.Unite, QStringLiteral("cm"));
    EXPECT_TRUE(r.AxeX.GetTitre()->GetTexte().isEmpty());
    EXPECT_EQ(r.AxeX.GetTitre()->GetFonte().Couleur, 0x0000FFu);
    EXPECT_TRUE(r.EstNorme());
    EXPECT_TRUE(r.EstPolaire());
    // The line goes no further than the plot size: no offsets, parameters all 0.
    EXPECT_EQ(r.AxeX.Decalage, 0);
    EXPECT_EQ(contexteCalcul().ValeursParametres[9], 0);
}

// Bounds read from a record that would make an unusable frame: a clear message, a frame
// that maps and draws.
TEST_F(RecordRepere, BornesIllisiblesOuRenversees)
{
    GCRepere modele(true, 600, 400);
    QStringList base = lignes(modele);
    struct Cas {
        const char *xinf, *xsup;
        double min, max;
        const char* indice;
    };
    const Cas cas[] = {
        {"a+", "5", -5, 5, "ne se calculent pas"},
        {"0/0", "5", -5, 5, "ne se calculent pas"},
        {"8", "2", 2, 8, "échangés"},
        {"3", "3", -5, 5, "égaux"},
        {"1E400", "5", -5, 5, "ne se calculent pas"},
    };
    for (const Cas& c : cas) {
        interlocuteur_.messages.clear();
        QStringList document = base;
        document[1].replace(QStringLiteral("arith;-5;5;"), QStringLiteral("arith;%1;%2;").arg(c.xinf, c.xsup));
        GCRepere r(true, 600, 400);
        int i = 0;
        EXPECT_FALSE(r.Lit(document, i, true)) << c.xinf;
        ASSERT_EQ(interlocuteur_.messages.size(), 1) << c.xinf;
        EXPECT_TRUE(interlocuteur_.messages.front().contains(QString::fromUtf8(c.indice)))
            << interlocuteur_.messages.front().toStdString();
        EXPECT_EQ(r.AxeX.Min, c.min) << c.xinf;
        EXPECT_EQ(r.AxeX.Max, c.max) << c.xinf;
        EXPECT_TRUE(r.Valide());
        QImage image = imageBlanche(600, 400);
        QPainter p(&image);
        EXPECT_TRUE(r.Dessine(p));
        // Written back: the texts that were typed, unless the frame only swapped them.
        QStringList relu;
        r.Sauve(relu);
        const bool echange = c.min > -5;
        EXPECT_TRUE(relu[1].startsWith(QStringLiteral("arith;%1;%2;").arg(echange ? c.xsup : c.xinf, echange ? c.xinf : c.xsup)))
            << relu[1].toStdString();
        // New bounds forget them.
        r.AxeX.SetBornesTextes("-2", "2");
        relu.clear();
        r.Sauve(relu);
        EXPECT_TRUE(relu[1].startsWith("arith;-2;2;")) << relu[1].toStdString();
    }
    // A log axis read with a non-positive min.
    QStringList document = base;
    document[3].replace(QStringLiteral("arith;-5;5;"), QStringLiteral("log;-5;5;"));
    GCRepere r(true, 600, 400);
    int i = 0;
    EXPECT_FALSE(r.Lit(document, i, true));
    EXPECT_TRUE(r.Valide());
    EXPECT_EQ(r.AxeY.TypeEchelle, EchelleLog);
    EXPECT_GT(r.AxeY.Min, 0);
}

TEST_F(RecordRepere, EnregistrementsTronquesOuMalFormes)
{
    GCRepere modele(true, 600, 400);
    const QStringList base = lignes(modele);
    // Cut after each line in turn: a usable frame, one message, i at the end.
    for (int n = 1; n < base.size(); ++n) {
        interlocuteur_.messages.clear();
        const QStringList document = base.mid(0, n);
        GCRepere r(true, 600, 400);
        int i = 0;
        EXPECT_FALSE(r.Lit(document, i, true)) << n;
        EXPECT_EQ(i, n);
        EXPECT_EQ(interlocuteur_.messages.size(), 1) << n;
        EXPECT_TRUE(r.Valide());
    }
    GCRepere r(true, 600, 400);
    int i = 0;
    EXPECT_FALSE(r.Lit({}, i, true));
    EXPECT_EQ(i, 0);
    // Fields that are not numbers keep their defaults and are named in the message.
    QStringList document = base;
    document[0] = QStringLiteral("$x;0;large;600;");
    document[1].replace(QStringLiteral("v;clGray;1;0;"), QStringLiteral("v;pasUneCouleur;épais;0;"));
    document[2] = QStringLiteral("Arial;clBlack;huit;0;0;0;0;titre;format;");
    interlocuteur_.messages.clear();
    i = 0;
    EXPECT_FALSE(r.Lit(document, i, true));
    EXPECT_EQ(i, base.size());
    ASSERT_EQ(interlocuteur_.messages.size(), 1);
    const QString m = interlocuteur_.messages.front();
    EXPECT_TRUE(m.contains(QStringLiteral("« large »")));
    EXPECT_TRUE(m.contains(QStringLiteral("« pasUneCouleur »")));
    EXPECT_TRUE(m.contains(QStringLiteral("« format »")));
    EXPECT_EQ(r.AxeX.GetTitre()->GetTexte(), QStringLiteral("titre"));
    EXPECT_EQ(r.AxeX.Axe.Couleur, 0x808080u);
    EXPECT_GE(r.HauteurTrace, 1);
}

TEST_F(RecordRepere, FichierDeReglages)
{
    GCRepere r(true, 600, 400);
    r.FixeBornes("-1", "pi", EchelleArith, "-1", "0.1", "0.5", "0.1", "100", EchelleLog, "0.1", "0", "1");
    r.SetPolaire(true);
    r.SetPerspective(250, 2.5, 7.75);
    r.SetStylesGrilles(0x00FF00, 3, 2, 0x0000FF, 1, 4);
    r.AxeY.FonteGraduation.Taille = 12;
    r.AxeX.Lateral = true;
    r.AxeX.Decalage = 30;
    FichierIni ini;
    r.EcritIni(ini);
    EXPECT_EQ(ini.texte(QStringLiteral("Gr. Verticale"), QStringLiteral("Xsup")), QStringLiteral("pi"));
    EXPECT_EQ(ini.texte(QStringLiteral("Gr. Horizontale"), QStringLiteral("Type")), QStringLiteral("log"));
    EXPECT_EQ(ini.texte(QStringLiteral("Repère"), QStringLiteral("Polair")), QStringLiteral("1"));

    GCRepere lu(true, 600, 400);
    lu.LitIni(ini);
    EXPECT_TRUE(interlocuteur_.avertissements.isEmpty());
    EXPECT_TRUE(lu.EstPolaire());
    EXPECT_EQ(lu.AxeX.Xsup, QStringLiteral("pi"));
    EXPECT_DOUBLE_EQ(lu.AxeX.Max, M_PI);
    EXPECT_EQ(lu.AxeX.Pas1er, QStringLiteral("0.5"));
    EXPECT_EQ(lu.AxeY.TypeEchelle, EchelleLog);
    EXPECT_EQ(lu.AxeX.Epaisseur, 3);
    EXPECT_EQ(lu.AxeY.Style, 4);
    EXPECT_EQ(lu.AxeY.FonteGraduation.Taille, 12);
    EXPECT_EQ(lu.DistanceOeil, 7.75);
    EXPECT_EQ(lu.Horizon, 250);
    EXPECT_EQ(lu.AxeX.Decalage, 30);
    FichierIni encore;
    lu.EcritIni(encore);
    EXPECT_EQ(encore.lignes(), ini.lignes());

    // Missing keys keep the frame's values; bad bounds and eye values are put right.
    FichierIni mauvais;
    mauvais.chargeLignes({"[Gr. Verticale]", "Xinf=8", "Xsup=2", "[Gr. Horizontale]", "Type=log", "Xinf=-1",
                          "Xsup=10", "[Repère]", "Hauteur_oeil=0"});
    GCRepere m(true, 600, 400);
    m.LitIni(mauvais);
    EXPECT_TRUE(m.Valide());
    EXPECT_EQ(m.AxeX.Min, 2);
    EXPECT_EQ(m.AxeX.Max, 8);
    EXPECT_EQ(m.HauteurOeil, 5);
    EXPECT_EQ(interlocuteur_.avertissements.size(), 1);
}

}  // namespace
