// Transformed areas: the chain of mothers, the two scans, the records.
#include "graph/aires/GCTrAire.h"

#include <algorithm>

#include "expression/etat.h"
#include "graph/aires/GCProcDyn.h"
#include "graph/aires/balayage.h"
#include "graph/base/GCaides.h"
#include "graph/base/etatgraphe.h"
#include "graph/derivees/transformations.h"
#include "graph/repere/GCRepere.h"

namespace {

// Longer chains of images than this are taken as a loop of stamps.
constexpr std::size_t MaillonsMax = 1000;

bool estProcessus(const GCAire& a)
{
    return a.Genre() == QLatin1Char('J') || a.Genre() == QLatin1Char('M');
}

// The transformation of an area, its coefficient texts computed with the given parameter
// values.
TransformationPlane transformationDe(const GCTrAire& aire, const std::array<double, NbParametres>& parametres,
                                     std::array<double, 6>& valeurs)
{
    GardeParametres garde(parametres.data());
    for (int k = 0; k < 6; ++k) {
        const double v = EvalueTexte(aire.Coefficient(k + 1).toStdString());
        valeurs[std::size_t(k)] = ErreurCalcul() ? 0 : v;
    }
    ErreurCalcul() = 0;
    return TransformationPlane(aire.Transformation(), valeurs, contexteCalcul().Epsilon);
}

}  // namespace

GCTrAire::GCTrAire(QChar lettre, int code, int numeroFenetre, int numero) : GCAire(numero, numeroFenetre), Code_(code)
{
    Genre_ = lettre.toUpper() == QLatin1Char('P') ? QLatin1Char('P') : QLatin1Char('T');
    Coefficients_.fill(QStringLiteral("0"));
}

std::shared_ptr<GCAire> GCTrAire::CreeMemeGenre(int numero, int numeroFenetre) const
{
    return std::make_shared<GCTrAire>(Genre_, Code_, numeroFenetre, numero);
}

const QString& GCTrAire::Coefficient(int k) const
{
    static const QString vide;
    return k >= 1 && k <= 6 ? Coefficients_[std::size_t(k - 1)] : vide;
}

void GCTrAire::FixeCoefficients(const std::array<QString, 6>& textes)
{
    Coefficients_ = textes;
    transformationDe(*this, contexteCalcul().ValeursParametres, Valeurs_);
}

void GCTrAire::FixeMere(const GCAire& mere)
{
    NomMere_ = mere.Empreinte();
    Contraintes_ = mere.Contraintes();
}

void GCTrAire::CopieAspect(const GCAire& mere)
{
    Couleur_ = mere.Couleur();
    Style_ = static_cast<std::uint8_t>(mere.StyleRemplissage());
    ModeCopie_ = mere.ModeCopie();
}

bool GCTrAire::Modifie(bool nouvelle)
{
    const std::shared_ptr<GCAire> mere = AireParEmpreinte(NomMere_);
    if (Genre_ != QLatin1Char('T') || !mere
        || (mere->Genre() != QLatin1Char('A') && mere->Genre() != QLatin1Char('T'))) {
        interlocuteur().message(QStringLiteral("Modifier la mère !"));
        return false;
    }
    return GCAire::Modifie(nouvelle);
}

void GCTrAire::Copie(const GCAire& source)
{
    GCAire::Copie(source);
    if (const auto* t = dynamic_cast<const GCTrAire*>(&source)) {
        Code_ = t->Code_;
        NomMere_ = t->NomMere_;
        FixeCoefficients(t->Coefficients_);
    }
}

void GCTrAire::Decrit(QStringList& memo) const
{
    GCAire::Decrit(memo);
    const std::shared_ptr<GCAire> mere = AireParEmpreinte(NomMere_);
    memo << NomOperation(Code_) + QStringLiteral(" de l'aire n°")
                + (mere ? QString::number(mere->Numero()) : QStringLiteral("?"));
    for (int k = 1; k <= 6; ++k)
        memo << QStringLiteral("Coef[%1]= %2").arg(k).arg(Coefficient(k));
}

// ---------------------------------------------------------------------------------------
// Computation

QImage GCTrAire::BitmapIndexee(const GrillePixels& grille) const
{
    QImage image = BitmapDeBalayage(grille, QImage::Format_Indexed8, Numero_, Nom_);
    image.setColorTable({qRgb(255, 255, 255), VersQColor(Couleur_).rgb()});
    return image;
}

void GCTrAire::Vide(const GCRepere& repere)
{
    QImage image = BitmapIndexee(GrillePixels(repere));
    if (image.isNull())
        return;
    Bitmap_ = std::move(image);
    NbPixels_ = 0;
    Mesure_ = 0;
    Interrompu_ = false;
}

void GCTrAire::Calcule(const GCRepere& repere)
{
    int w = 0, h = 0;
    repere.GetTailleTrace(w, h);
    if (w <= 0 || h <= 0 || !repere.Valide())
        return;
    std::shared_ptr<GCAire> mere = AireParEmpreinte(NomMere_);
    if (!mere) {
        Vide(repere);
        return;
    }
    Contraintes_ = mere->Contraintes();
    if (estProcessus(*mere)) {
        CalculeImageProcessus(repere, *mere);
        return;
    }

    // Up the chain of images to the first area that is not one.
    std::vector<std::shared_ptr<GCAire>> maillons;
    std::vector<const GCTrAire*> images{this};
    std::shared_ptr<GCAire> racine = mere;
    while (racine && racine->Genre() == QLatin1Char('T')) {
        const auto* t = dynamic_cast<const GCTrAire*>(racine.get());
        if (!t || images.size() > MaillonsMax || std::find(images.begin(), images.end(), t) != images.end()) {
            racine = nullptr;
            break;
        }
        maillons.push_back(racine);
        images.push_back(t);
        racine = AireParEmpreinte(t->NomMere_);
    }
    if (!racine || racine->Genre() != QLatin1Char('A')) {
        Vide(repere);
        return;
    }

    // The root's parameters serve its relations and every coefficient of the chain.
    Parametres_ = racine->Parametres();
    Contraintes_ = racine->Contraintes();
    const std::array<double, NbParametres> parametres = ValeursDesParametres(Parametres_);
    std::vector<TransformationPlane> chaine;
    std::array<double, 6> valeurs{};
    for (const GCTrAire* t : images) {
        chaine.push_back(transformationDe(*t, parametres, valeurs));
        if (t == this)
            Valeurs_ = valeurs;
    }
    CalculeImageAire(repere, *racine, chaine, parametres);
}

void GCTrAire::CalculeImageAire(const GCRepere& repere, const GCAire& racine,
                                const std::vector<TransformationPlane>& chaine,
                                const std::array<double, NbParametres>& parametres)
{
    double ux = 0, uy = 0;
    repere.GetUnitesParPixel(ux, uy);
    const GrillePixels grille(repere);
    QImage image = BitmapIndexee(grille);
    if (image.isNull())
        return;
    uchar* bits = image.bits();
    const qsizetype octetsParLigne = image.bytesPerLine();
    std::vector<int> compte(std::size_t(grille.lignes()), 0);
    std::vector<double> mesure(std::size_t(grille.lignes()), 0.0);

    const auto ligne = [&](int k) {
        const int r = grille.r0 + k;
        uchar* pixels = bits + octetsParLigne * r;
        GardeParametres garde(parametres.data());
        int n = 0;
        double somme = 0;
        for (int c = grille.c0; c <= grille.c1 && !ArretBalayage(); ++c) {
            double x, y;
            grille.monde(c, r, x, y);
            bool ok = true;
            for (const TransformationPlane& t : chaine)
                if (!(ok = t.antecedent(x, y, x, y)))
                    break;
            if (!ok)
                continue;
            // Tested at the centre of the pixel that holds the preimage.
            int cp = 0, rp = 0;
            grille.carte().MondeVersPixel(cp, rp, x, y);
            grille.monde(cp, rp, x, y);
            if (!racine.ContientPoint(x, y, ux, uy))
                continue;
            pixels[c] = 1;
            ++n;
            somme += grille.airePixel(c, r);
        }
        compte[std::size_t(k)] = n;
        mesure[std::size_t(k)] = somme;
        ErreurCalcul() = 0;
    };
    const double travail = double(grille.colonnes()) * grille.lignes()
                           * std::max<double>(1, double(racine.Inequations().size()) * 2);
    Interrompu_ = !BalaieLignes(grille.lignes(), FilsPourBalayage(travail), ligne);

    NbPixels_ = 0;
    Mesure_ = 0;
    for (std::size_t k = 0; k < compte.size(); ++k) {
        NbPixels_ += compte[k];
        Mesure_ += mesure[k];
    }
    Bitmap_ = std::move(image);
}

void GCTrAire::CalculeImageProcessus(const GCRepere& repere, const GCAire& mere)
{
    const auto* processus = dynamic_cast<const GCProcDyn*>(&mere);
    IterationProcessus iteration;
    if (!processus || !iteration.prepare(*processus)) {
        Vide(repere);
        return;
    }
    std::array<double, 6> valeurs{};
    const TransformationPlane t = transformationDe(*this, iteration.parametres(), valeurs);
    Valeurs_ = valeurs;
    QImage image = BitmapDeBalayage(GrillePixels(repere), QImage::Format_ARGB32, Numero_, Nom_);
    if (image.isNull())
        return;
    Interrompu_ = !iteration.balaie(repere, &t, image);
    NbPixels_ = 0;
    Mesure_ = 0;
    Bitmap_ = std::move(image);
}

// ---------------------------------------------------------------------------------------
// Records

void GCTrAire::EcritChampsAvantNom(QString& tete) const
{
    tete += QString::number(Code_ & 0x7F) + QLatin1Char(';');
}

void GCTrAire::EcritChampsTete(QString& tete) const
{
    if (Genre_ == QLatin1Char('T'))
        GCAire::EcritChampsTete(tete);
}

void GCTrAire::LitChampsTete(const QStringList& champs, QStringList& problemes)
{
    if (Genre_ == QLatin1Char('T'))
        GCAire::LitChampsTete(champs, problemes);
}

void GCTrAire::EcritLignesSuite(QStringList& lignes) const
{
    QString coefficients;
    for (const QString& c : Coefficients_)
        coefficients += TexteDeChamp(c) + QLatin1Char(';');
    lignes << coefficients << TexteDeChamp(NomMere_) + QLatin1Char(';');
}

bool GCTrAire::LitLignesSuite(const QStringList& lignes, int& i, QStringList& problemes)
{
    if (i + 2 > lignes.size()) {
        i = int(lignes.size());
        return false;
    }
    auto suivante = [&] {
        QString l = lignes.at(i++);
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
        return l;
    };
    QString ligne = suivante();
    std::array<QString, 6> textes;
    for (int k = 0; k < 6; ++k) {
        QString champ = ChampOuReste(ligne);
        textes[std::size_t(k)] = k == 0 ? champ.trimmed() : champ;
    }
    FixeCoefficients(textes);
    ligne = suivante();
    NomMere_ = ChampOuReste(ligne).trimmed();
    if (!EstTransformationPlane(Code_ & 0x7F))
        problemes << QStringLiteral("le code de transformation %1 n'en est pas un : l'image est vide").arg(Code_);
    return true;
}
