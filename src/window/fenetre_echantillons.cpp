// The sample-value sheet opened from the graph windows: its histograms go to new windows.
#include <QAction>
#include <QImage>
#include <QPainter>
#include <cmath>

#include "dialogs/voirechant.h"
#include "expression/formatage.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/repere/GCRepere.h"
#include "window/designation.h"
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
        f->TraceEtAjusteY();
    };
    return e;
}

std::vector<PointCourbe> PointsDeLaCourbe(const std::shared_ptr<GCCourbe>& courbe, TForm1& parDefaut)
{
    TForm1* f = FenetreDuNumero(courbe->NumeroFenetre);
    GCRepere& repere = (f ? *f : parDefaut).Repere();
    QImage image(8, 8, QImage::Format_RGB32);
    QPainter peintre(&image);
    // MereAvecCache traces a curve that has no cache for the one that reads it.
    GCCourbe lectrice(QLatin1Char('Y'), courbe->NumeroFenetre, 0);
    MereAvecCache(courbe->Identifiant, lectrice, peintre, repere);
    peintre.end();
    std::vector<PointCourbe> points;
    for (const PointCourbe& p : LitFichierPoints(courbe->NomFichier()).points)
        if (std::isfinite(p.x) && std::isfinite(p.y))
            points.push_back(p);
    return points;
}

void TForm1::TableauValeurs(const std::vector<std::shared_ptr<GCCourbe>>& courbes)
{
    const bool polaire = repere_->EstPolaire();
    std::vector<FeuilleValeurs> feuilles;
    QStringList vides;
    for (const PtrCourbe& c : courbes) {
        FeuilleValeurs f;
        f.titre = c->Nom + QStringLiteral(" : ") + c->Libelle1;
        if (!c->Libelle2.isEmpty())
            f.titre += QStringLiteral(" ; ") + c->Libelle2;
        f.courbe = c;
        if (polaire) {
            f.titreX = QStringLiteral(" Rho ");
            f.titreY = QStringLiteral(" Theta ° ");
        }
        for (const PointCourbe& p : PointsDeLaCourbe(c, *this)) {
            f.x.push_back(polaire ? std::hypot(p.x, p.y) : p.x);
            f.y.push_back(polaire ? std::atan2(p.y, p.x) * 180 / M_PI : p.y);
        }
        if (f.x.empty())
            vides << c->Nom;
        feuilles.push_back(std::move(f));
    }
    if (feuilles.empty())
        return;
    OuvreFeuilleValeurs(feuilles, this);
    if (!vides.isEmpty())
        interlocuteur().message(QStringLiteral("Aucune valeur calculée pour : ") + vides.join(QStringLiteral(", ")));
}

void TForm1::Echantillons1Click(QAction*)
{
    if (!DesignerCourbes(*this, QStringLiteral("Tableau de valeurs"), QStringLiteral("Désigner les courbes à afficher"),
                         QString::fromLatin1(LettresCourbes), false, false))
        return;
    Designation& d = designation();
    const std::vector<PtrCourbe> courbes = d.PressePapierCourbes;
    d.PressePapierCourbes.clear();
    TableauValeurs(courbes);
}

void TForm1::Tableaudevaleurs1Click(QAction*)
{
    PtrCourbe courbe = courbeDuCode();
    if (!courbe)
        courbe = CourbeCourante().lock();
    if (!courbe)
        return;
    CourbeCourante() = courbe;
    TableauValeurs({courbe});
}
