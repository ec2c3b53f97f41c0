#include "graph/courbes/lignespoints.h"

#include <QFileInfo>
#include <QPointF>
#include <cmath>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/fichiers/fichiertexte.h"

namespace {

// Where the first field of the text ends: its first ";", else its first blank, else its
// first tab; -1 when it has none.
int separateur(const QString& texte)
{
    for (const QChar c : {QLatin1Char(';'), QLatin1Char(' '), QLatin1Char('\t')}) {
        const int i = texte.indexOf(c);
        if (i >= 0)
            return i;
    }
    return -1;
}

// Cuts the first field off (the separator dropped, what follows left-trimmed); false, with
// the text left whole, when there is no separator.
bool coupe(QString& texte, QString& champ)
{
    const int i = separateur(texte);
    if (i < 0)
        return false;
    champ = texte.left(i);
    int debut = i + 1;
    while (debut < texte.size() && texte.at(debut).isSpace())
        ++debut;
    texte = texte.mid(debut);
    return true;
}

bool valeur(QString texte, double& v)
{
    texte.replace(QLatin1Char(','), QLatin1Char('.'));
    ErreurCalcul() = 0;
    v = EvalueTexte(texte.toStdString());
    const bool ok = !ErreurCalcul() && std::isfinite(v);
    ErreurCalcul() = 0;
    return ok;
}

}  // namespace

bool AnalyseLignePoint(const QString& ligne, LignePoint& point, bool polaire)
{
    QString reste = ligne;
    point = LignePoint();
    static const char* const fleches[] = {"->", "<-", "<>"};
    for (int k = 0; k < 3; ++k)
        if (reste.startsWith(QLatin1String(fleches[k]))) {
            point.fleche = k + 1;
            reste = reste.mid(2);
            break;
        }
    QString tx, ty;
    if (!coupe(reste, tx))
        return false;
    if (!coupe(reste, ty)) {
        ty = reste;
        reste.clear();
    }
    point.etiquette = reste;
    // Both values must read: a y that reads must not hide an x that does not.
    double a = 0, b = 0;
    if (!valeur(tx, a) || !valeur(ty, b))
        return false;
    if (polaire) {
        const double angle = M_PI * b / 180;
        point.x = a * std::cos(angle);
        point.y = a * std::sin(angle);
    } else {
        point.x = a;
        point.y = b;
    }
    return true;
}

EtiquettePoint AnalyseEtiquette(const QString& champ)
{
    EtiquettePoint e;
    QString reste = champ;
    if (!coupe(reste, e.texte)) {
        e.texte = reste;
        return e;
    }
    QString position;
    if (!coupe(reste, position)) {
        position = reste;
        reste.clear();
    }
    if (!position.isEmpty())
        e.position = position;
    if (!reste.isEmpty())
        e.angle = reste;
    return e;
}

QPoint DecaleEtiquette(const QString& code, QPoint p, int W, int H, int gx, int gy)
{
    const int px = p.x(), py = p.y();
    if (code == QLatin1String("hd"))
        return {px + gx, py - H};
    if (code == QLatin1String("bd"))
        return {px + gx, py + gy};
    if (code == QLatin1String("b"))
        return {px - W / 2, py + gy};
    if (code == QLatin1String("bg"))
        return {px - gx - W, py + gy};
    if (code == QLatin1String("g"))
        return {px - gx - W, py - H / 2};
    if (code == QLatin1String("hg"))
        return {px - gx - W, py - H};
    if (code == QLatin1String("h"))
        return {px - W / 2, py - H};
    return {px + gx, py - H / 2};
}

QString PositionPstricks(const QString& code)
{
    static const char* const table[][2] = {{"d", "r"},   {"h", "u"},   {"g", "l"},   {"b", "d"},
                                           {"hd", "ur"}, {"hg", "ul"}, {"bg", "dl"}, {"bd", "dr"}};
    for (const auto& t : table)
        if (code == QLatin1String(t[0]))
            return QString::fromLatin1(t[1]);
    return QStringLiteral("r");
}

bool EstLignePolice(const QString& ligne)
{
    return ligne.startsWith(QChar(0xA7));
}

Police PoliceDeLigne(const QString& ligne, const Police& avant)
{
    Police police = avant;
    QString champs = ligne.mid(1);
    LitPolice(champs, police);
    return police;
}

std::vector<QPointF> PointsDeControle(const QStringList& lignes, bool polaire)
{
    std::vector<QPointF> points;
    for (const QString& l : lignes) {
        const QString ligne = l.trimmed();
        LignePoint p;
        if (!ligne.isEmpty() && !EstLignePolice(ligne) && AnalyseLignePoint(ligne, p, polaire))
            points.emplace_back(p.x, p.y);
    }
    return points;
}

bool LitDonnees(const GCCourbe& courbe, QStringList& lignes, QString& erreur)
{
    const QString chemin = FichierDonnees(courbe);
    if (chemin.isEmpty()) {
        erreur = QStringLiteral("Fichier de données introuvable : ") + courbe.Libelle1;
        return false;
    }
    LectureTexte lecture = LitFichierTexte(chemin);
    if (!lecture.ok) {
        erreur = lecture.erreur;
        return false;
    }
    lignes = std::move(lecture.lignes);
    return true;
}
