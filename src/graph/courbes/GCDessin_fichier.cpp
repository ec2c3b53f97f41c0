// The curve records of a document.
//
//   (a line holding one blank)
//   &<letter>;<identifier>;<kind fields>;<projection mark>;[2;]
//   [two piloting lines: kind L, and kind Q of operation 17]
//   [range line: Xinf;Xsup;Pas; or v;<file of imposed values>; then random flag; arrows;]
//   style line: visible;outside index;colour;style;width;delay;bars;joined;[brush;mode;]
//               marker type;size;colour;angle;filled;[own label text]
//   [label line, when the own label has a text: gapX;gapY;right;orientation;font]
//   texts line: text 1;text 2;name;
//   parameters line: a0;...;a9;
//   [tail: mothers' identifiers, or the "!" block of the data file]
//
// Every field ends with ";". Texts that must stay one field have their ";" written as ","
// and their line breaks as blanks.
#include <QFileInfo>
#include <QHash>

#include "expression/etat.h"
#include "graph/courbes/GCDessin.h"
#include "graph/textes/GCTexte.h"
#include "graph/base/etatgraphe.h"
#include "graph/fichiers/fichierstravail.h"
#include "graph/fichiers/fichiertexte.h"
#include "graph/courbes/genres.h"

namespace {

bool Parmi(QChar lettre, const char* lettres)
{
    for (const char* p = lettres; *p; ++p)
        if (lettre == QLatin1Char(*p))
            return true;
    return false;
}

// Kinds followed by a range line.
bool AvecPlage(QChar l) { return Parmi(l, "DEGHIJOPQRSTUXY"); }
// Kinds with an own label at the end of the style line.
bool AvecEtiquette(QChar l) { return Parmi(l, "PTXY"); }
// Kinds whose data file follows as a "!" block.
bool AvecDonnees(QChar l) { return Parmi(l, "BCLW"); }
// Kinds whose texts are compiled when read.
bool TextesCompiles(QChar l) { return Parmi(l, "DEHIJNPRSTXY"); }

// A text kept as one field.
QString Champ(const QString& texte)
{
    return TexteDeChamp(texte) + QLatin1Char(';');
}

QString Entier(int v) { return QString::number(v) + QLatin1Char(';'); }

// The bounds of a new curve, for a curve that has none of its own to write.
const QString BornesParDefaut = QStringLiteral("-5;5;0.125;");

// The initial-condition summary of a differential equation of order n:
// "y(Xo)=Yo;" then "y[k](Xo)=Y(k)o;" for k = 1 .. n-1.
QString ResumeConditions(int ordre, const std::array<QString, 11>& t)
{
    QString r = QStringLiteral("y(%1)=%2;").arg(t[0], t[1]);
    for (int k = 1; k < ordre && k + 1 < int(t.size()); ++k)
        r += QStringLiteral("y[%1](%2)=%3;").arg(k).arg(t[0], t[k + 1]);
    return r;
}


template <class T>
const T* Comme(const GCCourbe& c, std::shared_ptr<GCCourbe>& defaut)
{
    if (const auto* p = dynamic_cast<const T*>(&c))
        return p;
    // A curve whose class does not match its letter: the kind's defaults keep the layout.
    defaut = CreeCourbe(c.TypeCourbe, c.NumeroFenetre, 0);
    return dynamic_cast<const T*>(defaut.get());
}

void EcritEnTete(const GCCourbe& c, QString& t)
{
    const QChar l = c.TypeCourbe;
    PtrCourbe defaut;
    switch (l.unicode()) {
    case 'A':
        t += Entier(c.SousType);
        break;
    case 'B':
    case 'C':
    case 'W':
        if (const auto* g = Comme<GCC>(c, defaut))
            t += Champ(g->Debut) + Champ(g->PasC);
        break;
    case 'D':
    case 'G':
        if (const auto* g = Comme<GCDG>(c, defaut))
            t += Entier(g->Ordre);
        break;
    case 'E':
        if (const auto* e = Comme<GCE>(c, defaut)) {
            t += Entier(e->Ordre);
            for (const QString& x : e->TextesInitiaux)
                t += Champ(x);
        }
        break;
    case 'H':
    case 'J':
    case 'R':
    case 'S':
        // H too writes the texts of Xo and Yo, not rounded values.
        if (const auto* r = Comme<GCRS>(c, defaut))
            t += Champ(r->TexteBorne1) + Champ(r->TexteBorne2);
        break;
    case 'I':
        if (const auto* i = Comme<GCI>(c, defaut)) {
            t += Entier(i->SousType);
            for (const QString& x : i->TextesCoefficients)
                t += Champ(x);
        }
        break;
    case 'N':
        if (const auto* n = Comme<GCN>(c, defaut)) {
            t += Champ(n->Iterations) + Champ(n->TexteXo) + Champ(n->TexteYo) + Entier(n->SousType);
            if (n->SousType != 0) {
                t += Champ(n->DebutVisible) + Champ(n->FinVisible);
            } else {
                const GCY* fille = n->Filles.empty() ? nullptr : dynamic_cast<const GCY*>(n->Filles.front().get());
                t += fille ? Champ(fille->Xinf) + Champ(fille->Xsup) + Champ(fille->Pas) : BornesParDefaut;
            }
        }
        break;
    case 'O':
        if (const auto* o = Comme<GCOperBinaire>(c, defaut)) {
            t += Entier(o->Operation);
            for (const QString& x : o->ParametresOperation)
                t += Champ(x);
        }
        break;
    case 'Q':
    case 'U':
        if (const auto* q = Comme<GCOperUnaire>(c, defaut)) {
            t += Entier(q->Operation);
            for (const QString& x : q->ParametresOperation)
                t += Champ(x);
            t += Entier(q->SousType);
        }
        break;
    default:
        break;
    }
}

bool AvecPilotage(const GCCourbe& c)
{
    if (c.TypeCourbe == QLatin1Char('L'))
        return true;
    if (c.TypeCourbe == QLatin1Char('Q'))
        if (const auto* q = dynamic_cast<const GCOperUnaire*>(&c))
            return q->Operation == 17;
    return false;
}

// The lines of one curve record, without its "!" block.
void EcritCourbe(const GCCourbe& c, QStringList& lignes)
{
    const QChar l = c.TypeCourbe;
    lignes << QStringLiteral(" ");

    QString tete = QStringLiteral("&") + l + QLatin1Char(';') + Champ(c.Identifiant);
    EcritEnTete(c, tete);
    tete += Entier(c.Hachure);
    const bool pilotage = AvecPilotage(c);
    if (pilotage)
        tete += QStringLiteral("2;");
    lignes << tete;
    if (pilotage)
        for (int k = 0; k < 2; ++k)
            lignes << SurUneLigne(k < c.Pilotage.size() ? c.Pilotage.at(k) : QStringLiteral("aucun"));

    const auto* y = dynamic_cast<const GCY*>(&c);
    if (AvecPlage(l) && !y) {
        lignes << BornesParDefaut + QStringLiteral("f;0;");
    } else if (AvecPlage(l)) {
        QString plage = y->ValeursImposees ? QStringLiteral("v;") + Champ(y->FichierValeurs)
                                           : Champ(y->Xinf) + Champ(y->Xsup) + Champ(y->Pas);
        plage += TexteBooleen(y->Aleatoire) + Entier(y->Fleches);
        lignes << plage;
    }

    QString style = TexteBooleen(c.Visible) + TexteBooleen(c.HorsIndex) + CouleurEnTexte(c.Couleur) + QLatin1Char(';')
                    + Entier(c.Style) + Entier(c.Epaisseur) + Entier(c.Tempo) + TexteBooleen(c.Batons)
                    + TexteBooleen(c.Joint);
    if (l == QLatin1Char('A')) {
        PtrCourbe defaut;
        if (const auto* a = Comme<GCA>(c, defaut))
            style += Entier(a->StyleRemplissage) + Entier(a->ModeCopie);
    }
    const GCPoint& m = c.Marqueur;
    style += Entier(m.TypePoint) + Entier(m.Epaisseur) + CouleurEnTexte(m.Couleur) + QLatin1Char(';') + Entier(m.Angle)
             + TexteBooleen(m.Rempli);
    const auto* rel = dynamic_cast<const GCRelNum*>(&c);
    const GCTexte* etiquette = AvecEtiquette(l) && rel ? rel->Etiquette.get() : nullptr;
    const QString texteEtiquette = etiquette ? SurUneLigne(etiquette->GetTexte()) : QString();
    style += texteEtiquette;
    lignes << style;
    if (!texteEtiquette.isEmpty())
        lignes << Entier(etiquette->EcartX) + Entier(etiquette->EcartY) + TexteBooleen(etiquette->ADroite)
                      + Entier(etiquette->GetOrientation()) + FonteVersTexte(etiquette->GetFonte());

    // The summary of a differential equation holds ";" of its own; the reader rebuilds it
    // and takes the name from the last field.
    const QString texte2 = l == QLatin1Char('E') ? SurUneLigne(c.Libelle2) + QLatin1Char(';') : Champ(c.Libelle2);
    lignes << Champ(c.Libelle1) + texte2 + Champ(c.Nom);

    QString parametres;
    for (int k = 0; k < 10; ++k)
        parametres += Champ(c.Parametre(k));
    lignes << parametres;

    if (Parmi(l, "ADGQU") || (l == QLatin1Char('N') && c.SousType == 0))
        lignes << Champ(c.Mere1);
    else if (l == QLatin1Char('O'))
        lignes << Champ(c.Mere1) + Champ(c.Mere2);
}

}  // namespace

QString FichierDonnees(const GCCourbe& c)
{
    const auto lisible = [](const QString& chemin) {
        const QFileInfo info(chemin);
        return !chemin.trimmed().isEmpty() && info.isFile() && info.isReadable();
    };
    QString stocke = c.Libelle1;
    stocke.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (lisible(stocke))
        return QFileInfo(stocke).absoluteFilePath();
    if (lisible(c.CopieDonnees))
        return c.CopieDonnees;
    // Not the working folder's file of that name: it may be the copy of another path.
    return {};
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
        if (!AvecDonnees(c->TypeCourbe) || c->Libelle1.trimmed().isEmpty())
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

// "Something remains": at least two characters are left on the line.
bool Reste(const QString& ligne) { return ligne.size() >= 2; }

class LecteurCourbe {
public:
    LecteurCourbe(SourceLignes& source, int debut) : source_(source), debut_(debut), ligne_(debut) {}

    // The next line of the record; false (with the message) at the end of the file.
    bool suivante(QString& l)
    {
        if (source_.fin()) {
            erreur_ = QStringLiteral("Lecture interrompue : le fichier s'arrête au milieu de la courbe "
                                     "commencée à la ligne %1.").arg(debut_);
            return false;
        }
        l = source_.suivante();
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
        ligne_ = source_.numero();
        return true;
    }

    bool entier(QString& l, int& v, const QString& quoi)
    {
        const QString champ = PremierChamp(l);
        if (LitEntier(champ, v))
            return true;
        if (champ.trimmed().isEmpty())
            erreur_ = QStringLiteral("Lecture interrompue à la ligne %1 : un nombre entier manque (%2).")
                          .arg(ligne_)
                          .arg(quoi);
        else
            erreur_ = QStringLiteral("Lecture interrompue à la ligne %1 : « %2 » n'est pas un nombre entier (%3).")
                          .arg(ligne_)
                          .arg(champ, quoi);
        return false;
    }

    bool octet(QString& l, std::uint8_t& v, const QString& quoi)
    {
        int n = 0;
        if (!entier(l, n, quoi))
            return false;
        v = static_cast<std::uint8_t>(n);
        return true;
    }

    void couleur(QString& l, TCouleur& c, const QString& quoi)
    {
        const QString champ = PremierChamp(l);
        if (!TexteEnCouleur(champ.trimmed(), c))
            avertissements_ << QStringLiteral("ligne %1 : couleur %2 « %3 » illisible, couleur par défaut gardée")
                                   .arg(ligne_)
                                   .arg(quoi, champ);
    }

    void avertit(const QString& texte) { avertissements_ << QStringLiteral("ligne %1 : %2").arg(ligne_).arg(texte); }

    const QString& erreur() const { return erreur_; }
    const QStringList& avertissements() const { return avertissements_; }
    int ligne() const { return ligne_; }

    // Passes the lines over up to the next separator line (empty, or one blank), which is
    // consumed too; a "!" block met on the way is passed over by its count.
    void passeJusquAuSeparateur()
    {
        while (!source_.fin()) {
            QString l = source_.suivante();
            if (l.endsWith(QLatin1Char('\r')))
                l.chop(1);
            if (l.isEmpty() || l == QLatin1String(" "))
                return;
            if (l.startsWith(QLatin1Char('!'))) {
                QString reste = l.mid(1);
                int n = 0;
                if (LitEntier(PremierChamp(reste), n))
                    for (int k = 0; k < n && !source_.fin(); ++k)
                        source_.suivante();
            }
        }
    }

private:
    SourceLignes& source_;
    int debut_;
    int ligne_;
    QString erreur_;
    QStringList avertissements_;
};

template <class T>
T* En(const PtrCourbe& c)
{
    return dynamic_cast<T*>(c.get());
}

// Step 1: the curve of the kind and the kind's fields of the header line.
PtrCourbe CreeDepuisEnTete(QChar l, QString& tete, int fenetre, int numero, LecteurCourbe& lu)
{
    int entier = 0;
    switch (l.unicode()) {
    case 'A': {
        if (!lu.entier(tete, entier, QStringLiteral("sous-type")))
            return nullptr;
        PtrCourbe c = CreeCourbe(l, fenetre, numero, entier);
        c->FixeSousType(entier);
        return c;
    }
    case 'B':
    case 'C':
    case 'W': {
        PtrCourbe c = CreeCourbe(l, fenetre, numero);
        const QString debut = PremierChamp(tete);
        const QString pas = PremierChamp(tete);
        if (auto* g = En<GCC>(c))
            g->FixeDebutPas(debut, pas);
        return c;
    }
    case 'D':
    case 'G':
        if (!lu.entier(tete, entier, QStringLiteral("ordre de dérivation")))
            return nullptr;
        return CreeCourbe(l, fenetre, numero, entier);
    case 'E': {
        if (!lu.entier(tete, entier, QStringLiteral("ordre de l'équation")))
            return nullptr;
        PtrCourbe c = CreeCourbe(l, fenetre, numero, entier);
        std::array<QString, 11> textes;
        for (int k = 0; k < 11; ++k) {
            textes[k] = PremierChamp(tete);
            if (k > entier)
                textes[k] = QStringLiteral("0");
        }
        if (auto* e = En<GCE>(c))
            e->FixeConditionsInitiales(textes);
        return c;
    }
    case 'H':
    case 'J':
    case 'R':
    case 'S': {
        PtrCourbe c = CreeCourbe(l, fenetre, numero);
        const QString b1 = PremierChamp(tete);
        const QString b2 = PremierChamp(tete);
        if (auto* r = En<GCRS>(c))
            r->FixeBornes(b1, b2);
        return c;
    }
    case 'I': {
        if (!lu.entier(tete, entier, QStringLiteral("sous-type")))
            return nullptr;
        PtrCourbe c = CreeCourbe(l, fenetre, numero, entier);
        std::array<QString, 6> coefficients;
        const bool avec = Reste(tete);
        for (QString& x : coefficients)
            x = avec ? PremierChamp(tete) : QStringLiteral("0");
        if (auto* i = En<GCI>(c))
            i->FixeCoefficients(coefficients);
        PtrCourbe fille = CreeCourbe(QLatin1Char('T'), fenetre, numero);
        fille->Copie(*c);
        fille->FixeModeTrace(false, true);
        fille->FixeSousType(0);
        c->AjouteFille(fille);
        return c;
    }
    case 'L':
    case 'P':
    case 'T':
    case 'X':
    case 'Y':
        return CreeCourbe(l, fenetre, numero);
    case 'N': {
        const QString iterations = PremierChamp(tete);
        const QString xo = PremierChamp(tete);
        const QString yo = PremierChamp(tete);
        if (!lu.entier(tete, entier, QStringLiteral("sous-type")))
            return nullptr;
        PtrCourbe c = CreeCourbe(l, fenetre, numero, entier);
        auto* n = En<GCN>(c);
        if (n)
            n->FixeConditions(iterations, xo, yo);
        if (Reste(tete)) {
            const QString a = PremierChamp(tete);
            const QString b = PremierChamp(tete);
            if (entier == 0) {
                auto fille = std::make_shared<GCY>(QLatin1Char('Y'), fenetre, numero);
                const QString pas = Reste(tete) ? PremierChamp(tete) : fille->Pas;
                fille->FixeBornes(a, b, pas);
                c->AjouteFille(fille);
            } else if (n) {
                n->FixeIterationsVisibles(a, b);
            }
        }
        return c;
    }
    case 'O': {
        if (!lu.entier(tete, entier, QStringLiteral("code d'opération")))
            return nullptr;
        PtrCourbe c = CreeCourbe(l, fenetre, numero, entier);
        std::array<QString, 3> p;
        for (QString& x : p)
            x = PremierChamp(tete);
        if (auto* o = En<GCOperBinaire>(c))
            o->FixeParametres(p);
        return c;
    }
    case 'Q':
    case 'U': {
        if (!lu.entier(tete, entier, QStringLiteral("code d'opération")))
            return nullptr;
        PtrCourbe c = CreeCourbe(l, fenetre, numero, entier);
        std::array<QString, 6> p;
        for (QString& x : p)
            x = PremierChamp(tete);
        if (auto* q = En<GCOperUnaire>(c))
            q->FixeParametres(p);
        if (Reste(tete)) {
            int sousType = 0;
            if (!lu.entier(tete, sousType, QStringLiteral("sous-type")))
                return nullptr;
            c->FixeSousType(sousType);
        }
        return c;
    }
    default:
        return nullptr;
    }
}

// Steps 2 to 8 of a record, after the curve was created. False on a failure (the reader's
// message says which).
bool LitSuite(const PtrCourbe& c, QChar l, QString& tete, const QString& identifiant, bool jetable,
              LecteurCourbe& lu, QString& arret)
{
    int entier = 0;
    // Projection mark and piloting lines.
    if (!Reste(tete))
        c->FixeHachure(0);
    else if (lu.entier(tete, entier, QStringLiteral("marque de projection")))
        c->FixeHachure(entier);
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
        c->Pilotage = pilotage;
    }
    c->FixeIdentifiant(identifiant);

    QString ligne;
    if (AvecPlage(l)) {
        if (!lu.suivante(ligne))
            return false;
        auto* y = En<GCY>(c);
        const QString premier = PremierChamp(ligne).trimmed();
        if (premier.startsWith(QLatin1Char('v'))) {
            const QString fichier = PremierChamp(ligne);
            if (y) {
                y->ValeursImposees = true;
                y->FichierValeurs = fichier;
            }
        } else {
            const QString xsup = PremierChamp(ligne);
            const QString pas = PremierChamp(ligne);
            if (y)
                y->FixeBornes(premier, xsup, pas);
        }
        const bool aleatoire = LitBooleen(PremierChamp(ligne));
        int fleches = 0;
        QString copie = ligne;
        if (!PremierChamp(copie).trimmed().isEmpty() && !lu.entier(ligne, fleches, QStringLiteral("flèches")))
            return false;
        if (y) {
            y->FixeAleatoire(aleatoire);
            y->Fleches = fleches;
        }
    }

    // Style line, then the marker and the own label when they are there.
    if (!lu.suivante(ligne))
        return false;
    c->Visible = LitBooleen(PremierChamp(ligne).trimmed());
    c->HorsIndex = LitBooleen(PremierChamp(ligne));
    lu.couleur(ligne, c->Couleur, QStringLiteral("du tracé"));
    std::uint8_t style = 0;
    int epaisseur = 0, tempo = 0;
    if (!lu.octet(ligne, style, QStringLiteral("style du trait")) ||
        !lu.entier(ligne, epaisseur, QStringLiteral("épaisseur")) ||
        !lu.entier(ligne, tempo, QStringLiteral("temporisation")))
        return false;
    c->Style = style;
    c->Epaisseur = epaisseur;
    c->FixeTempo(tempo);
    const bool batons = LitBooleen(PremierChamp(ligne));
    const bool joint = LitBooleen(PremierChamp(ligne));
    c->FixeModeTrace(batons, joint);
    if (l == QLatin1Char('A')) {
        int remplissage = 0, mode = 0;
        if (!lu.entier(ligne, remplissage, QStringLiteral("style de remplissage")) ||
            !lu.entier(ligne, mode, QStringLiteral("mode de copie")))
            return false;
        if (auto* a = En<GCA>(c)) {
            a->FixeStyleRemplissage(remplissage);
            a->FixeModeCopie(mode);
        }
    }
    if (Reste(ligne)) {
        GCPoint& m = c->Marqueur;
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
        auto* rel = En<GCRelNum>(c);
        if (AvecEtiquette(l) && rel && rel->Etiquette) {
            GCTexte& e = *rel->Etiquette;
            e.SetTexte(ligne);
            if (!ligne.isEmpty()) {
                QString lab;
                if (!lu.suivante(lab))
                    return false;
                int ex = 0, ey = 0, orientation = 0;
                if (!lu.entier(lab, ex, QStringLiteral("écart horizontal de l'étiquette")) ||
                    !lu.entier(lab, ey, QStringLiteral("écart vertical de l'étiquette")))
                    return false;
                const bool droite = PremierChamp(lab) == QLatin1String("v");
                if (!lu.entier(lab, orientation, QStringLiteral("orientation de l'étiquette")))
                    return false;
                Police police = e.GetFonte();
                if (!LitPolice(lab, police))
                    lu.avertit(QStringLiteral("police de l'étiquette en partie illisible"));
                e.EcartX = ex;
                e.EcartY = ey;
                e.ADroite = droite;
                e.SetOrientation(orientation);
                e.SetFonte(police);
            }
        }
    }

    // Texts line.
    if (!lu.suivante(ligne))
        return false;
    const QString texte1 = PremierChamp(ligne).trimmed();
    QString texte2;
    QString nom;
    if (l == QLatin1Char('E')) {
        // The summary holds ";" of its own: it is made again from the initial conditions,
        // and the name is the last field.
        if (auto* e = En<GCE>(c))
            texte2 = ResumeConditions(e->Ordre, e->TextesInitiaux);
        QStringList champs = ligne.split(QLatin1Char(';'));
        champs.removeLast();
        if (!champs.isEmpty())
            nom = champs.last();
    } else {
        texte2 = PremierChamp(ligne);
        nom = PremierChamp(ligne);
    }
    if (l == QLatin1Char('P') && texte2.isEmpty())
        texte2 = QStringLiteral("t");
    if (TextesCompiles(l) && En<GCRelNum>(c))
        En<GCRelNum>(c)->FixeLibelles(texte1, texte2);
    else
        c->GCCourbe::FixeLibelles(texte1, texte2);
    if (nom.isEmpty())
        nom = QStringLiteral("fn") + QString::number(c->Numero);
    c->Nom = nom;
    // The name as written must not be taken yet: "f" and "F" both load from older files.
    const int pris = Parmi(l, "XY") ? chercheFonction(majuscules(nom.toStdString())) : -1;
    if (!jetable && pris >= 0 && contexteCalcul().fonctionsNommees[std::size_t(pris)].nomTape == nom.toStdString()) {
        arret = QStringLiteral("Il existe déjà une courbe appelée :") + nom + QLatin1Char('\n') +
                QStringLiteral("Changer son nom et essayer de recharger le fichier");
        return false;
    }

    // Parameters line.
    if (!lu.suivante(ligne))
        return false;
    for (int k = 0; k < 10 && ligne.contains(QLatin1Char(';')); ++k) {
        QString p = PremierChamp(ligne);
        c->FixeParametre(k, k == 0 ? p.trimmed() : p);
    }

    // Tail.
    if (Parmi(l, "ADGQUO") || (l == QLatin1Char('N') && c->SousType == 0)) {
        if (!lu.suivante(ligne))
            return false;
        c->FixeMere(1, PremierChamp(ligne).trimmed());
        if (l == QLatin1Char('O'))
            c->FixeMere(2, PremierChamp(ligne));
    } else if (Parmi(l, "JRS")) {
        if (!jetable)
            if (auto* r = En<GCRS>(c))
                r->VerifieBornes();
    } else if (Parmi(l, "BW")) {
        // The control points are read through a list curve that stands in no list.
        PtrCourbe points = CreeCourbe(QLatin1Char('L'), c->NumeroFenetre, 0);
        points->Copie(*c);
        c->FixeMere(1, points->Identifiant);
    }
    return true;
}

}  // namespace

LectureCourbe LitCourbe(const QString& premiereLigne, SourceLignes& source, int fenetre, QStringList& liensDerivees)
{
    LectureCourbe r;
    const int debut = source.numero();
    LecteurCourbe lu(source, debut);
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

    PtrCourbe c = CreeDepuisEnTete(lettre, tete, fenetre, jetable ? 0 : numero, lu);
    if (!c) {
        r.issue = IssueLecture::Arret;
        r.message = lu.erreur();
        return r;
    }
    if (!jetable)
        nouveauNumero();
    QString arret;
    const bool ok = LitSuite(c, lettre, tete, identifiant, jetable, lu, arret);
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
    if (Parmi(lettre, "XY"))
        if (auto* y = En<GCY>(c))
            y->MemoriseLibelle();
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
    if (precedente.issue != IssueLecture::Courbe || !c || !AvecDonnees(c->TypeCourbe)) {
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
