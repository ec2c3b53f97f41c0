// Relations, their parser, and the inequation area: its operations and its pixel scan.
#include "graph/aires/GCAire.h"

#include <QPainter>
#include <QTime>
#include <algorithm>
#include <cmath>
#include <atomic>
#include <functional>

#include "expression/etat.h"
#include "expression/formatage.h"
#include "expression/simul.h"
#include "graph/repere/GCRepere.h"
#include "graph/aires/GCProcDyn.h"
#include "graph/aires/GCTrAire.h"
#include "graph/aires/balayage.h"
#include "graph/base/equipe.h"
#include "graph/base/etatgraphe.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

// The largest bitmap an area may take (pixels): far above any window or printed page.
constexpr qint64 PixelsMaxBitmap = 120'000'000;

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
        // Y read as state value 0.
        Arbre ag, ad;
        bool compile = CompileExprYEtat(gauche, ag);
        compile = CompileExprYEtat(droite, ad) && compile;
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
    if (Bitmap_.hasAlphaChannel()) {
        QImage image(Bitmap_.size(), QImage::Format_RGB32);
        image.fill(VersQColor(fond));
        QPainter(&image).drawImage(0, 0, Bitmap_);
        return image;
    }
    if (Bitmap_.format() != QImage::Format_Indexed8)
        return Bitmap_;
    QImage image = Bitmap_;
    image.setColorTable({VersQColor(fond).rgb(), VersQColor(Couleur_).rgb()});
    return image.convertToFormat(QImage::Format_RGB32);
}

namespace {

// How one side of a relation varies over a plot whose x depends on the column only and y
// on the row only: computed once, once per column, once per row, or at every pixel.
enum class Variation { Constante, Colonnes, Lignes, Partout };

// The three samples of a relation at a pixel (x, y) of size dx by dy: the point itself, then
// for "<=" and ">=" half a pixel up-right and one pixel right and half a pixel down.
constexpr int NbEchantillons = 3;
double decaleX(double x, double dx, int k)
{
    return k == 0 ? x : k == 1 ? x + dx / 2 : x + dx;
}
double decaleY(double y, double dy, int k)
{
    return k == 0 ? y : k == 1 ? y + dy / 2 : y - dy / 2;
}

struct Cote {
    const Arbre* arbre = nullptr;
    Variation variation = Variation::Partout;
    // Constante: index 0 of each sample; Colonnes: per column; Lignes: per row.
    std::array<std::vector<double>, NbEchantillons> valeurs;
    std::array<std::vector<std::uint8_t>, NbEchantillons> echecs;
};

struct RelationBalayee {
    const GCIneq* ineq;
    Cote cotes[2];  // left, right
    int echantillons;
};

// What one scan needs, shared read-only by the threads that run it: rows are handed out
// one after the other to whichever thread is free, each with its own evaluation state and
// buffers; the totals are summed in row order, so the result does not depend on the split.
struct Balayage {
    const GCAire* aire;
    Correspondance carte;
    double ux, uy;
    int c0, c1, r0;                    // columns c0..c1, rows from r0
    bool separable;                    // x depends on the column only, y on the row only
    bool parCotes;                     // sides computed by columns, rows and blocks
    std::vector<double> X, largeur;    // per column (separable)
    std::vector<double> Y, hauteur;    // per row (separable), indexed from the first row
    std::vector<RelationBalayee> relations;
    uchar* bits;
    qsizetype octetsParLigne;
    std::vector<int> compte;           // per row
    std::vector<double> mesure;        // per row
    std::array<double, NbVariablesEtat> etatAppelant;
    std::atomic<int> prochaine{0};

    explicit Balayage(const Correspondance& c) : carte(c) {}

    // The side at sample k over the listed columns of row r.
    struct Tampons {
        std::vector<double> x, v[2];
        std::vector<std::uint8_t> e[2];
        std::vector<int> colonnes, voisins, attente;
        std::vector<std::uint8_t> vrai, dedans;
    };
    void cote(const Cote& c, int k, int r, const std::vector<int>& colonnes, Tampons& t, int s) const
    {
        const int n = int(colonnes.size());
        double* v = t.v[s].data();
        std::uint8_t* e = t.e[s].data();
        switch (c.variation) {
        case Variation::Constante:
            std::fill(v, v + n, c.valeurs[k][0]);
            std::fill(e, e + n, c.echecs[k][0]);
            return;
        case Variation::Colonnes:
            for (int i = 0; i < n; ++i) {
                v[i] = c.valeurs[k][colonnes[i]];
                e[i] = c.echecs[k][colonnes[i]];
            }
            return;
        case Variation::Lignes:
            std::fill(v, v + n, c.valeurs[k][r]);
            std::fill(e, e + n, c.echecs[k][r]);
            return;
        case Variation::Partout:
            for (int i = 0; i < n; ++i)
                t.x[i] = decaleX(X[colonnes[i]], ux, k);
            VariablesEtat()[0] = decaleY(Y[r], uy, k);
            EvalueArbreLot(*c.arbre, t.x.data(), v, e, n);
            return;
        }
    }

    // Row r (from r0) by sides: each relation over the columns still inside, its two sides
    // by blocks, the neighbouring samples only where the point itself does not hold.
    void ligneParCotes(int r, Tampons& t, uchar* ligne, int& n, double& somme) const
    {
        const int nc = c1 - c0 + 1;
        t.colonnes.resize(nc);
        for (int c = 0; c < nc; ++c)
            t.colonnes[c] = c;
        const double eps = contexteCalcul().Epsilon;
        for (const RelationBalayee& rel : relations) {
            const GCIneq& q = *rel.ineq;
            const int m = int(t.colonnes.size());
            if (m == 0)
                break;
            cote(rel.cotes[0], 0, r, t.colonnes, t, 0);
            cote(rel.cotes[1], 0, r, t.colonnes, t, 1);
            const bool infEgal = q.Relation == RelInfEgal;
            auto tient = [&](double l, double d) {
                switch (q.Relation) {
                case RelInf: return l < d;
                case RelSup: return l > d;
                default: return infEgal ? l <= d + eps : l >= d - eps;
                }
            };
            t.vrai.assign(m, 0);
            t.dedans.assign(m, 0);
            t.voisins.clear();
            for (int i = 0; i < m; ++i) {
                if (t.e[0][i] || t.e[1][i]) {
                    // A side that cannot be computed: false before the negation.
                    t.dedans[i] = q.Negation;
                    continue;
                }
                t.vrai[i] = tient(t.v[0][i], t.v[1][i]);
                if (!t.vrai[i] && rel.echantillons > 1)
                    t.voisins.push_back(i);
                else
                    t.dedans[i] = q.Negation ? !t.vrai[i] : t.vrai[i];
            }
            const std::size_t nbVoisins = t.voisins.size();
            t.attente.assign(t.voisins.begin(), t.voisins.end());
            for (int k = 1; k < rel.echantillons && !t.voisins.empty(); ++k) {
                std::vector<int> colonnes(t.voisins.size());
                for (std::size_t j = 0; j < t.voisins.size(); ++j)
                    colonnes[j] = t.colonnes[t.voisins[j]];
                cote(rel.cotes[0], k, r, colonnes, t, 0);
                cote(rel.cotes[1], k, r, colonnes, t, 1);
                std::size_t restants = 0;
                for (std::size_t j = 0; j < t.voisins.size(); ++j) {
                    const int i = t.voisins[j];
                    if (!t.e[0][j] && !t.e[1][j] && tient(t.v[0][j], t.v[1][j]))
                        t.vrai[i] = 1;
                    else
                        t.voisins[restants++] = i;
                }
                t.voisins.resize(restants);
            }
            for (std::size_t j = 0; j < nbVoisins; ++j) {
                const int i = t.attente[j];
                t.dedans[i] = q.Negation ? !t.vrai[i] : t.vrai[i];
            }
            std::size_t garde = 0;
            for (int i = 0; i < m; ++i)
                if (t.dedans[i])
                    t.colonnes[garde++] = t.colonnes[i];
            t.colonnes.resize(garde);
        }
        for (int c : t.colonnes) {
            ligne[c0 + c] = 1;
            ++n;
            somme += largeur[c];
        }
    }

    void ligne(int r, Tampons& t)
    {
        uchar* ligne = bits + octetsParLigne * (r0 + r);
        int n = 0;
        double somme = 0;
        if (parCotes) {
            ligneParCotes(r, t, ligne, n, somme);
        } else {
            for (int c = c0; c <= c1; ++c) {
                double x, y;
                if (separable) {
                    x = X[c - c0];
                    y = Y[r];
                } else {
                    carte.PixelVersMonde(c, r0 + r, x, y);
                }
                if (!aire->ContientPoint(x, y, ux, uy))
                    continue;
                ligne[c] = 1;
                ++n;
                if (separable) {
                    somme += largeur[c - c0];
                } else {
                    double xd, yd, xb, yb;
                    carte.PixelVersMonde(c + 1, r0 + r, xd, yd);
                    carte.PixelVersMonde(c, r0 + r + 1, xb, yb);
                    somme += std::fabs(xd - x) * std::fabs(y - yb);
                }
            }
        }
        compte[r] = n;
        mesure[r] = separable ? somme * hauteur[r] : somme;
    }

    // One thread's share: rows taken one after the other until none is left.
    void travaille()
    {
        EtatCalcul& etat = etatCalcul();
        etat.VariablesEtat = etatAppelant;
        LibereRegistresVectoriels();
        Tampons t;
        const int nc = c1 - c0 + 1;
        t.x.resize(nc);
        for (int s = 0; s < 2; ++s) {
            t.v[s].resize(nc);
            t.e[s].resize(nc);
        }
        const int nr = int(compte.size());
        for (int r; (r = prochaine.fetch_add(1, std::memory_order_relaxed)) < nr;)
            ligne(r, t);
        etat.ErreurCalcul = 0;
    }
};

// Prepares the side: its variation, and its values where they do not vary at every pixel.
void prepareCote(Cote& c, const Arbre& arbre, const Balayage& b, int echantillons)
{
    c.arbre = &arbre;
    const bool x = ArbreLitX(arbre), y = ArbreLitEtat(arbre, 0);
    c.variation = x ? (y ? Variation::Partout : Variation::Colonnes) : (y ? Variation::Lignes : Variation::Constante);
    const int nc = b.c1 - b.c0 + 1, nr = int(b.Y.size());
    for (int k = 0; k < echantillons; ++k) {
        auto& v = c.valeurs[k];
        auto& e = c.echecs[k];
        switch (c.variation) {
        case Variation::Constante:
            v.assign(1, EvalueArbre(arbre, b.X[0]));
            e.assign(1, std::uint8_t(ErreurCalcul()));
            break;
        case Variation::Colonnes: {
            std::vector<double> xs(nc);
            for (int i = 0; i < nc; ++i)
                xs[i] = decaleX(b.X[i], b.ux, k);
            v.resize(nc);
            e.resize(nc);
            EvalueArbreLot(arbre, xs.data(), v.data(), e.data(), nc);
            break;
        }
        case Variation::Lignes:
            v.resize(nr);
            e.resize(nr);
            for (int r = 0; r < nr; ++r) {
                VariablesEtat()[0] = decaleY(b.Y[r], b.uy, k);
                v[r] = EvalueArbre(arbre, b.X[0]);
                e[r] = std::uint8_t(ErreurCalcul());
            }
            break;
        case Variation::Partout: break;
        }
    }
}

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

    // One mapping for the whole scan, read by every thread.
    Balayage b(repere.correspondance());
    b.aire = this;
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
    if (b.separable) {
        b.X.resize(nc);
        b.largeur.resize(nc);
        for (int c = b.c0; c <= b.c1; ++c) {
            double x, y, xs, ys;
            b.carte.PixelVersMonde(c, y0, x, y);
            b.carte.PixelVersMonde(c + 1, y0, xs, ys);
            b.X[c - b.c0] = x;
            b.largeur[c - b.c0] = std::fabs(xs - x);
        }
        b.Y.resize(nr);
        b.hauteur.resize(nr);
        for (int r = b.r0; r <= r1; ++r) {
            double x, y, xs, ys;
            b.carte.PixelVersMonde(x0, r, x, y);
            b.carte.PixelVersMonde(x0, r + 1, xs, ys);
            b.Y[r - b.r0] = y;
            b.hauteur[r - b.r0] = std::fabs(y - ys);
        }
    }
    b.bits = image.bits();
    b.octetsParLigne = image.bytesPerLine();
    b.compte.assign(nr, 0);
    b.mesure.assign(nr, 0.0);
    const auto& etatAppelant = etatCalcul().VariablesEtat;
    b.etatAppelant = etatAppelant;

    // Rectangular coordinates on a plot without projection, formulas without calls or
    // random draws: each side of a relation is computed once, once per column or once per
    // row when it does not depend on both x and y, and by blocks of a row otherwise.
    b.parCotes = b.separable && !Polaire_;
    for (const auto& r : Inequations_)
        b.parCotes = b.parCotes && r->Gauche.parLots && r->Droite.parLots;
    if (b.parCotes) {
        LibereRegistresVectoriels();
        for (const auto& r : Inequations_) {
            RelationBalayee rel;
            rel.ineq = r.get();
            rel.echantillons = (r->Relation == RelInfEgal || r->Relation == RelSupEgal) ? NbEchantillons : 1;
            prepareCote(rel.cotes[0], r->Gauche, b, rel.echantillons);
            prepareCote(rel.cotes[1], r->Droite, b, rel.echantillons);
            b.relations.push_back(std::move(rel));
        }
        VariablesEtat()[0] = b.etatAppelant[0];
    }

    // The calling thread takes rows too, with threads of the program's team.
    const qint64 travail = qint64(nc) * nr * std::max<qint64>(1, qint64(Inequations_.size()));
    const int nbFils = std::min(std::max(1, FilsPourBalayage(double(travail))), std::max(1, nr / 8));
    {
        const std::function<void()> autres = [&b] { b.travaille(); };
        TravailPartage partage(nbFils - 1, autres);
        b.travaille();
    }
    etatCalcul().VariablesEtat = b.etatAppelant;
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
    case 'J':
    case 'M':
        return std::make_shared<GCProcDyn>(numero, lettre, numeroFenetre);
    case 'T':
    case 'P':
        return std::make_shared<GCTrAire>(lettre, code, numeroFenetre, numero);
    default:
        return nullptr;
    }
}
