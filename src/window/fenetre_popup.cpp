// The graph window: its pop-up menu and the commands of the curve pop-up menu.
#include "window/fenetre.h"
#include "window/fenetre_courbes.h"
#include "window/fenetre_interne.h"

#include <QAction>
#include <QPointer>
#include <algorithm>

#include "dialogs/editform.h"
#include "dialogs/dialtit.h"
#include "dialogs/fiches.h"
#include "expression/etat.h"
#include "expression/fonction.h"
#include "graph/aires/GCAire.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/genres.h"
#include "graph/fichiers/ini.h"
#include "graph/repere/GCRepere.h"
#include "graph/textes/GCTexte.h"

// ---------------------------------------------------------------------------------------
// Pop-up menu of the window

void TForm1::Changerlataille1Click(QAction*)
{
    int largeur = width();
    int hauteur = height();
    if (!dialoguesFenetre().saisitTaille(this, largeur, hauteur))
        return;
    fixeTailleClient(largeur, hauteur);
    FormResize();
}

void TForm1::Changerletitre1Click(QAction*)
{
    QString texte = titre();
    const auto refus = [](const QString& t) { return RefusSeparateurs(t, QStringLiteral("Le titre d'une fenêtre")); };
    if (dialoguesFenetre().saisitTexteVerifie(this, QStringLiteral("Changement de titre"),
                                              QStringLiteral("Nouveau titre :"), texte, refus))
        fixeTitre(texte);
}

void TForm1::Changerlacouleurdufond1Click(QAction*)
{
    QColor couleur = couleurFond();
    if (!dialoguesFenetre().choisitCouleur(this, couleur))
        return;
    fixeCouleurFond(couleur);
}

// ---------------------------------------------------------------------------------------
// Curve pop-up menu


std::shared_ptr<GCCourbe> TForm1::courbeDuCode() const
{
    return CodeObjetSouris() > 0 ? dessin_->CourbeDuNumero(CodeObjetSouris()) : nullptr;
}

void TForm1::PaintBoxDblClick(QAction* emetteur)
{
    // An axis: the frame dialog on its tab; a curve: its own edit dialog.
    if (!emetteur && CodeObjetSouris() == CodeAmbigu)
        CodeObjetSouris() = LeveAmbiguite(XClic, YClic);
    const int code = CodeObjetSouris();
    if (!emetteur && (code == CodeAxeX || code == CodeAxeY)) {
        // The first click of the double click selected the frame for transport, or let it
        // go: as it was before.
        etatSouris().RepereSelectionne = !etatSouris().RepereSelectionne;
        montreTransport(QPoint(XClic, YClic));
        if (QAction* article = action(QStringLiteral("Repre1")))
            JournalMenu(article, QStringLiteral("  "));
        if (repere_->Modifie(code == CodeAxeX ? 1 : 2))
            AiresARecalculer = true;
    } else if (PtrCourbe courbe = courbeDuCode()) {
        if (!emetteur)
            if (QAction* article = action(QStringLiteral("Modifier1")))
                JournalMenu(article, QStringLiteral("  "));
        CourbeCourante() = courbe;
        courbe->Modifie(false);
        courbe->Selectionne = false;
        DeselectionneCourbe(courbe.get());
        oublieMessages();
    }
    paintBox_->update();
}

void TForm1::DupliquerClick(QAction* emetteur)
{
    // From the curve pop-up: the curve under the mouse; from the main menu: a curve chosen.
    const bool depuisMenuContextuel = emetteur && emetteur->objectName() == QLatin1String("MenuItem5");
    PtrCourbe source = depuisMenuContextuel ? courbeDuCode()
                                            : dessin_->ChoisitCourbe(QString::fromLatin1(LettresCourbes));
    if (!source)
        return;
    CourbeCourante() = source;
    const int numero = nouveauNumero();
    PtrCourbe clone = CloneCourbe(*source, numero, numero_);
    if (!clone)
        return;
    if (clone->Modifie(true)) {
        dessin_->AjouteCourbe(clone);
        paintBox_->update();
    } else {
        // The edit dialog of an X or Y curve enters its name even when cancelled: the name
        // of a copy that is not kept must not stay callable.
        RetireNomPropre(*clone);
    }
}

void TForm1::DupInvClick(QAction*)
{
    PtrCourbe source = courbeDuCode();
    if (!source)
        return;
    CourbeCourante() = source;
    const int numero = nouveauNumero();
    auto inverse = std::make_shared<GCOperUnaire>(QLatin1Char('Q'), 18, numero_, numero);
    // Number and date like every other object, so that two reversals made within the same
    // second keep apart in documents.
    inverse->FixeIdentifiant(QString::number(numero) + horodatage());
    inverse->FixeMere(1, source->Identifiant);
    const QChar genre = source->TypeCourbe.toUpper();
    if (const auto* c = dynamic_cast<const GCC*>(source.get())) {
        QString debut, pas;
        c->DebutPas(debut, pas);
        inverse->FixeBornes(debut, debut, pas);
    } else if (genre == QLatin1Char('L')) {
        inverse->FixeBornes(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0.1"));
    } else if (const auto* y = dynamic_cast<const GCY*>(source.get())) {
        QString xinf, xsup, pas;
        y->Bornes(xinf, xsup, pas);
        inverse->FixeBornes(xinf, xsup, pas);
    }
    bool batons = false, joint = true;
    source->ModeTrace(batons, joint);
    inverse->FixeModeTrace(batons, joint);
    inverse->GCCourbe::FixeLibelles(QStringLiteral("Inv. sens de ") + source->Nom, QString());
    inverse->Couleur = source->Couleur;
    inverse->Epaisseur = source->Epaisseur;
    // Traced by the paint that follows, with every curve of the window.
    inverse->Journalise();
    dessin_->AjouteCourbe(inverse);
    paintBox_->update();
}

void TForm1::InfoscrbClick(QAction*)
{
    PtrCourbe courbe = courbeDuCode();
    if (!courbe)
        return;
    CourbeCourante() = courbe;
    QStringList lignes;
    courbe->Decrit(lignes);
    dialoguesFenetre().montreTexte(this, SansNom(), lignes);
}

void TForm1::chgnomClick(QAction*)
{
    PtrCourbe courbe = courbeDuCode();
    if (!courbe)
        return;
    CourbeCourante() = courbe;
    QString nom = courbe->Nom;
    const auto refus = [](const QString& t) { return RefusSeparateurs(t, QStringLiteral("Le nom d'une courbe")); };
    if (!dialoguesFenetre().saisitTexteVerifie(this, QStringLiteral("Changer le nom de la courbe"),
                                               QStringLiteral("Remplacer le nom de la courbe par :"), nom, refus))
        return;
    nom = TexteDeChamp(nom).trimmed();
    if (nom.isEmpty() || nom == courbe->Nom)
        return;
    if (GenreAppelable(courbe->TypeCourbe.toUpper())) {
        // A curve callable by name keeps being callable, under its new name; a name that
        // another curve already has would make the document unreadable.
        if (NomPrisAilleurs(nom, courbe.get())) {
            interlocuteur().message(QStringLiteral("Il existe déjà une courbe appelée :") + nom);
            return;
        }
        RetireNomPropre(*courbe);
        courbe->Nom = nom;
        InscritNom(*courbe);
    } else {
        courbe->Nom = nom;
    }
    paintBox_->update();
}

int IndiceCourbeParIdentifiant(const std::vector<std::shared_ptr<GCCourbe>>& courbes,
                               const QString& identifiant)
{
    for (std::size_t i = 0; i < courbes.size(); ++i)
        if (courbes[i] && courbes[i]->Identifiant == identifiant)
            return int(i);
    return -1;
}

void TForm1::RedessineApresParametre(int indice, const QString& valeur, int mode,
                                     const std::vector<std::shared_ptr<GCCourbe>>& courbes,
                                     const std::vector<std::shared_ptr<GCAire>>& aires,
                                     const QList<QPointer<TForm1>>& fenetres)
{
    const auto fenetreDuNumero = [&fenetres](int numero) -> TForm1* {
        for (const QPointer<TForm1>& f : fenetres)
            if (f && f->numero() == numero)
                return f.data();
        return nullptr;
    };
    if (mode == 2) {
        // A copy of every designated curve in its own window; derived copies then follow the
        // copies of their mothers (all copies are made first, so that the order of the
        // designation does not matter).
        std::vector<PtrCourbe> clones(courbes.size());
        for (std::size_t k = 0; k < courbes.size(); ++k) {
            const PtrCourbe& source = courbes[k];
            if (!source || !fenetreDuNumero(source->NumeroFenetre))
                continue;
            clones[k] = CloneCourbe(*source, nouveauNumero(), source->NumeroFenetre);
        }
        for (std::size_t k = 0; k < courbes.size(); ++k) {
            const PtrCourbe& clone = clones[k];
            if (!clone)
                continue;
            const QChar genre = clone->TypeCourbe.toUpper();
            if (genre == QLatin1Char('O') || genre == QLatin1Char('Q') || genre == QLatin1Char('U')) {
                const int meres = genre == QLatin1Char('O') ? 2 : 1;
                for (int m = 1; m <= meres; ++m) {
                    const QString mere = courbes[k]->Mere(m);
                    const int i = IndiceCourbeParIdentifiant(courbes, mere);
                    if (i >= 0 && clones[std::size_t(i)]) {
                        clone->FixeMere(m, clones[std::size_t(i)]->Identifiant);
                    } else {
                        clone->FixeMere(m, mere);
                        interlocuteur().message(QStringLiteral("Pb de mère !"));
                    }
                }
            }
            fenetreDuNumero(courbes[k]->NumeroFenetre)->Dessin().AjouteCourbe(clone);
        }
        for (const auto& aire : aires) {
            TForm1* f = aire ? fenetreDuNumero(aire->NumeroFenetre()) : nullptr;
            if (!f)
                continue;
            if (auto clone = CloneAire(*aire, nouveauNumero(), aire->NumeroFenetre()))
                f->Aires().Ajoute(clone);
        }
    }
    for (const PtrCourbe& c : courbes)
        if (c && fenetreDuNumero(c->NumeroFenetre))
            c->FixeParametre(indice, valeur);
    for (const auto& a : aires)
        if (a && fenetreDuNumero(a->NumeroFenetre()))
            a->FixeParametre(indice, valeur);
    for (const QPointer<TForm1>& f : fenetres)
        if (f)
            f->DessineTampon(mode);
}


std::shared_ptr<GCAire> CloneAire(const GCAire& source, int numero, int numeroFenetre)
{
    // Inequation areas, dynamic processes (Julia, Mandelbrot) and transformed areas.
    const QChar genre = source.Genre().toUpper();
    if (genre != QLatin1Char('A') && genre != QLatin1Char('J') && genre != QLatin1Char('M')
        && genre != QLatin1Char('T'))
        return nullptr;
    std::shared_ptr<GCAire> clone = source.CreeMemeGenre(numero, numeroFenetre);
    if (clone)
        clone->Copie(source);
    return clone;
}
