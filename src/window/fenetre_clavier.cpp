// The graph window's keyboard and mouse wheel: the arrows nudge the mouse cursor, Delete
// removes the selected curves, letters step the parameters of every curve and area (lower
// case up, upper case down) and the personal parameters bound to them, Shift+Ctrl+letter
// edits a personal parameter, '<' '>' '+' '-' and the wheel zoom, '&' makes the window keep
// the trail of the parameter steps.
#include "window/fenetre.h"
#include "window/fenetre_interne.h"

#include <QCursor>
#include <cstring>
#include <QKeyEvent>
#include <QSet>
#include <QWheelEvent>

#include "dialogs/aide.h"
#include "dialogs/etatsaisie.h"
#include "dialogs/fiches.h"
#include "dialogs/minmaxpar.h"
#include "dialogs/parperso.h"
#include "expression/etat.h"
#include "expression/formatage.h"
#include "expression/paramperso.h"
#include "graph/aires/GCAire.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"

namespace {

// The index of the parameter of a key letter (0..25): a..d, g, h, k, l, m, p give 0..9, any
// other letter 10.
int IndiceParametreLettre(int lettre)
{
    const char c = char('a' + lettre);
    const char* p = std::strchr(LettresParametres, c);
    return lettre >= 0 && lettre < 26 && p ? int(p - LettresParametres) : 10;
}

// The window redraws after a parameter changed: through its back buffer, keeping the earlier
// steps, when it follows the parameter keys; otherwise at its next paint (steps that come
// faster than paints are drawn once).
void RedessineParametres()
{
    for (TForm1* f : FenetresOuvertes()) {
        if (f->SuitParametres)
            f->DessineTampon(1);
        else
            f->PaintBox()->update();
    }
}

}  // namespace

void TForm1::ToucheParametre(int lettre, int signe)
{
    ToucheParametrePerso(lettre, signe);
    const int i = IndiceParametreLettre(lettre);
    if (i < 10) {
        // Each curve and area once, even when several windows show it.
        QSet<const void*> faits;
        const double pas = etatSaisie().PasParametre[std::size_t(i)] * (signe < 0 ? -1 : 1);
        double& valeur = contexteCalcul().ValeursParametres[std::size_t(i)];
        const auto avance = [&](auto& objet) {
            if (faits.contains(&objet))
                return;
            faits.insert(&objet);
            double v = 0;
            if (!EvalueChamp(objet.Parametre(i), v))
                return;
            valeur = SommeDecimale(v, pas);
            objet.FixeParametre(i, QString::fromStdString(ReelExact(valeur)));
        };
        for (TForm1* f : FenetresOuvertes()) {
            for (const PtrCourbe& c : f->Dessin().Courbes)
                if (c)
                    avance(*c);
            for (const auto& a : f->Aires().Aires)
                if (a)
                    avance(*a);
            if (!f->Aires().Vide())
                f->AiresARecalculer = true;
        }
    }
    RedessineParametres();
}

void TForm1::VarieParametre(int indice)
{
    if (indice >= 0 && indice < 10) {
        const QString texte = QString::fromStdString(ReelExact(contexteCalcul().ValeursParametres[std::size_t(indice)]));
        for (TForm1* f : FenetresOuvertes()) {
            for (const PtrCourbe& c : f->Dessin().Courbes)
                if (c)
                    c->FixeParametre(indice, texte);
            for (const auto& a : f->Aires().Aires)
                if (a)
                    a->FixeParametre(indice, texte);
            if (!f->Aires().Vide())
                f->AiresARecalculer = true;
        }
    }
    RedessineParametres();
}

int SujetAideDuConseil(const QString& conseil)
{
    static const struct {
        const char* debut;
        int sujet;
    } sujets[] = {
        {"Primi", SujetsAide::Primitives}, {"Régre", SujetsAide::Regressions}, {"Trace", SujetsAide::MainLevee},
        {"Défin", SujetsAide::SaisieGraphique}, {"Chang", SujetsAide::Norme}, {"Rédui", SujetsAide::Unites},
        {"Augme", SujetsAide::Unites}, {"axe Y", SujetsAide::AxeY}, {"axe X", SujetsAide::AxeX},
    };
    const QString debut = conseil.left(5);
    for (const auto& s : sujets)
        if (debut == QString::fromUtf8(s.debut))
            return s.sujet;
    return SujetsAide::Sommaire;
}

void TForm1::FormKeyUp(int touche, Qt::KeyboardModifiers modificateurs)
{
    switch (touche) {
    case Qt::Key_Left: QCursor::setPos(QCursor::pos() + QPoint(-1, 0)); return;
    case Qt::Key_Up: QCursor::setPos(QCursor::pos() + QPoint(0, -1)); return;
    case Qt::Key_Right: QCursor::setPos(QCursor::pos() + QPoint(1, 0)); return;
    case Qt::Key_Down: QCursor::setPos(QCursor::pos() + QPoint(0, 1)); return;
    case Qt::Key_F1: {
        const auto& conseil = etatFenetres().conseilCadre;
        MontreAide(SujetAideDuConseil(conseil ? conseil() : QString()));
        return;
    }
    case Qt::Key_Delete: {
        EtatSouris& e = etatSouris();
        if (e.CourbesSelectionnees.empty()
            || !interlocuteur().demandeOuiNon(QStringLiteral("Etes-vous sûr de vouloir supprimer ce(s) tracé(s) ?")))
            return;
        // Each selected curve leaves every window that shows it, wherever it was selected.
        const std::vector<PtrCourbe> selection = e.CourbesSelectionnees;
        for (const PtrCourbe& c : selection)
            for (TForm1* f : FenetresOuvertes()) {
                const auto& l = f->Dessin().Courbes;
                if (c && std::find(l.begin(), l.end(), c) != l.end() && RetireCourbeFenetre(*f, c->Numero))
                    f->PaintBox()->update();
            }
        e.CourbesSelectionnees.clear();
        for (TForm1* f : FenetresOuvertes())
            f->montreTransport(QPoint());
        return;
    }
    default: break;
    }
    if (modificateurs == (Qt::ShiftModifier | Qt::ControlModifier) && touche >= Qt::Key_A && touche <= Qt::Key_Z) {
        const int lettre = touche - Qt::Key_A;
        const int i = IndiceParametreLettre(lettre);
        if (i < 10) {
            // The parameter changes only when its range dialog was confirmed.
            if (ModifieMinMaxParametre(this, i, false))
                VarieParametre(i);
            return;
        }
        const auto& liste = parametresPersonnels().ListesLettres[std::size_t(lettre)];
        // The parameter changes only when its dialog was confirmed.
        if (!liste.empty() && ModifieParametrePerso(this, liste.front()))
            VarieParametre(i);
    }
}

void TForm1::FormKeyPress(QChar caractere)
{
    const char c = caractere.toLatin1();
    if (c == '<' || c == '-')
        ZoomCentre(true);
    else if (c == '>' || c == '+')
        ZoomCentre(false);
    else if (c == '&')
        SuitParametres = !SuitParametres;
    else if (c >= 'a' && c <= 'z')
        ToucheParametre(c - 'a', 1);
    else if (c >= 'A' && c <= 'Z')
        ToucheParametre(c - 'A', -1);
}

void TForm1::keyPressEvent(QKeyEvent* evenement)
{
    const QString texte = evenement->text();
    if (texte.size() == 1 && texte.at(0).isPrint()
        && !(evenement->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        // A held key repeats its step.
        FormKeyPress(texte.at(0));
        return;
    }
    QWidget::keyPressEvent(evenement);
}

void TForm1::keyReleaseEvent(QKeyEvent* evenement)
{
    // A held Delete, arrow or F1 acts once, on its release.
    if (evenement->isAutoRepeat())
        return;
    FormKeyUp(evenement->key(), evenement->modifiers() & ~Qt::KeypadModifier);
}

void TForm1::wheelEvent(QWheelEvent* evenement)
{
    evenement->accept();
    cranMolette_ += evenement->angleDelta().y();
    for (; cranMolette_ >= 120; cranMolette_ -= 120)
        ZoomCentre(false);
    for (; cranMolette_ <= -120; cranMolette_ += 120)
        ZoomCentre(true);
}
