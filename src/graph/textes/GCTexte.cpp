#include "graph/textes/GCTexte.h"

#include <QPainter>
#include <initializer_list>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "expression/formatage.h"
#include "expression/paramperso.h"
#include "graph/repere/GCRepere.h"
#include "graph/textes/TeXGestion.h"
#include "graph/export/pstricks.h"
#include "graph/base/etatgraphe.h"

namespace {

QString reel(double v)
{
    return QString::fromStdString(ReelVersTexte(v));
}


int entierOuUn(const QString& texte)
{
    int v = 1;
    if (!LitEntier(texte, v))
        return 1;
    return v;
}

}  // namespace

SourceMacros* sourceMacros()
{
    SourceMacros* s = etatGraphe().sourceMacros;
    return s ? s : sourceMacrosFenetres();
}

// ---------------------------------------------------------------------------------------
// GCTexte

GCTexte::GCTexte(int numero, const QString& texteX, const QString& texteY, bool estExpression,
                 const Police& fonte)
    : Numero(numero), Fonte_(fonte)
{
    SetPosition(texteX, texteY, estExpression);
}

void GCTexte::SetTexte(const QString& texte)
{
    Texte_ = SurUneLigne(texte);
}

int GCTexte::NormaliseOrientation(int v)
{
    v %= 3600;
    return v < 0 ? v + 3600 : v;
}

void GCTexte::SetOrientation(int dixiemesDeDegre)
{
    Orientation_ = NormaliseOrientation(dixiemesDeDegre);
}

void GCTexte::SetPosition(const QString& texteX, const QString& texteY, bool estExpression)
{
    EstExpression_ = estExpression;
    if (estExpression) {
        // The whole expression is kept, however long.
        ExprX_ = SurUneLigne(texteX);
        ExprY_ = SurUneLigne(texteY);
    } else {
        PixelX_ = entierOuUn(texteX);
        PixelY_ = entierOuUn(texteY);
        ExprX_.clear();
        ExprY_.clear();
    }
}

void GCTexte::SetPositionPixel(int px, int py)
{
    EstExpression_ = false;
    PixelX_ = px;
    PixelY_ = py;
    ExprX_.clear();
    ExprY_.clear();
}

bool GCTexte::GetPositionMonde(double& x, double& y) const
{
    x = y = 0;
    if (!EstExpression_)
        return false;
    x = EvalueTexte(ExprX_.toStdString());
    const bool okX = ErreurCalcul() == 0;
    y = EvalueTexte(ExprY_.toStdString());
    const bool okY = ErreurCalcul() == 0;
    return okX && okY;
}

bool GCTexte::PositionEcran(const GCRepere& repere, int& px, int& py) const
{
    if (!EstExpression_) {
        px = PixelX_;
        py = PixelY_;
        return true;
    }
    double x = 0, y = 0;
    const bool ok = GetPositionMonde(x, y);
    repere.MondeVersPixel(px, py, x, y);
    return ok;
}

void GCTexte::GetPositionTextes(QString& tx, QString& ty) const
{
    if (EstExpression_) {
        tx = ExprX_;
        ty = ExprY_;
    } else {
        tx = QString::number(PixelX_);
        ty = QString::number(PixelY_);
    }
}

void GCTexte::CopieTexte(const GCTexte& s)
{
    Fonte_ = s.Fonte_;
    Orientation_ = s.Orientation_;
    Texte_ = s.Texte_;
    NoPoint = s.NoPoint;
    EcartX = s.EcartX;
    EcartY = s.EcartY;
    ADroite = s.ADroite;
    CourbePoint = s.CourbePoint;
    CourbeStat = s.CourbeStat;
    Aire = s.Aire;
    CourbeLib = s.CourbeLib;
}

QString GCTexte::TexteAffiche() const
{
    QString t;
    RemplaceMacros(t);
    return t;
}

void GCTexte::RemplaceMacros(QString& t) const
{
    t = Texte_;
    if (!t.contains(QLatin1Char('&')))
        return;  // labels along curves are drawn at every point: most hold no macro
    auto remplace = [&t](const char* macro, const QString& valeur) {
        t.replace(QLatin1String(macro), valeur, Qt::CaseSensitive);
    };
    SourceMacros* s = sourceMacros();

    // The curves are only asked when their macros are present: a curve's own label is
    // drawn at every point, and the statistics read the whole point cache.
    auto contient = [&t](std::initializer_list<const char*> macros) {
        for (const char* m : macros)
            if (t.contains(QLatin1String(m)))
                return true;
        return false;
    };

    // 1. A point of a curve.
    if (s && !CourbePoint.isEmpty() && contient({"&num", "&abs", "&ord"})) {
        StatistiquesCourbe r{};
        bool reussi = false;
        int nombre = 0;
        if (s->statistiques(CourbePoint, NoPoint, r, reussi, nombre)) {
            const bool ok = reussi && NoPoint >= 1 && NoPoint <= nombre;
            const QString inconnu = QStringLiteral("??");
            remplace("&num", ok ? reel(r[15]) : inconnu);
            remplace("&abs", ok ? reel(r[16]) : inconnu);
            remplace("&ord", ok ? reel(r[17]) : inconnu);
        }
    }
    // 2. Statistics of a curve ("&rho2" before "&rho").
    if (s && !CourbeStat.isEmpty()
        && contient({"&min", "&max", "&moy", "&sx", "&sy", "&vx", "&vy", "&med", "&cov", "&rho"})) {
        StatistiquesCourbe r{};
        bool reussi = false;
        int nombre = 0;
        if (s->statistiques(CourbeStat, 0, r, reussi, nombre)) {
            static const char* const noms[] = {"&minx", "&maxx", "&moyx", "&sx", "&vx", "&medx",
                                               "&miny", "&maxy", "&moyy", "&sy", "&vy", "&medy"};
            for (int k = 0; k < 12; ++k)
                remplace(noms[k], reel(r[std::size_t(k)]));
            const QString inconnu = QStringLiteral("??");
            remplace("&cov", reussi ? reel(r[12]) : inconnu);
            remplace("&rho2", reussi ? reel(r[14]) : inconnu);
            remplace("&rho", reussi ? reel(r[13]) : inconnu);
        }
    }
    // 3. An area's measure.
    if (s && !Aire.isEmpty() && t.contains(QLatin1String("&aire0"))) {
        double v = 0;
        if (s->aire(Aire, v))
            remplace("&aire0", reel(v));
    }
    // 4. A curve's definition texts.
    if (s && !CourbeLib.isEmpty() && contient({"&lib1", "&lib2"})) {
        QString l1, l2;
        if (s->libelles(CourbeLib, l1, l2)) {
            remplace("&lib1", l1);
            remplace("&lib2", l2);
        }
    }
    // 5. The point being drawn.
    const ValeursCourantes& v = etatGraphe().valeursCourantes;
    remplace("&n", reel(v.n));
    remplace("&t", reel(v.t));
    remplace("&x", reel(v.x));
    remplace("&y", reel(v.y));
    // 6. Personal parameters, in list order.
    for (const auto& p : parametresPersonnels().ParametresPerso) {
        if (!t.contains(QLatin1Char('&')))
            return;
        t.replace(QLatin1Char('&') + QString::fromStdString(p->Nom()), QString::fromStdString(p->Valeur()),
                  Qt::CaseSensitive);
    }
    // 7. The ten parameters.
    const auto& valeurs = contexteCalcul().ValeursParametres;
    for (int k = 0; k < NbParametres; ++k) {
        const char macro[3] = {'&', LettresParametres[k], 0};
        remplace(macro, reel(valeurs[std::size_t(k)]));
    }
}

bool GCTexte::Dessine(int px, int py, QPainter& canvas) const
{
    if (!Visible)
        return true;
    const QString texte = TexteAffiche();
    canvas.save();
    const QColor couleur = Fonte_.qcouleur();
    canvas.setFont(Fonte_.qfont(etatGraphe().FacteurEchelle));
    canvas.setPen(couleur);
    const bool ok = DessineTeX(px, py, texte, Orientation_, couleur, canvas);
    canvas.restore();
    if (ok) {
        faute_ = false;
        return true;
    }
    // Never a modal box here: we are painting. One report per text, until it changes.
    if (!faute_ || texteSignale_ != Texte_) {
        faute_ = true;
        texteSignale_ = Texte_;
        interlocuteur().avertit(QStringLiteral("Texte « %1 » : erreur de syntaxe").arg(Texte_));
        interlocuteur().message(QStringLiteral("erreur de syntaxe"));
    }
    return false;
}

bool GCTexte::Modifie(bool nouveau)
{
    Dialogues* d = etatGraphe().dialogues;
    return d && d->modifieTexte(*this, nouveau);
}

// ---------------------------------------------------------------------------------------
// GCListTextes

void GCListTextes::AjouteTexte(std::unique_ptr<GCTexte> texte)
{
    if (texte)
        textes_.push_back(std::move(texte));
}

bool GCListTextes::RetireTexte(const GCTexte* texte)
{
    for (auto it = textes_.begin(); it != textes_.end(); ++it)
        if (it->get() == texte) {
            textes_.erase(it);
            return true;
        }
    return false;
}

GCTexte* GCListTextes::TexteDuNumero(int n) const
{
    for (auto it = textes_.rbegin(); it != textes_.rend(); ++it)
        if ((*it)->Numero == n)
            return it->get();
    return nullptr;
}

GCTexte* GCListTextes::TexteDuContenu(const QString& t) const
{
    for (auto it = textes_.rbegin(); it != textes_.rend(); ++it)
        if ((*it)->GetTexte() == t)
            return it->get();
    return nullptr;
}

bool GCListTextes::ChoisitTextes(const QString& titre, const Choix& choix, QStringList& choisis) const
{
    choisis.clear();
    DemandeChoix demande;
    demande.entrees = ListeTextes();
    if (demande.entrees.isEmpty()) {
        interlocuteur().message(QStringLiteral("Aucun texte dans cette fenêtre!"));
        return false;
    }
    if (!choix)
        return false;
    demande.titre = QStringLiteral("Choix d'un ou plusieurs textes");
    demande.disponibles = QStringLiteral("Textes disponibles");
    demande.selectionnes = QStringLiteral("Textes sélectionnés");
    demande.libelle = titre;
    choisis = choix(demande);
    return !choisis.isEmpty();
}

GCTexte* GCListTextes::TexteDeChoix(const QString& entree) const
{
    const int parenthese = entree.indexOf(QLatin1Char('('));
    bool ok = false;
    const int numero = entree.left(parenthese).trimmed().toInt(&ok);
    return parenthese > 0 && ok ? TexteDuNumero(numero) : nullptr;
}

QStringList GCListTextes::ListeTextes() const
{
    QStringList liste;
    for (const auto& t : textes_) {
        QString x, y;
        t->GetPositionTextes(x, y);
        liste << QStringLiteral("%1(%2;%3) : %4").arg(t->Numero).arg(x, y, t->GetTexte());
    }
    return liste;
}

void GCListTextes::Dessine(const GCRepere& repere, QPainter& canvas) const
{
    for (const auto& t : textes_) {
        if (!t->Visible)
            continue;
        int px = 0, py = 0;
        if (t->PositionEcran(repere, px, py)) {
            t->positionSignalee_.clear();
        } else {
            const QString position = t->ExprX_ + QLatin1Char(';') + t->ExprY_;
            if (t->positionSignalee_ != position) {
                t->positionSignalee_ = position;
                interlocuteur().avertit(QStringLiteral("Texte n°%1 « %2 » : la position (%3 ; %4) ne peut pas être calculée.")
                                            .arg(t->Numero)
                                            .arg(t->Texte_, t->ExprX_, t->ExprY_));
            }
        }
        t->Dessine(px, py, canvas);
    }
}

QStringList LignesTexte(const GCTexte& t)
{
    QString x, y;
    t.GetPositionTextes(x, y);
    return {QStringLiteral("§") + FonteVersTexte(t.GetFonte()) + QString::number(t.GetOrientation())
                + QLatin1Char(';'),
            TexteBooleen(t.EstExpression()) + TexteDeChamp(x) + QLatin1Char(';') + TexteDeChamp(y) + QLatin1Char(';')
                + SurUneLigne(t.GetTexte()),
            QString::number(t.NoPoint) + QLatin1Char(';') + TexteDeChamp(t.CourbePoint) + QLatin1Char(';')
                + TexteDeChamp(t.CourbeStat) + QLatin1Char(';') + TexteDeChamp(t.Aire) + QLatin1Char(';')
                + TexteDeChamp(t.CourbeLib) + QLatin1Char(';')};
}

void GCListTextes::Sauve(QStringList& lignes) const
{
    lignes << QStringLiteral(" ");
    for (const auto& t : textes_)
        lignes << LignesTexte(*t);
}

// PSTricks names of the named colours of the toolkit.
QString NomCouleurPSTricks(TCouleur couleur)
{
    static const struct {
        const char* cl;
        const char* ps;
    } table[] = {{"clBlack", "\\black"},   {"clBlue", "\\blue"},         {"clDkGray", "\\darkgray"},
                 {"clGray", "\\gray"},     {"clGreen", "\\green"},       {"clLtGray", "\\lightgray"},
                 {"clRed", "\\red"},       {"clWhite", "\\white"},       {"clYellow", "\\yellow"},
                 {"clAqua", "\\cyan"},     {"clFuchsia", "\\magenta"}};
    const QString nom = CouleurEnTexte(couleur);
    for (const auto& e : table)
        if (nom.compare(QLatin1String(e.cl), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(e.ps);
    return {};
}


void GCListTextes::ExportePSTricks(QStringList& lignes, double x0, double y0, const GCRepere& repere) const
{
    lignes << QStringLiteral(" ");
    // Measured from (x0, y0) as the picture's coordinates are: along a logarithmic axis, the
    // logarithm of the ratio. Labels that cannot be placed, or far outside the window, are
    // left out.
    const auto mesure = [](double v, double origine, int type) {
        return type == EchelleLog ? std::log10(v / origine) : v - origine;
    };
    const double lx = mesure(repere.AxeX.Max, repere.AxeX.Min, repere.AxeX.TypeEchelle);
    const double ly = mesure(repere.AxeY.Max, repere.AxeY.Min, repere.AxeY.TypeEchelle);
    for (const auto& t : textes_) {
        if (!t->Visible)
            continue;
        double x = 0, y = 0;
        if (t->EstExpression()) {
            if (!t->GetPositionMonde(x, y))
                continue;
        } else {
            int px = 0, py = 0;
            t->GetPositionPixel(px, py);
            repere.PixelVersMonde(px, py, x, y);
        }
        const double u = mesure(x, x0, repere.AxeX.TypeEchelle), v = mesure(y, y0, repere.AxeY.TypeEchelle);
        if (!(std::fabs(u) <= 11 * std::fabs(lx)) || !(std::fabs(v) <= 11 * std::fabs(ly)))
            continue;
        QString texte = TexteLaTeX(t->TexteAffiche());
        const QString nom = NomCouleurPSTricks(t->GetFonte().Couleur);
        if (!nom.isEmpty())
            texte = nom + QLatin1Char(' ') + texte;
        lignes << QStringLiteral("\\rput[l]{%1}(%2,%3){%4}")
                      .arg(t->GetOrientation() / 10)
                      .arg(NombreTeX(u, DecimalesTeX(lx)), NombreTeX(v, DecimalesTeX(ly)), texte);
    }
}

// ---------------------------------------------------------------------------------------
// Reading a label's record

namespace {

// A record's own lines never begin with another record's mark: such a line ends a record
// that was cut short.
bool debutEnregistrement(const QString& ligne)
{
    if (ligne.isEmpty())
        return false;
    static const QString marques = QStringLiteral("§@&%$#>!£");
    return marques.contains(ligne.at(0));
}


}  // namespace

std::unique_ptr<GCTexte> LitTexte(const QStringList& lignes, int& i, QStringList& problemes)
{
    const int numero = ++CompteurTextes();
    const auto signale = [&](const QString& quoi) {
        problemes << QStringLiteral("Texte n°%1 : %2").arg(numero).arg(quoi);
    };

    // First line: the mark, the font, the orientation.
    QString l1 = i < lignes.size() ? lignes[i] : QString();
    ++i;
    if (l1.startsWith(QStringLiteral("§")))
        l1.remove(0, 1);
    Police police = etatGraphe().FonteDefaut;
    if (!LitPolice(l1, police))
        signale(QStringLiteral("la police est mal écrite."));
    int orientation = 0;
    if (!l1.isEmpty()) {
        const QString o = ChampOuReste(l1);
        if (!LitEntier(o, orientation)) {
            signale(QStringLiteral("l'orientation « %1 » n'est pas un nombre entier.").arg(o));
            orientation = 0;
        }
    }

    // Second line: the position and the text.
    if (i >= lignes.size() || debutEnregistrement(lignes[i])) {
        signale(QStringLiteral("la ligne de la position et du texte manque."));
        auto t = std::make_unique<GCTexte>(numero, QStringLiteral("0"), QStringLiteral("0"), true, police);
        t->SetOrientation(orientation);
        return t;
    }
    QString l2 = lignes[i++];
    const QString drapeau = PremierChamp(l2).trimmed();
    const bool expression = drapeau.compare(QLatin1String("v"), Qt::CaseInsensitive) == 0;
    const QString tx = PremierChamp(l2);
    const QString ty = PremierChamp(l2);
    int v = 0;
    if (!expression && (!LitEntier(tx, v) || !LitEntier(ty, v)))
        signale(QStringLiteral("la position « %1 ; %2 » n'est pas en pixels entiers.").arg(tx, ty));
    auto t = std::make_unique<GCTexte>(numero, tx, ty, expression, police);
    t->SetOrientation(orientation);
    t->SetTexte(l2);

    // Third line: the point number and the four identifiers.
    if (i >= lignes.size() || debutEnregistrement(lignes[i])) {
        signale(QStringLiteral("la ligne des courbes associées manque."));
        return t;
    }
    QString l3 = lignes[i++];
    const QString n = ChampOuReste(l3);
    if (!LitEntier(n, t->NoPoint)) {
        signale(QStringLiteral("le numéro de point « %1 » n'est pas un nombre entier.").arg(n));
        t->NoPoint = 1;
    }
    t->CourbePoint = ChampOuReste(l3);
    t->CourbeStat = ChampOuReste(l3);
    t->Aire = ChampOuReste(l3);
    t->CourbeLib = ChampOuReste(l3);
    return t;
}

int NumeroCourbeDeChoix(const QString& entree)
{
    const int debut = entree.indexOf(QLatin1Char(';'));
    if (debut < 0)
        return -1;
    int fin = entree.indexOf(QLatin1Char('\\'), debut + 1);
    if (fin < 0)
        return -1;
    int n = -1;
    if (!LitEntier(entree.mid(debut + 1, fin - debut - 1), n) || n < 0)
        return -1;
    return n;
}
