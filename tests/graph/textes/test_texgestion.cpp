// Label renderer: layout of the TeX-like syntax, drawing on images, malformed and huge labels.
// Fonts may be substituted on the test platform: the tests compare positions and sizes with
// each other, never with fixed pixel values.
#include "graph/textes/TeXGestion.h"

#include "expression/fonction.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace {

class TeX : public ::testing::Test {
protected:
    TeX() : image_(4, 4, QImage::Format_RGB32)
    {
        police_.setFamily(QStringLiteral("DejaVu Sans"));
        police_.setPixelSize(16);
    }

    MiseEnPageTeX page(const QString& texte) { return MetEnPageTeX(texte, police_, &image_); }
    BoiteTeX boite(const QString& texte) { return MesureTeX(texte, police_, &image_); }

    // The characters of a layout, in drawing order.
    static QList<ElementTeX> caracteres(const MiseEnPageTeX& p)
    {
        QList<ElementTeX> r;
        for (const ElementTeX& e : p.elements)
            if (e.genre == ElementTeX::Caractere)
                r.append(e);
        return r;
    }
    static QString texteDessine(const MiseEnPageTeX& p)
    {
        QString r;
        for (const ElementTeX& e : caracteres(p))
            r += e.texte;
        return r;
    }
    static QList<ElementTeX> traits(const MiseEnPageTeX& p)
    {
        QList<ElementTeX> r;
        for (const ElementTeX& e : p.elements)
            if (e.genre != ElementTeX::Caractere)
                r.append(e);
        return r;
    }
    static ElementTeX caractere(const MiseEnPageTeX& p, const QString& c)
    {
        for (const ElementTeX& e : caracteres(p))
            if (e.texte == c)
                return e;
        ADD_FAILURE() << "caractère absent : " << c.toStdString();
        return {};
    }

    // Draws on a white image and returns the box of the pixels that are not white.
    QRect encre(const QString& texte, int angle, bool* valide = nullptr, QSize taille = {400, 400},
                QPoint depart = {200, 200})
    {
        QImage image(taille, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setFont(police_);
        p.setPen(Qt::black);
        const bool v = DessineTeX(depart.x(), depart.y(), texte, angle, Qt::black, p);
        p.end();
        if (valide)
            *valide = v;
        return boiteEncre(image);
    }
    static QRect boiteEncre(const QImage& image)
    {
        QRect r;
        for (int y = 0; y < image.height(); ++y) {
            const auto* ligne = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if ((ligne[x] & 0xFFFFFF) != 0xFFFFFF)
                    r |= QRect(x, y, 1, 1);
        }
        return r;
    }

    QFont police_;
    QImage image_;  // the device whose metrics the layouts use
};

// ---------------------------------------------------------------------------------------

TEST_F(TeX, TexteSimpleUnCaractereApresLAutre)
{
    const auto p = page("ab");
    ASSERT_TRUE(p.valide);
    const auto c = caracteres(p);
    ASSERT_EQ(c.size(), 2);
    EXPECT_EQ(c[0].position, QPoint(0, 0));  // top-left corner of the first cell
    EXPECT_EQ(c[1].position, QPoint(c[0].largeur, 0));
    EXPECT_EQ(p.boite.largeur, c[0].largeur + c[1].largeur);
    EXPECT_EQ(p.boite.hauteur(), p.hauteurCellule);
    EXPECT_EQ(p.boite.ascent, p.ligneDeBase);

    EXPECT_LT(boite("a").largeur, boite("ab").largeur);
    EXPECT_LT(boite("ab").largeur, boite("ab cd ef").largeur);
    EXPECT_EQ(boite("").largeur, 0);
    EXPECT_TRUE(page("").valide);
}

TEST_F(TeX, DollarsNonDessines)
{
    const auto p = page("$a_{n}$");
    EXPECT_TRUE(p.valide);
    EXPECT_EQ(texteDessine(p), "an");
    EXPECT_EQ(boite("$$x$").largeur, boite("x").largeur);
}

TEST_F(TeX, ExposantAuDessusIndiceAuDessous)
{
    const auto p = page("x^{2}+1");
    ASSERT_TRUE(p.valide);
    EXPECT_EQ(texteDessine(p), "x2+1");
    const auto x = caractere(p, "x"), deux = caractere(p, "2"), plus = caractere(p, "+"),
               un = caractere(p, "1");
    EXPECT_LT(deux.position.y(), x.position.y());
    EXPECT_EQ(deux.position.x(), x.largeur);
    EXPECT_EQ(plus.position.y(), x.position.y());  // back on the base line
    EXPECT_EQ(un.position.y(), x.position.y());
    EXPECT_EQ(plus.position.x(), x.largeur + deux.largeur);
    EXPECT_GT(p.boite.ascent, boite("x+1").ascent);
    EXPECT_EQ(p.boite.descent, boite("x+1").descent);

    const auto q = page("a_{n}b");
    const auto a = caractere(q, "a"), n = caractere(q, "n"), b = caractere(q, "b");
    EXPECT_GT(n.position.y(), a.position.y());
    EXPECT_EQ(b.position.y(), a.position.y());
    EXPECT_GT(q.boite.descent, boite("ab").descent);
    EXPECT_EQ(q.boite.ascent, boite("ab").ascent);

    // Without braces the caret and the next character are dropped.
    const auto r = page("x^2");
    EXPECT_TRUE(r.valide);
    EXPECT_EQ(texteDessine(r), "x");
    EXPECT_EQ(texteDessine(page("a_ib")), "ab");
}

TEST_F(TeX, Fraction)
{
    const auto p = page("\\frac{1}{nnn}x");
    ASSERT_TRUE(p.valide);
    EXPECT_EQ(texteDessine(p), "1nnnx");
    const auto un = caractere(p, "1"), x = caractere(p, "x");
    const auto n = caracteres(p)[1];
    const auto t = traits(p);
    ASSERT_EQ(t.size(), 1);
    ASSERT_EQ(t[0].points.size(), 2);
    const int barre = t[0].points[0].y();
    EXPECT_EQ(t[0].points[1].y(), barre);
    const int largeurDen = boite("nnn").largeur;
    EXPECT_EQ(t[0].points[0].x(), 0);
    EXPECT_EQ(t[0].points[1].x(), largeurDen);  // as wide as the wider part
    EXPECT_EQ(x.position.x(), largeurDen);      // the pen goes on after the wider part
    EXPECT_EQ(x.position.y(), 0);
    // Numerator above the bar, denominator below, both starting at the pen.
    EXPECT_LT(un.position.y(), 0);
    EXPECT_LE(un.position.y() + p.hauteurCellule, barre + 1);
    EXPECT_GT(n.position.y(), barre);
    EXPECT_EQ(un.position.x(), 0);
    EXPECT_EQ(n.position.x(), 0);
    // Taller than either part, and the wider numerator sets the width too.
    EXPECT_GT(p.boite.hauteur(), boite("1").hauteur() + boite("nnn").hauteur() - 2);
    EXPECT_EQ(boite("\\frac{abcdef}{b}").largeur, boite("abcdef").largeur);
}

TEST_F(TeX, FractionsImbriquees)
{
    // A fraction in a numerator stands wholly above the outer bar, one in a denominator
    // wholly below it.
    const auto p = page("\\frac{\\frac{1}{2}}{\\frac{3}{4}}");
    ASSERT_TRUE(p.valide);
    EXPECT_EQ(texteDessine(p), "1234");
    const auto t = traits(p);
    ASSERT_EQ(t.size(), 3);
    const int barreHaute = t[0].points[0].y(), barreBasse = t[1].points[0].y(),
              barreExterieure = t[2].points[0].y();
    EXPECT_LT(barreHaute, barreExterieure);
    EXPECT_GT(barreBasse, barreExterieure);
    const int h = p.hauteurCellule;
    EXPECT_LE(caractere(p, "2").position.y() + h, barreExterieure + 1);
    EXPECT_GT(caractere(p, "3").position.y(), barreExterieure);
    EXPECT_GT(p.boite.hauteur(), boite("\\frac{1}{2}").hauteur());
    // An exponent in a denominator does not run into the bar.
    const auto q = page("\\frac{1}{e^{x}}");
    EXPECT_GT(caractere(q, "x").position.y(), traits(q)[0].points[0].y());
}

TEST_F(TeX, Decorations)
{
    const int h = page("u").hauteurCellule;
    // \vec and \overrightarrow: an arrow over the argument (the bar and its head).
    for (const QString& texte : {QStringLiteral("\\vec{u}"), QStringLiteral("\\overrightarrow{AB}")}) {
        const auto p = page(texte);
        ASSERT_TRUE(p.valide) << texte.toStdString();
        const auto t = traits(p);
        ASSERT_EQ(t.size(), 2) << texte.toStdString();
        EXPECT_LT(t[0].points[0].y(), 0);
        EXPECT_EQ(t[0].points[1].x(), p.boite.largeur);
        EXPECT_EQ(t[1].points.size(), 3);
    }
    EXPECT_EQ(texteDessine(page("\\overrightarrow{AB}")), "AB");
    // \overline and \bar: one bar above.
    for (const QString& texte : {QStringLiteral("\\overline{AB}"), QStringLiteral("\\bar{z}")}) {
        const auto t = traits(page(texte));
        ASSERT_EQ(t.size(), 1);
        EXPECT_EQ(t[0].points.size(), 2);
        EXPECT_LT(t[0].points[0].y(), 0);
    }
    // \hat: a roof; \underline: a line under the cell; \arc: an arc above; \text: nothing.
    const auto chapeau = traits(page("\\hat{x}"));
    ASSERT_EQ(chapeau.size(), 1);
    ASSERT_EQ(chapeau[0].points.size(), 3);
    EXPECT_LT(chapeau[0].points[1].y(), chapeau[0].points[0].y());
    const auto souligne = traits(page("\\underline{x}"));
    ASSERT_EQ(souligne.size(), 1);
    EXPECT_GT(souligne[0].points[0].y(), h - 1);
    const auto arc = traits(page("\\arc{AB}"));
    ASSERT_EQ(arc.size(), 1);
    EXPECT_EQ(arc[0].genre, ElementTeX::Arc);
    EXPECT_LT(arc[0].cadre.top(), 0);
    const auto texte = page("\\text{ab}c");
    EXPECT_TRUE(traits(texte).isEmpty());
    EXPECT_EQ(texteDessine(texte), "abc");
    // Decorations over a raised group stay above it.
    const auto haut = page("\\bar{x^{2}}");
    EXPECT_LT(traits(haut)[0].points[0].y(), caractere(haut, "2").position.y());
    // The decoration's width is the argument's, then the text goes on.
    const auto suite = page("\\vec{AB}C");
    EXPECT_EQ(caractere(suite, "C").position.x(), boite("AB").largeur);
    // In a font eight times larger (a print), the decorations keep their proportions: the
    // roof of \hat rises at least eight times as high.
    const auto toit = [&](int pixels) {
        QFont grande = police_;
        grande.setPixelSize(pixels);
        const auto t = traits(MetEnPageTeX("\\hat{x}", grande, &image_));
        return t.size() == 1 && t[0].points.size() == 3 ? t[0].points[0].y() - t[0].points[1].y() : -1;
    };
    EXPECT_GT(toit(16), 0);
    EXPECT_GE(toit(128), 8 * toit(16));
}

TEST_F(TeX, CodesDesCommandes)
{
    EXPECT_EQ(CodeCommandeTeX(u"arc{x}"), 1);
    EXPECT_EQ(CodeCommandeTeX(u"bar{x}"), 2);
    EXPECT_EQ(CodeCommandeTeX(u"frac{1}{2}"), 3);
    EXPECT_EQ(CodeCommandeTeX(u"hat{x}"), 4);
    EXPECT_EQ(CodeCommandeTeX(u"overline{x}"), 5);
    EXPECT_EQ(CodeCommandeTeX(u"overrightarrow{x}"), 6);
    EXPECT_EQ(CodeCommandeTeX(u"ovr"), 6);
    EXPECT_EQ(CodeCommandeTeX(u"text{x}"), 7);
    EXPECT_EQ(CodeCommandeTeX(u"underline{x}"), 8);
    EXPECT_EQ(CodeCommandeTeX(u"vec{x}"), 9);
    EXPECT_EQ(CodeCommandeTeX(u"sqrt{x}"), 0);
    EXPECT_EQ(CodeCommandeTeX(u"Vec{x}"), 0);
    EXPECT_EQ(CodeCommandeTeX(u""), 0);
}

TEST_F(TeX, CommandesMalFormeesEnTexteSimple)
{
    // No braces: the backslash alone is skipped.
    auto p = page("\\bar x");
    EXPECT_TRUE(p.valide);
    EXPECT_EQ(texteDessine(p), "bar x");
    EXPECT_TRUE(traits(p).isEmpty());
    // Unknown command, short name, lone backslash, empty name.
    EXPECT_EQ(texteDessine(page("\\sqrt{x}")), "sqrt{x}");
    EXPECT_EQ(texteDessine(page("\\ab{x}")), "ab{x}");
    EXPECT_EQ(texteDessine(page("a\\")), "a");
    EXPECT_EQ(texteDessine(page("\\{x}")), "{x}");
    EXPECT_EQ(texteDessine(page("\\\\")), "");
    // A command does not take a later command's brace for its own.
    p = page("\\bar x et \\vec{u}");
    EXPECT_TRUE(p.valide);
    EXPECT_EQ(texteDessine(p), "bar x et u");
    EXPECT_EQ(traits(p).size(), 2);  // the arrow over u only
    EXPECT_EQ(traits(p)[0].points[0].x(), boite("bar x et ").largeur);
    // Blanks just before the brace are allowed.
    EXPECT_EQ(texteDessine(page("\\frac {1}{2}")), "12");
    // Plain braces are text.
    EXPECT_EQ(texteDessine(page("{a}")), "{a}");
    EXPECT_TRUE(page("}}{{").valide);
}

TEST_F(TeX, ErreursDeSyntaxe)
{
    // A group without its closing brace: false, after drawing what came before.
    auto p = page("x^{2");
    EXPECT_FALSE(p.valide);
    EXPECT_EQ(texteDessine(p), "x");
    EXPECT_FALSE(page("a_{").valide);
    // A one-letter name finds the second brace: 2 is drawn as a numerator and no
    // denominator follows.
    p = page("\\f{1}{2}");
    EXPECT_FALSE(p.valide);
    EXPECT_EQ(texteDessine(p), "2");
    // A fraction without denominator, or whose denominator is not closed.
    p = page("a\\frac{1}b");
    EXPECT_FALSE(p.valide);
    EXPECT_EQ(texteDessine(p), "a1");
    EXPECT_FALSE(page("\\frac{1}{2").valide);
    // An error inside a group ends everything.
    EXPECT_FALSE(page("\\vec{\\frac{1}}").valide);
    EXPECT_FALSE(page("\\frac{x^{2}{3}").valide);
    // The size still covers what was drawn.
    EXPECT_EQ(page("ab^{c").boite.largeur, boite("ab").largeur);
}

// Every look-ahead stays inside the text.
TEST_F(TeX, FinDeTexteSansDebordement)
{
    EXPECT_TRUE(page("x^").valide);
    EXPECT_EQ(texteDessine(page("x^")), "x");
    EXPECT_TRUE(page("x_").valide);
    EXPECT_FALSE(page("\\frac{1}").valide);
    EXPECT_TRUE(page("\\ab").valide);
    for (const char* texte : {"^", "_", "\\", "$", "{", "}", "^{", "_{}", "\\f", "\\fr", "\\fra",
                              "\\frac", "\\frac{", "\\frac{}", "\\frac{}{", "\\frac{}{}",
                              "\\vec{", "\\vec{}", "^{}", "x^{}y", "\\frac{1}{2}}", "\\o{x}"})
        page(QString::fromLatin1(texte));  // must not assert nor crash
    EXPECT_TRUE(page("\\frac{}{}").valide);
    EXPECT_TRUE(page("x^{}y").valide);
    EXPECT_EQ(texteDessine(page("x^{}y")), "xy");
}

TEST_F(TeX, GroupesImbriques)
{
    // Balanced braces: nested groups work and no stray brace is drawn.
    auto p = page("x^{a^{b}}c");
    ASSERT_TRUE(p.valide);
    EXPECT_EQ(texteDessine(p), "xabc");
    EXPECT_LT(caractere(p, "b").position.y(), caractere(p, "a").position.y());
    EXPECT_LT(caractere(p, "a").position.y(), caractere(p, "x").position.y());
    EXPECT_EQ(caractere(p, "c").position.y(), 0);
    p = page("\\bar{\\bar{x}}");
    EXPECT_EQ(texteDessine(p), "x");
    EXPECT_EQ(traits(p).size(), 2);
    EXPECT_LT(traits(p)[1].points[0].y(), traits(p)[0].points[0].y());
    p = page("\\frac{x^{2}}{2}");
    EXPECT_TRUE(p.valide);
    EXPECT_EQ(texteDessine(p), "x22");
    // A brace left open inside a group: the group ends at the first closing brace.
    p = page("x^{a{b}");
    EXPECT_TRUE(p.valide);
    EXPECT_EQ(texteDessine(p), "xa{b");
}

TEST_F(TeX, ImbricationProfondeBorneeCommeLesFormules)
{
    // Groups nest as deep as the brackets of a formula; the mark-up below is plain text,
    // its braces too.
    const int n = 10000, m = ProfondeurAnalyseMax;
    const auto reste = [&](const char* ouvrant, const char* milieu, const char* fermant) {
        return QString(ouvrant).repeated(n - m) + milieu + QString(fermant).repeated(n - m);
    };
    QString texte = QString("^{").repeated(n) + "x" + QString("}").repeated(n);
    auto p = page(texte);
    EXPECT_TRUE(p.valide);
    EXPECT_EQ(texteDessine(p), reste("^{", "x", "}"));
    EXPECT_EQ(caractere(p, "x").position.y(), m * caractere(page("^{x}"), "x").position.y());
    // Nested decorations, fractions in numerators, in denominators.
    texte = QString("\\vec{").repeated(n) + "u" + QString("}").repeated(n);
    p = page(texte);
    EXPECT_TRUE(p.valide);
    EXPECT_EQ(traits(p).size(), 2 * m);
    EXPECT_EQ(texteDessine(p), reste("\\vec{", "u", "}"));
    texte = QString("\\frac{").repeated(n) + "1" + QString("}{2}").repeated(n);
    p = page(texte);
    EXPECT_TRUE(p.valide);
    EXPECT_EQ(texteDessine(p), reste("\\frac{", "1", "}{2}") + QString("2").repeated(m));
    EXPECT_EQ(traits(p).size(), m);
    texte = QString("\\frac{1}{").repeated(n) + "2" + QString("}").repeated(n);
    EXPECT_TRUE(page(texte).valide);
    // Unbalanced: never closed, or plain braces only.
    EXPECT_FALSE(page(QString("^{").repeated(n) + "x").valide);
    EXPECT_TRUE(page(QString("{").repeated(n) + "x").valide);
    EXPECT_TRUE(page(QString("\\vec{").repeated(n)).valide);
    // Drawn on an image as well.
    QImage image(200, 200, QImage::Format_RGB32);
    QPainter peintre(&image);
    peintre.setFont(police_);
    EXPECT_TRUE(DessineTeX(10, 100, QString("_{").repeated(n) + "y" + QString("}").repeated(n),
                           450, Qt::black, peintre));
}

TEST_F(TeX, LettresGrecquesEtAutresCaracteres)
{
    // A Greek letter typed as such is one character, one glyph.
    auto p = page(QStringLiteral("α+β^{γ}"));
    ASSERT_TRUE(p.valide);
    const auto c = caracteres(p);
    ASSERT_EQ(c.size(), 4);
    EXPECT_EQ(c[0].texte, QStringLiteral("α"));
    EXPECT_GT(c[0].largeur, 0);
    EXPECT_EQ(c[3].texte, QStringLiteral("γ"));
    EXPECT_LT(c[3].position.y(), c[0].position.y());
    // Characters outside the basic plane and combining accents stay whole.
    p = page(QStringLiteral("𝑥e\u0301"));
    ASSERT_EQ(caracteres(p).size(), 2);
    EXPECT_EQ(caracteres(p)[0].texte, QStringLiteral("𝑥"));
    EXPECT_EQ(caracteres(p)[1].texte, QStringLiteral("e\u0301"));
    EXPECT_EQ(texteDessine(page(QStringLiteral("x^𝑥y"))), "xy");
    // A font named "Symbol" shows Greek letters for Latin ones.
    QFont symbole(QStringLiteral("Symbol"));
    symbole.setPixelSize(16);
    EXPECT_TRUE(EstPoliceSymbole(symbole));
    EXPECT_FALSE(EstPoliceSymbole(police_));
    p = MetEnPageTeX("2p^{a}", symbole, &image_);
    EXPECT_EQ(texteDessine(p), QStringLiteral("2πα"));
    EXPECT_EQ(TexteSymbole("abgdpqW"), QStringLiteral("αβγδπθΩ"));
    EXPECT_EQ(TexteSymbole(QStringLiteral("x£3")), QStringLiteral("ξ≤3"));
    EXPECT_EQ(TexteSymbole(QStringLiteral("é→")), QStringLiteral("é→"));
}

// ---------------------------------------------------------------------------------------
// Drawing.

TEST_F(TeX, DessineSurUneImage)
{
    bool valide = false;
    const QRect simple = encre("x+1", 0, &valide);
    EXPECT_TRUE(valide);
    ASSERT_FALSE(simple.isEmpty());
    // The pen starts at the top-left corner of the first cell.
    EXPECT_GE(simple.left(), 200);
    EXPECT_GE(simple.top(), 200);
    EXPECT_LT(simple.left(), 205);
    // An exponent rises above, an index goes below, a fraction spans both.
    EXPECT_LT(encre("x^{2}+1", 0).top(), simple.top());
    EXPECT_GT(encre("x_{2}+1", 0).bottom(), simple.bottom());
    const QRect fraction = encre("\\frac{1}{2}", 0);
    EXPECT_LT(fraction.top(), simple.top());
    EXPECT_GT(fraction.bottom(), simple.bottom());
    // A syntax error keeps what was drawn before it.
    const QRect erreur = encre("xxx^{2", 0, &valide);
    EXPECT_FALSE(valide);
    EXPECT_FALSE(erreur.isEmpty());
    EXPECT_TRUE(encre("", 0, &valide).isEmpty());
    EXPECT_TRUE(valide);
}

TEST_F(TeX, CouleurEtEtatDuPeintreRendus)
{
    QImage image(200, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(police_);
    const QPen plume(QColor(0, 0, 255), 1);
    p.setPen(plume);
    const QTransform avant = p.transform();
    ASSERT_TRUE(DessineTeX(5, 5, "WW\\underline{WW}", 0, QColor(255, 0, 0), p));
    EXPECT_EQ(p.pen(), plume);
    EXPECT_EQ(p.font(), police_);
    EXPECT_EQ(p.transform(), avant);
    p.end();
    // Characters in the given colour, strokes in the painter's pen.
    bool rouge = false, bleu = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            rouge |= c.red() > 200 && c.green() < 60 && c.blue() < 60;
            bleu |= c.blue() > 200 && c.red() < 60 && c.green() < 60;
        }
    EXPECT_TRUE(rouge);
    EXPECT_TRUE(bleu);

    // A painter that is not drawing only answers whether the text is valid.
    QPainter inactif;
    EXPECT_TRUE(DessineTeX(0, 0, "x^{2}", 0, Qt::black, inactif));
    EXPECT_FALSE(DessineTeX(0, 0, "x^{2", 0, Qt::black, inactif));
}

TEST_F(TeX, RotationDUnSeulTenant)
{
    // Turned a quarter counter-clockwise, the text runs upwards from its start.
    const QRect droit = encre("MMMMMM", 0);
    const QRect tourne = encre("MMMMMM", 900);
    ASSERT_FALSE(tourne.isEmpty());
    EXPECT_GT(tourne.height(), tourne.width());
    EXPECT_LE(tourne.bottom(), 201);
    EXPECT_NEAR(tourne.height(), droit.width(), 3);
    // The exponent rises across the text (towards the left of the screen), the index goes
    // the other way.
    const QRect exposant = encre("MMM^{MMM}", 900);
    EXPECT_LT(exposant.left(), encre("MMMMMM", 900).left() - 2);
    const QRect indice = encre("MMM_{MMM}", 900);
    EXPECT_GT(indice.right(), tourne.right() + 2);
    // Half a turn: the text runs to the left.
    const QRect demiTour = encre("MMMMMM", 1800);
    EXPECT_LE(demiTour.right(), 201);
    EXPECT_GT(demiTour.width(), demiTour.height());
    // Negative angles and whole turns.
    EXPECT_EQ(encre("MMMMMM", 3600), droit);
    EXPECT_EQ(encre("MMMMMM", -2700), tourne);
}

TEST_F(TeX, LongsTextesRapides)
{
    const QString simple = QString("abcdefghij").repeated(20000);
    const QString balise = QString("x^{2}+\\frac{1}{n}\\vec{u}_{k} ").repeated(10000);
    QImage image(600, 400, QImage::Format_RGB32);
    QPainter p(&image);
    p.setFont(police_);
    EXPECT_TRUE(DessineTeX(0, 100, simple, 0, Qt::black, p));
    EXPECT_TRUE(DessineTeX(0, 200, balise, 300, Qt::black, p));
    EXPECT_GT(MesureTeX(balise, police_, &image).largeur, 0);
}

}  // namespace
