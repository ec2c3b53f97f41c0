// Sound: Ecouter writes the curve's WAV file and has it played; a WAV file opens as a
// chronicle of its samples in a new window.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <complex>
#include <numbers>

#include "dialogs/pilote_saisie.h"
#include "graph/courbes/GCC.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/fichiers/wav.h"
#include "graph/repere/GCRepere.h"
#include "outils_fenetre.h"

namespace {

class Son : public FenetresNouvellesTest {
protected:
    QAction* ecoute(TForm1& f)
    {
        for (QAction* a : f.OptionTrace()->actions())
            if (a->objectName() == "Ecoute")
                return a;
        return nullptr;
    }
    // Ecouter from the curve pop-up, the format chosen in "courbe --> Wav".
    void ecoute(TForm1& f, const PtrCourbe& c, int format)
    {
        CodeObjetSouris() = c->Numero;
        QuandModal([=](QWidget* w) {
            EXPECT_EQ(w->windowTitle(), "courbe --> Wav");
            Enfant<QComboBox>(w, "CBFmt")->setCurrentIndex(format);
            Clique(Enfant<QPushButton>(w, "ButOK"));
        });
        f.Ecouter1Click(ecoute(f));
    }
    // Opens the WAV file, the names proposed confirmed.
    TForm1* ouvre(const QString& chemin)
    {
        QuandModal([](QWidget* w) { Clique(Enfant<QPushButton>(w, "ButOK")); });
        return TForm1::ConvertitWav(chemin);
    }
    static std::vector<PointCourbe> points(TForm1& f)
    {
        return LitFichierPoints(f.Dessin().Courbes.front()->NomFichier()).points;
    }

    QStringList joues;
    GardeValeur<std::function<void(const QString&)>> gardeSon_{etatFenetres().joueSon,
                                                               [this](const QString& c) { joues << c; }};
};

}  // namespace

TEST_F(Son, CourbeVersWavPuisChroniqueDeSesEchantillons)
{
    TForm1 f(1);
    PtrCourbe c = CreeCourbe('Y', 1, nouveauNumero());
    ASSERT_TRUE(static_cast<GCY*>(c.get())->FixeLibelles("3+2*sin(x)", ""));
    c->NouvelIdentifiant();
    f.Dessin().AjouteCourbe(c);
    Peint(f);
    const EchantillonsCourbe e = EchantillonneCourbeWav(LitFichierPoints(c->NomFichier()).points);
    ASSERT_GT(e.valeurs.size(), 50u);
    for (int format : {1, 0}) {
        SCOPED_TRACE(format);
        joues.clear();
        ecoute(f, c, format);
        ASSERT_EQ(joues.size(), 1);
        TForm1* g = ouvre(joues[0]);
        ASSERT_TRUE(g);
        EXPECT_TRUE(g->titre().endsWith(" : conversion WAV -> VIRK"));
        const std::vector<PointCourbe> p = points(*g);
        ASSERT_EQ(p.size(), e.valeurs.size());
        int bas = 0, haut = 0;
        for (std::size_t k = 0; k < p.size(); ++k) {
            const double s = (e.valeurs[k] - e.moyenne) * (format ? 32767 : 128) / e.crete();
            const int attendu = format ? int(std::nearbyint(s)) : std::min(int(std::nearbyint(s)), 127);
            ASSERT_EQ(p[k].y, attendu) << k;
            ASSERT_DOUBLE_EQ(p[k].x, double(k) / 11025);
            bas = std::min(bas, attendu);
            haut = std::max(haut, attendu);
        }
        // The y range fitted to the samples, not left at the default one.
        GCRepere::BornesEtPas x, y;
        g->Repere().GetBornesEtPas(x, y);
        EXPECT_LE(y.xinf.toDouble(), bas);
        EXPECT_GE(y.xsup.toDouble(), haut);
        EXPECT_GT(y.xsup.toDouble() - y.xinf.toDouble(), haut - bas);
        EXPECT_LT(y.xsup.toDouble() - y.xinf.toDouble(), 3 * (haut - bas));
        // Graduated from below the lowest sample, and shown so at once: the picture shown is
        // the one its fitted frame gives when drawn again.
        EXPECT_LE(y.debut.toDouble(), bas);
        const QImage montree = g->PaintBox()->grab().toImage();
        EXPECT_TRUE(montree == g->PaintBox()->grab().toImage()) << "image d'avant l'ajustement";
    }
    EXPECT_TRUE(inter.messages.isEmpty()) << inter.messages.join('\n').toStdString();

    // A curve with no computed point: one message, no file, nothing played.
    PtrCourbe vide = CreeCourbe('Y', 1, nouveauNumero());
    ASSERT_TRUE(static_cast<GCY*>(vide.get())->FixeLibelles("sqrt(-1-x^2)", ""));
    vide->NouvelIdentifiant();
    f.Dessin().AjouteCourbe(vide);
    Peint(f);
    QFile::remove(joues[0]);
    joues.clear();
    inter.messages.clear();
    CodeObjetSouris() = vide->Numero;
    f.Ecouter1Click(ecoute(f));
    EXPECT_EQ(inter.messages.size(), 1);
    EXPECT_TRUE(joues.isEmpty());
    EXPECT_FALSE(QFile::exists(joues.value(0, QDir(dossierTravail()).filePath("SansNom.wav"))));
}

TEST_F(Son, WavDeSoxOuvertsEnChroniquesSansToucherLesFichiersVoisins)
{
    QTemporaryDir d;
    // A 440 Hz sine: the chronicle's spectrum peaks at 440 Hz.
    const QString la = d.filePath("la.wav");
    ASSERT_EQ(QProcess::execute("sox", {"-n", "-r", "22050", "-b", "16", la, "synth", "0.2", "sine", "440"}), 0);
    TForm1* g = ouvre(la);
    ASSERT_TRUE(g);
    const std::vector<PointCourbe> p = points(*g);
    ASSERT_EQ(p.size(), 4410u);
    int pic = 0;
    double plusGrand = 0;
    for (int frequence = 100; frequence <= 2000; frequence += 10) {
        std::complex<double> s;
        for (const PointCourbe& q : p)
            s += q.y * std::polar(1.0, -2 * std::numbers::pi * frequence * q.x);
        if (std::abs(s) > plusGrand)
            plusGrand = std::abs(s), pic = frequence;
    }
    EXPECT_EQ(pic, 440);

    // Cut short, or its size field overstated: the whole frames present, and it is said.
    QFile source(la);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray octets = source.readAll();
    const qsizetype donnees = octets.indexOf("data");
    ASSERT_GT(donnees, 0);
    QByteArray gonfle = octets;
    gonfle.replace(donnees + 4, 4, QByteArray::fromHex("000000f0"));
    const struct {
        QString nom;
        QByteArray octets;
        qsizetype points;
        QString message;
    } fautifs[] = {
        {"coupe.wav", octets.left(200), (200 - donnees - 8) / 2,
         QStringLiteral("%1 valeurs lues sur les 4410 annoncées").arg((200 - donnees - 8) / 2)},
        {"gonfle.wav", gonfle, 4410, "4410 valeurs lues sur les 2013265920 annoncées"},
    };
    for (const auto& cas : fautifs) {
        QFile fichier(d.filePath(cas.nom));
        ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
        fichier.write(cas.octets);
        fichier.close();
        inter.messages.clear();
        TForm1* h = ouvre(fichier.fileName());
        ASSERT_TRUE(h);
        EXPECT_EQ(points(*h).size(), std::size_t(cas.points));
        EXPECT_EQ(inter.messages, QStringList{cas.message});
    }
    inter.messages.clear();

    // Stereo, left at 1000 and right at -1000: the chronicle is the left channel, N points
    // over N/rate seconds; a "cours.txt" beside "cours.wav" is left as it was.
    const QString cours = d.filePath("cours.wav");
    QFile brut(d.filePath("cours.raw"));
    ASSERT_TRUE(brut.open(QIODevice::WriteOnly));
    for (int k = 0; k < 441; ++k)
        brut.write(QByteArray::fromHex("e80318fc"));   // 1000, -1000
    brut.close();
    ASSERT_EQ(QProcess::execute("sox", {"-t", "s16", "-r", "44100", "-c", "2", brut.fileName(), cours}), 0);
    QFile texte(d.filePath("cours.txt"));
    ASSERT_TRUE(texte.open(QIODevice::WriteOnly));
    texte.write("notes du cours\n");
    texte.close();
    g = ouvre(cours);
    ASSERT_TRUE(g);
    const std::vector<PointCourbe> q = points(*g);
    ASSERT_EQ(q.size(), 441u);
    for (const PointCourbe& r : q)
        ASSERT_EQ(r.y, 1000);
    EXPECT_DOUBLE_EQ(q.back().x, 440.0 / 44100);
    QFile relu(d.filePath("cours.txt"));
    ASSERT_TRUE(relu.open(QIODevice::ReadOnly));
    EXPECT_EQ(relu.readAll(), "notes du cours\n");
    EXPECT_TRUE(inter.messages.isEmpty()) << inter.messages.join('\n').toStdString();

    // A 24-bit file: one message, no window.
    const QString large = d.filePath("large.wav");
    ASSERT_EQ(QProcess::execute("sox", {"-n", "-r", "8000", "-b", "24", large, "synth", "0.01", "sine", "440"}), 0);
    const std::size_t fenetres = nouvelles.size();
    EXPECT_FALSE(TForm1::ConvertitWav(large));
    EXPECT_EQ(inter.messages.size(), 1);
    EXPECT_EQ(nouvelles.size(), fenetres);
}
