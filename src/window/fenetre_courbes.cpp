#include "window/fenetre_courbes.h"

#include <QGuiApplication>
#include <QWidget>
#include <cmath>
#include <limits>

#include "dialogs/dialogues.h"
#include "dialogs/etatsaisie.h"
#include "dialogs/paraauto.h"
#include "dialogs/paramanu.h"
#include "expression/etat.h"
#include "expression/formatage.h"
#include "graph/aires/GCAire.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/genres.h"
#include "graph/repere/GCRepere.h"
#include "window/fenetre.h"

namespace {

// Products of steps are saturated here, far above any family that may be made.
constexpr std::int64_t SaturationFamille = std::int64_t(1) << 50;

// The hourglass while an object is defined and computed; back on every path.
class Sablier {
public:
    Sablier() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Sablier() { QGuiApplication::restoreOverrideCursor(); }
    Sablier(const Sablier&) = delete;
    Sablier& operator=(const Sablier&) = delete;
};

// Order of the kinds that take one at creation.
int entierCreation(QChar genre)
{
    return genre == QLatin1Char('D') || genre == QLatin1Char('E') ? 1 : 0;
}

void ajoute(CibleCourbes& cible, const PtrCourbe& courbe)
{
    cible.ajouteCourbe(courbe);
    courbe->Journalise();
}

// Template kinds: one copy of the template per member of the family.
int copiesDuModele(CibleCourbes& cible, QChar genre, int entier)
{
    PtrCourbe modele = CreeCourbe(genre, cible.numeroFenetre(), 0, entier);
    if (!modele)
        return 0;
    const QString nomModele = modele->Nom;
    if (!modele->Modifie(true))
        return 0;
    // A name given in the dialog names the family; the kinds whose dialog has no name field
    // keep each curve's own.
    const bool nomme = modele->Nom != nomModele;
    const EtatSaisie& e = etatSaisie();
    PasFamille pas{};
    const std::int64_t nombre =
        SaisieParametres(e.ChoixParametresAuto, e.ChoixParametresManuels, pas, cible.parent());
    for (std::int64_t k = 0; k < nombre; ++k) {
        PtrCourbe c = CreeCourbe(genre, cible.numeroFenetre(), nouveauNumero(), entier);
        c->Copie(*modele);
        if (nomme)
            c->Nom = k == 0 ? modele->Nom : modele->Nom + QLatin1Char('_') + QString::number(k);
        ParametresCopie(*c, k, nombre, pas, e.ChoixParametresAuto, e.ChoixParametresManuels);
        ajoute(cible, c);
    }
    if (nombre > 0)
        cible.redessine();
    return int(nombre);
}

}  // namespace

// ---------------------------------------------------------------------------------------

int CibleFenetre::numeroFenetre() const
{
    return fenetre_.numero();
}

void CibleFenetre::ajouteCourbe(std::shared_ptr<GCCourbe> courbe)
{
    fenetre_.Dessin().AjouteCourbe(std::move(courbe));
}

void CibleFenetre::ajouteAire(std::shared_ptr<GCAire> aire)
{
    fenetre_.FixeModeFond(2);
    fenetre_.AiresARecalculer = true;
    fenetre_.Aires().Ajoute(std::move(aire));
}

GCRepere& CibleFenetre::repere()
{
    return fenetre_.Repere();
}

void CibleFenetre::redessine()
{
    fenetre_.oublieMessages();
    if (QWidget* boite = fenetre_.PaintBox())
        boite->update();
    fenetre_.update();
}

QWidget* CibleFenetre::parent()
{
    return &fenetre_;
}

// ---------------------------------------------------------------------------------------
// Families

PasFamille PasAutomatiques()
{
    const EtatSaisie& e = etatSaisie();
    PasFamille pas{};
    for (int i = 0; i < 10; ++i) {
        const double increment = e.IncrementAutoParametre[i];
        if (increment == 0)
            continue;
        const double n = std::nearbyint((e.MaximumAutoParametre[i] - e.ValeurInitialeParametre[i]) / increment);
        if (!std::isfinite(n) || n <= 0)
            continue;
        pas[i] = n >= double(SaturationFamille) ? SaturationFamille : std::int64_t(n);
    }
    return pas;
}

std::int64_t NombreFamille(const PasFamille& pas)
{
    std::int64_t produit = 1;
    for (const std::int64_t p : pas) {
        const std::int64_t facteur = p + 1;
        if (produit > SaturationFamille / facteur)
            return SaturationFamille;
        produit *= facteur;
    }
    return produit;
}

std::array<double, 10> ValeursFamille(std::int64_t k, std::int64_t nombre, const PasFamille& pas)
{
    const EtatSaisie& e = etatSaisie();
    std::array<double, 10> valeurs{};
    std::int64_t diviseur = std::max<std::int64_t>(nombre, 1);
    for (int i = 0; i < 10; ++i) {
        if (pas[i] == 0) {
            valeurs[i] = e.ValeurInitialeParametre[i];
            continue;
        }
        const std::int64_t d = std::max<std::int64_t>(diviseur / (pas[i] + 1), 1);
        const std::int64_t chiffre = (k % diviseur) / d;
        valeurs[i] = double(chiffre) * e.IncrementAutoParametre[i] + e.ValeurInitialeParametre[i];
        diviseur = d;
    }
    return valeurs;
}

namespace {

template <class Objet>
void parametresCopie(Objet& objet, std::int64_t k, std::int64_t nombre, const PasFamille& pas, bool automatique,
                     bool manuel)
{
    if (manuel) {
        const auto& rangee = etatSaisie().ParametresManuels[std::size_t(std::clamp<std::int64_t>(k, 0, NbCourbesManuelles - 1))];
        for (int i = 0; i < 10; ++i)
            objet.FixeParametre(i, rangee[i]);
    } else if (automatique) {
        const std::array<double, 10> valeurs = ValeursFamille(k, nombre, pas);
        for (int i = 0; i < 10; ++i) {
            contexteCalcul().ValeursParametres[i] = valeurs[i];
            objet.FixeParametre(i, QString::fromStdString(ReelVersTexte(valeurs[i])));
        }
    }
}

}  // namespace

void ParametresCopie(GCCourbe& courbe, std::int64_t k, std::int64_t nombre, const PasFamille& pas,
                     bool automatique, bool manuel)
{
    parametresCopie(courbe, k, nombre, pas, automatique, manuel);
}

void ParametresCopie(GCAire& aire, std::int64_t k, std::int64_t nombre, const PasFamille& pas,
                     bool automatique, bool manuel)
{
    parametresCopie(aire, k, nombre, pas, automatique, manuel);
}

bool AccepteFamille(std::int64_t nombre, int trajectoires)
{
    const std::int64_t total = nombre >= SaturationFamille ? SaturationFamille : nombre * trajectoires;
    if (total > MaximumFamille) {
        interlocuteur().message(
            QStringLiteral("Cette famille comporterait %1 courbes : c'est trop (au plus %2). "
                           "Réduisez le nombre de valeurs des paramètres.")
                .arg(total >= SaturationFamille ? QStringLiteral("plus de 10^15") : QString::number(total))
                .arg(MaximumFamille));
        return false;
    }
    if (total > SeuilQuestionFamille)
        return interlocuteur().demandeOuiNon(
            QStringLiteral("Cette famille comporte %1 courbes. Continuer ?").arg(total));
    return true;
}

void SaisieGrilleParametres(PasFamille& pas, QWidget* parent)
{
    Tparaauto fiche(parent);
    if (fiche.exec() == QDialog::Accepted)
        pas = PasAutomatiques();
    else
        pas.fill(0);
}

int SaisieManuelle(QWidget* parent)
{
    Tparamanu fiche(parent);
    if (fiche.exec() != QDialog::Accepted)
        return 0;
    return std::clamp(fiche.nombreCourbes(), 1, NbCourbesManuelles);
}

std::int64_t SaisieParametres(bool automatique, bool manuel, PasFamille& pas, QWidget* parent, int trajectoires)
{
    pas.fill(0);
    std::int64_t nombre = 1;
    if (manuel)
        nombre = SaisieManuelle(parent);
    else if (automatique) {
        SaisieGrilleParametres(pas, parent);
        nombre = NombreFamille(pas);
    }
    if (nombre > 0 && !AccepteFamille(nombre, trajectoires))
        return 0;
    return nombre;
}

// ---------------------------------------------------------------------------------------
// Creators

int DefinitCourbeListe(CibleCourbes& cible, QChar genre)
{
    return copiesDuModele(cible, genre, 0);
}

int DefinitImplicite(CibleCourbes& cible, int sousType)
{
    return copiesDuModele(cible, QLatin1Char('I'), sousType);
}

int DefinitCourbeFonction(CibleCourbes& cible, QChar genre)
{
    const int entier = entierCreation(genre);
    EtatGraphe& g = etatGraphe();
    PtrCourbe premiere = CreeCourbe(genre, cible.numeroFenetre(), nouveauNumero(), entier);
    if (!premiere) {
        --g.CompteurCourbes;
        return 0;
    }
    if (!premiere->Modifie(true)) {
        --g.CompteurCourbes;
        // The dialog made the name callable again: a curve never created leaves it.
        RetireNomPropre(*premiere);
        return 0;
    }

    const EtatSaisie& e = etatSaisie();
    PasFamille pas{};
    const std::int64_t nombre =
        SaisieParametres(e.ChoixParametresAuto, e.ChoixParametresManuels, pas, cible.parent());
    ParametresCopie(*premiere, 0, nombre, pas, e.ChoixParametresAuto, e.ChoixParametresManuels);
    if (auto* eq = dynamic_cast<GCE*>(premiere.get()))
        eq->FixeConditionsInitiales(e.ConditionsInitiales);
    ajoute(cible, premiere);

    std::int64_t suffixe = 1;
    for (std::int64_t k = 1; k < nombre; ++k) {
        PtrCourbe c = CreeCourbe(genre, cible.numeroFenetre(), nouveauNumero(), entier);
        c->Copie(*premiere);
        QString nom = premiere->Nom + QLatin1Char('_') + QString::number(suffixe++);
        if (GenreAppelable(genre))
            while (NomPrisAilleurs(nom))
                nom = premiere->Nom + QLatin1Char('_') + QString::number(suffixe++);
        c->Nom = nom;
        ParametresCopie(*c, k, nombre, pas, e.ChoixParametresAuto, e.ChoixParametresManuels);
        if (auto* eq = dynamic_cast<GCE*>(c.get()))
            eq->FixeConditionsInitiales(e.ConditionsInitiales);
        // Copies are callable under their names, as they are once read back from a document.
        InscritNom(*c);
        ajoute(cible, c);
    }
    cible.redessine();
    return int(std::max<std::int64_t>(nombre, 1));
}

int DefinitSysteme(CibleCourbes& cible)
{
    PtrCourbe modele = CreeCourbe(QLatin1Char('H'), cible.numeroFenetre(), 0);
    if (!modele || !modele->Modifie(true))
        return 0;
    const EtatSaisie& e = etatSaisie();
    PasFamille pas{};
    const std::int64_t nombre =
        SaisieParametres(e.ChoixParametresAuto, e.ChoixParametresManuels, pas, cible.parent(), 33);
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    cible.repere().GetBornes(xmin, xmax, ymax, ymin);
    int crees = 0;
    for (std::int64_t m = 0; m < nombre; ++m)
        for (int i = 1; i <= 11; ++i)
            for (int j = -1; j <= 1; ++j) {
                PtrCourbe c = CreeCourbe(QLatin1Char('H'), cible.numeroFenetre(), nouveauNumero());
                c->Copie(*modele);
                if (e.ChoixParametresAuto || e.ChoixParametresManuels)
                    ParametresCopie(*c, m, nombre, pas, e.ChoixParametresAuto, e.ChoixParametresManuels);
                else
                    // Without a family, the initial values of the parameter grid.
                    for (int p = 0; p < 10; ++p)
                        c->FixeParametre(p, QString::fromStdString(ReelVersTexte(e.ValeurInitialeParametre[p])));
                const double xo = xmin + (xmax - xmin) * double((11 - 2 * i) * j + 11) / 22.0;
                const double yo = ymin + (ymax - ymin) * double(i) / 11.0;
                static_cast<GCRS*>(c.get())->FixeBornes(QString::fromStdString(ReelVersTexte(xo)),
                                                        QString::fromStdString(ReelVersTexte(yo)));
                ajoute(cible, c);
                ++crees;
            }
    if (crees > 0)
        cible.redessine();
    return crees;
}

int DefinitSuite(CibleCourbes& cible, int tag)
{
    if (tag >= 1 && tag <= 4)
        return copiesDuModele(cible, QLatin1Char('N'), tag);
    if (tag != 5 && tag != 6)
        return 0;
    const QChar lettre = tag == 5 ? QLatin1Char('J') : QLatin1Char('M');
    Sablier sablier;
    std::shared_ptr<GCAire> aire = CreeAire(lettre, nouveauNumero(), cible.numeroFenetre());
    // The window renders its areas only once the set is confirmed, so that a cancelled
    // definition leaves its background as it was; the set is computed by that rendering.
    if (!aire || !aire->Modifie(true))
        return 0;
    aire->DecritRapport();
    cible.ajouteAire(aire);
    cible.redessine();
    return 1;
}

int DefinitAires(CibleCourbes& cible)
{
    // The template takes no number: a cancelled definition leaves the counter as it was.
    std::shared_ptr<GCAire> modele = CreeAire(QLatin1Char('A'), 0, cible.numeroFenetre());
    if (!modele || !modele->Modifie(true))
        return 0;
    const EtatSaisie& e = etatSaisie();
    PasFamille pas{};
    const std::int64_t nombre =
        SaisieParametres(e.ChoixParametresAuto, e.ChoixParametresManuels, pas, cible.parent());
    Sablier sablier;
    for (std::int64_t k = 0; k < nombre; ++k) {
        std::shared_ptr<GCAire> aire = CreeAire(QLatin1Char('A'), nouveauNumero(), cible.numeroFenetre());
        aire->Copie(*modele);
        ParametresCopie(*aire, k, nombre, pas, e.ChoixParametresAuto, e.ChoixParametresManuels);
        aire->DecritRapport();
        // Computed by the window's paint, on the frame as it is drawn.
        cible.ajouteAire(aire);
    }
    if (nombre > 0)
        cible.redessine();
    return int(nombre);
}

int DefinitCourbe(TForm1& fenetre, QChar genre, int entier)
{
    CibleFenetre cible(fenetre);
    switch (genre.toLatin1()) {
    case 'B':
    case 'C':
    case 'L':
    case 'W':
        return DefinitCourbeListe(cible, genre);
    case 'D':
    case 'E':
    case 'J':
    case 'P':
    case 'R':
    case 'S':
    case 'T':
    case 'X':
    case 'Y':
        return DefinitCourbeFonction(cible, genre);
    case 'H':
        return DefinitSysteme(cible);
    case 'I':
        return DefinitImplicite(cible, entier);
    case 'N':
        return DefinitSuite(cible, entier);
    default:
        return 0;
    }
}
