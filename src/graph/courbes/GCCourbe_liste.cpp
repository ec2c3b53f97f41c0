// Kind L, the list of points kept in a text file: its trace (points, arrows, labels) and
// the edits that dragging a point makes in the file.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "expression/etat.h"
#include "expression/formatage.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/genres_outils.h"
#include "graph/courbes/lignespoints.h"
#include "graph/courbes/tracepoint.h"
#include "graph/fichiers/fichierstravail.h"
#include "graph/fichiers/fichiertexte.h"
#include "graph/repere/GCRepere.h"
#include "graph/textes/GCTexte.h"
#include "graph/textes/TeXGestion.h"

namespace {

// A label of a point: its text in the font of the lines above it, turned by its angle, at
// the place its position code gives.
void DessineEtiquette(QPainter& peintre, const QString& champ, QPoint pixel, const Police& police)
{
    const EtiquettePoint e = AnalyseEtiquette(champ);
    GCTexte texte(0, QStringLiteral("0"), QStringLiteral("0"), false, police);
    texte.SetTexte(e.texte);
    texte.SetOrientation(int(std::lround(std::clamp(genres::evalue(e.angle), -1e6, 1e6))));
    const BoiteTeX boite = MesureTeX(texte.TexteAffiche(), police.qfont(etatGraphe().FacteurEchelle), peintre.device());
    const QPoint coin = DecaleEtiquette(e.position, pixel, boite.largeur, boite.hauteur(),
                                        PixelsEchelle(etatGraphe().EcartEtiquetteX),
                                        PixelsEchelle(etatGraphe().EcartEtiquetteY));
    texte.Dessine(coin.x(), coin.y(), peintre);
}

// The lines of a file cut with their own ends kept: line k is octets[debut[k], fin[k]),
// its end runs to debut[k + 1]. Lines end as the text reader cuts them (LF or CR LF).
struct LignesBrutes {
    QByteArray octets;
    std::vector<qsizetype> debut, fin;
};

LignesBrutes coupeLignes(QByteArray octets)
{
    LignesBrutes l;
    l.octets = std::move(octets);
    // The byte-order mark that the text reader drops with the bytes it takes as UTF-8.
    qsizetype i = l.octets.startsWith("\xEF\xBB\xBF") && EstUtf8Valide(l.octets) ? 3 : 0;
    const qsizetype n = l.octets.size();
    while (i < n) {
        qsizetype j = l.octets.indexOf('\n', i);
        const qsizetype suivante = j < 0 ? n : j + 1;
        if (j < 0)
            j = n;
        qsizetype f = j;
        if (f > i && l.octets.at(f - 1) == '\r')
            --f;
        l.debut.push_back(i);
        l.fin.push_back(f);
        i = suivante;
    }
    return l;
}

}  // namespace

void GCCourbe::RefusDonnees(QPainter& peintre, GCRepere& repere, const QString& raison)
{
    // The previous points must not stay as this curve's: its files are emptied.
    TraceurCourbe(*this, peintre, repere).Termine();
    SignaleRefus(QStringLiteral("Impossible de tracer la courbe! ") + raison);
}

bool GCCourbe::LignesDonnees(QPainter& peintre, GCRepere& repere, QStringList& lignes)
{
    QString erreur;
    if (LitDonnees(*this, lignes, erreur))
        return true;
    RefusDonnees(peintre, repere, erreur);
    return false;
}

void GCCourbe::Trace(QPainter& peintre, GCRepere& repere)
{
    if (TypeCourbe != QLatin1Char('L')) {
        TraceIndisponible();
        return;
    }
    QStringList lignes;
    if (!LignesDonnees(peintre, repere, lignes))
        return;
    EvalueParametres();
    TraceurCourbe traceur(*this, peintre, repere);
    traceur.FixeStylo(StyloLeve);
    // The labels' font: the program's default, changed by the font lines for this trace only.
    Police police = etatGraphe().FonteDefaut;
    const bool etiquettes = Visible && !SansMemoPoints();
    ValeursCourantes& vc = etatGraphe().valeursCourantes;
    int compte = 0;
    bool precedent = false;
    QPoint dernier;
    for (const QString& brute : std::as_const(lignes)) {
        const QString ligne = brute.trimmed();
        if (ligne.isEmpty())
            continue;
        LignePoint p;
        if (EstLignePolice(ligne) || !AnalyseLignePoint(ligne, p, Batons)) {
            const std::uint8_t stylo = traceur.Stylo();
            traceur.LigneErreur(QStringLiteral("chaîne rencontrée: ") + ligne);
            if (EstLignePolice(ligne)) {
                // A change of font alone does not break the line.
                police = PoliceDeLigne(ligne, police);
                traceur.FixeStylo(stylo);
            } else {
                traceur.FixeStylo(StyloLeve);
            }
            continue;
        }
        ++compte;
        const QPoint pixel = repere.MondeVersPixel(p.x, p.y);
        // An arrow needs the point before it.
        if (p.fleche != 0 && Visible && precedent)
            DessineFleche(peintre, dernier, pixel, Couleur, p.fleche);
        traceur.Point(compte, p.x, p.y);
        if (!p.etiquette.isEmpty() && etiquettes) {
            traceur.DesactiveLots();
            vc.n = vc.t = compte;
            vc.x = p.x;
            vc.y = p.y;
            DessineEtiquette(peintre, p.etiquette, pixel, police);
        }
        dernier = pixel;
        precedent = true;
    }
    traceur.Termine();
}

QStringList GCCourbe::PointsProches(const GCRepere& repere, int mx, int my) const
{
    QStringList entrees;
    QStringList lignes;
    QString erreur;
    if (!LitDonnees(*this, lignes, erreur))
        return entrees;
    EvalueParametres();
    for (int i = 0; i < lignes.size(); ++i) {
        const QString ligne = lignes.at(i).trimmed();
        LignePoint p;
        if (ligne.isEmpty() || EstLignePolice(ligne) || !AnalyseLignePoint(ligne, p, Batons))
            continue;
        const QPoint q = repere.MondeVersPixel(p.x, p.y);
        if (mx - 4 < q.x() && q.x() < mx + 4 && my - 4 < q.y() && q.y() < my + 4)
            entrees << QString::number(i + 1) + QLatin1Char('\\') + lignes.at(i);
    }
    return entrees;
}

bool GCCourbe::RemplaceLignePoint(int n, const QString& texte, QString* erreur)
{
    QString raison;
    const QString chemin = FichierDonnees(*this);
    QFile f(chemin);
    if (chemin.isEmpty() || !f.open(QIODevice::ReadOnly)) {
        raison = QStringLiteral("Fichier de points introuvable ou illisible : ") + Libelle1;
    } else if (!EcritureAccordee(chemin, DossierDocument)) {
        raison = QStringLiteral("Le fichier de points %1 n'est pas modifié.").arg(QDir::toNativeSeparators(chemin));
    } else {
        const LignesBrutes l = coupeLignes(f.readAll());
        f.close();
        if (n < 1 || n > qsizetype(l.debut.size())) {
            raison = QStringLiteral("Le fichier %1 n'a pas de ligne %2.").arg(chemin).arg(n);
        } else {
            // The new line in the file's own encoding.
            const QByteArray ligne = EstUtf8Valide(l.octets) ? texte.toUtf8() : EnWindows1252(texte);
            QByteArray octets = l.octets.left(l.debut[std::size_t(n - 1)]) + ligne +
                                l.octets.mid(l.fin[std::size_t(n - 1)]);
            if (EcritOctets(chemin, octets, &raison))
                return true;
        }
    }
    if (erreur)
        *erreur = raison;
    return false;
}

bool GCCourbe::DeplacePointListe(int n, double x, double y, QString* erreur)
{
    QStringList lignes;
    QString raison;
    if (!LitDonnees(*this, lignes, raison)) {
        if (erreur)
            *erreur = raison;
        return false;
    }
    const QString ligne = lignes.value(n - 1).trimmed();
    LignePoint p;
    EvalueParametres();
    if (n < 1 || n > lignes.size() || EstLignePolice(ligne) || !AnalyseLignePoint(ligne, p, Batons)) {
        if (erreur)
            *erreur = QStringLiteral("La ligne %1 du fichier de points ne donne pas de point.").arg(n);
        return false;
    }
    double a = x, b = y;
    if (Batons) {
        a = std::hypot(x, y);
        b = std::atan2(y, x) * 180 / M_PI;
    }
    static const char* const fleches[] = {"", "->", "<-", "<>"};
    QString texte = QString::fromLatin1(fleches[p.fleche]) + QString::fromStdString(ReelExact(a)) + QLatin1Char(';') +
                    QString::fromStdString(ReelExact(b));
    if (!p.etiquette.isEmpty())
        texte += QLatin1Char(';') + p.etiquette;
    return RemplaceLignePoint(n, texte, erreur);
}
