#include "graph/document/document.h"
#include "graph/export/imagefichier.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <cmath>
#include <exception>
#include <map>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "expression/formatage.h"
#include "expression/garde.h"
#include "expression/paramperso.h"
#include "graph/aires/GCAire.h"
#include "graph/courbes/GCDessin.h"
#include "graph/repere/GCRepere.h"
#include "graph/textes/GCTexte.h"
#include "graph/base/etatgraphe.h"
#include "graph/fichiers/fichierstravail.h"
#include "graph/fichiers/fichiermenus.h"
#include "graph/fichiers/fichiertexte.h"

namespace {

const QChar MarqueParametre(0x00A3);  // £
// How many records a reading reads between two questions to its follower.
constexpr int EnregistrementsEntreSuivis = 64;
const QChar MarqueTexte(0x00A7);      // §

// Limits of the number settings a document may carry: beyond them every number shown
// would be absurdly long, or the zero tolerance would defeat the division guards.
constexpr int LongueurReelsMax = 40;
constexpr int DecimalesReelsMax = 16;
constexpr int EcartEtiquetteMax = 1000;
// Problems listed in the message shown to the user.
constexpr int ProblemesMontres = 15;

QString Champ(const std::string& texte) { return ChampTexte(QString::fromStdString(texte)); }


bool EstFichier(const QString& chemin)
{
    const QFileInfo info(chemin);
    return !chemin.isEmpty() && info.isFile() && info.isReadable();
}

// A real read as an expression; false when it does not compute or is not finite.
bool EvalueChamp(const QString& champ, double& valeur)
{
    if (champ.trimmed().isEmpty())
        return false;
    ErreurCalcul() = 0;
    const double v = EvalueTexte(champ.toStdString());
    const bool ok = !ErreurCalcul() && std::isfinite(v);
    ErreurCalcul() = 0;
    if (ok)
        valeur = v;
    return ok;
}

// ---------------------------------------------------------------------------------------
// Writing

bool EcritLignes(const ModeleDocument& m, QStringList& l)
{
    const FenetreDocument& f = m.Fenetre;
    const ContexteCalcul& calcul = contexteCalcul();
    const EtatGraphe& graphe = etatGraphe();

    l << EnteteDocument;
    l << QLatin1Char('\\') + SurUneLigne(f.FichierMenus);
    l << QLatin1Char('[') + ChampEntier(calcul.LongueurReels) + ChampEntier(calcul.DecimalesReels)
             + QString::fromStdString(ReelExact(calcul.Epsilon)) + QLatin1Char(';') + ChampEntier(graphe.EcartEtiquetteX)
             + ChampEntier(graphe.EcartEtiquetteY);

    for (const auto& p : parametresPersonnels().ParametresPerso) {
        const char touche = p->Touche();
        const QString lettre = touche >= 'A' && touche <= 'Z' ? QString(QLatin1Char(touche)) : QStringLiteral(" ");
        l << MarqueParametre + Champ(p->Nom()) + Champ(p->Valeur()) + Champ(p->Minimum) + Champ(p->Maximum)
                 + Champ(p->Increment) + lettre + QLatin1Char(';');
    }

    // The picture is written whenever the window has one, also under the areas' rendering,
    // so that defining an area never drops it from the document.
    // A maximised window is stored with negative left and top: that is how the reader
    // knows it.
    const bool negatifs = f.Gauche < 0 && f.Haut < 0;
    const int gauche = f.Maximisee && !negatifs ? -4 : f.Gauche;
    const int haut = f.Maximisee && !negatifs ? -4 : f.Haut;
    QString fenetre = QLatin1Char('#') + ChampTexte(f.Titre) + ChampEntier(gauche) + ChampEntier(haut) + ChampEntier(f.Hauteur)
                      + ChampEntier(f.Largeur);
    const QString image = NettoieChemin(f.FichierImage);
    if (!image.isEmpty()) {
        l << fenetre + QStringLiteral("v;");
        l << ChampTexte(image) + TexteBooleen(f.EtireImage);
    } else {
        l << fenetre + QStringLiteral("f;") + CouleurEnTexte(f.CouleurFond) + QLatin1Char(';');
    }

    m.Repere.Sauve(l);

    for (int i = 0; i < int(m.FonctionsAux.size()); ++i) {
        const QString texte = SurUneLigne(m.FonctionsAux[std::size_t(i)]).trimmed();
        if (!texte.isEmpty() && texte != QLatin1String("0"))
            l << QStringLiteral(">F%1=").arg(i) + texte;
    }

    const bool donnees = m.Dessin.Sauve(l);
    m.Textes.Sauve(l);
    m.Aires.Enregistre(l);

    if (!f.Commentaire.isEmpty()) {
        l << QStringLiteral(" ");
        l << QLatin1Char('%') + SurUneLigne(f.Commentaire) + QLatin1Char(';');
    }
    return donnees;
}

// ---------------------------------------------------------------------------------------
// Reading

// Takes the messages that the object readers show while a record is read, so that the
// whole document gives one message; memo lines and questions go on to the real one.
class CollecteMessages : public Interlocuteur {
public:
    explicit CollecteMessages(Interlocuteur& suite) : suite_(suite) {}
    void message(const QString& texte) override { messages.append(texte); }
    void avertit(const QString& texte) override { suite_.avertit(texte); }
    bool demandeOuiNon(const QString& texte) override { return suite_.demandeOuiNon(texte); }
    QStringList messages;

private:
    Interlocuteur& suite_;
};

class LecteurDocument {
public:
    LecteurDocument(const QStringList& lignes, ModeleDocument& m, LiensEnAttente& liens, QString dossier)
        : lignes_(lignes), source_(lignes), m_(m), liens_(liens), dossier_(std::move(dossier)),
          collecte_(interlocuteur()), garde_(etatGraphe().interlocuteur, &collecte_)
    {
    }

    RapportLecture lit(const QList<int>& lignesRefusees);

private:
    void probleme(int ligne, const QString& texte)
    {
        // The object readers name the line themselves, most of the time.
        if (texte.contains(QLatin1String("ligne"), Qt::CaseInsensitive))
            rapport_.problemes << texte;
        else
            rapport_.problemes << QStringLiteral("Ligne %1 : %2").arg(ligne).arg(texte);
    }
    // The messages the object readers showed while reading the record of that line.
    void recueille(int ligne)
    {
        for (const QString& t : collecte_.messages)
            probleme(ligne, t);
        collecte_.messages.clear();
    }
    void arrete(int ligne, const QString& texte)
    {
        probleme(ligne, texte);
        rapport_.complet = false;
        rapport_.ligneArret = ligne;
        arret_ = true;
    }
    // After a reader that works on the list by index: the source goes on from line i
    // (0-based), never backwards.
    void avanceJusqua(int i)
    {
        while (source_.numero() < i && !source_.fin())
            source_.suivante();
    }
    // The line after the current one begins a record of its own, not a picture line: a
    // picture line is the path and the stretch flag, two fields ("#fond.png;v;"), which
    // no record is, even when the path begins as one.
    bool suivanteEstEnregistrement() const
    {
        const int i = source_.numero();
        if (i >= lignes_.size() || lignes_.at(i).isEmpty())
            return false;
        static const QString marques = QStringLiteral("$&§@>%#£[!");
        const QString& l = lignes_.at(i);
        if (!marques.contains(l.at(0)))
            return false;
        const QStringList champs = l.split(QLatin1Char(';'));
        const bool image = champs.size() == 3 && champs.at(2).trimmed().isEmpty()
                           && QStringLiteral("vf").contains(champs.at(1).trimmed().toLower())
                           && champs.at(1).trimmed().size() == 1;
        return !image;
    }

    void relitRepere();
    void litReglages(const QString& ligne, int n);
    void litParametre(const QString& ligne, int n);
    void litFenetre(const QString& ligne, int n);
    void litImage(int n);
    void litFonctionAux(const QString& ligne, int n);
    void litCourbe(const QString& ligne, int n);
    void litBloc(const QString& ligne, int n);
    void trouveFichiersCourbe(GCCourbe& c) const;
    void finitFonctionsAux();

    const QStringList& lignes_;
    SourceLignes source_;
    ModeleDocument& m_;
    LiensEnAttente& liens_;
    QString dossier_;
    CollecteMessages collecte_;
    GardeValeur<Interlocuteur*> garde_;

    RapportLecture rapport_;
    bool entete_ = false;
    // The last frame block: its line (1-based, 0 when none), whether the header came before
    // it, the place of its problems in the report, and whether settings or parameters came
    // after it.
    struct RepereLu {
        int ligne = 0;
        bool entete = false;
        int debutProblemes = 0, finProblemes = 0;
        bool avantContexte = false;
    } repere_;
    bool arret_ = false;
    int reconnus_ = 0;
    LectureCourbe derniere_;
    // The current parameter values a..p: those of the frame record once it is read.
    std::array<double, NbParametres> valeurs_ = contexteCalcul().ValeursParametres;
    // The copy that the last "!" block of each stored data path brought: a curve of that
    // path written without a block of its own reads the same data.
    QHash<QString, QString> copies_;
    struct FonctionLue {
        QString texte;
        int ligne = 0;
    };
    std::map<int, FonctionLue> fonctions_;
};

// The frame's bounds are checked with the settings and parameters the document is saved
// with: a frame block read before some of them is read again once they are all read, and
// its problems are those of that reading.
void LecteurDocument::relitRepere()
{
    if (!repere_.avantContexte)
        return;
    QStringList& p = rapport_.problemes;
    p.remove(repere_.debutProblemes, repere_.finProblemes - repere_.debutProblemes);
    const qsizetype avant = p.size();
    int i = repere_.ligne - 1;
    m_.Repere.Lit(lignes_, i, repere_.entete);
    valeurs_ = contexteCalcul().ValeursParametres;
    recueille(repere_.ligne);
    const QStringList nouveaux = p.mid(avant);
    p.resize(avant);
    for (qsizetype k = 0; k < nouveaux.size(); ++k)
        p.insert(repere_.debutProblemes + k, nouveaux.at(k));
}

void LecteurDocument::litReglages(const QString& ligne, int n)
{
    ContexteCalcul& calcul = contexteCalcul();
    EtatGraphe& graphe = etatGraphe();
    QString r = ligne.mid(1);
    QStringList refus;
    auto entier = [&](const QString& quoi, int& cible, int min, int max) {
        const QString champ = PremierChamp(r);
        int v = 0;
        if (LitEntier(champ, v) && v >= min && v <= max)
            cible = v;
        else
            refus << QStringLiteral("%1 « %2 »").arg(quoi, champ);
    };
    entier(QStringLiteral("longueur des réels"), calcul.LongueurReels, 1, LongueurReelsMax);
    entier(QStringLiteral("décimales"), calcul.DecimalesReels, 0, DecimalesReelsMax);
    const QString champ = PremierChamp(r);
    double epsilon = 0;
    if (EvalueChamp(champ, epsilon) && epsilon > 0)
        calcul.Epsilon = epsilon;
    else
        refus << QStringLiteral("tolérance « %1 »").arg(champ);
    entier(QStringLiteral("écart horizontal des étiquettes"), graphe.EcartEtiquetteX, -EcartEtiquetteMax,
           EcartEtiquetteMax);
    entier(QStringLiteral("écart vertical des étiquettes"), graphe.EcartEtiquetteY, -EcartEtiquetteMax,
           EcartEtiquetteMax);
    if (!refus.isEmpty())
        probleme(n, QStringLiteral("réglages illisibles ou hors limites, valeurs actuelles gardées : %1.")
                        .arg(refus.join(QStringLiteral(", "))));
}

void LecteurDocument::litParametre(const QString& ligne, int n)
{
    QString r = ligne.mid(1);
    const QString nom = PremierChamp(r).trimmed();
    const QString valeur = PremierChamp(r);
    const QString minimum = PremierChamp(r);
    const QString maximum = PremierChamp(r);
    const QString pas = PremierChamp(r);
    const QString lettre = PremierChamp(r);
    if (nom.isEmpty()) {
        probleme(n, QStringLiteral("paramètre personnel sans nom, ignoré."));
        return;
    }
    // A parameter already known (an earlier document of the opening) keeps its values.
    if (IndiceParametrePerso(nom.toStdString()) >= 0)
        return;
    GCParamPerso p(nom.toStdString(), valeur.toStdString());
    if (!minimum.trimmed().isEmpty())
        p.Minimum = minimum.toStdString();
    if (!maximum.trimmed().isEmpty())
        p.Maximum = maximum.toStdString();
    if (!pas.trimmed().isEmpty())
        p.Increment = pas.toStdString();
    std::string message;
    // The value may name a parameter that comes later in the file: it is not checked here.
    const int i = AjouteParametrePerso(p, message, false);
    if (i < 0) {
        probleme(n, QStringLiteral("paramètre personnel « %1 » refusé : %2").arg(nom, QString::fromStdString(message)));
        return;
    }
    ++reconnus_;
    if (!lettre.isEmpty() && lettre.at(0) >= QLatin1Char('A') && lettre.at(0) <= QLatin1Char('Z'))
        AssocieToucheParametrePerso(i, char(lettre.at(0).unicode()));
}

void LecteurDocument::litFenetre(const QString& ligne, int n)
{
    FenetreDocument& f = m_.Fenetre;
    QString r = ligne.mid(1);
    f.Titre = PremierChamp(r);
    QStringList refus;
    auto entier = [&](const QString& quoi, int& cible) {
        const QString champ = PremierChamp(r);
        if (!LitEntier(champ, cible))
            refus << QStringLiteral("%1 « %2 »").arg(quoi, champ);
    };
    entier(QStringLiteral("gauche"), f.Gauche);
    entier(QStringLiteral("haut"), f.Haut);
    entier(QStringLiteral("hauteur"), f.Hauteur);
    entier(QStringLiteral("largeur"), f.Largeur);
    f.Maximisee = f.Gauche < 0 && f.Haut < 0;
    if (LitBooleen(PremierChamp(r))) {
        f.ModeFond = 1;
        litImage(n);
    } else {
        f.ModeFond = 0;
        const QString couleur = PremierChamp(r).trimmed();
        if (!TexteEnCouleur(couleur, f.CouleurFond))
            refus << QStringLiteral("couleur du fond « %1 »").arg(couleur);
    }
    if (!refus.isEmpty())
        probleme(n, QStringLiteral("fenêtre : valeurs illisibles, valeurs par défaut gardées : %1.")
                        .arg(refus.join(QStringLiteral(", "))));
}

void LecteurDocument::litImage(int n)
{
    FenetreDocument& f = m_.Fenetre;
    if (source_.fin() || suivanteEstEnregistrement()) {
        probleme(n + 1, QStringLiteral("la ligne de l'image de fond manque."));
        return;
    }
    QString l = source_.suivante();
    f.FichierImage = NettoieChemin(ChampOuReste(l));
    f.EtireImage = LitBooleen(PremierChamp(l));
    f.ImageFond = QImage();
    const QString chemin = TrouveFichierStocke(f.FichierImage, dossier_, PorteeNom::Donnees, {etatGraphe().DossierProgramme});
    if (!chemin.isEmpty())
        f.ImageFond = LitImageFond(chemin);
    // The picture stays named by the window (and written back unchanged); the plain
    // background shows until it is found again.
    if (f.ImageFond.isNull())
        probleme(source_.numero(), QStringLiteral("Image introuvable : ") + f.FichierImage);
}

void LecteurDocument::litFonctionAux(const QString& ligne, int n)
{
    const qsizetype egal = ligne.indexOf(QLatin1Char('='));
    if (ligne.size() < 2 || ligne.at(1).toUpper() != QLatin1Char('F') || egal < 0) {
        probleme(n, QStringLiteral("fonction auxiliaire mal écrite (« >Fi=... » attendu), ignorée."));
        return;
    }
    int i = -1;
    if (!LitEntier(ligne.mid(2, egal - 2), i)) {
        probleme(n, QStringLiteral("numéro de fonction auxiliaire illisible, fonction ignorée."));
        return;
    }
    if (i < 0 || i > 9)
        return;
    // Checked once the whole document is read: it may call a curve defined further on.
    fonctions_[i] = {ligne.mid(egal + 1), n};
    ++reconnus_;
}

void LecteurDocument::finitFonctionsAux()
{
    for (const auto& [i, f] : fonctions_) {
        Arbre arbre;
        const bool ok = CompileExprYEtat(f.texte.toStdString(), arbre);
        ErreurCalcul() = 0;
        if (ok)
            m_.FonctionsAux[std::size_t(i)] = f.texte;
        else
            probleme(f.ligne, QStringLiteral("La fonction auxiliaire f%1 n'a pas pu être compilée!").arg(i));
    }
}

void LecteurDocument::litCourbe(const QString& ligne, int n)
{
    derniere_ = LitCourbe(ligne, source_, m_.Numero, liens_.LiensDerivees);
    recueille(n);
    for (const QString& a : derniere_.avertissements)
        probleme(n, a);
    switch (derniere_.issue) {
    case IssueLecture::Courbe:
        derniere_.courbe->DossierDocument = dossier_;
        trouveFichiersCourbe(*derniere_.courbe);
        if (QStringLiteral("BCLW").contains(derniere_.courbe->TypeCourbe.toUpper()))
            if (const auto copie = copies_.constFind(derniere_.courbe->Libelle1); copie != copies_.constEnd())
                derniere_.courbe->CopieDonnees = *copie;
        m_.Dessin.AjouteCourbe(derniere_.courbe);
        derniere_.courbe->Journalise();
        ++reconnus_;
        break;
    case IssueLecture::Repetee:
        liens_.LiensCourbes << derniere_.lien;
        ++reconnus_;
        break;
    case IssueLecture::Ignoree:
        probleme(n, derniere_.message);
        break;
    case IssueLecture::Arret:
        arrete(n, derniere_.message);
        break;
    }
    recueille(n);
}

// The files a curve reads (imposed values, data of a list of points) stored as paths of
// another machine or of the document's folder: the files found for them, the stored texts
// left to be written back as they are. A "!" block that follows gives the data its own copy.
void LecteurDocument::trouveFichiersCourbe(GCCourbe& c) const
{
    const auto aTrouver = [](const QString& stocke) {
        QString chemin = NettoieChemin(stocke);
        chemin.replace(QLatin1Char('\\'), QLatin1Char('/'));
        return !chemin.isEmpty() && (!QFileInfo(chemin).isAbsolute() || !EstFichier(chemin));
    };
    const QStringList autres{etatGraphe().DossierProgramme};
    if (auto* r = dynamic_cast<GCRelNum*>(&c); r && r->ValeursImposees && aTrouver(r->FichierValeurs))
        r->CheminValeurs = TrouveFichierStocke(r->FichierValeurs, dossier_, PorteeNom::Donnees, autres);
    if (c.AvecFichierDonnees() && aTrouver(c.Libelle1))
        c.CopieDonnees = TrouveFichierStocke(c.Libelle1, dossier_, PorteeNom::Donnees, autres);
}

void LecteurDocument::litBloc(const QString& ligne, int n)
{
    const LectureBloc b = LitBlocDonnees(ligne, source_, derniere_);
    recueille(n);
    if (!b.message.isEmpty()) {
        if (b.arret) {
            arrete(n, b.message);
            return;
        }
        probleme(n, b.message);
    }
    const PtrCourbe& c = derniere_.courbe;
    if (b.copie.isEmpty() || !c || derniere_.issue != IssueLecture::Courbe)
        return;
    // The curve reads this copy when its stored file is not there; the stored path stays
    // as it is, to be written back unchanged.
    c->CopieDonnees = b.copie;
    copies_.insert(c->Libelle1, b.copie);
}

RapportLecture LecteurDocument::lit(const QList<int>& lignesRefusees)
{
    rapport_.ouvert = true;
    rapport_.complet = true;
    // The curves are drawn once the opener has resolved the links between documents.
    m_.Dessin.Visible = false;
    m_.Dessin.NumeroFenetre = m_.Numero;
    m_.Aires.NumeroFenetre = m_.Numero;

    int inconnues = 0, premiereInconnue = 0;
    QChar marqueInconnue;
    bool nonVide = false;
    // The follower is asked, between two records, every so many records, whether to go on.
    SuiviCalcul* suivi = etatGraphe().suivi;
    int enregistrements = 0;
    while (!arret_ && !source_.fin()) {
        const QString ligne = source_.suivante();
        const int n = source_.numero();
        if (ligne.trimmed().isEmpty())
            continue;
        nonVide = true;
        const QChar marque = ligne.at(0);
        if (suivi && marque != QLatin1Char('!') && enregistrements++ % EnregistrementsEntreSuivis == 0 &&
            !suivi->continuer(n - 1, int(lignes_.size()))) {
            arrete(n, QStringLiteral("lecture interrompue à la demande de l'utilisateur."));
            break;
        }
        if (marque != QLatin1Char('!'))
            derniere_ = LectureCourbe();

        switch (marque.unicode()) {
        case 'V':
            entete_ = true;
            ++reconnus_;
            break;
        case '\\': {
            FenetreDocument& f = m_.Fenetre;
            f.FichierMenus = ligne.mid(1);
            // Only from the program's Menus folder or the document's own folder.
            QString refus;
            f.CheminMenus = TrouveFichierMenus(f.FichierMenus, dossier_, &refus);
            if (!refus.isEmpty()) {
                probleme(n, refus);
                f.FichierMenus.clear();
            }
            else if (!f.FichierMenus.trimmed().isEmpty() && f.CheminMenus.isEmpty())
                interlocuteur().avertit(QStringLiteral("Fichier de menus « %1 » introuvable : les menus ne changent pas.")
                                            .arg(f.FichierMenus));
            ++reconnus_;
            break;
        }
        case '[':
            litReglages(ligne, n);
            repere_.avantContexte = repere_.ligne > 0;
            ++reconnus_;
            break;
        case '#':
            litFenetre(ligne, n);
            ++reconnus_;
            break;
        case '$': {
            repere_ = {n, entete_, int(rapport_.problemes.size()), 0, false};
            int i = n - 1;
            m_.Repere.Lit(lignes_, i, entete_);
            valeurs_ = contexteCalcul().ValeursParametres;
            recueille(n);
            repere_.finProblemes = int(rapport_.problemes.size());
            avanceJusqua(std::max(i, n));
            ++reconnus_;
            break;
        }
        case '>':
            litFonctionAux(ligne, n);
            break;
        case '&':
            litCourbe(ligne, n);
            break;
        case '!':
            litBloc(ligne, n);
            break;
        case '@': {
            m_.Fenetre.ModeFond = 2;
            int i = n - 1;
            m_.Aires.LitAire(lignes_, i, liens_.LiensDerivees, liens_.LiensAires);
            recueille(n);
            avanceJusqua(std::max(i, n));
            ++reconnus_;
            break;
        }
        case '%': {
            QString r = ligne.mid(1);
            m_.Fenetre.Commentaire = ChampOuReste(r).trimmed();
            ++reconnus_;
            break;
        }
        default:
            if (marque == MarqueParametre) {
                litParametre(ligne, n);
                repere_.avantContexte = repere_.ligne > 0;
            } else if (marque == MarqueTexte) {
                int i = n - 1;
                QStringList problemes;
                m_.Textes.AjouteTexte(LitTexte(lignes_, i, problemes));
                for (const QString& p : problemes)
                    probleme(n, p);
                recueille(n);
                avanceJusqua(std::max(i, n));
                ++reconnus_;
            } else if (marque.unicode() > 0x20) {
                // Blanks begin the separator lines; anything else is not ours.
                if (inconnues++ == 0) {
                    premiereInconnue = n;
                    marqueInconnue = marque;
                }
            }
            break;
        }
    }
    finitFonctionsAux();
    relitRepere();
    // Reading a record evaluates with the record's own parameters: the current values stay
    // those of the frame record, as the document was saved with them.
    contexteCalcul().ValeursParametres = valeurs_;

    if (!nonVide) {
        rapport_.problemes << QStringLiteral("Le fichier est vide.");
    } else {
        if (inconnues > 0) {
            const QString vu = marqueInconnue.isPrint() ? QString(marqueInconnue)
                                                        : QStringLiteral("U+%1").arg(marqueInconnue.unicode(), 4, 16, QLatin1Char('0'));
            QString texte = QStringLiteral("Ligne %1 : enregistrement de type « %2 » inconnu, ligne ignorée")
                                .arg(premiereInconnue)
                                .arg(vu);
            if (inconnues > 1)
                texte += QStringLiteral(" (ainsi que %1 autres lignes)").arg(inconnues - 1);
            rapport_.problemes << texte + QLatin1Char('.');
        }
        if (reconnus_ == 0 && !arret_)
            rapport_.problemes << QStringLiteral("Aucun enregistrement reconnu : ce fichier n'est pas un document VIRK.");
    }
    for (int t : lignesRefusees)
        rapport_.problemes << QStringLiteral("Ligne %1 : ligne trop longue (plus de %2 caractères), refusée.")
                                  .arg(t)
                                  .arg(LongueurMaxLigne);
    return rapport_;
}

RapportLecture LitLignes(const QStringList& lignes, ModeleDocument& modele, LiensEnAttente& liens,
                         const QString& dossierDocument, const QList<int>& lignesRefusees)
{
    RapportLecture r;
    try {
        LecteurDocument lecteur(lignes, modele, liens, dossierDocument);
        r = lecteur.lit(lignesRefusees);
    } catch (const std::exception& e) {
        // Nothing is meant to throw here but a failed allocation: what was read stays, and
        // the opener goes on with its other documents.
        r.ouvert = true;
        r.complet = false;
        r.problemes << QStringLiteral("Lecture interrompue par une erreur inattendue : %1")
                           .arg(QString::fromLocal8Bit(e.what()));
    }
    ErreurCalcul() = 0;
    return r;
}

}  // namespace

// ---------------------------------------------------------------------------------------

QStringList EcrireFenetre(const ModeleDocument& modele)
{
    QStringList lignes;
    EcritLignes(modele, lignes);
    return lignes;
}

RapportEcriture EnregistreDocument(const QString& chemin, const ModeleDocument& modele)
{
    RapportEcriture r;
    QStringList lignes;
    r.donneesManquantes = !EcritLignes(modele, lignes);
    const EcritureTexte e = EcritFichierTexte(chemin, lignes, PolitiqueEncodage::RepliUtf8);
    r.utf8 = e.utf8;
    if (!e.ok) {
        r.erreur = e.erreur;  // "Impossible d'enregistrer <fichier> : <raison>"
        interlocuteur().message(r.erreur);
        return r;
    }
    r.ok = true;
    if (e.utf8)
        interlocuteur().avertit(
            QStringLiteral("%1 enregistré en UTF-8. %2")
                .arg(QDir::toNativeSeparators(chemin),
                     e.nonRepresentables.isEmpty()
                         ? QStringLiteral("En Windows-1252, ses octets auraient été relus comme de l'UTF-8, "
                                          "donc comme un autre texte.")
                         : DecritNonRepresentables(e.nonRepresentables)));
    return r;
}

QString RapportLecture::message(const QString& fichier) const
{
    if (problemes.isEmpty())
        return {};
    const QString nom = QDir::toNativeSeparators(fichier);
    if (!ouvert)
        return problemes.join(QLatin1Char('\n'));
    QString texte = complet
        ? QStringLiteral("Lecture du document %1 :").arg(nom)
        : QStringLiteral("Le document %1 n'a été lu qu'en partie (lecture arrêtée à la ligne %2) :")
              .arg(nom)
              .arg(ligneArret);
    for (int i = 0; i < problemes.size() && i < ProblemesMontres; ++i)
        texte += QLatin1Char('\n') + problemes.at(i);
    if (problemes.size() > ProblemesMontres)
        texte += QStringLiteral("\n… et %1 autres problèmes.").arg(problemes.size() - ProblemesMontres);
    return texte;
}

RapportLecture LitLignesDocument(const QStringList& lignes, ModeleDocument& modele, LiensEnAttente& liens,
                                 const QString& dossierDocument)
{
    return LitLignes(lignes, modele, liens, dossierDocument, {});
}

RapportLecture LitDocument(const QString& chemin, ModeleDocument& modele, LiensEnAttente& liens, bool montre)
{
    RapportLecture r;
    const QFileInfo info(chemin);
    if (!info.exists()) {
        r.problemes << QStringLiteral("Fichier %1 introuvable !").arg(QDir::toNativeSeparators(chemin));
    } else {
        const LectureTexte lu = LitFichierTexte(chemin);
        if (!lu.ok)
            r.problemes << lu.erreur;
        else
            r = LitLignes(lu.lignes, modele, liens, info.absolutePath(), lu.lignesRefusees);
    }
    if (montre && !r.problemes.isEmpty())
        interlocuteur().message(r.message(chemin));
    return r;
}

// ---------------------------------------------------------------------------------------
// Personal transformations

LectureTransfos LitTransfosPerso(const QString& chemin)
{
    const LectureTexte lu = LitFichierTexte(chemin);
    if (!lu.ok) {
        LectureTransfos r;
        r.erreur = lu.erreur;
        return r;
    }
    return TransfosDeLignes(lu.lignes);
}

LectureTransfos TransfosDeLignes(QStringList lignes)
{
    LectureTransfos r;
    r.ok = true;
    while (!lignes.isEmpty() && lignes.last().trimmed().isEmpty())
        lignes.removeLast();
    const int complets = int(lignes.size()) / LignesParTransfo;
    for (int k = 0; k < complets; ++k) {
        const QStringList groupe = lignes.mid(k * LignesParTransfo, LignesParTransfo);
        int code = -1;
        if (!LitEntier(groupe.last(), code) || code < 0 || code > CodeOperationMax) {
            r.problemes << QStringLiteral("Lignes %1 à %2 : la transformation « %3 » a un code d'opération « %4 » "
                                          "qui n'est pas un entier de 0 à %5, elle est ignorée.")
                               .arg(k * LignesParTransfo + 1)
                               .arg((k + 1) * LignesParTransfo)
                               .arg(groupe.first(), groupe.last())
                               .arg(CodeOperationMax);
            continue;
        }
        r.lignes << groupe;
    }
    const int reste = int(lignes.size()) - complets * LignesParTransfo;
    if (reste > 0)
        r.problemes << QStringLiteral("Lignes %1 à %2 : transformation incomplète (%3 lignes sur %4), ignorée.")
                           .arg(complets * LignesParTransfo + 1)
                           .arg(lignes.size())
                           .arg(reste)
                           .arg(LignesParTransfo);
    return r;
}

void AjouteTransfoPerso(const QString& nom, const std::array<QString, 6>& parametres, int code)
{
    EtatGraphe& etat = etatGraphe();
    etat.ListeAuxiliaire << nom;
    for (const QString& p : parametres)
        etat.ListeAuxiliaire << p;
    etat.ListeAuxiliaire << QString::number(code);
    if (etat.TransfosPersoChangees)
        etat.TransfosPersoChangees();
}

bool EcritTransfosPerso(const QString& chemin, const QStringList& lignes, QString* erreur)
{
    const EcritureTexte e = EcritFichierTexte(chemin, lignes, PolitiqueEncodage::RepliUtf8);
    if (!e.ok && erreur)
        *erreur = e.erreur;
    return e.ok;
}
