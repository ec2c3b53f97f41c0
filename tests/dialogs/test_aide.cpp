// The help: every topic a command asks for opens its page at its section, the lists of
// predefined functions hold every function of the language, and no link of the pages leads
// nowhere.
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTest>
#include <functional>

#include "dialogs/aide.h"
#include "dialogs/dialtext.h"
#include "dialogs/etatsaisie.h"
#include "expression/catalogue.h"
#include "graph/textes/GCTexte.h"
#include "pilote_saisie.h"

namespace {

class AideTest : public ::testing::Test {
protected:
    EtatNeuf<reinitialiseSaisie> etat_;
};

// The text of the block that holds that anchor (the heading of the section), or the first
// block when the anchor is empty; "?" when no block holds it.
QString TitreALAncre(const QTextDocument& document, const QString& ancre)
{
    if (ancre.isEmpty())
        return document.begin().text().trimmed();
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorNames().contains(ancre))
                return b.text().trimmed();
    return QStringLiteral("?");
}

QString TexteBrut(const QString& page)
{
    QTextDocument document;
    document.setHtml(TexteHtmlAide(page));
    return document.toPlainText();
}

}  // namespace

// Each topic number that the menus, F1 and the Aide buttons ask for opens, in the one help
// window, the page and the section written for it.
TEST_F(AideTest, ChaqueSujetDemandeOuvreSaPageASaSection)
{
    // The text dialog asks for the topic of the group it shows.
    const auto boutonTexte = [](UsageTexte usage) {
        return [usage] {
            GCTexte texte(1, QStringLiteral("0"), QStringLiteral("0"), true, Police());
            Tdialogtxt f(texte, usage, ContexteTexte());
            f.show();
            Clique(Enfant<QPushButton>(&f, "aide"));
        };
    };
    const auto sujet = [](int n) { return [n] { MontreAide(n); }; };
    const struct {
        std::function<void()> geste;
        const char* page;
        const char* ancre;
        const char* titre;
    } cas[] = {
        {sujet(SujetsAide::Sommaire), "sommaire.html", "", "Aide de VIRK"},
        {sujet(SujetsAide::FonctionsUneVariable), "fonctions1.html", "", "Fonctions prédéfinies d'une variable"},
        {sujet(SujetsAide::FonctionsDeuxVariables), "fonctions2.html", "", "Fonctions prédéfinies de deux variables"},
        {sujet(SujetsAide::AxeX), "repere.html", "axe-x", "L'axe des abscisses"},
        {sujet(SujetsAide::AxeY), "repere.html", "axe-y", "L'axe des ordonnées"},
        {sujet(SujetsAide::Unites), "repere.html", "unites", "Réduire et augmenter les unités"},
        {sujet(SujetsAide::Norme), "repere.html", "norme", "Repère normé"},
        {sujet(SujetsAide::SaisieGraphique), "souris.html", "saisie",
         "Dessiner une courbe à la souris : point par point et ligne brisée"},
        {sujet(SujetsAide::MainLevee), "souris.html", "main-levee", "Tracer à main levée"},
        {sujet(SujetsAide::Regressions), "operations.html", "regressions", "Régressions"},
        {sujet(SujetsAide::Primitives), "operations.html", "primitive", "Primitives"},
        {sujet(SujetsAide::VariationParametres), "parametres.html", "variation", "La barre de variation des paramètres"},
        {boutonTexte(UsageTexte::Libre), "textes.html", "affichage", "Affichage particulier : des valeurs calculées"},
        {boutonTexte(UsageTexte::EtiquetteCourbe), "textes.html", "decalage", "Légende des points d'une courbe"},
        {boutonTexte(UsageTexte::Titre), "textes.html", "", "Les textes"},
        // A number no command asks for: the contents.
        {sujet(99), "sommaire.html", "", "Aide de VIRK"},
    };
    TAide* premiere = nullptr;
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(c.page) + "#" + c.ancre);
        c.geste();
        TAide* aide = FenetreAide();
        ASSERT_NE(aide, nullptr);
        EXPECT_TRUE(aide->isVisible());
        const QUrl source = aide->Texte->source();
        EXPECT_EQ(source.fileName(), c.page);
        EXPECT_EQ(source.fragment(), c.ancre);
        EXPECT_EQ(TitreALAncre(*aide->Texte->document(), c.ancre), QString::fromUtf8(c.titre));
        // The same window serves every topic while it lives.
        if (!premiere && !aide->parentWidget()) {
            premiere = aide;
        } else if (premiere && !aide->parentWidget()) {
            EXPECT_EQ(aide, premiere);
        }
    }
    // The contents page reached, the way back goes through the pages seen.
    TAide* aide = FenetreAide();
    ASSERT_NE(aide, nullptr);
    EXPECT_TRUE(aide->Precedent->isEnabled());
    Clique(aide->Precedent);
    EXPECT_EQ(aide->Texte->source().fileName(), QStringLiteral("textes.html"));
    Clique(aide->BoutonSommaire);
    EXPECT_EQ(aide->Texte->source().fileName(), QStringLiteral("sommaire.html"));
}

// The two lists are made from the language's own table: every function it reads is there,
// written as the parser reads its name, with what it computes and where it is defined; the
// index of the contents page gives each one too.
TEST_F(AideTest, LesListesDeFonctionsDonnentToutesLesFonctionsDuLangage)
{
    const QString une = TexteBrut(QStringLiteral("fonctions1.html"));
    const QString deux = TexteBrut(QStringLiteral("fonctions2.html"));
    const QString sommaire = TexteBrut(QStringLiteral("sommaire.html"));
    const auto verifie = [&](const FicheFonction& f, const QString& liste) {
        const QString ecriture = QString::fromUtf8(f.ecriture);
        SCOPED_TRACE(ecriture.toStdString());
        EXPECT_TRUE(liste.contains(ecriture));
        EXPECT_TRUE(sommaire.contains(ecriture));
        EXPECT_TRUE(liste.contains(QString::fromUtf8(f.calcul)));
        if (f.domaine) {
            EXPECT_TRUE(liste.contains(QString::fromUtf8(f.domaine)));
        }
        for (const char* m : {f.message, f.message2})
            if (m) {
                EXPECT_TRUE(liste.contains(QStringLiteral("« ") + QString::fromUtf8(m) + QStringLiteral(" »")));
            }
        // A name of letters is written as the parser matches it, in lower case.
        const QString nom = QString::fromLatin1(f.nom);
        if (QRegularExpression(QStringLiteral("^[A-Z][A-Z0-9]*$")).match(nom).hasMatch()) {
            EXPECT_TRUE(ecriture.startsWith(nom.toLower() + QLatin1Char('('))) << nom.toStdString();
        }
    };
    for (int code = UF0; code < NbCodesUnaires; ++code)
        verifie(FichesUnaires[code], une);
    for (int code = BARG; code < NbCodesBinaires; ++code)
        verifie(FichesBinaires[code], deux);
    // The operators are on the page on writing formulas.
    const QString formules = TexteBrut(QStringLiteral("formules.html"));
    for (const FicheFonction* f : {&FichesBinaires[BDivise], &FichesBinaires[BPuissance], &FichesUnaires[UMoins]})
        EXPECT_TRUE(formules.contains(QString::fromUtf8(f->calcul)) && formules.contains(QString::fromUtf8(f->message ? f->message : f->ecriture)))
            << f->ecriture;
}

// Every link of every page, generated ones included, leads to a page of the help and, when
// it names a section, to a section that page has; the contents list every page.
TEST_F(AideTest, LesLiensDesPagesMenentADesSectionsQuiExistent)
{
    QStringList pages = PagesAide();
    pages << QStringLiteral("sommaire.html");
    const QString sommaire = TexteHtmlAide(QStringLiteral("sommaire.html"));
    static const QRegularExpression lien(QStringLiteral("href=\"([^\"#]*)(?:#([^\"]*))?\""));
    int liens = 0;
    for (const QString& page : pages) {
        SCOPED_TRACE(page.toStdString());
        const QString html = TexteHtmlAide(page);
        ASSERT_FALSE(html.isEmpty());
        if (page != QLatin1String("sommaire.html")) {
            EXPECT_TRUE(sommaire.contains(QStringLiteral("href=\"%1\"").arg(page)));
        }
        for (auto it = lien.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const QString cible = m.captured(1).isEmpty() ? page : m.captured(1);
            const QString ancre = m.captured(2);
            SCOPED_TRACE((cible + QLatin1Char('#') + ancre).toStdString());
            ++liens;
            ASSERT_TRUE(pages.contains(cible));
            if (!ancre.isEmpty()) {
                const QString vise = TexteHtmlAide(cible);
                EXPECT_TRUE(vise.contains(QStringLiteral("id=\"%1\"").arg(ancre))
                            || vise.contains(QStringLiteral("name=\"%1\"").arg(ancre)));
            }
        }
    }
    EXPECT_GT(liens, 100);
    EXPECT_TRUE(TexteHtmlAide(QStringLiteral("absente.html")).isEmpty());
}
