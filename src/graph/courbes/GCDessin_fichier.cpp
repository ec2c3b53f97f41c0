// The curve records of a document.
//
//   (a line holding one blank)
//   &<letter>;<identifier>;<kind fields>;<projection mark>;[2;]
//   [two piloting lines: kind L, and kind Q of operation 17]
//   [range line: Xinf;Xsup;Pas; or v;<file of imposed values>; then random flag; arrows;
//               [the own label's fields, for the kinds other than P, T, X, Y]]
//   style line: visible;outside index;colour;style;width;delay;bars;joined;[brush;mode;]
//               marker type;size;colour;angle;filled;[own label text]
//   [label line of P, T, X, Y, when the own label has a text: gapX;gapY;right;orientation;font]
//   texts line: text 1;text 2;name;
//   parameters line: a0;...;a9;
//   [tail: mothers' identifiers, or the "!" block of the data file]
//
// Every field ends with ";". Texts that must stay one field have their ";" written as ","
// and their line breaks as blanks. This file writes and reads what every record holds; each
// curve family writes and reads its own parts (GCCourbe::EcritChampsTete and the like: its
// header fields, range line, style fields, own label, texts line and tail).
#include <QFileInfo>
#include <QHash>

#include "expression/etat.h"
#include "graph/courbes/GCDessin.h"
#include "graph/textes/GCTexte.h"
#include "graph/base/etatgraphe.h"
#include "graph/fichiers/fichierstravail.h"
#include "graph/fichiers/fichiertexte.h"
#include "graph/courbes/enregistrement.h"
#include "graph/courbes/genres.h"

namespace {

// The own label's gaps, side, angle and font.
QString ChampsEtiquette(const GCTexte& e)
{
    return ChampEntier(e.EcartX) + ChampEntier(e.EcartY) + TexteBooleen(e.ADroite) + ChampEntier(e.GetOrientation()) +
           FonteVersTexte(e.GetFonte());
}

bool LitChampsEtiquette(QString& champs, GCTexte& e, LecteurEnregistrement& lu)
{
    int ex = 0, ey = 0, orientation = 0;
    if (!lu.entier(champs, ex, QStringLiteral("écart horizontal de l'étiquette")) ||
        !lu.entier(champs, ey, QStringLiteral("écart vertical de l'étiquette")))
        return false;
    const bool droite = PremierChamp(champs) == QLatin1String("v");
    if (!lu.entier(champs, orientation, QStringLiteral("orientation de l'étiquette")))
        return false;
    Police police = e.GetFonte();
    if (!LitPolice(champs, police))
        lu.avertit(QStringLiteral("police de l'étiquette en partie illisible"));
    e.EcartX = ex;
    e.EcartY = ey;
    e.ADroite = droite;
    e.SetOrientation(orientation);
    e.SetFonte(police);
    return true;
}

// The lines of one curve record, without its "!" block.
void EcritCourbe(const GCCourbe& c, QStringList& lignes)
{
    lignes << QStringLiteral(" ");

    QString tete = QStringLiteral("&") + c.TypeCourbe + QLatin1Char(';') + ChampTexte(c.Identifiant);
    c.EcritChampsTete(tete);
    tete += ChampEntier(c.Hachure);
    const bool pilotage = c.AvecPilotage();
    if (pilotage)
        tete += QStringLiteral("2;");
    lignes << tete;
    if (pilotage)
        for (int k = 0; k < 2; ++k)
            lignes << SurUneLigne(k < c.Pilotage.size() ? c.Pilotage.at(k) : QStringLiteral("aucun"));

    const GCTexte* etiquette = c.EtiquetteEnregistree();
    const QString texteEtiquette = etiquette ? SurUneLigne(etiquette->GetTexte()) : QString();
    const QString champsEtiquette = texteEtiquette.isEmpty() ? QString() : ChampsEtiquette(*etiquette);
    c.EcritPlage(lignes, c.LigneEtiquette() ? QString() : champsEtiquette);

    QString style = TexteBooleen(c.Visible) + TexteBooleen(c.HorsIndex) + CouleurEnTexte(c.Couleur) + QLatin1Char(';')
                    + ChampEntier(c.Style) + ChampEntier(c.Epaisseur) + ChampEntier(c.Tempo) + TexteBooleen(c.Batons)
                    + TexteBooleen(c.Joint);
    c.EcritChampsStyle(style);
    const GCPoint& m = c.Marqueur;
    style += ChampEntier(m.TypePoint) + ChampEntier(m.Epaisseur) + CouleurEnTexte(m.Couleur) + QLatin1Char(';')
             + ChampEntier(m.Angle) + TexteBooleen(m.Rempli);
    style += texteEtiquette;
    lignes << style;
    if (!texteEtiquette.isEmpty() && c.LigneEtiquette())
        lignes << champsEtiquette;

    lignes << c.LigneTextes();

    QString parametres;
    for (int k = 0; k < 10; ++k)
        parametres += ChampTexte(c.Parametre(k));
    lignes << parametres;

    c.EcritQueue(lignes);
}

}  // namespace

namespace {

// The stored path when it is an absolute path of this machine to a file that can be read,
// else the file found for it (by the document's reader), else none.
QString FichierLu(const QString& stocke, const QString& trouve)
{
    const auto lisible = [](const QString& chemin) {
        const QFileInfo info(chemin);
        return !chemin.trimmed().isEmpty() && info.isFile() && info.isReadable();
    };
    QString chemin = stocke.trimmed();
    chemin.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QFileInfo(chemin).isAbsolute() && lisible(chemin))
        return QFileInfo(chemin).absoluteFilePath();
    if (lisible(trouve))
        return trouve;
    // Not the working folder's file of that name: it may be the copy of another path.
    return {};
}

}  // namespace

QString FichierDonnees(const GCCourbe& c)
{
    return FichierLu(c.Libelle1, c.CopieDonnees);
}

QString FichierValeursImposees(const GCRelNum& c)
{
    return FichierLu(c.FichierValeurs, c.CheminValeurs);
}

bool GCDessin::Sauve(QStringList& lignes) const
{
    // For each stored path, the file its last block was read from: a curve of that path
    // reading the same file needs no block of its own (the reader gives it the copy of that
    // last block), one reading another file (a paste from another document) gets its own.
    QHash<QString, QString> blocs;
    QStringList manquants;
    for (const PtrCourbe& c : Courbes) {
        if (!c)
            continue;
        EcritCourbe(*c, lignes);
        if (!c->AvecFichierDonnees() || c->Libelle1.trimmed().isEmpty())
            continue;
        // Two curves that store the same path but read different copies (brought by two
        // documents) each carry their own data.
        const QString chemin = FichierDonnees(*c);
        if (const auto bloc = blocs.constFind(c->Libelle1); bloc != blocs.constEnd() && *bloc == chemin)
            continue;
        const LectureTexte donnees = chemin.isEmpty() ? LectureTexte() : LitFichierTexte(chemin);
        if (!donnees.ok) {
            manquants << c->Libelle1;
            continue;
        }
        blocs.insert(c->Libelle1, chemin);
        lignes << QStringLiteral("!%1;").arg(donnees.lignes.size());
        lignes << donnees.lignes;
    }
    lignes << QString();
    if (!manquants.isEmpty()) {
        manquants.removeDuplicates();
        interlocuteur().message(
            QStringLiteral("Fichier de données introuvable ou illisible, non inclus dans le document "
                           "(les courbes qui l'utilisent sont enregistrées sans leurs points) :\n%1")
                .arg(manquants.join(QLatin1Char('\n'))));
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------
// Reading

namespace {

// The record after the kind's header fields. False on a failure (the reader's message, or
// arret, says which).
bool LitSuite(GCCourbe& c, QString& tete, const QString& identifiant, bool jetable, LecteurEnregistrement& lu,
              QString& arret)
{
    int entier = 0;
    // Projection mark and piloting lines.
    if (!Reste(tete))
        c.FixeHachure(0);
    else if (lu.entier(tete, entier, QStringLiteral("marque de projection")))
        c.FixeHachure(entier);
    else
        return false;
    if (Reste(tete)) {
        QStringList pilotage;
        for (int k = 0; k < 2; ++k) {
            QString p;
            if (!lu.suivante(p))
                return false;
            pilotage << p;
        }
        c.Pilotage = pilotage;
    }
    c.FixeIdentifiant(identifiant);

    QString suitePlage;
    if (!c.LitPlage(lu, suitePlage))
        return false;

    // Style line, then the marker and the own label when they are there.
    QString ligne;
    if (!lu.suivante(ligne))
        return false;
    c.Visible = LitBooleen(PremierChamp(ligne).trimmed());
    c.HorsIndex = LitBooleen(PremierChamp(ligne));
    lu.couleur(ligne, c.Couleur, QStringLiteral("du tracé"));
    std::uint8_t style = 0;
    int epaisseur = 0, tempo = 0;
    if (!lu.octet(ligne, style, QStringLiteral("style du trait")) ||
        !lu.entier(ligne, epaisseur, QStringLiteral("épaisseur")) ||
        !lu.entier(ligne, tempo, QStringLiteral("temporisation")))
        return false;
    c.Style = style;
    c.Epaisseur = epaisseur;
    c.FixeTempo(tempo);
    const bool batons = LitBooleen(PremierChamp(ligne));
    const bool joint = LitBooleen(PremierChamp(ligne));
    c.FixeModeTrace(batons, joint);
    if (!c.LitChampsStyle(ligne, lu))
        return false;
    if (Reste(ligne)) {
        GCPoint& m = c.Marqueur;
        std::uint8_t type = 0;
        int taille = 0, angle = 0;
        if (!lu.octet(ligne, type, QStringLiteral("type de point")) ||
            !lu.entier(ligne, taille, QStringLiteral("taille du point")))
            return false;
        TCouleur couleur = m.Couleur;
        lu.couleur(ligne, couleur, QStringLiteral("du point"));
        if (!lu.entier(ligne, angle, QStringLiteral("angle du point")))
            return false;
        m.TypePoint = type;
        m.Epaisseur = taille;
        m.Couleur = couleur;
        m.Angle = angle;
        m.Rempli = LitBooleen(PremierChamp(ligne));
        // The label's fields: their own line for P, T, X, Y; for the other kinds the end of
        // the range line, when it has them (documents written before they were kept there
        // have none: the label keeps its place and font of creation).
        if (GCTexte* e = c.EtiquetteEnregistree()) {
            e->SetTexte(ligne);
            if (!ligne.isEmpty()) {
                QString champs;
                if (c.LigneEtiquette()) {
                    if (!lu.suivante(champs))
                        return false;
                } else {
                    champs = suitePlage;
                }
                if (!champs.trimmed().isEmpty() && !LitChampsEtiquette(champs, *e, lu))
                    return false;
            }
        }
    }

    // Texts line.
    if (!lu.suivante(ligne))
        return false;
    c.LitLigneTextes(ligne);
    // The name as written must not be taken yet: "f" and "F" both load from older files.
    const int pris = GenreAppelable(c.TypeCourbe) ? chercheFonction(majuscules(c.Nom.toStdString())) : -1;
    if (!jetable && pris >= 0 && contexteCalcul().fonctionsNommees[std::size_t(pris)].nomTape == c.Nom.toStdString()) {
        arret = QStringLiteral("Il existe déjà une courbe appelée :") + c.Nom + QLatin1Char('\n') +
                QStringLiteral("Changer son nom et essayer de recharger le fichier");
        return false;
    }

    // Parameters line.
    if (!lu.suivante(ligne))
        return false;
    for (int k = 0; k < 10 && ligne.contains(QLatin1Char(';')); ++k) {
        QString p = PremierChamp(ligne);
        c.FixeParametre(k, k == 0 ? p.trimmed() : p);
    }

    return c.LitQueue(lu, jetable);
}

}  // namespace

LectureCourbe LitCourbe(const QString& premiereLigne, SourceLignes& source, int fenetre, ListeIdentifiants& liensDerivees)
{
    LectureCourbe r;
    const int debut = source.numero();
    LecteurEnregistrement lu(source, debut);
    QString tete = premiereLigne;
    if (tete.endsWith(QLatin1Char('\r')))
        tete.chop(1);
    if (tete.startsWith(QLatin1Char('&')))
        tete.remove(0, 1);
    const QString champLettre = PremierChamp(tete);
    const QChar lettre = champLettre.isEmpty() ? QChar() : champLettre.at(0).toUpper();
    QString identifiant = PremierChamp(tete);

    if (!EstGenreCourbe(lettre)) {
        lu.passeJusquAuSeparateur();
        r.issue = IssueLecture::Ignoree;
        r.message = QStringLiteral("Ligne %1 : le type de courbe « %2 » n'est pas connu, la courbe est ignorée.")
                        .arg(debut)
                        .arg(champLettre);
        return r;
    }

    // A further showing of a curve already read is read in full, then dropped.
    const int numero = etatGraphe().CompteurCourbes;
    if (!identifiant.contains(QLatin1Char('/')))
        identifiant = QString::number(numero) + horodatage();
    const bool jetable = liensDerivees.contains(identifiant);
    r.identifiant = identifiant;

    PtrCourbe c = CreeCourbe(lettre, fenetre, jetable ? 0 : numero);
    if (!c->LitChampsTete(tete, lu)) {
        r.issue = IssueLecture::Arret;
        r.message = lu.erreur();
        return r;
    }
    if (!jetable)
        nouveauNumero();
    QString arret;
    const bool ok = LitSuite(*c, tete, identifiant, jetable, lu, arret);
    r.avertissements = lu.avertissements();
    if (!ok) {
        r.issue = IssueLecture::Arret;
        r.message = arret.isEmpty() ? lu.erreur() : arret;
        return r;
    }
    r.courbe = c;
    if (jetable) {
        r.issue = IssueLecture::Repetee;
        r.lien = QStringLiteral("%1;%2").arg(fenetre).arg(identifiant);
        return r;
    }
    liensDerivees << identifiant;
    InscritNom(*c);
    r.issue = IssueLecture::Courbe;
    return r;
}

LectureBloc LitBlocDonnees(const QString& premiereLigne, SourceLignes& source, const LectureCourbe& precedente)
{
    LectureBloc r;
    const int debut = source.numero();
    QString l = premiereLigne;
    if (l.endsWith(QLatin1Char('\r')))
        l.chop(1);
    if (l.startsWith(QLatin1Char('!')))
        l.remove(0, 1);
    const QString champ = PremierChamp(l);
    int n = 0;
    if (!champ.trimmed().isEmpty() && !LitEntier(champ, n)) {
        r.arret = true;
        r.message = QStringLiteral("Lecture interrompue à la ligne %1 : « %2 » n'est pas un nombre entier "
                                   "(nombre de lignes des données incluses).").arg(debut).arg(champ);
        return r;
    }
    QStringList lignes;
    for (int k = 0; k < n && !source.fin(); ++k) {
        QString d = source.suivante();
        if (d.endsWith(QLatin1Char('\r')))
            d.chop(1);
        lignes << d;
    }
    const bool complet = lignes.size() >= n;
    const PtrCourbe& c = precedente.courbe;
    if (precedente.issue != IssueLecture::Courbe || !c || !c->AvecFichierDonnees()) {
        if (precedente.issue != IssueLecture::Repetee && n > 0)
            r.message = QStringLiteral("Ligne %1 : données incluses sans courbe de points avant elles, "
                                       "elles sont ignorées.").arg(debut);
        return r;
    }
    if (n <= 0)
        return r;
    if (!complet)
        r.message = QStringLiteral("Ligne %1 : le fichier s'arrête avant la fin des données incluses "
                                   "(%2 lignes sur %3).").arg(debut).arg(lignes.size()).arg(n);
    // None of its lines came: no copy, as for an empty block (an empty copy would be
    // written back as an empty block, which brings no copy).
    if (lignes.isEmpty())
        return r;
    const CopieTravail copie = EcritCopieTravail(c->Libelle1, lignes);
    if (!copie.ok) {
        r.message = r.message.isEmpty() ? copie.erreur : r.message + QLatin1Char('\n') + copie.erreur;
        return r;
    }
    r.copie = copie.chemin;
    return r;
}
