// What every curve shares: kinds and their names, construction and naming, identifiers,
// copies, descriptions, the curve log, the error list, the statistics of the point cache,
// replays of the cache, and the refusals and warnings given once per definition.
#include "graph/courbes/GCCourbe.h"

#include <QDir>
#include <QPainter>
#include <QTime>
#include <algorithm>
#include <cmath>
#include <string>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "expression/formatage.h"
#include "graph/repere/GCRepere.h"
#include "graph/base/etatgraphe.h"
#include "graph/fichiers/fichierstravail.h"
#include "graph/fichiers/fichiertexte.h"
#include "graph/courbes/enregistrement.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/courbes/tracepoint.h"

namespace {

// "fn" + k for the first k from numero up that no curve callable by name uses.
QString nomLibre(int numero)
{
    for (long long k = std::max(numero, 0);; ++k) {
        const QString nom = QStringLiteral("fn") + QString::number(k);
        if (!NomPrisAilleurs(nom))
            return nom;
    }
}

double mediane(std::vector<double> v)
{
    const std::size_t n = v.size();
    if (n == 0)
        return 0;
    std::sort(v.begin(), v.end());
    return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Kinds

bool GenreParmi(QChar genre, const char* lettres)
{
    for (const char* l = lettres; *l; ++l)
        if (genre == QLatin1Char(*l))
            return true;
    return false;
}

bool EstGenreCourbe(QChar genre)
{
    return GenreParmi(genre, "ABCDEGHIJLNOPQRSTUWXY");
}

// ---------------------------------------------------------------------------------------
// Curves callable by name

namespace {
// The formula a curve would be called by, or null for a curve that has none.
const Arbre* FormuleAppelee(const GCCourbe* courbe)
{
    const auto* rel = dynamic_cast<const GCRelNum*>(courbe);
    return rel ? &rel->Expression1 : nullptr;
}
}  // namespace

bool GenreAppelable(QChar genre)
{
    return GenreParmi(genre, "XY");
}

bool NomPrisAilleurs(const QString& nom, const GCCourbe* courbe)
{
    const int slot = chercheFonction(majuscules(nom.toStdString()));
    if (slot < 0)
        return false;
    const Arbre* propre = courbe ? FormuleAppelee(courbe) : nullptr;
    return !propre || contexteCalcul().fonctionsNommees[std::size_t(slot)].arbre != propre;
}

void InscritNom(GCCourbe& courbe)
{
    if (auto* y = dynamic_cast<GCY*>(&courbe); y && GenreAppelable(courbe.TypeCourbe))
        y->MemoriseLibelle();
}

void RetireNomPropre(const GCCourbe& courbe)
{
    const Arbre* propre = FormuleAppelee(&courbe);
    const std::string nom = majuscules(courbe.Nom.toStdString());
    const int slot = chercheFonction(nom);
    if (propre && slot >= 0 && contexteCalcul().fonctionsNommees[std::size_t(slot)].arbre == propre)
        retireFonction(nom);
}

QString NomTypeCourbe(QChar genre, int sousType)
{
    switch (genre.unicode()) {
    case 'A': return QStringLiteral("Plaque polygonale");
    case 'B': return QStringLiteral("Courbe de Bézier");
    case 'C': return QStringLiteral("Chronique");
    case 'D': return QStringLiteral("Dérivée n-ième");
    case 'E': return QStringLiteral("Equation différentielle d'ordre n");
    case 'H': return QStringLiteral("Système d'équations différentielles du 1er ordre");
    case 'I': return QStringLiteral("Forme implicite");
    case 'J': return QStringLiteral("Fonction définie par une intégrale");
    case 'L': return QStringLiteral("Liste (nuage) de points");
    case 'N':
        switch (sousType) {
        case 1: return QStringLiteral("Suite Un=f(n)");
        case 2: return QStringLiteral("Récurrence Un+1=f(n,Un)");
        case 3: return QStringLiteral("\"Escargot\" Un+1=f(Un)");
        case 4: return QStringLiteral("Système d'équations de récurrence : points (Xn;Yn)");
        case 5: return QStringLiteral("Système d'équations de récurrence : suite Xn");
        case 6: return QStringLiteral("Système d'équations de récurrence : suite Yn");
        default: return QString();
        }
    case 'O': return QStringLiteral("Opération binaire");
    case 'P': return QStringLiteral("Forme polaire");
    case 'Q': return QStringLiteral("Transformées");
    case 'R': return QStringLiteral("Fonction périodique");
    case 'S': return QStringLiteral("Série de fonctions");
    case 'T': return QStringLiteral("Forme paramétrique");
    case 'U': return QStringLiteral("Opération unaire");
    case 'W': return QStringLiteral("Courbe B-spline");
    case 'X': return QStringLiteral("Fonction numérique x=f(y)");
    case 'Y': return QStringLiteral("Fonction numérique y=f(x)");
    default: return QString();
    }
}

QString NomHachure(int code)
{
    static const char* const noms[] = {"Point seul", "Coordonnées", "Projections", "Chemin aller",
                                       "Chemin retour", "Lignes de rappel", "Origine"};
    return code >= 0 && code <= 6 ? QString::fromUtf8(noms[code]) : QString();
}

bool DialogueParametres(std::array<QString, 10>& parametres)
{
    Dialogues* d = etatGraphe().dialogues;
    return d && d->dialogueParametres(parametres);
}

// ---------------------------------------------------------------------------------------
// Construction

GCCourbe::GCCourbe(QChar genre, int fenetre, int numero)
    : NumeroFenetre(fenetre), TypeCourbe(genre), Numero(numero)
{
    Parametres.fill(QStringLiteral("0"));
    Pilotage = {QStringLiteral("aucun"), QStringLiteral("aucun")};
    Nom = nomLibre(numero);
}

GCCourbe::~GCCourbe() = default;

PtrCourbe GCCourbe::CreeComme(const GCCourbe& modele, int fenetre, int numero, QChar genre)
{
    auto c = std::make_shared<GCCourbe>(genre, fenetre, numero);
    c->Pilotage.clear();
    c->Visible = true;
    c->Couleur = modele.Couleur;
    c->Style = modele.Style;
    c->Epaisseur = modele.Epaisseur;
    c->Marqueur.CopiePoint(modele.Marqueur);
    c->NouvelIdentifiant();
    return c;
}

void GCCourbe::FixeIdentifiant(const QString& identifiant)
{
    if (EntreesListes.n > 0 && identifiant != Identifiant)
        ++etatGraphe().GenerationIdentifiants;
    Identifiant = identifiant;
}

void GCCourbe::NouvelIdentifiant()
{
    FixeIdentifiant(QString::number(Numero) + horodatage());
}

QString GCCourbe::CheminFichier(const char* extension) const
{
    return QDir(dossierTravail())
        .filePath(QStringLiteral("f") + QString::number(NumeroFenetre) + QStringLiteral("crb") +
                  QString::number(Numero) + QLatin1String(extension));
}

// ---------------------------------------------------------------------------------------
// Accessors

QString GCCourbe::Parametre(int i) const
{
    return i >= 0 && i < 10 ? Parametres[std::size_t(i)] : QString();
}

void GCCourbe::FixeParametre(int i, const QString& texte)
{
    if (i >= 0 && i < 10)
        Parametres[std::size_t(i)] = texte;
}

void GCCourbe::FixeLibelles(const QString& texte1, const QString& texte2)
{
    Libelle1 = texte1;
    Libelle2 = texte2;
}

void GCCourbe::FixeMere(int i, const QString& identifiant)
{
    if (i == 2)
        Mere2 = identifiant;
    else
        Mere1 = identifiant;
}

void GCCourbe::EvalueParametres() const
{
    auto& valeurs = contexteCalcul().ValeursParametres;
    for (int i = 0; i < 10; ++i) {
        const double v = EvalueTexte(Parametres[std::size_t(i)].toStdString());
        valeurs[std::size_t(i)] = ErreurCalcul() ? 0 : v;
    }
    ErreurCalcul() = 0;
}

void GCCourbe::LibellesAffiches(QString& texte1, QString& texte2) const
{
    texte1 = Libelle1;
    texte2 = Libelle2;
    if (AvecFichierDonnees()) {
        texte1 = PartieNomFichier(Libelle1);
        return;
    }
    if (GenreParmi(TypeCourbe, "DEHIJNPRSTXY")) {
        std::array<std::string, 10> valeurs;
        for (std::size_t i = 0; i < 10; ++i)
            valeurs[i] = Parametres[i].trimmed().toStdString();
        std::string t1 = texte1.toStdString(), t2 = texte2.toStdString();
        ParametresVersTexte(valeurs, t1);
        ParametresVersTexte(valeurs, t2);
        texte1 = QString::fromStdString(t1);
        texte2 = QString::fromStdString(t2);
    }
}

// ---------------------------------------------------------------------------------------
// Virtual operations

void GCCourbe::Copie(const GCBase& source)
{
    GCBase::Copie(source);
    const auto* c = dynamic_cast<const GCCourbe*>(&source);
    if (!c)
        return;
    NouvelIdentifiant();
    Libelle1 = c->Libelle1;
    Libelle2 = c->Libelle2;
    CopieDonnees = c->CopieDonnees;
    DossierDocument = c->DossierDocument;
    Parametres = c->Parametres;
    Tempo = c->Tempo;
    Batons = c->Batons;
    Joint = c->Joint;
    SousType = c->SousType;
    Hachure = c->Hachure;
    Marqueur.CopiePoint(c->Marqueur);
}

void GCCourbe::CopieAspectFille()
{
    if (Filles.empty() || !Filles.front())
        return;
    GCCourbe& f = *Filles.front();
    f.SousType = SousType;
    f.Hachure = Hachure;
    f.Tempo = Tempo;
    f.Epaisseur = Epaisseur;
    f.Style = Style;
    f.HorsIndex = HorsIndex;
    f.Visible = Visible;
    f.Couleur = Couleur;
    f.Batons = Batons;
    f.Joint = Joint;
    f.Marqueur.CopiePoint(Marqueur);
}

bool GCCourbe::Modifie(bool nouvelle)
{
    Dialogues* d = etatGraphe().dialogues;
    if (!d || !d->modifieCourbe(*this, nouvelle))
        return false;
    if (nouvelle)
        NouvelIdentifiant();
    return true;
}

void GCCourbe::TraceIndisponible()
{
    QString nom = NomTypeCourbe(TypeCourbe, SousType);
    if (nom.isEmpty())
        nom = QStringLiteral("de type ") + TypeCourbe;
    SignaleRefus(QStringLiteral("La courbe ") + Nom + QStringLiteral(" (") + nom +
                 QStringLiteral(") ne peut pas encore être tracée dans cette version."));
}

void GCCourbe::LignesDeBase(QStringList& lignes) const
{
    lignes << QStringLiteral("--> Courbe n°") + QString::number(Numero)
           << QStringLiteral("Type= ") + TypeCourbe + QStringLiteral(" : ") + NomTypeCourbe(TypeCourbe, SousType)
           << QStringLiteral("Libellé1= ") + Libelle1 << QStringLiteral("Libellé2= ") + Libelle2
           << QStringLiteral("Nom = ") + Nom << QStringLiteral("** Valeurs des paramètres **");
    for (int i = 0; i < 10; ++i)
        lignes << QStringLiteral("a") + QString::number(i) + QStringLiteral("= ") + Parametres[std::size_t(i)];
}

void GCCourbe::LignesJournal(QStringList& lignes) const
{
    lignes << QStringLiteral(" ") << QTime::currentTime().toString(QStringLiteral("hh:mm:ss"))
           << QStringLiteral("--> Courbe n°") + QString::number(Numero)
           << QStringLiteral("Fenêtre n°") + QString::number(NumeroFenetre)
           << QStringLiteral("Type= ") + TypeCourbe;
    QStringList base;
    LignesDeBase(base);
    lignes << base.mid(2);
}

void GCCourbe::Decrit(QStringList& lignes) const
{
    LignesDeBase(lignes);
}

void GCCourbe::Journalise() const
{
    if (!etatGraphe().EnregistrementSession)
        return;
    LignesJournal(etatGraphe().JournalCourbes);
}

void GCCourbe::MontreErreurs(QStringList& lignes) const
{
    lignes << QStringLiteral("--> Courbe n°") + QString::number(Numero) << QStringLiteral("Type= ") + TypeCourbe
           << QStringLiteral("Libellé1= ") + Libelle1 << QStringLiteral("Libellé2= ") + Libelle2
           << QStringLiteral("** Liste des erreurs rencontrées **");
    const QString chemin = CheminFichier(".err");
    if (QFile::exists(chemin)) {
        const LectureTexte lecture = LitFichierTexte(chemin);
        if (lecture.ok)
            for (const QString& l : lecture.lignes)
                lignes << QStringLiteral("   ") + l;
    }
    lignes << QStringLiteral("** Fin de la liste **");
}

// ---------------------------------------------------------------------------------------
// Refusals and warnings, once per definition

QString GCCourbe::SignatureDefinition() const
{
    QStringList champs;
    champs << QString(TypeCourbe) << QString::number(SousType) << Nom << Libelle1 << Libelle2;
    for (const QString& p : Parametres)
        champs << p;
    return champs.join(QChar(0x1F));
}

namespace {

// The memo's line of a refused trace.
QString LigneRefus(const QString& nom, const QString& texte)
{
    return QStringLiteral("-> Courbe ") + nom + QStringLiteral(" : ") + texte;
}

}  // namespace

QString MereIntrouvable()
{
    return QStringLiteral("Tracé impossible, mère introuvable !");
}

void GCCourbe::SignaleRefus(const QString& texte)
{
    // The memo is emptied at every paint: its line comes with every trace. The box comes
    // once per definition.
    interlocuteur().avertit(LigneRefus(Nom, texte));
    const QString signature = SignatureDefinition();
    if (signature != signatureAvertie_) {
        signatureAvertie_ = signature;
        refusMontres_.clear();
    }
    if (refusMontres_.contains(texte))
        return;
    refusMontres_.append(texte);
    interlocuteur().message(texte);
}

void GCCourbe::SignaleMereIntrouvable()
{
    const QString texte = MereIntrouvable();
    interlocuteur().avertit(LigneRefus(Nom, texte));
    if (mereIntrouvableMontree_)
        return;
    mereIntrouvableMontree_ = true;
    interlocuteur().message(texte);
}

void GCCourbe::SignaleErreursCalcul(bool erreurs)
{
    if (erreurs) {
        interlocuteur().avertit(LigneAvertissementCalcul(Nom));
    } else {
        // A trace that went through: a refusal that comes back is shown again.
        refusMontres_.clear();
        mereIntrouvableMontree_ = false;
    }
}

// ---------------------------------------------------------------------------------------
// Point cache: statistics and replays

bool GCCourbe::Statistiques(int n, StatistiquesCourbe& r) const
{
    r.fill(0);
    const LecturePoints lecture = LitFichierPoints(FichierPoints);
    const auto& points = lecture.points;
    if (points.empty())
        return false;
    const std::size_t nb = points.size();
    std::vector<double> xs(nb), ys(nb);
    for (std::size_t i = 0; i < nb; ++i) {
        xs[i] = points[i].x;
        ys[i] = points[i].y;
    }
    auto resume = [&](const std::vector<double>& v, int base) {
        double mini = v[0], maxi = v[0], somme = 0;
        for (double a : v) {
            mini = std::min(mini, a);
            maxi = std::max(maxi, a);
            somme += a;
        }
        const double moyenne = somme / double(nb);
        double carres = 0;
        for (double a : v)
            carres += (a - moyenne) * (a - moyenne);
        const double variance = carres / double(nb);
        r[std::size_t(base)] = mini;
        r[std::size_t(base + 1)] = maxi;
        r[std::size_t(base + 2)] = moyenne;
        r[std::size_t(base + 3)] = std::sqrt(variance);
        r[std::size_t(base + 4)] = variance;
        r[std::size_t(base + 5)] = mediane(v);
    };
    resume(xs, 0);
    resume(ys, 6);
    // Covariance from the deviations, not as E[xy] - E[x]E[y], which loses every digit when
    // the values are large and close together.
    double covariance = 0;
    for (std::size_t i = 0; i < nb; ++i)
        covariance += (xs[i] - r[2]) * (ys[i] - r[8]);
    covariance /= double(nb);
    r[12] = covariance;
    bool resultat = false;
    if (r[3] != 0 && r[9] != 0) {
        r[13] = covariance / (r[3] * r[9]);
        r[14] = r[13] * r[13];
        resultat = true;
    }
    if (n > 0) {
        const std::size_t k = std::min<std::size_t>(std::size_t(n), nb);
        const PointCourbe& p = points[k - 1];
        r[15] = GenreParmi(TypeCourbe, "PT") ? p.t : double(k);
        r[16] = p.x;
        r[17] = p.y;
        resultat = true;
    }
    return resultat;
}

bool GCCourbe::ParametreProche(const GCRepere& repere, int px, int py, double& t) const
{
    const LecturePoints lecture = LitFichierPoints(FichierPoints);
    const Correspondance pixels = repere.correspondance();
    long long meilleure = -1;
    for (const PointCourbe& p : lecture.points) {
        int qx = 0, qy = 0;
        pixels.MondeVersPixel(qx, qy, p.x, p.y);
        const long long dx = qx - px, dy = qy - py, d = dx * dx + dy * dy;
        if (meilleure < 0 || d < meilleure) {
            meilleure = d;
            t = p.t;
        }
    }
    return meilleure >= 0;
}

bool GCCourbe::RetracePoints(QPainter& peintre, GCRepere& repere)
{
    FichierPoints = CheminFichier(".pts");
    const LecturePoints lecture = LitFichierPoints(FichierPoints);
    if (!lecture.ok())
        return false;
    TraceurCourbe traceur(*this, peintre, repere, false);
    if (!lecture.points.empty()) {
        const QPoint p = repere.MondeVersPixel(lecture.points.front().x, lecture.points.front().y);
        traceur.FixeDernierPixel(p.x(), p.y());
    }
    for (const PointCourbe& p : lecture.points) {
        std::uint8_t stylo = p.stylo;
        traceur.Dessine(p.x, p.y, stylo);
    }
    traceur.Termine();
    return true;
}

bool GCCourbe::SurlignePoints(QPainter& peintre, GCRepere& repere)
{
    const LecturePoints lecture = LitFichierPoints(FichierPoints);
    if (!lecture.ok())
        return false;
    const int epaisseur = Epaisseur, taille = Marqueur.Epaisseur;
    Epaisseur = 3;
    Marqueur.Epaisseur = std::max(taille, 3);
    {
        TraceurCourbe traceur(*this, peintre, repere, false);
        if (!lecture.points.empty()) {
            const QPoint p = repere.MondeVersPixel(lecture.points.front().x, lecture.points.front().y);
            traceur.FixeDernierPixel(p.x(), p.y());
        }
        for (const PointCourbe& p : lecture.points) {
            std::uint8_t stylo = StyloLeve;
            traceur.Dessine(p.x, p.y, stylo);
        }
        traceur.Termine();
    }
    Epaisseur = epaisseur;
    Marqueur.Epaisseur = taille;
    return true;
}

// ---------------------------------------------------------------------------------------
// The shared parts of the document record

bool GCCourbe::AvecPilotage() const
{
    return TypeCourbe == QLatin1Char('L');
}

bool GCCourbe::AvecFichierDonnees() const
{
    return TypeCourbe == QLatin1Char('L');
}

QString GCCourbe::LigneTextes() const
{
    return ChampTexte(Libelle1) + ChampTexte(Libelle2) + ChampTexte(Nom);
}

void GCCourbe::LitLigneTextes(QString ligne)
{
    const QString texte1 = PremierChamp(ligne).trimmed();
    const QString texte2 = PremierChamp(ligne);
    const QString nom = PremierChamp(ligne);
    FixeTextesLus(texte1, texte2);
    FixeNomLu(nom);
}

void GCCourbe::FixeNomLu(const QString& nom)
{
    Nom = nom.isEmpty() ? QStringLiteral("fn") + QString::number(Numero) : nom;
}

void GCCourbe::FixeTextesLus(const QString& texte1, const QString& texte2)
{
    GCCourbe::FixeLibelles(texte1, texte2);
}

void GCCourbe::EcritMeres(QStringList& lignes, int nombre) const
{
    lignes << (nombre == 2 ? ChampTexte(Mere1) + ChampTexte(Mere2) : ChampTexte(Mere1));
}

bool GCCourbe::LitMeres(LecteurEnregistrement& lu, int nombre)
{
    QString ligne;
    if (!lu.suivante(ligne))
        return false;
    FixeMere(1, PremierChamp(ligne).trimmed());
    if (nombre == 2)
        FixeMere(2, PremierChamp(ligne));
    return true;
}
