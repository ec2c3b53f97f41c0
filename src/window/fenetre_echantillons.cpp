// The sample-value sheet opened from the graph windows: its histograms go to new windows.
#include <cmath>

#include "dialogs/voirechant.h"
#include "expression/formatage.h"
#include "graph/courbes/GCDessin.h"
#include "graph/repere/GCRepere.h"
#include "window/fenetre.h"
#include "window/fenetre_interne.h"

TEchant* OuvreFeuilleValeurs(const std::vector<FeuilleValeurs>& feuilles, QWidget* parent)
{
    TEchant* e = MontreEchantillons(feuilles, parent);
    e->histogrammeVersFenetre = [](std::shared_ptr<GCCourbe> c, double xmin, double xmax) {
        const CreateurFenetre& createur = etatFenetres().createurFenetre;
        TForm1* f = createur ? createur() : nullptr;
        if (!f) {
            interlocuteur().message(QStringLiteral("Impossible de créer une nouvelle fenêtre."));
            return;
        }
        // The curve's creation is not a step of the session history.
        GardeValeur<bool> session(etatGraphe().EnregistrementSession, false);
        f->fixeTitre(QString::number(f->numero()) + QStringLiteral(" : Histogramme des densités"));
        c->NumeroFenetre = f->numero();
        f->Dessin().AjouteCourbe(c);
        c->Journalise();
        GCRepere& r = f->Repere();
        GCRepere::BornesEtPas x, y;
        r.GetBornesEtPas(x, y);
        const auto texte = [](double v) { return QString::fromStdString(ReelExact(v)); };
        const double pas = xmax > xmin ? PasRond((xmax - xmin) / 10) : 1;
        r.FixeBornes(texte(xmin), texte(xmax), x.type, texte(std::ceil(xmin / pas) * pas), QStringLiteral("0"), texte(pas),
                     y.xinf, y.xsup, y.type, y.debut, y.pas2nd, y.pas1er);
        f->DessineTampon();
        f->AjustYClick();
    };
    return e;
}
