#include "dialogs/voirechant.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QFontDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTextDocument>
#include <QVBoxLayout>
#include <cmath>
#include <utility>

#include "dialogs/aide.h"
#include "dialogs/etatsaisie.h"
#include "dialogs/fiches.h"
#include "dialogs/saishisto.h"
#include "expression/etat.h"
#include "expression/formatage.h"
#include "graph/base/etatgraphe.h"
#include "graph/derivees/GCOperUnaire.h"
#include "graph/fichiers/fichiertexte.h"

namespace {

constexpr int RoleFormule = Qt::UserRole;

QString texteReel(double v)
{
    return QString::fromStdString(ReelVersTexte(v));
}

// The column of a letter name ("A" -> 0, "AA" -> 26).
int ColonneDuNom(const QString& nom)
{
    int c = 0;
    for (QChar ch : nom.toUpper())
        c = c * 26 + (ch.unicode() - 'A' + 1);
    return c - 1;
}

// The editor shows what was typed; what is typed goes through the sheet.
class DelegueFormule : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setEditorData(QWidget* editeur, const QModelIndex& index) const override
    {
        if (auto* ligne = qobject_cast<QLineEdit*>(editeur))
            ligne->setText(index.data(RoleFormule).toString());
    }
    void setModelData(QWidget* editeur, QAbstractItemModel*, const QModelIndex& index) const override
    {
        auto* ligne = qobject_cast<QLineEdit*>(editeur);
        auto* feuille = qobject_cast<FeuilleCalcul*>(parent());
        if (ligne && feuille)
            feuille->fixe(index.row(), index.column(), FormuleAnglaise(ligne->text()));
    }
};

// The number a cell that holds no formula gives. A comma stands for the decimal point where
// it makes a number ("4,5", as French spreadsheets copy it); a text that does not become a
// number stays a text.
bool NombreCellule(const QString& texte, double& v)
{
    bool ok = false;
    v = texte.toDouble(&ok);
    if (!ok && texte.contains(QLatin1Char(',')))
        v = QString(texte).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok && std::isfinite(v);
}

}  // namespace

QString NomColonne(int colonne)
{
    QString nom;
    for (int c = colonne + 1; c > 0; c = (c - 1) / 26)
        nom.prepend(QChar('A' + (c - 1) % 26));
    return nom;
}

QString FormuleAnglaise(const QString& saisie)
{
    if (!saisie.trimmed().startsWith(QLatin1Char('=')))
        return saisie;
    // The longer names first, so that "ecartypeP" is not cut by "ecartype".
    static const std::vector<std::pair<QRegularExpression, QString>> noms = [] {
        static const char* const paires[][2] = {{"somme", "sum"},      {"moyenne", "average"}, {"ecartypeP", "stdevP"},
                                                {"varianceP", "varP"}, {"ecartype", "stdev"},  {"variance", "var"},
                                                {"racine", "sqrt"}};
        std::vector<std::pair<QRegularExpression, QString>> motifs;
        for (const auto& [francais, anglais] : paires)
            motifs.emplace_back(QRegularExpression(QStringLiteral("(?<![A-Za-z_])") + QString::fromLatin1(francais) +
                                                   QStringLiteral("(?=\\s*\\()")),
                                QString::fromLatin1(anglais));
        return motifs;
    }();
    QString texte = saisie;
    for (const auto& [motif, anglais] : noms)
        texte.replace(motif, anglais);
    return texte;
}

// ---------------------------------------------------------------------------------------

FeuilleCalcul::FeuilleCalcul(int lignes, int colonnes, QWidget* parent) : QTableWidget(lignes, colonnes, parent)
{
    for (int c = 0; c < colonnes; ++c)
        setHorizontalHeaderItem(c, new QTableWidgetItem(NomColonne(c)));
    setItemDelegate(new DelegueFormule(this));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
}

QString FeuilleCalcul::formule(int ligne, int colonne) const
{
    const QTableWidgetItem* i = item(ligne, colonne);
    return i ? i->data(RoleFormule).toString() : QString();
}

QString FeuilleCalcul::texte(int ligne, int colonne) const
{
    const QTableWidgetItem* i = item(ligne, colonne);
    return i ? i->text() : QString();
}

bool FeuilleCalcul::valeur(int ligne, int colonne, double& v) const
{
    if (!calcul_.valide || calcul_.etats.size() != std::size_t(rowCount()) * std::size_t(columnCount()))
        calcule();
    return evalueCellule(ligne, colonne, v);
}

void FeuilleCalcul::calcule() const
{
    const std::size_t n = std::size_t(rowCount()) * std::size_t(columnCount());
    calcul_.etats.assign(n, Calcul::AFaire);
    calcul_.tours.resize(n);
    calcul_.valeurs.resize(n);
    calcul_.oks.resize(n);
    // Each round computes every formula not yet done, in one direction then the other, a
    // cut staying a failure for the rest of its round: a chain longer than the depth limit is
    // done from its far end first, whichever way it runs.
    const std::size_t colonnes = std::size_t(columnCount());
    for (std::size_t restants = n + 1, tour = 0;; ++tour) {
        ++calcul_.tour;
        std::size_t coupes = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const std::size_t k = tour % 2 == 0 ? i : n - 1 - i;
            double v = 0;
            if (calcul_.etats[k] != Calcul::Fait)
                evalue(int(k / colonnes), int(k % colonnes), v, 0);
            coupes += calcul_.etats[k] == Calcul::Coupe;
        }
        if (coupes == 0 || coupes >= restants)
            break;
        restants = coupes;
    }
    calcul_.valide = true;
}

bool FeuilleCalcul::evalueCellule(int ligne, int colonne, double& v) const
{
    ++calcul_.tour;
    return evalue(ligne, colonne, v, 0);
}

bool FeuilleCalcul::evalue(int ligne, int colonne, double& v, int profondeur) const
{
    if (ligne < 0 || colonne < 0 || ligne >= rowCount() || colonne >= columnCount())
        return false;
    const QString f = formule(ligne, colonne).trimmed();
    if (!f.startsWith(QLatin1Char('=')))
        return NombreCellule(f, v);
    const std::size_t k = std::size_t(ligne) * std::size_t(columnCount()) + std::size_t(colonne);
    switch (calcul_.etats[k]) {
    case Calcul::Fait:
        v = calcul_.valeurs[k];
        return calcul_.oks[k];
    case Calcul::EnCours:
        return false;   // a formula that refers to itself, through others or not
    case Calcul::Coupe:
        if (calcul_.tours[k] == calcul_.tour)
            return false;
        break;
    case Calcul::AFaire:
        break;
    }
    if (profondeur > 100) {
        ++calcul_.coupures;
        calcul_.etats[k] = Calcul::Coupe;
        calcul_.tours[k] = calcul_.tour;
        return false;
    }
    calcul_.etats[k] = Calcul::EnCours;
    const int coupures = calcul_.coupures;
    bool ok = true;
    const auto nombre = [](double x) { return QStringLiteral("(") + QString::fromStdString(ReelExact(x)) + QLatin1Char(')'); };
    QString texte = f.mid(1);
    // Functions of a range, computed here.
    static const QRegularExpression plage(
        QStringLiteral("(?<![A-Za-z_])(sum|average|stdevp|stdev|varp|var)\\s*\\(\\s*([A-Za-z]{1,2})(\\d+)\\s*:\\s*([A-Za-z]{1,2})(\\d+)\\s*\\)"),
        QRegularExpression::CaseInsensitiveOption);
    for (QRegularExpressionMatch m = plage.match(texte); ok && m.hasMatch(); m = plage.match(texte)) {
        const int c1 = ColonneDuNom(m.captured(2)), l1 = m.captured(3).toInt() - 1;
        const int c2 = ColonneDuNom(m.captured(4)), l2 = m.captured(5).toInt() - 1;
        std::vector<double> valeurs;
        for (int l = std::min(l1, l2); l <= std::max(l1, l2) && l < rowCount(); ++l)
            for (int c = std::min(c1, c2); c <= std::max(c1, c2) && c < columnCount(); ++c) {
                double x = 0;
                if (evalue(l, c, x, profondeur + 1))
                    valeurs.push_back(x);
            }
        const QString nom = m.captured(1).toLower();
        double moyenne = 0, ecart = 0, resultat = 0;
        MoyenneEcartType(valeurs, moyenne, ecart);
        const double n = double(valeurs.size());
        if (nom == QLatin1String("sum"))
            resultat = moyenne * n;
        else if (nom == QLatin1String("average"))
            resultat = moyenne, ok = n > 0;
        else if (nom == QLatin1String("stdevp") || nom == QLatin1String("varp"))
            resultat = nom == QLatin1String("varp") ? ecart * ecart : ecart, ok = n > 0;
        else   // sample deviation and variance
            resultat = n > 1 ? ecart * ecart * n / (n - 1) : 0, resultat = nom == QLatin1String("stdev") ? std::sqrt(resultat) : resultat,
            ok = n > 1;
        texte.replace(m.capturedStart(), m.capturedLength(), nombre(resultat));
    }
    // Cells.
    static const QRegularExpression cellule(QStringLiteral("(?<![A-Za-z_0-9])([A-Za-z]{1,2})(\\d+)(?![A-Za-z0-9_(])"));
    for (QRegularExpressionMatch m = cellule.match(texte); ok && m.hasMatch(); m = cellule.match(texte)) {
        double x = 0;
        ok = evalue(m.captured(2).toInt() - 1, ColonneDuNom(m.captured(1)), x, profondeur + 1);
        texte.replace(m.capturedStart(), m.capturedLength(), nombre(x));
    }
    ok = ok && EvalueChamp(texte, v);
    calcul_.etats[k] = calcul_.coupures == coupures ? Calcul::Fait : Calcul::Coupe;
    calcul_.tours[k] = calcul_.tour;
    calcul_.valeurs[k] = v;
    calcul_.oks[k] = ok;
    return ok;
}

QString FeuilleCalcul::montre(int ligne, int colonne) const
{
    const QString f = formule(ligne, colonne);
    double v = 0;
    const bool ok = evalueCellule(ligne, colonne, v);
    if (!f.trimmed().startsWith(QLatin1Char('=')))
        return ok && decimales >= 0 ? QString::number(v, 'f', decimales) : f;
    if (!ok)
        return QStringLiteral("#ERREUR");
    return decimales >= 0 ? QString::number(v, 'f', decimales) : texteReel(v);
}

void FeuilleCalcul::agrandit(int lignes, int colonnes)
{
    if (lignes > rowCount())
        setRowCount(lignes);
    if (colonnes > columnCount()) {
        const int avant = columnCount();
        setColumnCount(colonnes);
        for (int c = avant; c < colonnes; ++c)
            setHorizontalHeaderItem(c, new QTableWidgetItem(NomColonne(c)));
    }
}

void FeuilleCalcul::fixeSansCalcul(int ligne, int colonne, const QString& saisie)
{
    agrandit(ligne + 1, colonne + 1);
    QTableWidgetItem* i = item(ligne, colonne);
    if (!i) {
        i = new QTableWidgetItem;
        setItem(ligne, colonne, i);
    }
    calcul_.valide = false;
    i->setData(RoleFormule, saisie);
    i->setText(saisie);
}

void FeuilleCalcul::fixe(int ligne, int colonne, const QString& saisie)
{
    fixeSansCalcul(ligne, colonne, saisie);
    recalcule();
}

void FeuilleCalcul::recalcule()
{
    const QSignalBlocker bloque(this);
    calcule();
    for (int l = 0; l < rowCount(); ++l)
        for (int c = 0; c < columnCount(); ++c)
            if (QTableWidgetItem* i = item(l, c)) {
                const QString f = i->data(RoleFormule).toString();
                if (f.trimmed().startsWith(QLatin1Char('=')) || decimales >= 0)
                    i->setText(montre(l, c));
                else
                    i->setText(f);
            }
    viewport()->update();
}

void FeuilleCalcul::fixeTitreColonne(int colonne, const QString& titre)
{
    agrandit(1, colonne + 1);
    horizontalHeaderItem(colonne)->setText(NomColonne(colonne) + QLatin1Char(' ') + titre);
}

// ---------------------------------------------------------------------------------------

TEchant::TEchant(const std::vector<FeuilleValeurs>& feuilles, QWidget* parent) : QDialog(parent), sources_(feuilles)
{
    setObjectName(QStringLiteral("Echant"));
    setWindowTitle(QStringLiteral("Echantillon de valeurs"));
    AppliqueCouleurFiche(this);
    onglets = Nomme(new QTabWidget(this), "F1Book");
    for (const FeuilleValeurs& f : feuilles) {
        const int n = int(std::min(f.x.size(), f.y.size()));
        auto* grille = new FeuilleCalcul(std::max(n, 1) + 20, 6, onglets);
        for (int l = 0; l < n; ++l) {
            grille->fixeSansCalcul(l, 0, texteReel(f.x[std::size_t(l)]));
            grille->fixeSansCalcul(l, 1, texteReel(f.y[std::size_t(l)]));
        }
        grille->fixeTitreColonne(0, f.titreX);
        grille->fixeTitreColonne(1, f.titreY);
        onglets->addTab(grille, f.titre.isEmpty() ? QStringLiteral("Feuille %1").arg(onglets->count() + 1) : f.titre);
        lignes_.push_back(n);
        grille->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(grille, &QWidget::customContextMenuRequested, this,
                [this, grille](const QPoint& p) { TabMenuF1->popup(grille->viewport()->mapToGlobal(p)); });
    }
    TabMenuF1 = new QMenu(this);
    const char* const entrees[3] = {"&Prévisions", "&Résidus", "&Ecarts standardisés"};
    for (int k = 0; k < 3; ++k)
        connect(TabMenuF1->addAction(QString::fromUtf8(entrees[k])), &QAction::triggered, this, [this, k] { Previsions(k); });

    ButImprim = Nomme(new QPushButton(QStringLiteral(" &Imprimer"), this), "ButImprim");
    ButFin = Nomme(new QPushButton(QStringLiteral(" &Quitter"), this), "ButFin");
    Butsave = Nomme(new QPushButton(QStringLiteral(" &Sauver   "), this), "Butsave");
    ButFont = Nomme(new QPushButton(QStringLiteral(" &Fontes   "), this), "ButFont");
    ButHist = Nomme(new QPushButton(QStringLiteral("&Histogrammes"), this), "ButHist");
    ButStat = Nomme(new QPushButton(QStringLiteral("S&tatistiques"), this), "ButStat");
    ButFormat = Nomme(new QPushButton(QStringLiteral("Format &Nb"), this), "ButFormat");
    auto* boutons = new QHBoxLayout;
    for (QPushButton* b : {ButStat, ButHist, ButFormat, ButFont, Butsave, ButImprim, ButFin}) {
        b->setAutoDefault(false);
        boutons->addWidget(b);
    }
    auto* pile = new QVBoxLayout(this);
    pile->addLayout(boutons);
    pile->addWidget(onglets);
    connect(ButFin, &QPushButton::clicked, this, &QDialog::accept);
    connect(Butsave, &QPushButton::clicked, this, &TEchant::butsaveClick);
    connect(ButStat, &QPushButton::clicked, this, &TEchant::ButStatClick);
    connect(ButHist, &QPushButton::clicked, this, &TEchant::ButHistClick);
    connect(ButImprim, &QPushButton::clicked, this, &TEchant::ButImprimClick);
    connect(ButFont, &QPushButton::clicked, this, &TEchant::ButFontClick);
    connect(ButFormat, &QPushButton::clicked, this, &TEchant::ButFormatClick);
    resize(640, 480);
}

FeuilleCalcul* TEchant::feuille() const { return qobject_cast<FeuilleCalcul*>(onglets->currentWidget()); }
FeuilleCalcul* TEchant::feuille(int indice) const { return qobject_cast<FeuilleCalcul*>(onglets->widget(indice)); }
int TEchant::nombreFeuilles() const { return onglets->count(); }

void TEchant::colonnesXY(std::vector<double>& x, std::vector<double>& y) const
{
    x.clear();
    y.clear();
    FeuilleCalcul* f = feuille();
    if (!f)
        return;
    for (int l = 0; l < f->rowCount(); ++l) {
        double a = 0, b = 0;
        if (f->valeur(l, 0, a) && f->valeur(l, 1, b)) {
            x.push_back(a);
            y.push_back(b);
        }
    }
}

QStringList TEchant::lignesSelection() const
{
    QStringList lignes;
    FeuilleCalcul* f = feuille();
    const QList<QTableWidgetSelectionRange> plages = f ? f->selectedRanges() : QList<QTableWidgetSelectionRange>();
    if (plages.isEmpty())
        return lignes;
    const QTableWidgetSelectionRange& p = plages[0];
    if (plages.size() == 1) {
        for (int l = p.topRow(); l <= p.bottomRow(); ++l)
            lignes << (p.leftColumn() < p.rightColumn()
                           ? f->texte(l, p.leftColumn()) + QLatin1Char(';') + f->texte(l, p.rightColumn()) + QLatin1Char(';')
                           : f->texte(l, p.leftColumn()));
        return lignes;
    }
    const QTableWidgetSelectionRange& q = plages[1];
    const int n = std::min(p.rowCount(), q.rowCount());
    for (int k = 0; k < n; ++k)
        lignes << f->texte(p.topRow() + k, p.leftColumn()) + QLatin1Char(';') + f->texte(q.topRow() + k, q.leftColumn()) +
                      QLatin1Char(';');
    return lignes;
}

void TEchant::butsaveClick()
{
    const QStringList lignes = lignesSelection();
    if (lignes.isEmpty()) {
        interlocuteur().message(QStringLiteral("Sélectionner d'abord les cellules à sauver."));
        return;
    }
    QString chemin = boitesSaisie().choisitFichierEcriture(this, QStringLiteral("Sauver"), QString(),
                                                           QStringLiteral("*.txt"), QStringLiteral("txt"));
    if (chemin.isEmpty())
        return;
    const QFileInfo info(chemin);
    if (info.suffix().compare(QLatin1String("txt"), Qt::CaseInsensitive) != 0) {
        // Another extension is replaced: the file dialog asked about the name typed, not
        // about this one.
        chemin = info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".txt");
        if (!RemplacementAccepte(chemin))
            return;
    }
    const EcritureTexte e = EcritFichierTexte(chemin, lignes);
    if (!e.ok)
        interlocuteur().message(e.erreur);
}

void TEchant::ButStatClick()
{
    std::vector<double> x, y;
    colonnesXY(x, y);
    if (x.empty()) {
        interlocuteur().message(QStringLiteral("Aucune valeur"));
        return;
    }
    TInfoStat info(StatistiquesDeuxColonnes(x, y, contexteCalcul().Epsilon), this);
    info.exec();
}

void TEchant::Previsions(int entree)
{
    FeuilleCalcul* f = feuille();
    if (!f)
        return;
    std::vector<double> x, y;
    colonnesXY(x, y);
    const StatistiquesDeux s = StatistiquesDeuxColonnes(x, y, contexteCalcul().Epsilon);
    if (!s.droiteDefinie) {
        interlocuteur().message(x.empty() ? QStringLiteral("Aucune valeur")
                                          : QStringLiteral("Ajustement affine impossible : les abscisses sont toutes égales."));
        return;
    }
    const QString a = texteReel(s.A), b = texteReel(s.B), et = texteReel(s.s);
    // The column of a single selection that ends at C or beyond, else C: never A or B,
    // which hold the data.
    const QList<QTableWidgetSelectionRange> plages = f->selectedRanges();
    const int c = plages.size() == 1 && plages[0].rightColumn() >= 2 ? plages[0].rightColumn() : 2;
    const char* const titres[3] = {" Prévisions ", " Résidus ", " Ecarts standardisés "};
    const int n = lignes_[std::size_t(onglets->currentIndex())];
    for (int l = 0; l < n; ++l) {
        const QString i = QString::number(l + 1);
        QString formule;
        if (entree == 0)
            formule = QStringLiteral("=(") + a + QStringLiteral(")*A") + i + QStringLiteral("+(") + b + QLatin1Char(')');
        else if (entree == 1)
            formule = QStringLiteral("=B") + i + QStringLiteral("-(") + a + QStringLiteral(")*A") + i + QStringLiteral("-(") + b +
                      QLatin1Char(')');
        else if (s.s <= contexteCalcul().Epsilon)
            formule = QStringLiteral("Erreur (div. par 0)");
        else
            formule = QStringLiteral("=(B") + i + QStringLiteral("-(") + a + QStringLiteral(")*A") + i + QStringLiteral("-(") +
                      b + QStringLiteral("))/") + et;
        f->fixeSansCalcul(l, c, formule);
    }
    f->fixeTitreColonne(c, QString::fromUtf8(titres[entree]));
    f->recalcule();
}

void TEchant::ButHistClick()
{
    const int indice = onglets->currentIndex();
    const std::shared_ptr<GCCourbe> mere = indice >= 0 ? sources_[std::size_t(indice)].courbe.lock() : nullptr;
    if (!mere) {
        interlocuteur().message(QStringLiteral("La courbe de cette feuille n'existe plus."));
        return;
    }
    QString titre;
    std::array<QString, 6> p{QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("0"),
                             QStringLiteral("1"), QString()};
    bool variables = false;
    int cumul = 0;
    if (!SaisieHisto(titre, p, variables, cumul, this))
        return;
    double debut = 0, fin = 10, w = 0;
    EvalueChamp(p[0], debut);
    EvalueChamp(p[1], fin);
    EvalueChamp(p[2], w);
    if (p[5].isEmpty() && !(w > 0)) {
        // Equal classes of width 0: ten classes over the range, stored as the width drawn.
        w = (fin - debut) / 10;
        p[2] = texteReel(w);
    }
    auto c = std::make_shared<GCOperUnaire>(QLatin1Char('U'), 41, mere->NumeroFenetre, nouveauNumero());
    c->NouvelIdentifiant();
    c->CopieMere(*mere);
    c->FixeParametres(p);
    c->FixeSousType(cumul);
    c->FixeAleatoire(variables);
    c->GCCourbe::FixeLibelles(titre + mere->Nom,
                              (p[3] == QLatin1String("0") ? QStringLiteral("Effectifs") : QStringLiteral("Fréquences")) +
                                  QStringLiteral(" des ") +
                                  (p[4] == QLatin1String("0") ? QStringLiteral("abscisses") : QStringLiteral("ordonnées")));
    c->Couleur = mere->Couleur;
    c->Epaisseur = mere->Epaisseur;
    if (histogrammeVersFenetre)
        histogrammeVersFenetre(c, debut - w, fin + w);
}

void TEchant::ButImprimClick()
{
    FeuilleCalcul* f = feuille();
    if (!f)
        return;
    QPrinter imprimante(QPrinter::HighResolution);
    if (!ChoisitImprimante(this, imprimante))
        return;
    QString html = QStringLiteral("<h3>") + onglets->tabText(onglets->currentIndex()).toHtmlEscaped() +
                   QStringLiteral("</h3><table border=1 cellspacing=0 cellpadding=2><tr>");
    int derniere = 0;
    for (int l = 0; l < f->rowCount(); ++l)
        for (int c = 0; c < f->columnCount(); ++c)
            if (!f->texte(l, c).isEmpty())
                derniere = std::max(derniere, l);
    for (int c = 0; c < f->columnCount(); ++c)
        html += QStringLiteral("<th>") + f->horizontalHeaderItem(c)->text().toHtmlEscaped() + QStringLiteral("</th>");
    html += QStringLiteral("</tr>");
    for (int l = 0; l <= derniere; ++l) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < f->columnCount(); ++c)
            html += QStringLiteral("<td>") + f->texte(l, c).toHtmlEscaped() + QStringLiteral("</td>");
        html += QStringLiteral("</tr>");
    }
    QTextDocument document;
    document.setHtml(html + QStringLiteral("</table>"));
    document.print(&imprimante);
}

void TEchant::ButFontClick()
{
    bool ok = false;
    const QFont fonte = QFontDialog::getFont(&ok, font(), this, QStringLiteral("Fontes"));
    if (ok)
        for (int k = 0; k < nombreFeuilles(); ++k)
            feuille(k)->setFont(fonte);
}

void TEchant::ButFormatClick()
{
    FeuilleCalcul* f = feuille();
    if (!f)
        return;
    bool ok = false;
    const int d = QInputDialog::getInt(this, QStringLiteral("Format Nb"),
                                       QStringLiteral("Nombre de décimales (-1 : format du programme) :"), f->decimales, -1,
                                       15, 1, &ok);
    if (ok) {
        f->decimales = d;
        f->recalcule();
    }
}

void TEchant::copie(bool couper)
{
    FeuilleCalcul* f = feuille();
    const QList<QTableWidgetSelectionRange> plages = f ? f->selectedRanges() : QList<QTableWidgetSelectionRange>();
    if (plages.isEmpty())
        return;
    const QTableWidgetSelectionRange& p = plages[0];
    QStringList lignes;
    for (int l = p.topRow(); l <= p.bottomRow(); ++l) {
        QStringList cellules;
        for (int c = p.leftColumn(); c <= p.rightColumn(); ++c) {
            cellules << f->texte(l, c);
            if (couper)
                f->fixeSansCalcul(l, c, QString());
        }
        lignes << cellules.join(QLatin1Char('\t'));
    }
    QApplication::clipboard()->setText(lignes.join(QLatin1Char('\n')));
    if (couper)
        f->recalcule();
}

void TEchant::colle()
{
    FeuilleCalcul* f = feuille();
    if (!f || f->currentRow() < 0)
        return;
    QStringList lignes = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    if (!lignes.isEmpty() && lignes.back().isEmpty())
        lignes.removeLast();
    std::vector<QStringList> cellules;
    qsizetype largeur = 0;
    for (const QString& l : lignes) {
        cellules.push_back(l.split(QLatin1Char('\t')));
        largeur = std::max(largeur, cellules.back().size());
    }
    // The sheet grows once to hold the whole block: grown a row or a column at a time, each
    // step would lay out its headers again.
    const int ligne = f->currentRow(), colonne = f->currentColumn();
    f->agrandit(ligne + int(cellules.size()), colonne + int(largeur));
    for (std::size_t k = 0; k < cellules.size(); ++k)
        for (qsizetype c = 0; c < cellules[k].size(); ++c)
            f->fixeSansCalcul(ligne + int(k), colonne + int(c), FormuleAnglaise(cellules[k][c].trimmed()));
    f->recalcule();
}

void TEchant::keyPressEvent(QKeyEvent* e)
{
    if (e->modifiers() == Qt::ControlModifier && (e->key() == Qt::Key_C || e->key() == Qt::Key_X)) {
        copie(e->key() == Qt::Key_X);
        return;
    }
    if (e->modifiers() == Qt::ControlModifier && e->key() == Qt::Key_V) {
        colle();
        return;
    }
    if (e->key() == Qt::Key_F1) {
        MontreAidePage(QStringLiteral("feuille.html"));
        return;
    }
    QDialog::keyPressEvent(e);
}

// ---------------------------------------------------------------------------------------

TInfoStat::TInfoStat(const StatistiquesDeux& s, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("InfoStat"));
    setWindowTitle(QStringLiteral("Informations statistiques"));
    AppliqueCouleurFiche(this);
    const auto champ = [this](const char* nom, const QString& texte) {
        auto* e = Nomme(new QLineEdit(texte, this), nom);
        e->setReadOnly(true);
        return e;
    };
    const QString nc = QStringLiteral("n.c.");
    edminx = champ("edminx", texteReel(s.minX)), edminy = champ("edminy", texteReel(s.minY));
    edmaxx = champ("edmaxx", texteReel(s.maxX)), edmaxy = champ("edmaxy", texteReel(s.maxY));
    edmoyx = champ("edmoyx", texteReel(s.moyX)), edmoyy = champ("edmoyy", texteReel(s.moyY));
    edetx = champ("edetx", texteReel(s.sX)), edety = champ("edety", texteReel(s.sY));
    edmex = champ("edmex", texteReel(s.medX)), edmey = champ("edmey", texteReel(s.medY));
    edcov = champ("edcov", texteReel(s.covariance));
    edrho = champ("edrho", s.rDefini ? texteReel(s.r) : nc);
    edetres = champ("edetres", s.droiteDefinie && s.n > 2 ? texteReel(s.s) : nc);
    eddte = champ("eddte", s.droiteDefinie ? QStringLiteral("Y= ") + texteReel(s.A) + QStringLiteral("X+ ") + texteReel(s.B) : nc);
    auto* grille = new QGridLayout;
    grille->addWidget(new QLabel(QStringLiteral("Abscisses X"), this), 0, 1);
    grille->addWidget(new QLabel(QStringLiteral("Ordonnées Y"), this), 0, 2);
    const char* const rangs[5] = {"Minimum", "Maximum", "Moyenne", "Ecart type", "Médiane"};
    QLineEdit* const champs[5][2] = {{edminx, edminy}, {edmaxx, edmaxy}, {edmoyx, edmoyy}, {edetx, edety}, {edmex, edmey}};
    for (int r = 0; r < 5; ++r) {
        grille->addWidget(new QLabel(QString::fromUtf8(rangs[r]), this), r + 1, 0);
        grille->addWidget(champs[r][0], r + 1, 1);
        grille->addWidget(champs[r][1], r + 1, 2);
    }
    const std::pair<const char*, QLineEdit*> bas[4] = {{"Covariance Cov(X,Y) = ", edcov},
                                                       {"Coeff. de régression  r(X,Y) = ", edrho},
                                                       {"Ecart type des résidus = ", edetres},
                                                       {"Ajustement affine : ", eddte}};
    for (int k = 0; k < 4; ++k) {
        grille->addWidget(new QLabel(QString::fromUtf8(bas[k].first), this), 6 + k, 0);
        grille->addWidget(bas[k].second, 6 + k, 1, 1, 2);
    }
    Imp = Nomme(new QPushButton(QStringLiteral("  &Imprimer"), this), "Imp");
    auto* fermer = Nomme(new QPushButton(QStringLiteral("&Fermer"), this), "ButFin");
    grille->addWidget(Imp, 10, 1);
    grille->addWidget(fermer, 10, 2);
    setLayout(grille);
    connect(Imp, &QPushButton::clicked, this, &TInfoStat::ImpClick);
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);
}

void TInfoStat::ImpClick()
{
    QPrinter imprimante(QPrinter::HighResolution);
    if (!ChoisitImprimante(this, imprimante))
        return;
    QPainter peintre(&imprimante);
    const QPixmap image = grab();
    const QRect page = peintre.viewport();
    const double echelle = std::min(double(page.width()) / image.width(), double(page.height()) / image.height());
    peintre.drawPixmap(QRect(0, 0, int(image.width() * echelle), int(image.height() * echelle)), image);
}

TEchant* MontreEchantillons(const std::vector<FeuilleValeurs>& feuilles, QWidget* parent)
{
    auto* e = new TEchant(feuilles, parent);
    e->setAttribute(Qt::WA_DeleteOnClose);
    e->show();
    return e;
}
