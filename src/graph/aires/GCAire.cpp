// Relations, their parser, and the inequation area: its operations and its pixel scan.
#include "graph/aires/GCAire.h"

#include <QTime>
#include <algorithm>
#include <cmath>
#include <thread>

#include "expression/etat.h"
#include "expression/formatage.h"
#include "expression/simul.h"
#include "graph/repere/GCRepere.h"
#include "graph/base/etatgraphe.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

// The largest bitmap an area may take (pixels): far above any window or printed page.
constexpr qint64 PixelsMaxBitmap = 120'000'000;

// Y read as state value 0 while a relation compiles.
class YCommeEtat {
public:
    YCommeEtat() : ancien_(contexteCalcul().YEstVariable) { contexteCalcul().YEstVariable = false; }
    ~YCommeEtat() { contexteCalcul().YEstVariable = ancien_; }

private:
    bool ancien_;
};

}  // namespace

// ---------------------------------------------------------------------------------------
// Relations

bool GCIneq::Verifie(double x, double y, double dx, double dy) const
{
    double* etat = VariablesEtat();
    etat[0] = y;
    // A side that cannot be computed makes the relation false, before its negation: a
    // negated relation holds where it cannot be computed.
    const double l1 = EvalueArbre(Gauche, x);
    if (ErreurCalcul())
        return Negation;
    const double r1 = EvalueArbre(Droite, x);
    if (ErreurCalcul())
        return Negation;

    bool vrai;
    switch (Relation) {
    case RelInf:
        vrai = l1 < r1;
        break;
    case RelSup:
        vrai = l1 > r1;
        break;
    default: {
        const double eps = contexteCalcul().Epsilon;
        const bool infEgal = Relation == RelInfEgal;
        auto tient = [&](double l, double r) { return infEgal ? l <= r + eps : l >= r - eps; };
        vrai = tient(l1, r1);
        // The neighbouring samples, each counting only when both sides could be computed.
        auto echantillon = [&](double xe, double ye) {
            etat[0] = ye;
            const double l = EvalueArbre(Gauche, xe);
            if (ErreurCalcul())
                return false;
            const double r = EvalueArbre(Droite, xe);
            if (ErreurCalcul())
                return false;
            return tient(l, r);
        };
        if (!vrai)
            vrai = echantillon(x + dx / 2, y + dy / 2) || echantillon(x + dx, y - dy / 2);
        break;
    }
    }
    return Negation ? !vrai : vrai;
}

bool AnalyseInequations(const QStringList& lignes, ListeIneq& liste)
{
    bool echec = false;
    for (int i = 0; i < lignes.size(); ++i) {
        const QString& ligne = lignes.at(i);
        auto rel = std::make_shared<GCIneq>();
        int p = ligne.indexOf(QLatin1Char('<'));
        bool inf = true;
        if (p < 0) {
            p = ligne.indexOf(QLatin1Char('>'));
            inf = false;
        }
        if (p < 0) {
            interlocuteur().message(QStringLiteral("Manque < ou > dans la relation n°%1").arg(i + 1));
            echec = true;
            continue;
        }
        auto car = [&](int k) { return k < ligne.size() ? ligne.at(k) : QChar(); };
        int modificateur = 0;
        if (car(p + 1) == QLatin1Char('=')) {
            rel->FixeRelation(inf ? RelInfEgal : RelSupEgal);
            modificateur = 1;
            if (car(p + 2) == QLatin1Char('!')) {
                rel->FixeNegation(true);
                modificateur = 2;
            }
        } else {
            rel->FixeRelation(inf ? RelInf : RelSup);
            if (car(p + 1) == QLatin1Char('!')) {
                rel->FixeNegation(true);
                modificateur = 1;
            }
        }
        const std::string gauche = ligne.left(p).toStdString();
        const std::string droite = ligne.mid(p + 1 + modificateur).toStdString();
        Arbre ag, ad;
        bool compile;
        {
            YCommeEtat y;
            compile = CompileExpr(gauche, ag);
            compile = CompileExpr(droite, ad) && compile;
        }
        if (compile) {
            rel->FixeExpressions(std::move(ag), std::move(ad));
            liste.push_back(std::move(rel));
        } else {
            interlocuteur().message(QStringLiteral("Erreur de syntaxe dans la relation n°%1").arg(i + 1));
            echec = true;
        }
    }
    return echec;
}

ListeIneq& ListeInequations()
{
    static ListeIneq liste;
    return liste;
}

QString NouvelleEmpreinte(int numero)
{
    return QString::number(numero) + horodatage();
}

bool NomAireValide(const QString& nom, QString* raison)
{
    if (nom.contains(QLatin1Char(';')) || nom.contains(QLatin1Char('\n')) || nom.contains(QLatin1Char('\r'))) {
        if (raison)
            *raison = QStringLiteral("Le nom d'une aire ne peut contenir ni « ; » ni retour à la ligne.");
        return false;
    }
    return true;
}

QString NomStyleRemplissage(int style)
{
    static const char* const noms[NbStylesRemplissage] = {
        "Plein", "Transparent", "Hachures horizontales", "Hachures verticales",
        "Hachures diagonales avant", "Hachures diagonales arrière", "Quadrillage",
        "Quadrillage diagonal",
    };
    return style >= 0 && style < NbStylesRemplissage ? QString::fromUtf8(noms[style]) : QString();
}

QString NomModeCopie(int mode)
{
    static const char* const noms[NbModesCopie] = {
        "DstInvert", "MergeCopy", "MergePaint", "NotSrcCopy", "NotSrcErase", "PatCopy", "PatInvert",
        "PatPaint", "SrcAnd", "SrcCopy", "SrcErase", "SrcInvert", "SrcPaint",
    };
    return mode >= 0 && mode < NbModesCopie ? QString::fromLatin1(noms[mode]) : QString();
}

// ---------------------------------------------------------------------------------------
// The area

GCAire::GCAire(int numero, int numeroFenetre) : Numero_(numero), NumeroFenetre_(numeroFenetre)
{
    Parametres_.fill(QStringLiteral("0"));
}

const QString& GCAire::Parametre(int i) const
{
    static const QString vide;
    return i >= 0 && i < NbParametres ? Parametres_[i] : vide;
}

void GCAire::FixeParametre(int i, const QString& texte)
{
    if (i >= 0 && i < NbParametres)
        Parametres_[i] = texte;
}

void GCAire::ChargeParametres() const
{
    auto& valeurs = contexteCalcul().ValeursParametres;
    for (int i = 0; i < NbParametres; ++i) {
        const double v = EvalueTexte(Parametres_[i].toStdString());
        valeurs[i] = ErreurCalcul() ? 0 : v;
    }
    ErreurCalcul() = 0;
}

bool GCAire::Modifie(bool nouvelle)
{
    Dialogues* d = etatGraphe().dialogues;
    return d && d->modifieAire(*this, nouvelle);
}

bool GCAire::ConfirmeSaisie(const SaisieAire& saisie, bool nouvelle)
{
    QString raison;
    if (!NomAireValide(saisie.nom, &raison)) {
        interlocuteur().message(raison);
        return false;
    }
    ListeIneq& liste = ListeInequations();
    liste.clear();
    if (AnalyseInequations(saisie.contraintes, liste))
        return false;
    if (nouvelle)
        Empreinte_ = NouvelleEmpreinte(Numero_);
    Nom_ = saisie.nom;
    Polaire_ = saisie.polaire;
    ModeCopie_ = saisie.modeCopie;
    Couleur_ = saisie.couleur;
    Style_ = static_cast<std::uint8_t>(std::clamp(saisie.style, 0, NbStylesRemplissage - 1));
    Contraintes_ = saisie.contraintes;
    FixeInequations(liste);
    return true;
}

void GCAire::Copie(const GCAire& source)
{
    Empreinte_ = NouvelleEmpreinte(Numero_);
    Nom_ = source.Nom_ == QLatin1String("a") ? QStringLiteral("a") + QString::number(Numero_) : source.Nom_;
    Couleur_ = source.Couleur_;
    Style_ = source.Style_;
    Polaire_ = source.Polaire_;
    ModeCopie_ = source.ModeCopie_;
    Parametres_ = source.Parametres_;
    Contraintes_ = source.Contraintes_;
    FixeInequations(source.Inequations_);
}

std::shared_ptr<GCAire> GCAire::CreeMemeGenre(int numero, int numeroFenetre) const
{
    return std::make_shared<GCAire>(numero, numeroFenetre);
}

void GCAire::Decrit(QStringList& memo) const
{
    memo << QStringLiteral("--> Aire n°%1 : %2").arg(Numero_).arg(Nom_);
    memo << QStringLiteral("Mesure= ") + QString::fromStdString(ReelVersTexte(Mesure_));
    memo << QStringLiteral("** Système d'inéquations **");
    memo << (Polaire_ ? QStringLiteral("Coordonnées polaires") : QStringLiteral("Coordonnées rectangulaires"));
    memo << Contraintes_;
    memo << QStringLiteral("** Paramètres **");
    for (int i = 0; i < NbParametres; ++i)
        memo << QStringLiteral("a%1= %2").arg(i).arg(Parametres_[i]);
}

void GCAire::DecritRapport() const
{
    EtatGraphe& etat = etatGraphe();
    if (!etat.EnregistrementSession)
        return;
    QStringList& j = etat.JournalCourbes;
    j << QStringLiteral(" ") << QTime::currentTime().toString(QStringLiteral("hh:mm:ss"))
      << QStringLiteral("--> Aire n°%1").arg(Numero_) << QStringLiteral("Fenêtre n°%1").arg(NumeroFenetre_);
    QStringList description;
    Decrit(description);
    // Lines 3 on (no name line, no measure).
    j << description.mid(2);
}

// ---------------------------------------------------------------------------------------
// Point test and scan

bool GCAire::ContientPoint(double x, double y, double ux, double uy) const
{
    double variable = x, etat0 = y;
    if (Polaire_) {
        double rho = 0, theta = 0;
        if (CartesienVersPolaire(x, y, rho, theta))
            theta = 0;  // the pole: angle 0
        variable = theta * Pi / 180;
        etat0 = rho;
    }
    for (const auto& r : Inequations_)
        if (!r->Verifie(variable, etat0, ux, uy))
            return false;
    return true;
}

bool GCAire::Contient(const GCRepere& repere, int colonne, int ligne, double ux, double uy) const
{
    double x = 0, y = 0;
    repere.PixelVersMonde(colonne, ligne, x, y);
    return ContientPoint(x, y, ux, uy);
}

QImage GCAire::BitmapEnCouleurs(TCouleur fond) const
{
    if (Bitmap_.format() != QImage::Format_Indexed8)
        return Bitmap_;
    QImage image = Bitmap_;
    image.setColorTable({VersQColor(fond).rgb(), VersQColor(Couleur_).rgb()});
    return image.convertToFormat(QImage::Format_RGB32);
}

namespace {

// What one scan needs, shared read-only by the threads that run it.
struct Balayage {
    const GCAire* aire;
    const GCRepere* repere;
    double ux, uy;
    int c0, c1;                        // columns, bounds included
    bool separable;                    // no projective axis: x depends on the column only
    std::vector<double> X, largeur;    // per column (separable)
    std::vector<double> Y, hauteur;    // per row (separable), indexed from the first row
    int r0;
    uchar* bits;
    qsizetype octetsParLigne;
    std::vector<int> compte;           // per row
    std::vector<double> mesure;        // per row

    void lignes(int debut, int fin)  // rows debut..fin - 1
    {
        for (int r = debut; r < fin; ++r) {
            uchar* ligne = bits + octetsParLigne * r;
            int n = 0;
            double somme = 0;
            const int k = r - r0;
            for (int c = c0; c <= c1; ++c) {
                double x, y;
                if (separable) {
                    x = X[c - c0];
                    y = Y[k];
                } else {
                    repere->PixelVersMonde(c, r, x, y);
                }
                if (!aire->ContientPoint(x, y, ux, uy))
                    continue;
                ligne[c] = 1;
                ++n;
                if (separable) {
                    somme += largeur[c - c0];
                } else {
                    double xd, yd, xb, yb;
                    repere->PixelVersMonde(c + 1, r, xd, yd);
                    repere->PixelVersMonde(c, r + 1, xb, yb);
                    somme += std::fabs(xd - x) * std::fabs(y - yb);
                }
            }
            compte[k] = n;
            mesure[k] = separable ? somme * hauteur[k] : somme;
        }
    }
};

}  // namespace

void GCAire::Calcule(const GCRepere& repere)
{
    double ux = 0, uy = 0;
    repere.GetUnitesParPixel(ux, uy);
    const QPoint origine = repere.GetOrigine();
    const int x0 = origine.x() + 1, y0 = origine.y() + 1;
    int w = 0, h = 0;
    repere.GetTailleTrace(w, h);
    if (w <= 0 || h <= 0 || !repere.Valide())
        return;
    // Columns x0 .. x0 + w and rows y0 .. y0 + h, both bounds included, kept on the bitmap.
    const qint64 largeurBitmap = qint64(w) + x0 + 1, hauteurBitmap = qint64(h) + y0 + 1;
    if (largeurBitmap < 1 || hauteurBitmap < 1)
        return;
    if (largeurBitmap * hauteurBitmap > PixelsMaxBitmap) {
        interlocuteur().avertit(QStringLiteral("Aire n°%1 (%2) : la fenêtre est trop grande pour calculer l'aire.")
                                    .arg(Numero_).arg(Nom_));
        return;
    }
    QImage image(int(largeurBitmap), int(hauteurBitmap), QImage::Format_Indexed8);
    if (image.isNull()) {
        interlocuteur().avertit(QStringLiteral("Aire n°%1 (%2) : mémoire insuffisante pour calculer l'aire.")
                                    .arg(Numero_).arg(Nom_));
        return;
    }
    image.setColorTable({VersQColor(0xFFFFFF).rgb(), VersQColor(Couleur_).rgb()});
    image.fill(0);

    ChargeParametres();

    Balayage b;
    b.aire = this;
    b.repere = &repere;
    b.ux = ux;
    b.uy = uy;
    b.c0 = std::max(x0, 0);
    b.c1 = int(largeurBitmap) - 1;
    b.r0 = std::max(y0, 0);
    const int r1 = int(hauteurBitmap) - 1;
    int tx = EchelleArith, ty = EchelleArith;
    repere.GetTypesEchelle(tx, ty);
    b.separable = tx != EchelleProj && ty != EchelleProj;
    const int nc = b.c1 - b.c0 + 1, nr = r1 - b.r0 + 1;
    {
        // The frame keeps its graduation in a cache: filled here, only read by the threads.
        double x, y;
        repere.PixelVersMonde(x0, y0, x, y);
    }
    if (b.separable) {
        b.X.resize(nc);
        b.largeur.resize(nc);
        for (int c = b.c0; c <= b.c1; ++c) {
            double x, y, xs, ys;
            repere.PixelVersMonde(c, y0, x, y);
            repere.PixelVersMonde(c + 1, y0, xs, ys);
            b.X[c - b.c0] = x;
            b.largeur[c - b.c0] = std::fabs(xs - x);
        }
        b.Y.resize(nr);
        b.hauteur.resize(nr);
        for (int r = b.r0; r <= r1; ++r) {
            double x, y, xs, ys;
            repere.PixelVersMonde(x0, r, x, y);
            repere.PixelVersMonde(x0, r + 1, xs, ys);
            b.Y[r - b.r0] = y;
            b.hauteur[r - b.r0] = std::fabs(y - ys);
        }
    }
    b.bits = image.bits();
    b.octetsParLigne = image.bytesPerLine();
    b.compte.assign(nr, 0);
    b.mesure.assign(nr, 0.0);

    // Rows are independent: a large scan is split into bands over a few threads, each with
    // its own evaluation state; the totals are summed in row order, so the result does not
    // depend on the split.
    const qint64 travail = qint64(nc) * nr * std::max<qint64>(1, qint64(Inequations_.size()));
    int nbFils = 1;
    if (travail >= 20000) {
        const unsigned materiel = std::thread::hardware_concurrency();
        nbFils = std::clamp(int(materiel), 1, 8);
        nbFils = std::min(nbFils, std::max(1, nr / 8));
    }
    if (nbFils <= 1) {
        b.lignes(b.r0, r1 + 1);
    } else {
        std::vector<std::thread> fils;
        fils.reserve(nbFils - 1);
        const int pas = (nr + nbFils - 1) / nbFils;
        for (int k = 1; k < nbFils; ++k) {
            const int debut = b.r0 + k * pas, fin = std::min(r1 + 1, debut + pas);
            if (debut < fin)
                fils.emplace_back([&b, debut, fin] { b.lignes(debut, fin); });
        }
        b.lignes(b.r0, std::min(r1 + 1, b.r0 + pas));
        for (auto& f : fils)
            f.join();
    }
    ErreurCalcul() = 0;

    int total = 0;
    double mesure = 0;
    for (int k = 0; k < nr; ++k) {
        total += b.compte[k];
        mesure += b.mesure[k];
    }
    NbPixels_ = total;
    Mesure_ = mesure;
    Bitmap_ = std::move(image);
}

void GCAire::EcritChampsTete(QString& tete) const
{
    tete += CouleurEnTexte(Couleur_) + QLatin1Char(';') + QString::number(Style_) + QLatin1Char(';')
            + QString::number(ModeCopie_) + QLatin1Char(';') + QString::number(Polaire_ ? 1 : 0) + QLatin1Char(';');
}

void GCAire::LitChampsTete(const QStringList& champs, QStringList& problemes)
{
    if (champs.size() < 4)
        return;
    TCouleur c = Couleur_;
    if (TexteVersCouleur(champs[0], c))
        Couleur_ = c;
    else
        problemes << QStringLiteral("la couleur « %1 » n'est pas lisible").arg(champs[0]);
    int style = 0;
    if (LitEntier(champs[1], style))
        Style_ = static_cast<std::uint8_t>(style >= 0 && style < NbStylesRemplissage ? style : 0);
    else
        problemes << QStringLiteral("le style de remplissage « %1 » n'est pas un entier").arg(champs[1]);
    int mode = ModeCopieDefaut;
    if (LitEntier(champs[2], mode))
        ModeCopie_ = ModeCopieLu(mode);
    else
        problemes << QStringLiteral("le mode de superposition « %1 » n'est pas un entier").arg(champs[2]);
    int polaire = 0;
    if (LitEntier(champs[3], polaire))
        Polaire_ = polaire == 1;
    else
        problemes << QStringLiteral("l'indicateur polaire « %1 » n'est pas un entier").arg(champs[3]);
}

std::shared_ptr<GCAire> CreeAire(QChar lettre, int numero, int numeroFenetre, int code)
{
    switch (lettre.toUpper().unicode()) {
    case 'A':
        return std::make_shared<GCAire>(numero, numeroFenetre);
    default:
        return nullptr;
    }
}
