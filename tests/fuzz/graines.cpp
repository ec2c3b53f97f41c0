// Seeds of the fuzz targets, written by the program's own writers, and their dictionaries.
//
//   graines_fuzz DOSSIER
//
// writes DOSSIER/corpus/<target>/ecrit-* and DOSSIER/dictionnaires/<name>.dict:
//  - documents: one for every curve kind the factory knows (with each sub-kind, order or
//    operation code that changes its record), its mothers before it; one for every area
//    kind; one holding every other record kind; frames of every scale; shared records;
//  - the area and text records alone, the point caches of the traced curves, personal
//    transformations, palettes, formulas calling every function and operator of the
//    language;
//  - the words of the document format and of the formula language.
// Every document is read back before it is kept: one that does not read without a problem,
// or that does not give the same lines when written again, is a fault of a writer or of a
// reader, and the program fails naming it. scripts/graines-fuzz puts the result in
// tests/fuzz.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <cstdio>
#include <map>
#include <string>

#include "document_fuzz.h"
#include "graph/document_exemple.h"
#include "expression/fonction.h"
#include "graph/aires/GCTrAire.h"
#include "graph/courbes/genres.h"
#include "graph/fichiers/fichiertexte.h"
#include "graph/fichiers/palette.h"
#include "graph/export/imagefichier.h"
#include "graph/fichiers/lecturewmf.h"

namespace {

QString sortie;
int fautes = 0;
// Fixed, so that the seeds change only when a writer does.
const QString Horodatage = QStringLiteral("01/03/2026 10:00:00");

void Faute(const QString& quoi)
{
    std::fprintf(stderr, "%s\n", quoi.toUtf8().constData());
    ++fautes;
}

void Ecrit(const QString& cible, const QString& nom, const QByteArray& octets)
{
    const QString dossier = sortie + QStringLiteral("/corpus/") + cible;
    QDir().mkpath(dossier);
    QFile f(dossier + QStringLiteral("/ecrit-") + nom);
    if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size())
        Faute(QStringLiteral("impossible d'écrire ") + f.fileName());
}

void EcritLignes(const QString& cible, const QString& nom, const QStringList& lignes)
{
    Ecrit(cible, nom, EncodeLignes(lignes, PolitiqueEncodage::RepliUtf8));
}

// ---------------------------------------------------------------------------------------
// Documents

// The definition texts a curve of that letter is given (other letters keep the defaults
// of their class); the data kinds read a file of points.
struct Definition {
    QString texte1, texte2;
    bool donnees = false;
};

Definition DefinitionDe(QChar lettre)
{
    static const std::map<char16_t, Definition> table = {
        {'B', {{}, {}, true}},
        {'C', {{}, {}, true}},
        {'L', {{}, {}, true}},
        {'W', {{}, {}, true}},
        {'H', {QStringLiteral("Y"), QStringLiteral("-X")}},
        {'I', {QStringLiteral("x^2+y^2-4"), {}}},
        {'J', {QStringLiteral("exp(-t^2)"), {}}},
        {'N', {QStringLiteral("a*Un+1"), {}}},
        {'P', {QStringLiteral("1+cos(3*t)"), {}}},
        {'R', {QStringLiteral("x^2"), {}}},
        {'S', {QStringLiteral("sin(n*x)/n"), {}}},
        {'T', {QStringLiteral("cos(3*t)"), QStringLiteral("sin(2*t)")}},
        {'X', {QStringLiteral("y^2/2-1"), {}}},
        {'Y', {QStringLiteral("sin(a*x)+1"), {}}},
    };
    const auto d = table.find(lettre.unicode());
    return d == table.end() ? Definition() : d->second;
}

// A window's model filled in memory, then written.
class Document {
public:
    Document()
    {
        // The curves are traced in the window's own frame: a size a window has.
        doc_.Repere.FixeTaille(300, 200);
        doc_.Dessin.Visible = true;
    }

    DocumentFuzz& modele() { return doc_; }

    PtrCourbe courbe(QChar lettre, int entier = 0)
    {
        PtrCourbe c = CreeCourbe(lettre, 1, nouveauNumero(), entier);
        if (!c)
            return nullptr;
        c->FixeIdentifiant(QString::number(c->Numero) + Horodatage);
        const Definition d = DefinitionDe(lettre);
        if (d.donnees) {
            // The path of another machine, read here from its working copy.
            const QString copie = QDir(etatGraphe().DossierTemp).filePath(QStringLiteral("points-%1.txt").arg(lettre));
            EcritFichierTexte(copie, {"0;1", "1;2.5", "2;2;A", "->3;0.5", "4;1;B"});
            c->GCCourbe::FixeLibelles(QStringLiteral("C:\\TP\\points-%1.txt").arg(lettre), QString());
            c->CopieDonnees = copie;
        } else if (!d.texte1.isEmpty()) {
            c->GCCourbe::FixeLibelles(d.texte1, d.texte2);
        }
        c->FixeParametre(0, QStringLiteral("2"));
        c->FixeParametre(1, QStringLiteral("0.5"));
        c->Couleur = RVB(200, 0, 0);
        if (auto* y = dynamic_cast<GCY*>(c.get()); y && QStringLiteral("PTXY").contains(lettre)) {
            y->FixeBornes(lettre == 'P' || lettre == 'T' ? QStringLiteral("0") : QStringLiteral("-pi"),
                          lettre == 'P' || lettre == 'T' ? QStringLiteral("2*pi") : QStringLiteral("pi"),
                          QStringLiteral("0.05"));
            y->Etiquette->SetTexte(QStringLiteral("C_{%1}").arg(lettre));
        }
        if (lettre == QLatin1Char('X') || lettre == QLatin1Char('Y'))
            c->Nom = QStringLiteral("f%1").arg(c->Numero);
        return c;
    }

    void ajoute(const PtrCourbe& c) { doc_.Dessin.AjouteCourbe(c); }

    std::shared_ptr<GCAire> aire(QChar lettre, int code = 0)
    {
        std::shared_ptr<GCAire> a = CreeAire(lettre, nouveauNumero(), 1, code);
        if (!a)
            return nullptr;
        a->FixeNom(QStringLiteral("a%1").arg(a->Numero()));
        if (lettre == QLatin1Char('J') || lettre == QLatin1Char('M'))
            a->FixeContraintes({QStringLiteral("x^2-y^2+a"), QStringLiteral("2*x*y+b")});
        else
            a->FixeContraintes({QStringLiteral("x^2+y^2<=4"), QStringLiteral("y>x*a")});
        a->FixeParametre(0, QStringLiteral("0.5"));
        a->FixeEmpreinte(QString::number(a->Numero()) + Horodatage);
        return a;
    }

    QStringList lignes() { return EcrireFenetre(doc_.Modele()); }

    // Traces every curve on a picture of the window's size; the point caches they leave.
    QList<QByteArray> caches()
    {
        QImage image(300, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter peintre(&image);
            doc_.Dessin.Dessine(peintre, doc_.Repere);
        }
        QList<QByteArray> octets;
        for (const PtrCourbe& c : doc_.Dessin.Courbes) {
            QFile f(c->NomFichier());
            if (!c->NomFichier().isEmpty() && f.open(QIODevice::ReadOnly))
                if (const QByteArray b = f.readAll(); !b.isEmpty())
                    octets << b;
        }
        return octets;
    }

private:
    DocumentFuzz doc_;
};

// The lines of a document once read in a new session and written again, with the problems
// of the reading.
QStringList Relu(const QStringList& lignes, QStringList& problemes)
{
    const SessionFuzz session;
    DocumentFuzz relu;
    LiensEnAttente liens;
    problemes = relu.lit(lignes, liens).problemes;
    return EcrireFenetre(relu.Modele());
}

// Keeps a document once it reads without a problem and settles in one saving (a second
// saving writes what the first wrote; the first may write defaults that the reader fills).
void Garde(const QString& nom, const QStringList& lignes, bool peint = true)
{
    QStringList problemes;
    const QStringList une = Relu(lignes, problemes);
    if (!problemes.isEmpty())
        Faute(QStringLiteral("%1 : relu avec des problèmes :\n  %2").arg(nom, problemes.join(QStringLiteral("\n  "))));
    const QStringList deux = Relu(une, problemes);
    if (deux != une) {
        qsizetype i = 0;
        while (i < une.size() && i < deux.size() && une[i] == deux[i])
            ++i;
        Faute(QStringLiteral("%1 : changé par un second enregistrement, ligne %2 :\n  %3\n  %4")
                  .arg(nom).arg(i + 1).arg(une.value(i), deux.value(i)));
    }
    EcritLignes(QStringLiteral("lecture"), nom, lignes);
    EcritLignes(QStringLiteral("enregistrement"), nom, lignes);
    if (peint)
        EcritLignes(QStringLiteral("document"), nom, lignes);
}

QString NomGenre(QChar lettre, int entier) { return entier ? QStringLiteral("%1%2").arg(lettre).arg(entier) : QString(lettre); }

// Every kind of curve the factory makes: sub-kinds, orders and operation codes that change
// the record, each in a document after the mothers it names.
void Courbes()
{
    QSet<QByteArray> caches;
    for (char16_t l = 'A'; l <= 'Z'; ++l) {
        const QChar lettre(l);
        QSet<QString> vus;
        for (int entier = 0; entier <= CodeOperationMax; ++entier) {
            const SessionFuzz session;
            Document d;
            const PtrCourbe mere = d.courbe(QLatin1Char('Y'));
            const PtrCourbe autre = d.courbe(QLatin1Char('T'));
            const PtrCourbe c = d.courbe(lettre, entier);
            if (!c)
                break;
            const bool operation = dynamic_cast<GCOperUnaire*>(c.get()) || dynamic_cast<GCOperBinaire*>(c.get());
            if (entier > 6 && !operation)
                break;
            c->FixeMere(1, mere->Identifiant);
            c->FixeMere(2, autre->Identifiant);
            // One seed per record layout: the same record but for the numbers is no new seed.
            QStringList seul;
            GCDessin pour;
            pour.AjouteCourbe(c);
            pour.Sauve(seul);
            pour.VideCourbes();
            const QString texte = seul.join(QLatin1Char('\n'));
            const QString forme = QString(texte).replace(c->Identifiant, QString());
            if (vus.contains(forme))
                continue;
            vus.insert(forme);
            if (texte.contains(mere->Identifiant))
                d.ajoute(mere);
            if (texte.contains(autre->Identifiant))
                d.ajoute(autre);
            d.ajoute(c);
            const QString nom = QStringLiteral("courbe-") + NomGenre(lettre, entier);
            // The caches of the document's curves in order (mothers first), each once.
            const QList<QByteArray> traces = d.caches();
            for (int k = 0; k < traces.size(); ++k)
                if (!caches.contains(traces[k])) {
                    caches.insert(traces[k]);
                    Ecrit(QStringLiteral("cache"), QStringLiteral("%1-%2").arg(nom).arg(k + 1), traces[k]);
                }
            Garde(nom, d.lignes());
        }
    }
}

// Every kind of area, after the area that transformed areas take as mother (an inequation
// area, a Julia set for images of sets), turned by 30 degrees.
void Aires()
{
    for (char16_t l = 'A'; l <= 'Z'; ++l) {
        const QChar lettre(l);
        const SessionFuzz session;
        Document d;
        const bool image = lettre == QLatin1Char('T') || lettre == QLatin1Char('P');
        const std::shared_ptr<GCAire> mere = d.aire(lettre == QLatin1Char('P') ? QLatin1Char('J') : QLatin1Char('A'));
        const std::shared_ptr<GCAire> a = d.aire(lettre, image ? 26 : 0);
        if (auto* t = dynamic_cast<GCTrAire*>(a.get()))
            t->FixeCoefficients({QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("30"), QStringLiteral("0"),
                                 QStringLiteral("0"), QStringLiteral("0")});
        if (!a)
            continue;
        GCListAires& aires = d.modele().Aires;
        if (lettre != QLatin1Char('A')) {
            a->FixeMere(*mere);
            aires.Ajoute(mere);
        }
        a->FixeCouleur(RVB(0, 160, 0));
        a->FixeStyleRemplissage(2);
        aires.Ajoute(a);
        QStringList records;
        aires.Enregistre(records);
        EcritLignes(QStringLiteral("aires"), QStringLiteral("aire-") + lettre, records);
        Garde(QStringLiteral("aire-") + lettre, d.lignes());
    }
}

// Labels of every form: at a world position or a pixel, turned, with macros and the
// label syntax.
void Textes(GCListTextes& textes)
{
    Police gras;
    gras.Nom = QStringLiteral("DejaVu Serif");
    gras.Gras = true;
    gras.Couleur = RVB(0, 0, 160);
    gras.Taille = 12;
    auto monde = std::make_unique<GCTexte>(++CompteurTextes(), QStringLiteral("1"), QStringLiteral("pi/2"), true, Police());
    monde->SetTexte(QStringLiteral("Aire é œ € : &aire0 ; x_{n}^{2} \\frac{a}{b}"));
    textes.AjouteTexte(std::move(monde));
    auto pixel = std::make_unique<GCTexte>(++CompteurTextes(), QStringLiteral("40"), QStringLiteral("30"), false, gras);
    pixel->SetTexte(QStringLiteral("&x ; &y ; &n ; &t"));
    pixel->SetOrientation(450);
    textes.AjouteTexte(std::move(pixel));
    auto stat = std::make_unique<GCTexte>(++CompteurTextes(), QStringLiteral("-2"), QStringLiteral("a"), true, gras);
    stat->SetTexte(QStringLiteral("\\sqrt{2} &lib1 &abs &ord &num"));
    stat->NoPoint = 3;
    stat->SetOrientation(-900);
    textes.AjouteTexte(std::move(stat));
    for (const auto& t : textes.Textes())
        EcritLignes(QStringLiteral("textes"), QStringLiteral("texte-%1").arg(t->Numero), LignesTexte(*t));
}

// The document of every record kind, with the labels above, its curve data brought from
// "another machine" and fixed dates.
void Complet()
{
    const SessionFuzz session;
    Document d;
    RemplitDocumentExemple(d.modele().Modele(), etatGraphe().DossierTemp);
    Textes(d.modele().Textes);
    QStringList lignes = d.lignes();
    lignes.replaceInStrings(etatGraphe().DossierTemp + QLatin1Char('/'), QStringLiteral("C:\\TP\\"));
    lignes.replaceInStrings(QRegularExpression(QStringLiteral("\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d")), Horodatage);
    Garde(QStringLiteral("complet"), lignes);
}

// The window's picture, and frames of every scale: logarithmic, projective, polar,
// orthonormal.
void Reperes()
{
    {
        const SessionFuzz session;
        QImage(8, 6, QImage::Format_RGB32).save(QDir(etatGraphe().DossierTemp).filePath(QStringLiteral("fond.png")));
        Document d;
        d.modele().Fenetre.FichierImage = QStringLiteral("images\\fond.png");
        d.modele().Fenetre.EtireImage = true;
        d.ajoute(d.courbe(QLatin1Char('Y')));
        Garde(QStringLiteral("image"), d.lignes(), false);
    }
    struct Cas {
        const char* nom;
        int typeX, typeY;
        bool polaire, norme;
    };
    for (const Cas& cas : {Cas{"log", EchelleLog, EchelleLog, false, false}, Cas{"semilog", EchelleArith, EchelleLog, false, false},
                           Cas{"proj", EchelleProj, EchelleArith, false, false}, Cas{"polaire", EchelleArith, EchelleArith, true, true}}) {
        const SessionFuzz session;
        Document d;
        GCRepere& r = d.modele().Repere;
        const auto bornes = [](int type, const char* inf, const char* sup) { return type == EchelleLog ? std::pair("0.1", "100") : std::pair(inf, sup); };
        const auto [xinf, xsup] = bornes(cas.typeX, "-3", "3");
        const auto [yinf, ysup] = bornes(cas.typeY, "-2", "2");
        r.FixeBornes(xinf, xsup, cas.typeX, xinf, "0", "1", yinf, ysup, cas.typeY, yinf, "0", "1");
        r.SetPolaire(cas.polaire);
        r.SetNorme(cas.norme);
        if (cas.typeX == EchelleProj)
            r.SetPerspective(120, 2.5, 8);
        d.ajoute(d.courbe(cas.polaire ? QLatin1Char('P') : QLatin1Char('Y')));
        Garde(QStringLiteral("repere-") + QLatin1String(cas.nom), d.lignes());
    }
}

// The same curve and area shown twice: the second records are links.
void Partages()
{
    const SessionFuzz session;
    Document d;
    const PtrCourbe c = d.courbe(QLatin1Char('Y'));
    d.ajoute(c);
    const std::shared_ptr<GCAire> a = d.aire(QLatin1Char('A'));
    d.modele().Aires.Ajoute(a);
    QStringList lignes = d.lignes();
    QStringList repetees;
    GCDessin deux;
    deux.AjouteCourbe(c);
    deux.Sauve(repetees);
    deux.VideCourbes();
    d.modele().Aires.Enregistre(repetees);
    for (const char* cible : {"lecture", "enregistrement"})
        EcritLignes(QLatin1String(cible), QStringLiteral("partages"), lignes + repetees);
}

// Personal transformations: name, six coefficients, operation code, as the frame writes
// them.
void Transfos()
{
    const QStringList lignes = {QStringLiteral("Quart de tour"), "0", "-1", "1", "0", "0", "0", "28",
                                QStringLiteral("Homothétie de rapport a"), "a", "0", "0", "a", "1", "-1", "25",
                                QStringLiteral("Symétrie d'axe y=x"), "0", "1", "1", "0", "0", "0", "19"};
    if (TransfosDeLignes(lignes).lignes != lignes)
        Faute(QStringLiteral("transformations personnelles relues autrement"));
    EcritLignes(QStringLiteral("transfos"), QStringLiteral("transfos"), lignes);
}

// The default palette of the sets, and a periodic one, as the program writes them.
void Palettes()
{
    Palette periodique = PaletteParDefaut();
    RendPeriodique(periodique, 16);
    EcritLignes(QStringLiteral("palette"), QStringLiteral("defaut"), LignesDePalette(PaletteParDefaut()));
    EcritLignes(QStringLiteral("palette"), QStringLiteral("periodique"), LignesDePalette(periodique));
}

// Metafiles as the picture export writes them: a small picture, and one of a single pixel.
void Metafichiers()
{
    QImage image(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            image.setPixel(x, y, qRgb(40 * x, 80 * y, 200));
    Ecrit(QStringLiteral("wmf"), QStringLiteral("image.wmf"), ImageVersWmf(image));
    Ecrit(QStringLiteral("wmf"), QStringLiteral("point.wmf"), ImageVersWmf(QImage(1, 1, QImage::Format_RGB32)));
    if (ImageDeWmf(ImageVersWmf(image)) != image)
        Faute(QStringLiteral("métafichier relu autrement"));
}

// ---------------------------------------------------------------------------------------
// Formulas

void Formules()
{
    QList<QByteArray> formules;
    for (int code = UF0; code < NbCodesUnaires; ++code)
        formules << QByteArray(NomsUnaires[code]).toLower() + "(x/2+1)";
    for (int code = BARG; code < NbCodesBinaires; ++code)
        formules << QByteArray(NomsBinaires[code]).toLower() + "(x,3)";
    // The signs in Windows-1252 (the old code page's bytes for the root and pi), then in
    // UTF-8.
    formules << "-x^2+3*x-1/x" << "2@x" << "(x+1)!" << "x\xB2+y'" << "\xFB(x)*\xE3" << "x\xC2\xB2+\xE2\x88\x9A(x)*\xCF\x80"
             << "a*x+b-c/d^g+h*k-l*m+p" << "y''+n*r-y3" << "(1+i)*(2-j)*z" << "rd+pi+1.5E-3+.5+4." << "((((x))))";
    for (int k = 0; k < formules.size(); ++k)
        Ecrit(QStringLiteral("formule"), QString::number(k), formules[k]);
}

// ---------------------------------------------------------------------------------------
// Dictionaries

QByteArray Mot(const QByteArray& octets)
{
    QByteArray r = "\"";
    for (const char c : octets) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u >= 0x7F || c == '"' || c == '\\')
            r += "\\x" + QByteArray::number(u, 16).rightJustified(2, '0').toUpper();
        else
            r += c;
    }
    return r + "\"\n";
}

// Each word in Windows-1252 (when it has its bytes) and in UTF-8, and the raw words as
// they are.
void Dictionnaire(const QString& nom, const QStringList& mots, const QList<QByteArray>& octets = {})
{
    QList<QByteArray> formes = octets;
    for (const QString& m : mots) {
        if (RepresentableEnWindows1252(m))
            formes << EnWindows1252(m);
        formes << m.toUtf8();
    }
    QByteArray texte = "# " + nom.toUtf8() + " : written by graines_fuzz\n";
    QSet<QByteArray> vus;
    for (const QByteArray& forme : formes)
        if (!forme.isEmpty() && !vus.contains(forme)) {
            vus.insert(forme);
            texte += Mot(forme);
        }
    QDir().mkpath(sortie + QStringLiteral("/dictionnaires"));
    QFile f(sortie + QStringLiteral("/dictionnaires/") + nom + QStringLiteral(".dict"));
    if (!f.open(QIODevice::WriteOnly) || f.write(texte) != texte.size())
        Faute(QStringLiteral("impossible d'écrire ") + f.fileName());
}

void Dictionnaires()
{
    QStringList formule;
    for (int code = UF0; code < NbCodesUnaires; ++code)
        formule << QString::fromLatin1(NomsUnaires[code]) + QLatin1Char('(');
    for (int code = BARG; code < NbCodesBinaires; ++code)
        formule << QString::fromLatin1(NomsBinaires[code]) + QLatin1Char('(');
    formule << QStringLiteral("²") << QStringLiteral("√") << QStringLiteral("π") << QStringLiteral("^") << QStringLiteral("@")
            << QStringLiteral("!") << QStringLiteral("PI") << QStringLiteral("RD") << QStringLiteral("Y'")
            << QStringLiteral("Y''") << QStringLiteral("E-") << QStringLiteral("1E+") << QStringLiteral(",")
            << QStringLiteral("((") << QStringLiteral("))");
    Dictionnaire(QStringLiteral("formule"), formule, {"\xFB", "\xE3"});

    QStringList document = {QStringLiteral("VIRK 4.26"), QStringLiteral("\\Menus\\"), QStringLiteral("v;"),
                            QStringLiteral("f;"), QStringLiteral(" ;"), QStringLiteral("aucun"), QStringLiteral(";;"),
                            QStringLiteral("\r\n"), QStringLiteral("C:\\")};
    for (const QChar marque : QStringLiteral("V\\[£#$>&!§@%"))
        document << QStringLiteral("\r\n") + marque;
    for (char16_t l = 'A'; l <= 'Z'; ++l) {
        if (CreeCourbe(QChar(l), 1, 0))
            document << QStringLiteral("&%1;").arg(QChar(l));
        if (CreeAire(QChar(l), 0, 1))
            document << QStringLiteral("@%1").arg(QChar(l));
    }
    for (int type : {EchelleArith, EchelleLog, EchelleProj})
        document << NomTypeEchelle(type) + QLatin1Char(';');
    for (const CouleurNommee& c : CouleursNommees)
        document << QString::fromUtf8(c.nom);
    const TCouleur couleurs[] = {0x000000, 0xFFFFFF, 0x0000FF, 0xFFFF00, 0x808080, 0x00FFFF, CouleurAucune, CouleurDefaut, 0xFF00000F};
    for (TCouleur c : couleurs)
        document << CouleurEnTexte(c);
    document << QStringLiteral("$00C8F0FA") << QStringLiteral(">F1=") << QStringLiteral("&x") << QStringLiteral("&aire0")
             << QStringLiteral("\\frac{") << QStringLiteral("_{") << QStringLiteral("^{") << QStringLiteral("01/01/2026 10:00:00");
    Dictionnaire(QStringLiteral("document"), document);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage : graines_fuzz DOSSIER\n");
        return 2;
    }
    QGuiApplication* application = ApplicationFuzz("graines_fuzz");
    sortie = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    Courbes();
    Aires();
    Complet();
    Reperes();
    Partages();
    Transfos();
    Palettes();
    Metafichiers();
    Formules();
    Dictionnaires();
    delete application;
    return fautes == 0 ? 0 : 1;
}
