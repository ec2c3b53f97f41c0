// Courbes > Modifier (one designated curve through its own dialog, several through the
// dialog of their common changes) and Courbes > Transfert en chronique.
#include "window/fenetre.h"
#include "window/fenetre_interne.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QGroupBox>
#include <QToolButton>
#include <algorithm>

#include "dialogs/dialogues.h"
#include "dialogs/etatsaisie.h"
#include "dialogs/paraauto.h"
#include "dialogs/paramanu.h"
#include "dialogs/saisieY.h"
#include "dialogs/trfchro.h"
#include "expression/etat.h"
#include "expression/formatage.h"
#include "graph/courbes/GCC.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDG.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/GCE.h"
#include "graph/courbes/GCN.h"
#include "graph/courbes/GCRS.h"
#include "graph/courbes/genres.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/fichiers/fichiertexte.h"

// ---------------------------------------------------------------------------------------
// Common changes

std::uint16_t ChampsCommuns(const QString& genres)
{
    std::uint16_t champs = 0x3FFF;
    for (const QChar g : genres) {
        switch (g.toUpper().toLatin1()) {
        case 'L': champs &= 0x007F; break;
        case 'N': champs &= 0x207F; break;
        case 'B':
        case 'C':
        case 'W': champs &= 0x04FF; break;
        case 'D':
        case 'E':
        case 'G': champs &= 0xDF7F; break;
        case 'I': champs &= 0xCF7F; break;
        default: champs &= 0x0F7F; break;
        }
    }
    return champs;
}

namespace {

enum : std::uint16_t {
    DebutPasFichier = 1 << 7,
    Debut = 1 << 8,
    Fin = 1 << 9,
    PasTrace = 1 << 10,
    Aleatoire = 1 << 11,
    Ordre = 1 << 12,
    Iterations = 1 << 13,
};

double ValeurParametre(const GCCourbe& c, int i)
{
    double v = 0;
    return EvalueChamp(c.Parametre(i), v) ? v : 0;
}

// The dialog of the changes common to several curves: only the fields that every kind
// designated has, preset from the last curve; on OK each curve takes the fields that the
// user changed from their preset (a field left alone keeps each curve's own value).
void ModificationsCommunes(const std::vector<PtrCourbe>& courbes, QWidget* parent)
{
    QString genres;
    for (const PtrCourbe& c : courbes)
        genres += c->TypeCourbe;
    const std::uint16_t champs = ChampsCommuns(genres);
    const GCCourbe& dernier = *courbes.back();
    EtatSaisie& e = etatSaisie();

    TsaisieY f(parent);
    f.setWindowTitle(QStringLiteral("Modifications communes"));
    for (QWidget* w : std::initializer_list<QWidget*>{f.GroupBox4, f.lib1, f.Edlib1, f.lib2, f.Edlib2, f.Label1,
                                                      f.Label2, f.Edxmin, f.Label3, f.Edxmax, f.Label4, f.Edpas,
                                                      f.CBalea, f.sbFlech, f.ButCI, f.assopar})
        w->hide();
    f.CBVisible->show();

    // The presets, from the last curve.
    e.CouleurEditee = dernier.Couleur;
    f.Edtempo->setValue(std::clamp(dernier.Tempo, 0, f.Edtempo->maximum()));
    f.CBepais->setCurrentIndex(std::clamp(dernier.Epaisseur - 1, 0, f.CBepais->count() - 1));
    f.CBStyle->setCurrentIndex(std::clamp(int(dernier.Style), 0, f.CBStyle->count() - 1));
    f.CBconnect->setChecked(dernier.Joint);
    f.CBbaton->setChecked(dernier.Batons);
    f.CBVisible->setChecked(dernier.HorsIndex);
    f.RBaucun->setChecked(true);
    f.montreCouleur();
    QString xmin = QStringLiteral("0"), xmax, pas = QStringLiteral("1");
    if (const auto* y = dynamic_cast<const GCY*>(&dernier)) {
        y->Bornes(xmin, xmax, pas);
        f.CBalea->setChecked(y->Aleatoire);
    }
    if (const auto* c = dynamic_cast<const GCC*>(&dernier); c && (champs & DebutPasFichier))
        c->DebutPas(xmin, pas);
    if (const auto* n = dynamic_cast<const GCN*>(&dernier); n && (champs & Iterations))
        pas = n->Iterations;
    if (const auto* dg = dynamic_cast<const GCDG*>(&dernier))
        f.CBordre->setCurrentIndex(std::clamp(dg->Ordre - 1, 0, f.CBordre->count() - 1));
    f.Edxmin->setText(xmin);
    // Hidden fields stay valid for the form's checks.
    f.Edxmax->setText(champs & Fin ? xmax : xmin);
    f.Edpas->setText(pas);
    const auto montre = [](std::initializer_list<QWidget*> ws) {
        for (QWidget* w : ws)
            w->show();
    };
    if (champs & (Debut | DebutPasFichier))
        montre({f.Label1, f.Label2, f.Edxmin});
    if (champs & Fin)
        montre({f.Label3, f.Edxmax});
    if (champs & Iterations) {
        f.Label4->setText(QStringLiteral("Nb d'itérations :"));
        montre({f.Label4, f.Edpas});
    } else if (champs & (PasTrace | DebutPasFichier)) {
        montre({f.Label4, f.Edpas});
    }
    if (champs & Aleatoire)
        f.CBalea->show();
    if (champs & Ordre)
        montre({f.LabelOrdre, f.CBordre});

    const int epaisseur = f.CBepais->currentIndex(), style = f.CBStyle->currentIndex(), tempo = f.Edtempo->value();
    const bool joint = f.CBconnect->isChecked(), batons = f.CBbaton->isChecked(), muet = f.CBVisible->isChecked();
    const bool aleatoire = f.CBalea->isChecked();
    const TCouleur couleur = e.CouleurEditee;
    const int ordre = f.CBordre->currentIndex();
    // The parameter grids start from the last curve (automatic) and the first twenty curves
    // (manual).
    for (int i = 0; i < 10; ++i)
        e.ValeurInitialeParametre[std::size_t(i)] = ValeurParametre(dernier, i);
    for (std::size_t k = 0; k < courbes.size() && k < std::size_t(NbCourbesManuelles); ++k)
        e.ParametresManuels[k] = courbes[k]->Parametres;

    if (f.exec() != QDialog::Accepted)
        return;
    bool automatique = false, manuel = false;
    if (f.RBparauto->isChecked()) {
        Tparaauto grille(parent);
        automatique = grille.exec() == QDialog::Accepted;
    } else if (f.RBparmanu->isChecked()) {
        Tparamanu grille(parent);
        manuel = grille.exec() == QDialog::Accepted;
    }
    const auto change = [&f](QWidget* w, const QString& avant) {
        const auto* l = static_cast<QLineEdit*>(w);
        return l->isVisibleTo(&f) && l->text().trimmed() != avant.trimmed();
    };
    for (std::size_t m = 0; m < courbes.size(); ++m) {
        GCCourbe& c = *courbes[m];
        if (f.CBVisible->isChecked() != muet)
            c.HorsIndex = f.CBVisible->isChecked();
        if (e.CouleurEditee != couleur)
            c.Couleur = e.CouleurEditee;
        if (f.CBStyle->currentIndex() != style)
            c.Style = std::uint8_t(std::max(0, f.CBStyle->currentIndex()));
        if (f.CBepais->currentIndex() != epaisseur)
            c.Epaisseur = f.CBepais->currentIndex() + 1;
        if (f.Edtempo->value() != tempo)
            c.Tempo = f.Edtempo->value();
        if (f.CBbaton->isChecked() != batons)
            c.Batons = f.CBbaton->isChecked();
        if (f.CBconnect->isChecked() != joint)
            c.Joint = f.CBconnect->isChecked();
        if (automatique)
            for (int i = 0; i < 10; ++i) {
                const double v = double(m) * e.IncrementAutoParametre[std::size_t(i)]
                                 + e.ValeurInitialeParametre[std::size_t(i)];
                contexteCalcul().ValeursParametres[std::size_t(i)] = v;
                c.FixeParametre(i, QString::fromStdString(ReelVersTexte(v)));
            }
        if (auto* chro = dynamic_cast<GCC*>(&c); chro && (champs & DebutPasFichier)) {
            QString debut, pasC;
            chro->DebutPas(debut, pasC);
            chro->FixeDebutPas(change(f.Edxmin, xmin) ? f.Edxmin->text() : debut,
                               change(f.Edpas, pas) ? f.Edpas->text() : pasC);
        }
        if (auto* y = dynamic_cast<GCY*>(&c); y && (champs & Debut)) {
            QString a, b, p;
            y->Bornes(a, b, p);
            y->FixeBornes(change(f.Edxmin, xmin) ? f.Edxmin->text() : a, change(f.Edxmax, xmax) ? f.Edxmax->text() : b,
                          (champs & PasTrace) && change(f.Edpas, pas) ? f.Edpas->text() : p);
            if ((champs & Aleatoire) && f.CBalea->isChecked() != aleatoire)
                y->FixeAleatoire(f.CBalea->isChecked());
        }
        if (auto* dg = dynamic_cast<GCDG*>(&c); dg && (champs & Ordre) && f.CBordre->currentIndex() != ordre) {
            dg->Ordre = f.CBordre->currentText().toInt();
            if (auto* eq = dynamic_cast<GCE*>(dg))
                c.Libelle2 = ResumeConditions(eq->Ordre, eq->TextesInitiaux);
            else
                c.Libelle2 = QStringLiteral("n = ") + QString::number(dg->Ordre);
        }
        if (auto* n = dynamic_cast<GCN*>(&c); n && (champs & Iterations) && change(f.Edpas, pas))
            n->FixeConditions(f.Edpas->text(), n->TexteXo, n->TexteYo);
        c.Journalise();
    }
    if (manuel)
        for (std::size_t k = 0; k < courbes.size() && k < std::size_t(NbCourbesManuelles); ++k)
            for (int i = 0; i < 10; ++i)
                courbes[k]->FixeParametre(i, e.ParametresManuels[k][std::size_t(i)]);
}

}  // namespace

void TForm1::Modifier1Click(QAction*)
{
    if (!DesignerCourbes(*this, QStringLiteral("Modifier"), QStringLiteral("Désigner les courbes à modifier"),
                         QString::fromLatin1(LettresCourbes), false, false))
        return;
    const Designation& d = designation();
    const std::vector<PtrCourbe> courbes = d.PressePapierCourbes;
    const QList<QPointer<TForm1>> fenetres = d.FenetresDesignees;
    if (courbes.size() == 1) {
        GCCourbe& c = *courbes.front();
        if (c.Modifie(false))
            if (auto* rs = dynamic_cast<GCRS*>(&c); rs && GenreParmi(c.TypeCourbe.toUpper(), "JRS"))
                rs->VerifieBornes();
    } else if (courbes.size() > 1) {
        ModificationsCommunes(courbes, this);
    }
    for (const QPointer<TForm1>& f : fenetres)
        if (f) {
            f->oublieMessages();
            f->PaintBox()->update();
        }
}

// ---------------------------------------------------------------------------------------
// Transfer into chronicles

int TransfereEnChronique(TForm1& destination, const GCCourbe& courbe, const QString& debut, const QString& pas,
                         bool ordonnees, bool abscisses)
{
    if (!ordonnees && !abscisses)
        return 0;
    const QString cache = courbe.NomFichier().isEmpty() ? courbe.CheminFichier(".pts") : courbe.NomFichier();
    const LecturePoints lu = LitFichierPoints(cache);
    if (lu.etat == EtatCache::Absent || (!lu.ok() && lu.points.empty())) {
        interlocuteur().message(QStringLiteral("Les points de la courbe ") + courbe.Nom
                                + QStringLiteral(" ne sont pas disponibles : elle doit d'abord être tracée."));
        return 0;
    }
    std::vector<double> xs, ys;
    for (const PointCourbe& p : lu.points) {
        xs.push_back(p.x);
        ys.push_back(p.y);
    }
    // Both files of one curve carry the number of the last curve made.
    const int n = etatGraphe().CompteurCourbes - 1;
    const QString base = QDir(dossierTravail())
                             .filePath(QStringLiteral("f%1c%2_%3").arg(courbe.NumeroFenetre).arg(courbe.Numero).arg(n));
    struct Fichier {
        bool voulu;
        QString chemin;
        const std::vector<double>* valeurs;
    };
    int faites = 0;
    for (const Fichier& fichier : {Fichier{ordonnees, base + QStringLiteral("o.dta"), &ys},
                                   Fichier{abscisses, base + QStringLiteral("a.dta"), &xs}}) {
        if (!fichier.voulu)
            continue;
        const EcritureTexte ecrit = EcritFichierTexte(fichier.chemin, LignesChronique(*fichier.valeurs));
        if (!ecrit.ok) {
            interlocuteur().message(ecrit.erreur);
            continue;
        }
        auto c = std::dynamic_pointer_cast<GCC>(CreeCourbe(QLatin1Char('C'), destination.numero(), nouveauNumero()));
        if (!c)
            continue;
        c->NouvelIdentifiant();
        c->FixeDebutPas(debut, pas);
        c->FixeLibelles(fichier.chemin, QString());
        c->Journalise();
        destination.Dessin().AjouteCourbe(c);
        ++faites;
    }
    destination.PaintBox()->update();
    return faites;
}

void TForm1::GenererChronik(QAction*)
{
    if (!DesignerCourbes(*this, QStringLiteral("Transformer"),
                         QStringLiteral("Désigner les courbes à transformer en chronique"),
                         QString::fromLatin1(LettresCourbes), false, false))
        return;
    Designation& d = designation();
    const std::vector<PtrCourbe> courbes = d.PressePapierCourbes;
    QPointer<TForm1> destination = d.FenetreDestination ? d.FenetreDestination : QPointer<TForm1>(this);
    TtrfChro fiche(this);
    for (const PtrCourbe& c : courbes) {
        fiche.labnom->setText(QStringLiteral("de : ") + c->Nom);
        if (fiche.exec() != QDialog::Accepted || !destination)
            continue;
        TransfereEnChronique(*destination, *c, fiche.edDeb->text(), fiche.EdPas->text(), fiche.CBord->isChecked(),
                             fiche.CBabs->isChecked());
    }
    d.PressePapierCourbes.clear();
}
