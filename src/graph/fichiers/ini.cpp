#include "graph/fichiers/ini.h"

#include <QFileInfo>
#include <charconv>
#include <cmath>
#include <string>

#include "expression/fonction.h"
#include "graph/base/GCclasse_base.h"

namespace {

// A settings file is a few kilobytes; anything far larger is not one.
constexpr qint64 TailleMaxIni = 16ll * 1024 * 1024;

bool MemeNom(const QString& a, const QString& b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) == 0;
}

bool ContientRetour(const QString& texte)
{
    return texte.contains(QLatin1Char('\n')) || texte.contains(QLatin1Char('\r'));
}

QString Cite(const QString& texte)
{
    constexpr int Montres = 60;
    return QStringLiteral("« %1 »").arg(texte.size() > Montres ? texte.left(Montres) + QStringLiteral("…") : texte);
}

}  // namespace

void FichierIni::vide()
{
    lignes_.clear();
    erreur_.clear();
    effaceAnomalies();
}

FichierIni::Etat FichierIni::charge(const QString& chemin)
{
    vide();
    nomFichier_ = QFileInfo(chemin).fileName();
    if (!QFileInfo::exists(chemin))
        return Etat::Absent;
    const LectureTexte lecture = LitFichierTexte(chemin, TailleMaxIni);
    if (!lecture.ok) {
        erreur_ = lecture.erreur;
        return Etat::Illisible;
    }
    chargeLignes(lecture.lignes, nomFichier_);
    for (int numero : lecture.lignesRefusees)
        anomalies_.append(QStringLiteral("%1, ligne %2 : ligne trop longue, ignorée.").arg(nomFichier_).arg(numero));
    return Etat::Lu;
}

void FichierIni::chargeOctets(const QByteArray& octets, const QString& nomFichier)
{
    const LectureTexte lecture = LignesDeOctets(octets);
    chargeLignes(lecture.lignes, nomFichier);
    for (int numero : lecture.lignesRefusees)
        anomalies_.append(QStringLiteral("%1, ligne %2 : ligne trop longue, ignorée.").arg(nomFichier_).arg(numero));
}

void FichierIni::chargeLignes(const QStringList& lignes, const QString& nomFichier)
{
    vide();
    nomFichier_ = nomFichier;
    lignes_.reserve(lignes.size());
    QString section;
    bool dansSection = false, sectionIllisible = false;
    int numero = 0;
    for (const QString& brut : lignes) {
        Ligne ligne;
        ligne.brut = brut;
        ligne.numero = ++numero;
        const QString net = brut.trimmed();
        if (net.isEmpty()) {
            ligne.genre = Genre::Vide;
        } else if (net.startsWith(QLatin1Char(';'))) {
            ligne.genre = Genre::Commentaire;
        } else if (net.startsWith(QLatin1Char('['))) {
            const qsizetype fin = net.indexOf(QLatin1Char(']'));
            const QString apres = fin < 0 ? QString() : net.mid(fin + 1).trimmed();
            const QString nom = fin < 0 ? QString() : net.mid(1, fin - 1).trimmed();
            if (fin < 0 || nom.isEmpty() || !(apres.isEmpty() || apres.startsWith(QLatin1Char(';')))) {
                // Its keys are kept but read nowhere: they may not belong to the section
                // above.
                ligne.genre = Genre::Illisible;
                section.clear();
                dansSection = false;
                sectionIllisible = true;
                anomalies_.append(QStringLiteral("%1, ligne %2 : en-tête de section illisible, section ignorée : %3")
                                      .arg(nomFichier_).arg(numero).arg(Cite(brut)));
            } else {
                ligne.genre = Genre::Section;
                ligne.nom = nom;
                section = nom;
                dansSection = true;
                sectionIllisible = false;
            }
        } else {
            const qsizetype egal = brut.indexOf(QLatin1Char('='));
            const QString cle = egal < 0 ? QString() : brut.left(egal).trimmed();
            if (cle.isEmpty()) {
                ligne.genre = Genre::Illisible;
                anomalies_.append(QStringLiteral("%1, ligne %2 : ligne ignorée, ni section ni « clé=valeur » : %3")
                                      .arg(nomFichier_).arg(numero).arg(Cite(brut)));
            } else if (sectionIllisible) {
                ligne.genre = Genre::Illisible;
            } else if (!dansSection) {
                ligne.genre = Genre::Illisible;
                anomalies_.append(QStringLiteral("%1, ligne %2 : clé hors de toute section, ignorée : %3")
                                      .arg(nomFichier_).arg(numero).arg(Cite(brut)));
            } else {
                ligne.genre = Genre::Cle;
                ligne.nom = cle;
                ligne.valeur = brut.mid(egal + 1);
            }
        }
        ligne.section = section;
        lignes_.push_back(std::move(ligne));
    }
}

int FichierIni::chercheCle(const QString& section, const QString& cle) const
{
    const QString s = section.trimmed(), c = cle.trimmed();
    for (int i = int(lignes_.size()) - 1; i >= 0; --i) {
        const Ligne& l = lignes_[i];
        if (l.genre == Genre::Cle && MemeNom(l.nom, c) && MemeNom(l.section, s))
            return i;
    }
    return -1;
}

void FichierIni::signale(int indice, const QString& quoi) const
{
    const Ligne& l = lignes_[indice];
    const QString marque = l.section.toCaseFolded() + QLatin1Char('\n') + l.nom.toCaseFolded();
    if (signales_.contains(marque))
        return;
    signales_.append(marque);
    const QString ou = l.numero > 0 ? QStringLiteral("%1, ligne %2").arg(nomFichier_).arg(l.numero) : nomFichier_;
    anomalies_.append(QStringLiteral("%1, [%2] %3 : %4 %5.")
                          .arg(ou, l.section, l.nom, Cite(l.valeur), quoi));
}

namespace {
// Adds the name unless the list already holds it (names compare as the file's keys do).
void AjouteUneFois(QStringList& noms, const QString& nom)
{
    for (const QString& n : noms)
        if (MemeNom(n, nom))
            return;
    noms.append(nom);
}
}  // namespace

QStringList FichierIni::sections() const
{
    QStringList noms;
    for (const Ligne& l : lignes_)
        if (l.genre == Genre::Section)
            AjouteUneFois(noms, l.nom);
    return noms;
}

QStringList FichierIni::cles(const QString& section) const
{
    const QString s = section.trimmed();
    QStringList noms;
    for (const Ligne& l : lignes_)
        if (l.genre == Genre::Cle && MemeNom(l.section, s))
            AjouteUneFois(noms, l.nom);
    return noms;
}

bool FichierIni::contient(const QString& section, const QString& cle) const
{
    return chercheCle(section, cle) >= 0;
}

std::optional<QString> FichierIni::valeur(const QString& section, const QString& cle) const
{
    const int i = chercheCle(section, cle);
    if (i < 0)
        return std::nullopt;
    return lignes_[i].valeur;
}

QString FichierIni::texte(const QString& section, const QString& cle, const QString& defaut) const
{
    const int i = chercheCle(section, cle);
    return i < 0 ? defaut : lignes_[i].valeur;
}

int FichierIni::entier(const QString& section, const QString& cle, int defaut, bool* valide) const
{
    return converti(section, cle, defaut, [](const QString& texte) -> std::optional<int> {
        const std::string t = texte.trimmed().toStdString();
        const char* debut = t.data();
        const char* fin = t.data() + t.size();
        if (debut != fin && *debut == '+')
            ++debut;
        int n = 0;
        const auto [p, ec] = std::from_chars(debut, fin, n);
        if (debut == fin || ec != std::errc() || p != fin)
            return std::nullopt;
        return n;
    }, QStringLiteral("n'est pas un nombre entier ; la valeur par défaut est gardée"), valide);
}

double FichierIni::reel(const QString& section, const QString& cle, double defaut, bool* valide) const
{
    return converti(section, cle, defaut, [](const QString& texte) -> std::optional<double> {
        if (texte.trimmed().isEmpty())
            return std::nullopt;
        const int erreurAvant = ErreurCalcul();
        const double x = EvalueTexte(texte.toStdString());
        const bool echec = ErreurCalcul() != 0 || !std::isfinite(x);
        ErreurCalcul() = erreurAvant;
        if (echec)
            return std::nullopt;
        return x;
    }, QStringLiteral("n'est pas un nombre ; la valeur par défaut est gardée"), valide);
}

bool FichierIni::booleen(const QString& section, const QString& cle, bool defaut, bool* valide) const
{
    if (valide)
        *valide = true;
    const int i = chercheCle(section, cle);
    if (i < 0)
        return defaut;
    const QString& v = lignes_[i].valeur;
    if (v == QLatin1String("1"))
        return true;
    if (v != QLatin1String("0")) {
        // The format reads anything but "1" as false: so do we, and say so.
        if (valide)
            *valide = false;
        signale(i, QStringLiteral("n'est ni « 1 » ni « 0 » ; lu comme « 0 »"));
    }
    return false;
}

bool FichierIni::ecritTexte(const QString& section, const QString& cle, const QString& valeur)
{
    const QString s = section.trimmed(), c = cle.trimmed();
    if (s.isEmpty() || c.isEmpty() || ContientRetour(section) || ContientRetour(cle)
        || s.contains(QLatin1Char(']')) || c.contains(QLatin1Char('=')) || c.startsWith(QLatin1Char(';'))
        || c.startsWith(QLatin1Char('[')))
        return false;
    QString v = valeur;
    if (ContientRetour(v)) {
        v = SurUneLigne(v.replace(QLatin1String("\r\n"), QLatin1String(" ")));
        anomalies_.append(QStringLiteral("%1, [%2] %3 : les retours à la ligne de la valeur sont remplacés par des blancs.")
                              .arg(nomFichier_, s, c));
    }
    const int i = chercheCle(s, c);
    if (i >= 0) {
        Ligne& l = lignes_[i];
        l.valeur = v;
        l.brut = l.brut.left(l.brut.indexOf(QLatin1Char('=')) + 1) + v;
        return true;
    }
    Ligne nouvelle;
    nouvelle.genre = Genre::Cle;
    nouvelle.nom = c;
    nouvelle.valeur = v;
    nouvelle.section = s;
    nouvelle.brut = c + QLatin1Char('=') + v;
    // After the last header or key of the section (its last occurrence)...
    int position = -1;
    for (int k = int(lignes_.size()) - 1; k >= 0 && position < 0; --k) {
        const Ligne& l = lignes_[k];
        if ((l.genre == Genre::Cle || l.genre == Genre::Section) && MemeNom(l.section, s))
            position = k + 1;
    }
    if (position >= 0) {
        lignes_.insert(lignes_.begin() + position, std::move(nouvelle));
        return true;
    }
    // ...else in a new section at the end.
    Ligne entete;
    entete.genre = Genre::Section;
    entete.nom = s;
    entete.section = s;
    entete.brut = QLatin1Char('[') + s + QLatin1Char(']');
    lignes_.push_back(std::move(entete));
    lignes_.push_back(std::move(nouvelle));
    return true;
}

bool FichierIni::ecritEntier(const QString& section, const QString& cle, int valeur)
{
    return ecritTexte(section, cle, QString::number(valeur));
}

bool FichierIni::ecritReel(const QString& section, const QString& cle, double valeur)
{
    if (!std::isfinite(valeur))
        return false;
    // Shortest round-trip form, then "E" without "+" nor leading zeros in the exponent:
    // the form the expression reader takes back exactly.
    char tampon[64];
    const auto [fin, ec] = std::to_chars(tampon, tampon + sizeof tampon, valeur);
    if (ec != std::errc())
        return false;
    std::string t(tampon, fin);
    const std::size_t e = t.find('e');
    if (e != std::string::npos) {
        std::string exposant = t.substr(e + 1);
        std::string signe;
        if (!exposant.empty() && (exposant[0] == '+' || exposant[0] == '-')) {
            if (exposant[0] == '-')
                signe = "-";
            exposant.erase(0, 1);
        }
        while (exposant.size() > 1 && exposant[0] == '0')
            exposant.erase(0, 1);
        t = t.substr(0, e) + "E" + signe + exposant;
    }
    return ecritTexte(section, cle, QString::fromStdString(t));
}

bool FichierIni::ecritBooleen(const QString& section, const QString& cle, bool valeur)
{
    return ecritTexte(section, cle, valeur ? QStringLiteral("1") : QStringLiteral("0"));
}

QStringList FichierIni::lignes() const
{
    QStringList sortie;
    sortie.reserve(qsizetype(lignes_.size()));
    for (const Ligne& l : lignes_)
        sortie.append(l.brut);
    return sortie;
}

EcritureTexte FichierIni::enregistre(const QString& chemin, PolitiqueEncodage politique) const
{
    return EcritFichierTexte(chemin, lignes(), politique);
}
