// Julia and Mandelbrot sets: the area, its records, and the iteration shared with their
// transformed images.
#include "graph/aires/GCProcDyn.h"

#include <QTime>
#include <algorithm>
#include <cmath>
#include <vector>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "graph/aires/balayage.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/derivees/transformations.h"
#include "graph/repere/GCRepere.h"

namespace {

// True when evaluating the tree may draw random numbers (directly or through F0..F9).
bool tireAuHasard(const Arbre& arbre, int profondeur = 0)
{
    if (profondeur > ProfondeurAppelsMax)
        return false;
    for (const NoeudExpr& n : arbre.noeuds) {
        if (n.Genre == NoeudUnaire) {
            if (n.Code == URND || n.Code == UPOISSON || n.Code == UGAUSS01)
                return true;
            if (n.Code >= UF0 && n.Code <= UF9)
                if (const Arbre* f = contexteCalcul().FonctionsAuxiliaires[n.Code - UF0].get())
                    if (tireAuHasard(*f, profondeur + 1))
                        return true;
        } else if (n.Genre == NoeudBinaire) {
            if (n.Code == BBINOM || n.Code == BGAUSS || n.Code == BUNIF)
                return true;
        } else if (n.Genre == NoeudParametrePerso || n.Genre == NoeudCourbe) {
            // Their trees may change between scans; take them as drawing.
            return true;
        }
    }
    return false;
}

// Compiles a formula with Y read as state value 0.
bool compileFormule(const QString& texte, Arbre& arbre)
{
    return CompileExprYEtat(texte.toStdString(), arbre);
}

// The value of a text with the given parameter values; false when it does not compute.
bool valeurTexte(const QString& texte, const double* parametres, double& valeur)
{
    GardeParametres garde(parametres);
    const double v = EvalueTexte(texte.toStdString());
    const bool ok = !ErreurCalcul();
    ErreurCalcul() = 0;
    if (ok)
        valeur = v;
    return ok;
}

QRgb opaque(TCouleur c)
{
    return qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

}  // namespace

std::array<double, NbParametres> ValeursDesParametres(const std::array<QString, NbParametres>& textes)
{
    std::array<double, NbParametres> v{};
    for (int i = 0; i < NbParametres; ++i) {
        const double x = EvalueTexte(textes[std::size_t(i)].toStdString());
        v[std::size_t(i)] = ErreurCalcul() ? 0 : x;
    }
    ErreurCalcul() = 0;
    return v;
}

// ---------------------------------------------------------------------------------------
// The iteration

bool IterationProcessus::prepare(const GCProcDyn& aire)
{
    mandelbrot_ = aire.EstMandelbrot();
    parametres_ = ValeursDesParametres(aire.Parametres());
    const QStringList& formules = aire.Contraintes();
    if (!compileFormule(formules.value(0), f_)) {
        interlocuteur().message(QStringLiteral("Erreur dans le 1er libellé !"));
        return false;
    }
    if (!compileFormule(formules.value(1), g_)) {
        interlocuteur().message(QStringLiteral("Erreur dans le 2nd libellé !"));
        return false;
    }
    if (!valeurTexte(aire.Seuil(), parametres_.data(), seuil_)) {
        interlocuteur().message(QStringLiteral("Erreur dans le seuil « %1 » de l'aire n°%2 (%3) !")
                                    .arg(aire.Seuil())
                                    .arg(aire.Numero())
                                    .arg(aire.Nom()));
        return false;
    }
    if (mandelbrot_ && (!valeurTexte(aire.ValeurInitiale(0), parametres_.data(), x0_)
                        || !valeurTexte(aire.ValeurInitiale(1), parametres_.data(), y0_))) {
        interlocuteur().message(QStringLiteral("Erreur dans les conditions initiales « %1 », « %2 » de l'aire n°%3 (%4) !")
                                    .arg(aire.ValeurInitiale(0), aire.ValeurInitiale(1))
                                    .arg(aire.Numero())
                                    .arg(aire.Nom()));
        return false;
    }
    max_ = aire.IterationsMax();
    for (int n = 0; n < NbCouleursPalette; ++n)
        couleurs_[std::size_t(n)] = opaque(aire.Couleurs()[std::size_t(n)]);
    hasard_ = tireAuHasard(f_) || tireAuHasard(g_);
    return true;
}

bool IterationProcessus::balaie(const GCRepere& repere, const TransformationPlane* transformation, QImage& image) const
{
    const GrillePixels grille(repere);
    uchar* bits = image.bits();
    const qsizetype octetsParLigne = image.bytesPerLine();
    const bool parLots = this->parLots();
    const auto ligne = [&](int k) {
        const int r = grille.r0 + k;
        auto* pixels = reinterpret_cast<QRgb*>(bits + octetsParLigne * r);
        std::array<double, NbParametres> parametres = parametres_;
        if (!parLots) {
            for (int c = grille.c0; c <= grille.c1 && !ArretBalayage(); ++c) {
                double x, y;
                grille.monde(c, r, x, y);
                QRgb resultat;
                if ((!transformation || transformation->antecedent(x, y, x, y))
                    && couleur(x, y, parametres.data(), resultat))
                    pixels[c] = resultat;
            }
            ErreurCalcul() = 0;
            return;
        }
        // The whole row at once: the pixels that have a point, their orbits together.
        const std::size_t nc = std::size_t(grille.colonnes());
        std::vector<int> colonnes(nc), comptes(nc);
        std::vector<double> xs(nc), ys(nc);
        std::vector<Issue> issues(nc);
        int nb = 0;
        for (int c = grille.c0; c <= grille.c1; ++c) {
            double x, y;
            grille.monde(c, r, x, y);
            if (transformation && !transformation->antecedent(x, y, x, y))
                continue;
            colonnes[std::size_t(nb)] = c;
            xs[std::size_t(nb)] = x;
            ys[std::size_t(nb)] = y;
            ++nb;
        }
        orbites(xs.data(), ys.data(), nb, parametres.data(), issues.data(), comptes.data());
        for (int i = 0; i < nb; ++i) {
            QRgb resultat;
            if (couleurIssue(issues[std::size_t(i)], comptes[std::size_t(i)], resultat))
                pixels[colonnes[std::size_t(i)]] = resultat;
        }
        ErreurCalcul() = 0;
    };
    // Most pixels of a usual picture leave within a few dozen iterations.
    const double travail = double(grille.colonnes()) * grille.lignes() * 2 * std::clamp(max_, 1, 50);
    const int fils = FilsPourBalayage(travail);
    return BalaieLignes(grille.lignes(), hasard_ ? std::min(1, fils) : fils, ligne);
}

IterationProcessus::Issue IterationProcessus::orbite(double px, double py, double* parametres, int& n) const
{
    GardeParametres garde(parametres);
    double x = px, y = py;
    if (mandelbrot_) {
        parametres[0] = px;
        parametres[1] = py;
        x = x0_;
        y = y0_;
    }
    double* etat = VariablesEtat();
    double m = x * x + y * y;
    n = 0;
    while (m <= seuil_ && n < max_) {
        if ((n & 0xFFF) == 0xFFF && ArretBalayage())
            return Inachevee;
        etat[1] = n;
        etat[0] = y;
        const double xs = EvalueArbre(f_, x);
        if (ErreurCalcul())
            return Echappee;
        const double ys = EvalueArbre(g_, x);
        if (ErreurCalcul())
            return Echappee;
        m = xs * xs + ys * ys;
        ++n;
        x = xs;
        y = ys;
    }
    if (m > seuil_)
        return Echappee;
    return n == max_ ? Bornee : Inachevee;
}

void IterationProcessus::orbites(const double* px, const double* py, int nb, double* parametres, Issue* issues,
                                 int* comptes) const
{
    if (!parLots()) {
        for (int i = 0; i < nb; ++i)
            issues[i] = orbite(px[i], py[i], parametres, comptes[i]);
        return;
    }
    GardeParametres garde(parametres);
    // The orbits still running, packed at the front: the pixel of each, its point, and (for
    // a Mandelbrot set) its parameters a and b; the next point of each and whether it goes on.
    const auto taille = std::size_t(nb);
    std::vector<int> pixel(taille);
    std::vector<double> x(taille), y(taille), a, b, xs(taille), ys(taille), m(taille);
    std::vector<std::uint8_t> echecX(taille), echecY(taille), suite(taille);
    ValeursParPoint parPoint;
    if (mandelbrot_) {
        a.resize(taille);
        b.resize(taille);
        parPoint.parametres[0] = a.data();
        parPoint.parametres[1] = b.data();
    }
    // Where an orbit ends: after n iterations, with m = x^2 + y^2 of its last point.
    const auto fin = [&](int i, double m, int n) {
        comptes[i] = n;
        issues[i] = m > seuil_ ? Echappee : n == max_ ? Bornee : Inachevee;
    };
    int actives = 0;
    for (int i = 0; i < nb; ++i) {
        const double x0 = mandelbrot_ ? x0_ : px[i], y0 = mandelbrot_ ? y0_ : py[i];
        const double m0 = x0 * x0 + y0 * y0;
        if (!(m0 <= seuil_ && 0 < max_)) {
            fin(i, m0, 0);
            continue;
        }
        const auto k = std::size_t(actives++);
        pixel[k] = i;
        x[k] = x0;
        y[k] = y0;
        if (mandelbrot_) {
            a[k] = px[i];
            b[k] = py[i];
        }
    }
    double* etat = VariablesEtat();
    const double n0 = etat[1];
    // Every orbit still running has done n iterations.
    for (int n = 0; actives > 0; ++n) {
        if (ArretBalayage()) {
            for (int k = 0; k < actives; ++k) {
                comptes[pixel[std::size_t(k)]] = n;
                issues[pixel[std::size_t(k)]] = Inachevee;
            }
            break;
        }
        etat[1] = n;
        parPoint.etat[0] = y.data();
        EvalueArbreLot(f_, x.data(), parPoint, xs.data(), echecX.data(), actives);
        EvalueArbreLot(g_, x.data(), parPoint, ys.data(), echecY.data(), actives);
        // Which orbits go on: most of them, at most iterations.
        const bool dernier = n + 1 >= max_;
        int finies = 0;
        for (int k = 0; k < actives; ++k) {
            const auto kk = std::size_t(k);
            m[kk] = xs[kk] * xs[kk] + ys[kk] * ys[kk];
            const bool continue_ = !(echecX[kk] | echecY[kk]) & (m[kk] <= seuil_) & !dernier;
            suite[kk] = continue_;
            finies += !continue_;
        }
        // The new points in place; the ended orbits taken out, the others packed at the front.
        x.swap(xs);
        y.swap(ys);
        if (finies == 0)
            continue;
        int place = 0;
        while (suite[std::size_t(place)])
            ++place;
        for (int k = place; k < actives; ++k) {
            const auto kk = std::size_t(k);
            if (suite[kk]) {
                const auto p = std::size_t(place++);
                pixel[p] = pixel[kk];
                x[p] = x[kk];
                y[p] = y[kk];
                if (mandelbrot_) {
                    a[p] = a[kk];
                    b[p] = b[kk];
                }
            } else if (echecX[kk] | echecY[kk]) {
                // A formula that fails ends the orbit as an escape.
                comptes[pixel[kk]] = n;
                issues[pixel[kk]] = Echappee;
            } else {
                fin(pixel[kk], m[kk], n + 1);
            }
        }
        actives = place;
    }
    etat[1] = n0;
}

bool IterationProcessus::couleur(double x, double y, double* parametres, QRgb& resultat) const
{
    int n = 0;
    const Issue issue = orbite(x, y, parametres, n);
    return couleurIssue(issue, n, resultat);
}

bool IterationProcessus::couleurIssue(Issue issue, int n, QRgb& resultat) const
{
    switch (issue) {
    case Echappee:
        resultat = couleurs_[std::size_t(n) % NbCouleursPalette];
        return true;
    case Bornee:
        resultat = couleurs_[0];
        return true;
    default:
        return false;
    }
}

// ---------------------------------------------------------------------------------------
// The area

GCProcDyn::GCProcDyn(int numero, QChar lettre, int numeroFenetre) : GCAire(numero, numeroFenetre)
{
    Genre_ = lettre.toUpper() == QLatin1Char('M') ? QLatin1Char('M') : QLatin1Char('J');
    Nom_ = (EstMandelbrot() ? QStringLiteral("Mandelbrot_") : QStringLiteral("Julia_")) + QString::number(numero);
    Contraintes_ = QStringList{QString(), QString()};
}

std::shared_ptr<GCAire> GCProcDyn::CreeMemeGenre(int numero, int numeroFenetre) const
{
    return std::make_shared<GCProcDyn>(numero, Genre_, numeroFenetre);
}

void GCProcDyn::FixeIterationsMax(int n)
{
    IterationsMax_ = std::min(n, IterationsMaxBorne);
}

TCouleur GCProcDyn::CouleurTable(int ligne, int colonne) const
{
    const int n = 16 * ligne + colonne;
    return n >= 0 && n < NbCouleursPalette ? Couleurs_[std::size_t(n)] : 0;
}

bool GCProcDyn::ChargePalette(QString* erreur)
{
    const bool ok = ChargePaletteNommee(FichierPalette_, Couleurs_, erreur);
    RendPeriodique(Couleurs_, Periode_);
    return ok;
}

void GCProcDyn::Copie(const GCAire& source)
{
    GCAire::Copie(source);
    if (const auto* p = dynamic_cast<const GCProcDyn*>(&source)) {
        IterationsMax_ = p->IterationsMax_;
        Seuil_ = p->Seuil_;
        X0_ = p->X0_;
        Y0_ = p->Y0_;
        FichierPalette_ = p->FichierPalette_;
        Periode_ = p->Periode_;
        Couleurs_ = p->Couleurs_;
    }
}

void GCProcDyn::Decrit(QStringList& memo) const
{
    memo << QStringLiteral("--> Aire n°%1 : %2").arg(Numero_).arg(Nom_);
    memo << QStringLiteral("** Processus dynamique **");
    memo << (EstMandelbrot() ? QStringLiteral("Ensemble de Mandelbrot") : QStringLiteral("Ensemble de Julia"));
    memo << Contraintes_.mid(0, 2);
    memo << QStringLiteral("** Paramètres **");
    for (int i = 0; i < NbParametres; ++i)
        memo << QStringLiteral("a%1= %2").arg(i).arg(Parametres_[std::size_t(i)]);
    memo << QStringLiteral("Nombre maximal d'itérations : %1").arg(IterationsMax_);
    memo << QStringLiteral("Seuil (module infini) : ") + Seuil_;
}

void GCProcDyn::DecritRapport() const
{
    EtatGraphe& etat = etatGraphe();
    if (!etat.EnregistrementSession)
        return;
    QStringList description;
    Decrit(description);
    etat.JournalCourbes << QStringLiteral(" ") << QTime::currentTime().toString(QStringLiteral("hh:mm:ss"))
                        << QStringLiteral("--> Aire n°%1").arg(Numero_) << description.mid(1);
}

void GCProcDyn::Calcule(const GCRepere& repere)
{
    int w = 0, h = 0;
    repere.GetTailleTrace(w, h);
    if (w <= 0 || h <= 0 || !repere.Valide())
        return;
    IterationProcessus iteration;
    if (!iteration.prepare(*this))
        return;
    QImage image = BitmapDeBalayage(GrillePixels(repere), QImage::Format_ARGB32, Numero_, Nom_);
    if (image.isNull())
        return;
    Interrompu_ = !iteration.balaie(repere, nullptr, image);
    Bitmap_ = std::move(image);
}

// ---------------------------------------------------------------------------------------
// Choosing an existing process

bool ChoisitProcessus(bool aire, QString& f, QString& g)
{
    const EtatGraphe& etat = etatGraphe();
    QStringList entrees;
    if (aire) {
        for (auto it = etat.aires.rbegin(); it != etat.aires.rend(); ++it)
            if (*it)
                entrees << (*it)->RemplitListe(QStringLiteral("JM"));
    } else {
        for (auto it = etat.dessins.rbegin(); it != etat.dessins.rend(); ++it)
            if (*it)
                entrees << (*it)->ListeCourbesSousType(QLatin1Char('N'), 4);
    }
    if (entrees.isEmpty()) {
        interlocuteur().message(QStringLiteral("Aucun processus disponible !"));
        return false;
    }
    ChoixTrace* choix = choixTrace();
    QString retenu = entrees.first();
    if (!choix || !choix->choisit(QStringLiteral("Choix d'un processus"), entrees, retenu))
        return false;
    // "window;number\..."
    const int pv = retenu.indexOf(QLatin1Char(';'));
    const int fin = retenu.indexOf(QLatin1Char('\\'), pv + 1);
    bool lu1 = false, lu2 = false;
    const int fenetre = retenu.left(pv).trimmed().toInt(&lu1);
    const int numero = retenu.mid(pv + 1, fin < 0 ? -1 : fin - pv - 1).trimmed().toInt(&lu2);
    if (pv < 0 || !lu1 || !lu2)
        return false;
    if (aire) {
        for (const GCListAires* liste : etat.aires)
            if (liste && liste->NumeroFenetre == fenetre)
                if (const auto a = liste->ChercheNumero(numero)) {
                    f = a->Contraintes().value(0);
                    g = a->Contraintes().value(1);
                    return true;
                }
    } else {
        for (const GCDessin* d : etat.dessins)
            if (d && d->NumeroFenetre == fenetre)
                if (const auto c = d->CourbeDuNumero(numero)) {
                    f = c->Libelle1;
                    g = c->Libelle2;
                    return true;
                }
    }
    return false;
}

// ---------------------------------------------------------------------------------------
// Records

void GCProcDyn::EcritChampsTete(QString& tete) const
{
    tete += TexteDeChamp(Seuil_) + QLatin1Char(';') + QString::number(IterationsMax_) + QLatin1Char(';')
            + TexteDeChamp(X0_) + QLatin1Char(';') + TexteDeChamp(Y0_) + QLatin1Char(';');
}

void GCProcDyn::LitChampsTete(const QStringList& champs, QStringList& problemes)
{
    if (champs.size() < 4)
        return;
    Seuil_ = champs[0];
    int n = IterationsMax_;
    if (!LitEntier(champs[1], n)) {
        bool grand = false;
        champs[1].trimmed().toULongLong(&grand);
        if (grand)
            n = IterationsMaxBorne + 1;  // beyond an int: bounded below
        else
            problemes << QStringLiteral("le nombre maximal d'itérations « %1 » n'est pas un entier").arg(champs[1]);
    }
    if (n > IterationsMaxBorne)
        problemes << QStringLiteral("le nombre maximal d'itérations « %1 » est ramené à %2")
                         .arg(champs[1].trimmed())
                         .arg(IterationsMaxBorne);
    FixeIterationsMax(n);
    X0_ = champs[2];
    Y0_ = champs[3];
}

void GCProcDyn::EcritLignesSuite(QStringList& lignes) const
{
    lignes << QString::number(Periode_) + QLatin1Char(';') + TexteDeChamp(FichierPalette_) + QLatin1Char(';');
}

bool GCProcDyn::LitLignesSuite(const QStringList& lignes, int& i, QStringList& problemes)
{
    if (i >= lignes.size())
        return false;
    QString ligne = lignes.at(i++);
    if (ligne.endsWith(QLatin1Char('\r')))
        ligne.chop(1);
    int periode = Periode_;
    const QString champ = PremierChamp(ligne);
    if (!LitEntier(champ, periode))
        problemes << QStringLiteral("la période « %1 » n'est pas un entier").arg(champ);
    FixePeriode(periode);
    FichierPalette_ = PremierChamp(ligne);
    QString erreur;
    if (!ChargePalette(&erreur))
        problemes << erreur;
    return true;
}
