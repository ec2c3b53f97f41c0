// The DFT of a curve: settings, sampling, zero filling, windows, frequency axis.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "expression/fonction.h"
#include "expression/tfd.h"
#include "etat_essai.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

// A curve computed on demand from a formula.
class CourbeFormule : public CourbeTFD {
public:
    CourbeFormule(const std::string& formule, char genre = 'Y') : genre_(genre) { EXPECT_TRUE(CompileExpr(formule, arbre_)); }
    char Genre() const override { return genre_; }
    bool LitPoints(std::vector<PointTFD>&, std::string& message) override
    {
        ADD_FAILURE() << "a computed curve has no point cache to read";
        message = "?";
        return false;
    }
    double Valeur(double x) override
    {
        ++appels;
        return EvalueArbre(arbre_, x);
    }
    int appels = 0;

private:
    Arbre arbre_;
    char genre_;
};

// A curve known by its point cache.
class CourbePoints : public CourbeTFD {
public:
    explicit CourbePoints(std::vector<PointTFD> points, char genre = 'C') : points_(std::move(points)), genre_(genre) {}
    char Genre() const override { return genre_; }
    bool LitPoints(std::vector<PointTFD>& points, std::string& message) override
    {
        if (illisible) {
            message = "Fichier illisible";
            return false;
        }
        points = points_;
        return true;
    }
    double Valeur(double) override
    {
        ADD_FAILURE() << "a cached curve is read, not evaluated";
        return 0;
    }
    bool illisible = false;

private:
    std::vector<PointTFD> points_;
    char genre_;
};

std::vector<std::string> reglages(const std::string& debut, const std::string& fin, const std::string& n,
                                  const std::string& zeros = "0", const std::string& fenetre = "0")
{
    return {debut, fin, n, zeros, fenetre, ""};
}

class TFD : public ::testing::Test {
protected:
    EtatNeuf<reinitialiseCalcul> etat_;

    // Expects a refusal with this message.
    static void refus(CourbeTFD& c, const std::vector<std::string>& r, const std::string& attendu)
    {
        std::vector<double> re, im;
        double pas = 0, f0 = 0;
        std::string message;
        EXPECT_FALSE(TFDCourbe(c, r, re, im, pas, f0, message));
        EXPECT_EQ(message, attendu);
    }
};

TEST_F(TFD, GenresQuiNeSeTransformentPas)
{
    for (char g : {'P', 'B', 'G', 'H', 'I', 'L', 'N', 'T', 'W', 'X', 'A'}) {
        CourbeFormule c("X", g);
        refus(c, reglages("-5", "5", "256"), std::string(1, g) + " : type non transformable par TFD");
    }
}

TEST_F(TFD, TaillesVerifieesAvantLEchantillonnage)
{
    const std::string message =
        "Nombre de points incorrect : N doit être une puissance de 2 de 2 à 8192 (4096 avec les zéros) !";
    CourbeFormule c("SIN(X)");
    refus(c, reglages("-5", "5", "100"), message);
    refus(c, reglages("-5", "5", "0"), message);
    refus(c, reglages("-5", "5", "1"), message);
    refus(c, reglages("-5", "5", "1", "1"), message);
    refus(c, reglages("-5", "5", "-256"), message);
    refus(c, reglages("-5", "5", "16384"), message);
    refus(c, reglages("-5", "5", "8192", "1"), message);
    refus(c, reglages("-5", "5", "256.5"), message);
    refus(c, reglages("-5", "5", "abc"), message);
    refus(c, reglages("-5", "5", ""), message);
    EXPECT_EQ(c.appels, 0);

    std::vector<double> re, im;
    double pas = 0, f0 = 0;
    std::string m;
    EXPECT_TRUE(TFDCourbe(c, reglages("-5", "5", "8192"), re, im, pas, f0, m)) << m;
    EXPECT_EQ(re.size(), 8192u);
    EXPECT_TRUE(TFDCourbe(c, reglages("-5", "5", "4096", "1"), re, im, pas, f0, m)) << m;
    EXPECT_EQ(re.size(), 8192u);
    EXPECT_TRUE(TFDCourbe(c, reglages("-5", "5", "2", "1"), re, im, pas, f0, m)) << m;
    EXPECT_EQ(re.size(), 4u);
}

TEST_F(TFD, RemplissageDeZerosDoubleLeNombreEtDiviseLePasParDeux)
{
    CourbeFormule c("SIN(X)");
    std::vector<double> re, im;
    double pas = 0, f0 = 0;
    int n = 0;
    std::string m;
    ASSERT_TRUE(EchantillonneTFD(c, reglages("-5", "5", "256", "1"), n, pas, f0, im, re, m)) << m;
    EXPECT_EQ(n, 512);
    EXPECT_DOUBLE_EQ(pas, 0.05);
    EXPECT_DOUBLE_EQ(f0, -12.8);
    ASSERT_EQ(re.size(), 512u);
    for (int i = 0; i < 128; ++i) {
        EXPECT_EQ(re[i], 0);
        EXPECT_EQ(re[384 + i], 0);
    }
    EXPECT_NEAR(re[128], std::sin(-5.0), 1e-15);
    EXPECT_NEAR(re[128 + 5], std::sin(-5 + 10.0 * 5 / 256), 1e-15);

    // The largest size the dialog offers, with zeros: the buffers follow.
    ASSERT_TRUE(TFDCourbe(c, reglages("-5", "5", "1024", "1"), re, im, pas, f0, m)) << m;
    EXPECT_EQ(re.size(), 2048u);
    EXPECT_EQ(im.size(), 2048u);
    EXPECT_DOUBLE_EQ(pas, 0.05);
    EXPECT_DOUBLE_EQ(f0, -51.2);

    EXPECT_TRUE(ZerosAjoutes("1"));
    EXPECT_TRUE(ZerosAjoutes(" 1 "));
    EXPECT_FALSE(ZerosAjoutes("0"));
    EXPECT_FALSE(ZerosAjoutes(""));
}

TEST_F(TFD, ConstanteCulmineAuCentre)
{
    CourbeFormule c("1");
    std::vector<double> re, im;
    double pas = 0, f0 = 0;
    std::string m;
    ASSERT_TRUE(TFDCourbe(c, reglages("0", "1", "8"), re, im, pas, f0, m)) << m;
    for (int k = 0; k < 8; ++k) {
        EXPECT_NEAR(re[k], k == 4 ? 1 : 0, 1e-15) << k;
        EXPECT_NEAR(im[k], 0, 1e-15) << k;
    }
    EXPECT_DOUBLE_EQ(pas, 1);
    EXPECT_DOUBLE_EQ(f0, -4);
}

TEST_F(TFD, SinusCulmineASaFrequence)
{
    // 3 Hz over [0, 2): bins of 0.5 Hz, peaks at -3 and +3.
    CourbeFormule c("SIN(2*PI*3*X)");
    std::vector<double> re, im;
    double pas = 0, f0 = 0;
    std::string m;
    ASSERT_TRUE(TFDCourbe(c, reglages("0", "2", "64"), re, im, pas, f0, m)) << m;
    EXPECT_DOUBLE_EQ(pas, 0.5);
    for (int k = 0; k < 64; ++k) {
        const double f = f0 + k * pas;
        const double module = std::hypot(re[k], im[k]);
        EXPECT_NEAR(module, std::fabs(std::fabs(f) - 3) < 1e-9 ? 0.5 : 0, 1e-12) << f;
    }
}

TEST_F(TFD, Fenetres)
{
    CourbeFormule c("1");
    std::vector<double> re, im;
    double pas = 0, f0 = 0;
    int n = 0;
    std::string m;
    for (const char* w : {"1", "2"}) {
        ASSERT_TRUE(EchantillonneTFD(c, reglages("0", "1", "16", "0", w), n, pas, f0, im, re, m)) << m;
        EXPECT_NEAR(re[0], 0, 1e-15) << w;
        EXPECT_NEAR(re[8], 1, 1e-15) << w;
        EXPECT_NEAR(re[4], 0.5, 1e-15) << w;
    }
    ASSERT_TRUE(EchantillonneTFD(c, reglages("0", "1", "16", "0", "3"), n, pas, f0, im, re, m));
    EXPECT_NEAR(re[0], 0.08, 1e-15);
    EXPECT_NEAR(re[8], 1, 1e-15);
    ASSERT_TRUE(EchantillonneTFD(c, reglages("0", "1", "16", "0", "4"), n, pas, f0, im, re, m));
    EXPECT_NEAR(re[0], 0, 1e-15);
    EXPECT_NEAR(re[8], 1, 1e-15);
    ASSERT_TRUE(EchantillonneTFD(c, reglages("0", "1", "16", "0", "5"), n, pas, f0, im, re, m));
    EXPECT_NEAR(re[0], 0.0049, 1e-15);
    EXPECT_NEAR(re[8], 1, 1e-15);
    ASSERT_TRUE(EchantillonneTFD(c, reglages("0", "1", "16", "0", "0"), n, pas, f0, im, re, m));
    EXPECT_EQ(re, std::vector<double>(16, 1.0));
    EXPECT_STREQ(NomsFenetresTFD[5], "Blackman-Harris");
}

TEST_F(TFD, BornesEtEchantillonsEnEchecRefuses)
{
    CourbeFormule inverse("1/X");
    refus(inverse, reglages("-5", "5", "256"), "Valeur incalculable en x = 0 : division par 0 !");
    CourbeFormule c("SIN(X)");
    refus(c, reglages("5", "5", "256"), "Attention : Début >= Fin !");
    refus(c, reglages("5", "-5", "256"), "Attention : Début >= Fin !");
    refus(c, reglages("2+", "5", "256"), "Début incorrect !");
    refus(c, reglages("0", "LN(0)", "256"), "Fin incorrecte !");
    std::vector<double> re, im;
    double pas = 0, f0 = 0;
    std::string m;
    EXPECT_TRUE(TFDCourbe(c, reglages("-PI", "2*PI", "16"), re, im, pas, f0, m)) << m;
    EXPECT_DOUBLE_EQ(pas, 1 / (3 * Pi));
}

// A chronicle sampled at 1/32 s: 320 records over [0, 10).
std::vector<PointTFD> chronique(double frequence, int nombre = 320, double periode = 1.0 / 32)
{
    std::vector<PointTFD> p(nombre);
    for (int i = 0; i < nombre; ++i)
        p[i] = {i * periode, std::sin(2 * Pi * frequence * i * periode)};
    return p;
}

TEST_F(TFD, AxeDesFrequencesDUneCourbeEnCacheSelonLesEnregistrementsPris)
{
    // N = 256 of 320 records: the samples span 8 s, not 10; the 2 Hz sine peaks at ±2 Hz.
    CourbePoints c(chronique(2));
    std::vector<double> re, im;
    double pas = 0, f0 = 0;
    std::string m;
    ASSERT_TRUE(TFDCourbe(c, reglages("0", "10", "256"), re, im, pas, f0, m)) << m;
    EXPECT_DOUBLE_EQ(pas, 0.125);
    int pic = 0;
    for (int k = 0; k < 128; ++k)  // negative frequencies
        if (std::hypot(re[k], im[k]) > std::hypot(re[pic], im[pic]))
            pic = k;
    EXPECT_NEAR(f0 + pic * pas, -2, 0.125);
    pic = 128;
    for (int k = 128; k < 256; ++k)
        if (std::hypot(re[k], im[k]) > std::hypot(re[pic], im[pic]))
            pic = k;
    EXPECT_NEAR(f0 + pic * pas, 2, 0.125);

    // Every other record when M = 2N: [1, 9) holds 256 records, N = 128.
    CourbePoints d(chronique(2));
    ASSERT_TRUE(TFDCourbe(d, reglages("1", "9", "128"), re, im, pas, f0, m)) << m;
    EXPECT_DOUBLE_EQ(pas, 1.0 / (128 * 2.0 / 32));
}

TEST_F(TFD, EchantillonnageDUneCourbeEnCacheCommenceADebut)
{
    std::vector<PointTFD> p(40);
    for (int i = 0; i < 40; ++i)
        p[i] = {static_cast<double>(i), static_cast<double>(100 + i)};
    CourbePoints c(p, 'Q');
    std::vector<double> re, im;
    double pas = 0, f0 = 0;
    int n = 0;
    std::string m;
    // Records 5..36 (x < 37): M = 32, every record.
    ASSERT_TRUE(EchantillonneTFD(c, reglages("4.5", "37", "32"), n, pas, f0, im, re, m)) << m;
    EXPECT_EQ(re[0], 105);
    EXPECT_EQ(re[31], 136);
    // M = 35 (x in [2, 37)), N = 16: every second record.
    ASSERT_TRUE(EchantillonneTFD(c, reglages("2", "37", "16"), n, pas, f0, im, re, m)) << m;
    EXPECT_EQ(re[0], 102);
    EXPECT_EQ(re[1], 104);
    EXPECT_EQ(re[15], 132);
    EXPECT_DOUBLE_EQ(pas, 1.0 / 32);
}

TEST_F(TFD, RefusDUneCourbeEnCache)
{
    CourbePoints peu(chronique(2, 100));
    refus(peu, reglages("0", "10", "128"), "Nombre d'échantillons trop grand!");
    CourbePoints c(chronique(2));
    refus(c, reglages("20", "30", "128"), "Pas assez de valeurs disponibles!");
    refus(c, reglages("0", "5", "256"), "Pas assez de valeurs disponibles!");
    CourbePoints illisible(chronique(2));
    illisible.illisible = true;
    refus(illisible, reglages("0", "10", "128"), "Fichier illisible");
    std::vector<PointTFD> memeX(64, PointTFD{1, 2});
    CourbePoints plat(memeX, 'U');
    refus(plat, reglages("0", "10", "32"), "Les abscisses des points ne sont pas croissantes !");
}

}  // namespace
