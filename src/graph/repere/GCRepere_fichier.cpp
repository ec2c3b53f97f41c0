// The frame's document lines and settings keys.
#include <cmath>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "expression/formatage.h"
#include "graph/repere/GCRepere.h"
#include "graph/base/etatgraphe.h"
#include "graph/fichiers/ini.h"
#include "graph/repere/titreaxe.h"

namespace {

QString nomAxe(bool horizontal)
{
    return horizontal ? QStringLiteral("des abscisses (x)") : QStringLiteral("des ordonnées (y)");
}

QString exact(double v)
{
    return QString::fromStdString(ReelExact(v));
}

// Evaluates a text; false when it does not evaluate to a finite number.
bool evalueTexte(const QString& texte, double& valeur)
{
    const double v = EvalueTexte(texte.trimmed().toStdString());
    const bool ok = !ErreurCalcul() && std::isfinite(v);
    ErreurCalcul() = 0;
    if (ok)
        valeur = v;
    return ok;
}

// The bound texts of an axis, put right when they cannot make a usable frame; each change is
// described in problemes. True when they were replaced by the defaults.
bool corrigeBornes(QString& xinf, QString& xsup, int type, bool horizontal, QStringList& problemes)
{
    double a = 0, b = 0;
    const bool lusA = evalueTexte(xinf, a), lusB = evalueTexte(xsup, b);
    const QString defInf = type == EchelleLog ? QStringLiteral("0.1") : QStringLiteral("-5");
    const QString defSup = type == EchelleLog ? QStringLiteral("10") : QStringLiteral("5");
    auto retablit = [&](const QString& pourquoi) {
        problemes << QStringLiteral("Axe %1 : %2 ; les bornes %3 et %4 sont rétablies.")
                         .arg(nomAxe(horizontal), pourquoi, defInf, defSup);
        xinf = defInf;
        xsup = defSup;
    };
    if (!lusA || !lusB) {
        retablit(QStringLiteral("les bornes « %1 » et « %2 » ne se calculent pas").arg(xinf, xsup));
        return true;
    }
    if (a > b) {
        problemes << QStringLiteral("Axe %1 : le minimum « %2 » dépassait le maximum « %3 », ils sont échangés.")
                         .arg(nomAxe(horizontal), xinf, xsup);
        std::swap(xinf, xsup);
        std::swap(a, b);
    }
    if (a == b) {
        retablit(QStringLiteral("le minimum et le maximum sont égaux (« %1 »)").arg(xinf));
        return true;
    }
    if (type == EchelleLog && !(a > 0)) {
        retablit(QStringLiteral("l'échelle est logarithmique et le minimum « %1 » n'est pas positif").arg(xinf));
        return true;
    }
    return false;
}

// What the reading of one axis collects before it is applied to the frame.
struct AxeLu {
    int type = 0;
    QString xinf = QStringLiteral("-5"), xsup = QStringLiteral("5"), debut = QStringLiteral("-5");
    QString pas1er = QStringLiteral("1"), pas2nd = QStringLiteral("0");
    bool axeVisible = true;
    TCouleur couleurAxe = 0x808080;
    int epaisseurAxe = 1, styleAxe = 0;
    bool grilleVisible = true;
    TCouleur couleurGrille = 0xFFFF00;
    int epaisseurGrille = 1, styleGrille = 0;
    bool lateral = false, graduation = true;
    Police fonte;
    QString unite;
    std::shared_ptr<GCTexte> titre;
    int format = 0;
};

// Reads one field as an integer; a field that is not one keeps the value and is reported.
void entier(QString& ligne, int& valeur, const QString& quoi, QStringList& problemes)
{
    const QString champ = PremierChamp(ligne);
    if (!LitEntier(champ, valeur))
        problemes << QStringLiteral("%1 : « %2 » n'est pas un nombre entier.").arg(quoi, champ);
}

void couleur(QString& ligne, TCouleur& valeur, const QString& quoi, QStringList& problemes)
{
    const QString champ = PremierChamp(ligne);
    if (!TexteVersCouleur(champ, valeur))
        problemes << QStringLiteral("%1 : « %2 » n'est pas une couleur.").arg(quoi, champ);
}

// The axis's first line: scale type, bound texts, steps, axis line, grid, flags, font, unit.
void litLigneAxe(QString ligne, bool horizontal, AxeLu& a, QStringList& problemes)
{
    const QString axe = QStringLiteral("Axe %1").arg(nomAxe(horizontal));
    a.type = TypeEchelleDeTexte(PremierChamp(ligne).trimmed());
    a.xinf = PremierChamp(ligne);
    a.xsup = PremierChamp(ligne);
    a.debut = PremierChamp(ligne);
    a.pas1er = PremierChamp(ligne);
    a.pas2nd = PremierChamp(ligne);
    a.axeVisible = LitBooleen(PremierChamp(ligne));
    couleur(ligne, a.couleurAxe, axe, problemes);
    entier(ligne, a.epaisseurAxe, axe, problemes);
    entier(ligne, a.styleAxe, axe, problemes);
    a.grilleVisible = LitBooleen(PremierChamp(ligne));
    if (a.grilleVisible) {
        couleur(ligne, a.couleurGrille, axe, problemes);
        entier(ligne, a.epaisseurGrille, axe, problemes);
        entier(ligne, a.styleGrille, axe, problemes);
    } else {
        a.couleurGrille = 0xFFFF00;
        a.epaisseurGrille = 1;
        a.styleGrille = 0;
    }
    a.lateral = LitBooleen(PremierChamp(ligne));
    a.graduation = LitBooleen(PremierChamp(ligne));
    if (!LitPolice(ligne, a.fonte))
        problemes << QStringLiteral("%1 : la police des graduations est mal écrite.").arg(axe);
    // The unit is the rest of the line, without its final ";" (it may hold ";").
    if (ligne.endsWith(QLatin1Char(';')))
        ligne.chop(1);
    a.unite = ligne;
}

// The axis's second line: the title's font, the title (which may hold ";") and the number
// style, which is the last field.
void litLigneTitre(QString ligne, bool horizontal, AxeLu& a, QStringList& problemes)
{
    Police fonte = a.fonte;
    if (!LitPolice(ligne, fonte))
        problemes << QStringLiteral("Axe %1 : la police du titre est mal écrite.").arg(nomAxe(horizontal));
    if (ligne.endsWith(QLatin1Char(';')))
        ligne.chop(1);
    QString titre = ligne;
    const int p = ligne.lastIndexOf(QLatin1Char(';'));
    if (p >= 0) {
        titre = ligne.left(p);
        const QString format = ligne.mid(p + 1);
        if (!LitEntier(format, a.format) || a.format < 0 || a.format > 65535) {
            problemes << QStringLiteral("Axe %1 : le format des nombres « %2 » n'est pas un nombre entier.")
                             .arg(nomAxe(horizontal), format);
            a.format = 0;
        }
    }
    a.titre = NouveauTitreAxe(horizontal, fonte, titre);
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Document lines

void GCGrille::Sauve(QStringList& lignes) const
{
    const bool lus = !XinfLu.isEmpty() || !XsupLu.isEmpty();
    QString l = NomTypeEchelle(TypeEchelle) + QLatin1Char(';') + SurUneLigne(lus ? XinfLu : Xinf) + QLatin1Char(';')
                + SurUneLigne(lus ? XsupLu : Xsup) + QLatin1Char(';') + SurUneLigne(Debut) + QLatin1Char(';')
                + SurUneLigne(Pas1er) + QLatin1Char(';') + SurUneLigne(Pas2nd) + QLatin1Char(';');
    l += TexteBooleen(Axe.Visible) + CouleurEnTexte(Axe.Couleur) + QLatin1Char(';')
         + QString::number(Axe.Epaisseur) + QLatin1Char(';') + QString::number(Axe.Style) + QLatin1Char(';');
    if (Visible)
        l += QStringLiteral("v;") + CouleurEnTexte(Couleur) + QLatin1Char(';') + QString::number(Epaisseur)
             + QLatin1Char(';') + QString::number(Style) + QLatin1Char(';');
    else
        l += QStringLiteral("f;");
    l += TexteBooleen(Lateral) + TexteBooleen(Graduation) + FonteVersTexte(FonteGraduation)
         + SurUneLigne(Unite) + QLatin1Char(';');
    lignes << l;
    const GCTexte* t = Titre.get();
    lignes << FonteVersTexte(t ? FonteTitreAxe(t) : FonteGraduation) + SurUneLigne(TexteTitreAxe(t))
                  + QLatin1Char(';') + QString::number(FormatGraduation) + QLatin1Char(';');
}

void GCRepere::Sauve(QStringList& lignes) const
{
    QString l = QStringLiteral("$%1;%2;%3;%4;%5;%6;")
                    .arg(Gauche)
                    .arg(Haut)
                    .arg(HauteurTrace)
                    .arg(LargeurTrace)
                    .arg(AxeX.Decalage)
                    .arg(AxeY.Decalage);
    for (double v : contexteCalcul().ValeursParametres)
        l += exact(v) + QLatin1Char(';');
    lignes << l;
    AxeX.Sauve(lignes);
    AxeY.Sauve(lignes);
    if (AxeX.TypeEchelle == EchelleProj)
        lignes << exact(HauteurOeil) + QLatin1Char(';') + exact(DistanceOeil) + QLatin1Char(';')
                      + QString::number(Horizon) + QLatin1Char(';');
    lignes << TexteBooleen(Norme) + TexteBooleen(Polaire) + TexteBooleen(AxeY.VecteurUnitaire)
                  + TexteBooleen(AxeX.VecteurUnitaire);
}

bool GCRepere::Lit(const QStringList& lignes, int& i, bool enteteLu)
{
    QStringList problemes;
    bool complet = true;
    auto suivante = [&](QString& ligne) {
        if (i >= lignes.size()) {
            complet = false;
            return false;
        }
        ligne = lignes.at(i++);
        if (ligne.endsWith(QLatin1Char('\r')))
            ligne.chop(1);
        return true;
    };

    // 1. The "$" line.
    QString ligne;
    if (!suivante(ligne))
        return false;
    if (ligne.startsWith(QLatin1Char('$')))
        ligne.remove(0, 1);
    int gauche = 0, haut = 0, hauteur = HauteurTrace, largeur = LargeurTrace;
    const QString rectangle = QStringLiteral("Repère, rectangle de tracé");
    entier(ligne, gauche, rectangle, problemes);
    entier(ligne, haut, rectangle, problemes);
    entier(ligne, hauteur, rectangle, problemes);
    entier(ligne, largeur, rectangle, problemes);
    int decalageX = 0, decalageY = 0;
    auto& parametres = contexteCalcul().ValeursParametres;
    if (!ligne.isEmpty()) {
        entier(ligne, decalageX, QStringLiteral("Repère, décalage de l'axe des x"), problemes);
        entier(ligne, decalageY, QStringLiteral("Repère, décalage de l'axe des y"), problemes);
        if (!ligne.isEmpty()) {
            for (int k = 0; k < NbParametres; ++k) {
                const QString champ = PremierChamp(ligne);
                double v = 0;
                if (!evalueTexte(champ, v)) {
                    problemes << QStringLiteral("Paramètre %1 : « %2 » ne se calcule pas, il vaut 0.")
                                     .arg(QLatin1Char(LettresParametres[k]))
                                     .arg(champ);
                    v = 0;
                }
                parametres[k] = v;
            }
        } else {
            parametres.fill(0);
        }
    } else {
        parametres.fill(0);
    }
    SetRectangle(QPoint(gauche, haut), largeur, hauteur);
    AppliqueFacteur();
    SetDecalage(decalageX, decalageY);

    // 2-4. The axes.
    AxeLu x, y;
    x.fonte = AxeX.FonteGraduation;
    y.fonte = AxeY.FonteGraduation;
    for (auto [a, horizontal] : {std::pair<AxeLu*, bool>{&x, true}, std::pair<AxeLu*, bool>{&y, false}}) {
        if (!suivante(ligne))
            break;
        litLigneAxe(ligne, horizontal, *a, problemes);
        if (enteteLu) {
            if (!suivante(ligne))
                break;
            litLigneTitre(ligne, horizontal, *a, problemes);
        } else {
            a->titre = NouveauTitreAxe(horizontal, a->fonte, QString());
        }
    }

    // 5. The eye line of a projective x axis.
    if (complet && x.type == EchelleProj && suivante(ligne)) {
        double h = HauteurOeil, d = DistanceOeil;
        const QString ch = PremierChamp(ligne).trimmed(), cd = PremierChamp(ligne);
        if (!evalueTexte(ch, h) || !(h > 0)) {
            problemes << QStringLiteral("Vision projective : la hauteur de l'oeil « %1 » n'est pas un nombre positif, elle vaut 5.").arg(ch);
            h = 5;
        }
        if (!evalueTexte(cd, d) || !(d > 0)) {
            problemes << QStringLiteral("Vision projective : la distance de l'oeil « %1 » n'est pas un nombre positif, elle vaut 6.").arg(cd);
            d = 6;
        }
        int horizon = Horizon;
        entier(ligne, horizon, QStringLiteral("Vision projective, horizon"), problemes);
        if (horizon < 1) {
            problemes << QStringLiteral("Vision projective : l'horizon %1 n'est pas positif, il vaut 338.").arg(horizon);
            horizon = 338;
        }
        SetPerspective(horizon, h, d);
    }

    // 6. The flags line.
    if (complet && suivante(ligne)) {
        SetNorme(ligne.size() > 0 && ligne.at(0) == QLatin1Char('v'));
        SetPolaire(ligne.size() > 2 && ligne.at(2) == QLatin1Char('v'));
        SetVecteursUnitaires(ligne.size() > 6 && ligne.at(6) == QLatin1Char('v'),
                             ligne.size() > 4 && ligne.at(4) == QLatin1Char('v'));
    }
    if (!complet)
        problemes << QStringLiteral("Le document s'arrête au milieu de la description du repère.");

    // 7. Bounds that cannot make a usable frame are put right (the texts read are kept to be
    // written back), then everything is applied.
    const QString lus[4] = {x.xinf, x.xsup, y.xinf, y.xsup};
    const bool retablisX = corrigeBornes(x.xinf, x.xsup, x.type, true, problemes);
    const bool retablisY = corrigeBornes(y.xinf, y.xsup, y.type, false, problemes);
    SetBornesTextes(x.xinf, x.xsup, y.xinf, y.xsup);
    FixeBornes(x.xinf, x.xsup, x.type, x.debut, x.pas2nd, x.pas1er, y.xinf, y.xsup, y.type, y.debut, y.pas2nd,
               y.pas1er);
    if (retablisX) {
        AxeX.XinfLu = lus[0];
        AxeX.XsupLu = lus[1];
    }
    if (retablisY) {
        AxeY.XinfLu = lus[2];
        AxeY.XsupLu = lus[3];
    }
    SetVisibilites(x.axeVisible, y.axeVisible, x.grilleVisible, y.grilleVisible);
    SetStylesAxes(x.couleurAxe, x.epaisseurAxe, x.styleAxe, y.couleurAxe, y.epaisseurAxe, y.styleAxe);
    SetStylesGrilles(x.couleurGrille, x.epaisseurGrille, x.styleGrille, y.couleurGrille, y.epaisseurGrille,
                     y.styleGrille);
    SetGraduations(x.graduation, y.graduation);
    SetFontesGraduation(x.fonte, y.fonte);
    SetLateral(x.lateral, y.lateral);
    SetTextesAxes(x.unite, y.unite);
    SetTitres(x.titre, y.titre);
    SetFormatsGraduation(x.format, y.format);
    ErreurCalcul() = 0;

    if (!problemes.isEmpty()) {
        interlocuteur().message(QStringLiteral("Lecture du repère :\n") + problemes.join(QLatin1Char('\n')));
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------
// Settings file

namespace {

const QString SectionRepere = QStringLiteral("Repère");
const QString SectionAxeH = QStringLiteral("Axe Horizontal");
const QString SectionAxeV = QStringLiteral("Axe Vertical");
const QString SectionGrH = QStringLiteral("Gr. Horizontale");
const QString SectionGrV = QStringLiteral("Gr. Verticale");

std::optional<TCouleur> couleurIni(const QString& texte)
{
    TCouleur c = 0;
    if (TexteEnCouleur(texte, c))
        return c;
    return std::nullopt;
}

std::optional<Police> fonteIni(const QString& texte, const Police& actuelle)
{
    Police p = actuelle;
    QString ligne = texte;
    if (ligne.count(QLatin1Char(';')) < 7 || !LitPolice(ligne, p))
        return std::nullopt;
    return p;
}

void litLigneIni(const FichierIni& ini, const QString& section, GCBase& b)
{
    b.Visible = ini.booleen(section, QStringLiteral("Visible"), b.Visible);
    b.Couleur = ini.converti<TCouleur>(section, QStringLiteral("Couleur"), b.Couleur, couleurIni,
                                       QStringLiteral("une couleur"));
    b.Epaisseur = ini.entier(section, QStringLiteral("Epaisseur"), b.Epaisseur);
    b.Style = static_cast<std::uint8_t>(ini.entier(section, QStringLiteral("Style"), b.Style));
}

void litGrilleIni(const FichierIni& ini, const QString& section, GCGrille& a, QStringList& problemes)
{
    a.Lateral = ini.booleen(section, QStringLiteral("Latéral"), a.Lateral);
    a.Decalage = ini.entier(section, QStringLiteral("Décalage"), a.Decalage);
    a.VecteurUnitaire = ini.booleen(section, QStringLiteral("Vecteur unitaire"), a.VecteurUnitaire);
    litLigneIni(ini, section, a);
    const QString pas1er = ini.texte(section, QStringLiteral("Pas 1er"), a.Pas1er);
    const QString pas2nd = ini.texte(section, QStringLiteral("Pas 2nd"), a.Pas2nd);
    const QString debut = ini.texte(section, QStringLiteral("Début"), a.Debut);
    int type = a.TypeEchelle;
    if (auto t = ini.valeur(section, QStringLiteral("Type")))
        type = TypeEchelleDeTexte(*t);
    QString xsup = ini.texte(section, QStringLiteral("Xsup"), a.Xsup);
    QString xinf = ini.texte(section, QStringLiteral("Xinf"), a.Xinf);
    const QString lus[2] = {xinf, xsup};
    const bool retablis = corrigeBornes(xinf, xsup, type, a.Horizontal, problemes);
    a.FixeBornes(xinf, xsup, type, debut, pas2nd, pas1er);
    if (retablis) {
        a.XinfLu = lus[0];
        a.XsupLu = lus[1];
    }
    a.Graduation = ini.booleen(section, QStringLiteral("Graduation"), a.Graduation);
    a.FonteGraduation = ini.converti<Police>(
        section, QStringLiteral("Fonte"), a.FonteGraduation,
        [&](const QString& t) { return fonteIni(t, a.FonteGraduation); }, QStringLiteral("une police"));
}

void ecritLigneIni(FichierIni& ini, const QString& section, const GCBase& b, bool visible)
{
    if (visible)
        ini.ecritBooleen(section, QStringLiteral("Visible"), b.Visible);
    ini.ecritTexte(section, QStringLiteral("Couleur"), CouleurEnTexte(b.Couleur));
    ini.ecritEntier(section, QStringLiteral("Epaisseur"), b.Epaisseur);
    ini.ecritEntier(section, QStringLiteral("Style"), b.Style);
}

void ecritGrilleIni(FichierIni& ini, const QString& section, const GCGrille& a)
{
    ini.ecritBooleen(section, QStringLiteral("Latéral"), a.Lateral);
    ini.ecritEntier(section, QStringLiteral("Décalage"), a.Decalage);
    ini.ecritBooleen(section, QStringLiteral("Vecteur unitaire"), a.VecteurUnitaire);
    ecritLigneIni(ini, section, a, true);
    ini.ecritTexte(section, QStringLiteral("Type"), NomTypeEchelle(a.TypeEchelle));
    const bool lus = !a.XinfLu.isEmpty() || !a.XsupLu.isEmpty();
    ini.ecritTexte(section, QStringLiteral("Xinf"), lus ? a.XinfLu : a.Xinf);
    ini.ecritTexte(section, QStringLiteral("Xsup"), lus ? a.XsupLu : a.Xsup);
    ini.ecritTexte(section, QStringLiteral("Début"), a.Debut);
    ini.ecritTexte(section, QStringLiteral("Pas 1er"), a.Pas1er);
    ini.ecritTexte(section, QStringLiteral("Pas 2nd"), a.Pas2nd);
    ini.ecritBooleen(section, QStringLiteral("Graduation"), a.Graduation);
    ini.ecritTexte(section, QStringLiteral("Fonte"), FonteVersTexte(a.FonteGraduation));
}

}  // namespace

void GCRepere::LitIni(const FichierIni& ini)
{
    QStringList problemes;
    Polaire = ini.booleen(SectionRepere, QStringLiteral("Polair"), Polaire);
    Norme = ini.booleen(SectionRepere, QStringLiteral("Ortho"), Norme);
    GaucheBase_ = ini.entier(SectionRepere, QStringLiteral("Début.x"), GaucheBase_);
    HautBase_ = ini.entier(SectionRepere, QStringLiteral("Début.y"), HautBase_);
    const double d = ini.reel(SectionRepere, QStringLiteral("Distance_oeil"), DistanceOeil);
    const double h = ini.reel(SectionRepere, QStringLiteral("Hauteur_oeil"), HauteurOeil);
    if (d > 0 && std::isfinite(d))
        DistanceOeil = d;
    else
        problemes << QStringLiteral("La distance de l'oeil doit être positive.");
    if (h > 0 && std::isfinite(h))
        HauteurOeil = h;
    else
        problemes << QStringLiteral("La hauteur de l'oeil doit être positive.");
    const int horizon = ini.entier(SectionRepere, QStringLiteral("Horizon"), Horizon);
    if (horizon >= 1)
        Horizon = horizon;
    litLigneIni(ini, SectionAxeV, AxeY.Axe);
    litLigneIni(ini, SectionAxeH, AxeX.Axe);
    litGrilleIni(ini, SectionGrV, AxeX, problemes);
    litGrilleIni(ini, SectionGrH, AxeY, problemes);
    ErreurCalcul() = 0;
    AppliqueFacteur();
    if (!problemes.isEmpty())
        interlocuteur().avertit(QStringLiteral("virk.ini, repère : ") + problemes.join(QLatin1Char(' ')));
}

void GCRepere::EcritIni(FichierIni& ini) const
{
    ini.ecritBooleen(SectionRepere, QStringLiteral("Polair"), Polaire);
    ini.ecritBooleen(SectionRepere, QStringLiteral("Ortho"), Norme);
    ini.ecritEntier(SectionRepere, QStringLiteral("Début.x"), GaucheBase_);
    ini.ecritEntier(SectionRepere, QStringLiteral("Début.y"), HautBase_);
    ini.ecritReel(SectionRepere, QStringLiteral("Distance_oeil"), DistanceOeil);
    ini.ecritReel(SectionRepere, QStringLiteral("Hauteur_oeil"), HauteurOeil);
    ini.ecritEntier(SectionRepere, QStringLiteral("Horizon"), Horizon);
    ini.ecritBooleen(SectionAxeH, QStringLiteral("Visible"), AxeX.Axe.Visible);
    ini.ecritBooleen(SectionAxeV, QStringLiteral("Visible"), AxeY.Axe.Visible);
    ecritLigneIni(ini, SectionAxeH, AxeX.Axe, false);
    ecritLigneIni(ini, SectionAxeV, AxeY.Axe, false);
    ecritGrilleIni(ini, SectionGrH, AxeY);
    ecritGrilleIni(ini, SectionGrV, AxeX);
}
