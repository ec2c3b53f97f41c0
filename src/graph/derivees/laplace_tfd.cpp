// Integral transforms of the mother's samples: the Laplace transform F(p) over the curve's
// own range of p (38), and the discrete Fourier transform (34), whose chosen part (modulus,
// phase, real or imaginary part) is written into a data file of the working folder and
// drawn by the curve's child, a chronicle of that file.
#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "expression/etat.h"
#include "expression/formatage.h"
#include "expression/grfonc.h"
#include "expression/simul.h"
#include "expression/tfd.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCC.h"
#include "graph/courbes/genres_outils.h"
#include "graph/derivees/GCOperUnaire.h"
#include "graph/derivees/routines.h"
#include "graph/fichiers/fichiertexte.h"

namespace {

// The mother as the transform sees it: its cache for the kinds known by their points
// (equations included), its own evaluation for the others.
class MereTFD : public CourbeTFD {
public:
    explicit MereTFD(const GCCourbe& mere) : mere_(mere) {}
    char Genre() const override { return char(mere_.TypeCourbe.toUpper().unicode()); }
    bool LitPoints(std::vector<PointTFD>& points, std::string& message) override
    {
        const LecturePoints lecture = LitFichierPoints(mere_.NomFichier());
        if (!lecture.ok() && lecture.etat != EtatCache::Absent) {
            message = lecture.erreur.toStdString();
            return false;
        }
        points.clear();
        for (const PointCourbe& q : lecture.points)
            points.push_back({q.x, q.y});
        return true;
    }
    double Valeur(double x) override
    {
        const auto* y = dynamic_cast<const GCY*>(&mere_);
        if (!y) {
            ErreurAvecMessage("courbe non calculable");
            return 0;
        }
        double u = x, v = 0;
        ErreurCalcul() = 0;
        y->Evalue(x, u, v);
        return v;
    }

private:
    const GCCourbe& mere_;
};

// The curve's own data file, in the working folder: its name tells the part shown and the
// curve, so that two transforms never share one.
QString fichierTFD(const GCOperUnaire& courbe, long long partie)
{
    static const char* const prefixes[] = {"ModuleTf", "PhaseTf", "PartReTf", "PartImTf"};
    return dossierTravail() + QLatin1Char('/') + QLatin1String(prefixes[partie - 1]) +
           QString::number(courbe.NumeroFenetre) + QStringLiteral("crb") + QString::number(courbe.Numero) +
           QStringLiteral(".dta");
}

}  // namespace

bool TraceLaplace(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie)
{
    const QString impossible = QStringLiteral("Tracé impossible :\n");
    double pmin = 0, pmax = 0, pas = 0;
    if (!genres::evalue(courbe.Xinf, pmin) || !genres::evalue(courbe.Xsup, pmax) || !genres::evalue(courbe.Pas, pas)) {
        courbe.SignaleRefus(QStringLiteral("Bornes de calcul incorrectes : Xinf=") + courbe.Xinf +
                            QStringLiteral(" ; Xsup=") + courbe.Xsup + QStringLiteral(" ; Pas=") + courbe.Pas);
        return false;
    }
    if (pmax < pmin) {
        courbe.SignaleRefus(impossible + QStringLiteral("valeur sup < valeur inf"));
        return false;
    }
    // A step that is not positive would never reach the end.
    if (!(pas > 0)) {
        courbe.SignaleRefus(impossible + QStringLiteral("pas du tracé nul ou négatif !"));
        return false;
    }
    const std::vector<PointCourbe> p = LitFichierPoints(mere.NomFichier()).points;
    if (p.empty()) {
        courbe.SignaleRefus(impossible + QStringLiteral("courbe mère vide !"));
        return false;
    }
    std::vector<double> x(p.size()), y(p.size()), g(p.size());
    for (std::size_t i = 0; i < p.size(); ++i) {
        x[i] = p[i].x;
        y[i] = p[i].y;
    }
    // F(p): the integral over the samples of exp(-p x) y(x).
    ParcourtIntervalle(pmin, pmax, pas, false, [&](double s) {
        for (std::size_t i = 0; i < p.size(); ++i)
            g[i] = std::exp(-s * x[i]) * y[i];
        const double f = IntegreTable(x, g, int(p.size()) - 1);
        if (ErreurCalcul()) {
            ErreurCalcul() = 0;
            sortie.Echec(s, QStringLiteral("Erreur dans l'intégrale numérique"));
            return;
        }
        sortie.Point(s, s, f);
    });
    return true;
}

bool TraceTFD(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie)
{
    auto* fille = courbe.Filles.empty() ? nullptr : dynamic_cast<GCC*>(courbe.Filles.front().get());
    if (!fille) {
        courbe.SignaleRefus(QStringLiteral("Tracé impossible!"));
        return false;
    }
    long long fenetre = 0, partie = 0;
    if (!EntierParametre(courbe, 4, fenetre) || !EntierParametre(courbe, 5, partie))
        return false;
    if (fenetre < 0 || fenetre > 5 || partie < 1 || partie > 4) {
        courbe.SignaleRefus(QStringLiteral("Tracé impossible! Fenêtre d'échantillonnage (0 à 5) ou partie visualisée "
                                           "(1 à 4) incorrecte."));
        return false;
    }
    std::vector<std::string> reglages;
    for (const QString& texte : courbe.ParametresOperation)
        reglages.push_back(texte.toStdString());
    std::vector<double> reel, imag;
    double pas = 0, f0 = 0;
    std::string message;
    MereTFD source(mere);
    if (!TFDCourbe(source, reglages, reel, imag, pas, f0, message)) {
        // A transform refused is hidden, with the reason: nothing of it is drawn.
        ErreurCalcul() = 0;
        courbe.Visible = false;
        courbe.SignaleRefus(QString::fromStdString(message));
        return false;
    }

    // The part shown, one value a line; the file is the curve's own.
    std::vector<double> valeurs(reel.size());
    for (std::size_t i = 0; i < reel.size(); ++i)
        valeurs[i] = partie == 1   ? std::hypot(reel[i], imag[i])
                     : partie == 2 ? Argument(reel[i], imag[i])
                     : partie == 3 ? reel[i]
                                   : imag[i];
    const QString fichier = fichierTFD(courbe, partie);
    if (!RemplaceFichierTravail(fichier, EncodeLignes(LignesChronique(valeurs), PolitiqueEncodage::Strict))) {
        courbe.SignaleRefus(QStringLiteral("Impossible d'écrire le fichier de travail « %1 ».").arg(fichier));
        return false;
    }

    fille->Parametres = courbe.Parametres;
    fille->FixeDebutPas(QString::fromStdString(ReelExact(f0)), QString::fromStdString(ReelExact(pas)));
    fille->Libelle1 = fichier;
    fille->CopieDonnees.clear();
    courbe.CopieAspectFille();
    sortie.Delegue();
    TraceParFille(courbe, *fille, sortie.Peintre(), sortie.Repere());
    return true;
}
