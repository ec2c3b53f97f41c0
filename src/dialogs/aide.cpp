#include "dialogs/aide.h"

#include <QApplication>
#include <QCollator>
#include <QFile>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMap>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QTextDocumentFragment>
#include <QUrl>
#include <QVBoxLayout>

#include "dialogs/etatsaisie.h"
#include "dialogs/fiches.h"
#include "expression/catalogue.h"

namespace {

// The pages in the order of the contents.
const char* const Pages[] = {
    "demarrer.html", "formules.html", "fonctions1.html", "fonctions2.html", "courbes.html",
    "operations.html", "parametres.html", "repere.html", "souris.html", "clavier.html",
    "aires.html", "textes.html", "documents.html", "feuille.html",
};

const struct {
    int numero;
    const char* page;
} Sujets[] = {
    {SujetsAide::Sommaire, "sommaire.html"},
    {SujetsAide::FonctionsUneVariable, "fonctions1.html"},
    {SujetsAide::AxeX, "repere.html#axe-x"},
    {SujetsAide::AxeY, "repere.html#axe-y"},
    {SujetsAide::Unites, "repere.html#unites"},
    {SujetsAide::Norme, "repere.html#norme"},
    {SujetsAide::SaisieGraphique, "souris.html#saisie"},
    {SujetsAide::MainLevee, "souris.html#main-levee"},
    {SujetsAide::Regressions, "operations.html#regressions"},
    {SujetsAide::Primitives, "operations.html#primitive"},
    {SujetsAide::VariationParametres, "parametres.html#variation"},
    {SujetsAide::FonctionsDeuxVariables, "fonctions2.html"},
    {SujetsAide::TexteAffichage, "textes.html#affichage"},
    {SujetsAide::TexteDecalage, "textes.html#decalage"},
    {SujetsAide::Textes, "textes.html"},
};

const QString PageSommaire = QStringLiteral("sommaire.html");
const QString PageFonctions1 = QStringLiteral("fonctions1.html");
const QString PageFonctions2 = QStringLiteral("fonctions2.html");

QString html(const char* utf8)
{
    return QString::fromUtf8(utf8).toHtmlEscaped();
}

QString lien(const QString& cible, const QString& texte)
{
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(cible, texte);
}

// ------------------------------------------------------------------ the predefined functions

// The anchor of a function in its list: its name ("f-sin"), or its code for the signs.
QString ancreFonction(const FicheFonction& f, bool binaire, int code)
{
    const QString nom = QString::fromLatin1(f.nom);
    static const QRegularExpression mot(QStringLiteral("^[A-Z][A-Z0-9]*$"));
    if (mot.match(nom).hasMatch())
        return QStringLiteral("f-") + nom.toLower();
    return QStringLiteral("f-%1%2").arg(binaire ? QLatin1Char('b') : QLatin1Char('u')).arg(code);
}

// The rows of one family: a run of functions that compute the same thing the same way (F0
// to F9, the three square roots) shares one row.
QString lignesFamille(const FicheFonction* fiches, int n, bool binaire, Famille famille)
{
    const auto memeLigne = [](const FicheFonction& a, const FicheFonction& b) {
        const auto egal = [](const char* x, const char* y) { return x == y || (x && y && qstrcmp(x, y) == 0); };
        return egal(a.calcul, b.calcul) && egal(a.domaine, b.domaine) && egal(a.message, b.message)
               && egal(a.message2, b.message2);
    };
    QString lignes;
    for (int i = 0; i < n; ++i) {
        if (fiches[i].famille != famille)
            continue;
        int fin = i + 1;
        while (fin < n && fiches[fin].famille == famille && memeLigne(fiches[i], fiches[fin]))
            ++fin;
        QStringList ecritures;
        for (int k = i; k < fin; ++k)
            ecritures << QStringLiteral("<a name=\"%1\"></a><b>%2</b>")
                             .arg(ancreFonction(fiches[k], binaire, k), html(fiches[k].ecriture));
        const FicheFonction& f = fiches[i];
        QString messages = f.message ? QStringLiteral("« %1 »").arg(html(f.message)) : QStringLiteral("—");
        if (f.message2)
            messages += QStringLiteral("<br>« %1 »").arg(html(f.message2));
        lignes += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>\n")
                      .arg(ecritures.join(QStringLiteral(", ")), html(f.calcul),
                           f.domaine ? html(f.domaine) : QStringLiteral("tout réel"), messages);
        i = fin - 1;
    }
    return lignes;
}

QString table(const QString& lignes)
{
    if (lignes.isEmpty())
        return {};
    return QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">\n"
                          "<tr><th width=\"18%\">Écriture</th><th width=\"42%\">Ce qu'elle calcule</th>"
                          "<th width=\"20%\">Définie pour</th><th width=\"20%\">Message hors du domaine</th></tr>\n")
           + lignes + QStringLiteral("</table>\n");
}

QString pageFonctions(bool deux)
{
    const FicheFonction* fiches = deux ? FichesBinaires : FichesUnaires;
    const int n = deux ? NbCodesBinaires : NbCodesUnaires;
    QString t = QStringLiteral("<html><body>\n<h1>Fonctions prédéfinies %1</h1>\n")
                    .arg(deux ? QStringLiteral("de deux variables") : QStringLiteral("d'une variable"));
    if (deux)
        t += QStringLiteral(
            "<p>Une fonction de deux variables s'écrit par son nom suivi de ses deux arguments entre "
            "parenthèses, séparés par une virgule : <b>max(x,0)</b>, <b>loga(2,x)</b>, "
            "<b>comb(10,x)</b>. Chaque argument peut être une expression : <b>min(sin(x),cos(x))</b>. "
            "Le nom s'écrit indifféremment en minuscules ou en majuscules.</p>\n");
    else
        t += QStringLiteral(
            "<p>Une fonction s'écrit par son nom suivi de son argument entre parenthèses : <b>sin(x)</b>, "
            "<b>ln(x+1)</b>, <b>exp(-x^2)</b>. Les parenthèses sont obligatoires, même autour d'un nombre "
            "(<b>sin 2</b> n'est pas compris, <b>sin(2)</b> l'est). Le nom s'écrit indifféremment en "
            "minuscules ou en majuscules.</p>\n");
    t += QStringLiteral(
             "<p>Quand une valeur sort du domaine d'une fonction, le point correspondant n'est pas tracé, la "
             "courbe s'interrompt, et le message de la dernière colonne s'inscrit dans les erreurs de la "
             "courbe (Infos &gt; Erreurs). Voir aussi %1 et %2.</p>\n")
             .arg(lien(QStringLiteral("formules.html"), QStringLiteral("Écrire une formule")),
                  deux ? lien(PageFonctions1, QStringLiteral("Fonctions prédéfinies d'une variable"))
                       : lien(PageFonctions2, QStringLiteral("Fonctions prédéfinies de deux variables")));
    for (int k = 0; k < NbFamilles; ++k) {
        const Famille famille = static_cast<Famille>(k);
        if (famille == Famille::Operateur)
            continue;
        const QString tableau = table(lignesFamille(fiches, n, deux, famille));
        if (tableau.isEmpty())
            continue;
        t += QStringLiteral("<h2 id=\"famille-%1\">%2</h2>\n").arg(k).arg(html(NomFamille(famille)));
        if (famille == Famille::Auxiliaire)
            t += QStringLiteral(
                "<p>Dix fonctions, de f0 à f9, que l'on écrit soi-même pour chaque fenêtre, par exemple "
                "f1(x) = x^2-3*x+1 ; elles s'emploient ensuite dans toutes les formules de la fenêtre.</p>\n");
        t += tableau;
    }
    return t + QStringLiteral("</body></html>\n");
}

// The signs and operators, for the page on writing formulas.
QString tableOperateurs()
{
    return table(lignesFamille(FichesUnaires, NbCodesUnaires, false, Famille::Operateur)
                 + lignesFamille(FichesBinaires, NbCodesBinaires, true, Famille::Operateur));
}

// ------------------------------------------------------------------ contents and index

QString ressource(const QString& page)
{
    QFile f(QStringLiteral(":/aide/") + page);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

QString texteBrut(const QString& html)
{
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

struct Titre {
    QString page;
    QString ancre;  // empty for the page's own title
    QString texte;
    int niveau;     // 1 the page, 2 a section, 3 a subsection, 4 a term for the index only
};

// The titles of a page, then the terms it gives the index in comments of its own:
// <!--index ancre : terme ; terme-->.
QList<Titre> titresDe(const QString& page)
{
    QList<Titre> titres;
    static const QRegularExpression expression(
        QStringLiteral("<h([123])(?:\\s+id=\"([^\"]*)\")?[^>]*>(.*?)</h\\1>"),
        QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption);
    const QString texte = TexteHtmlAide(page);
    for (auto it = expression.globalMatch(texte); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const int niveau = m.captured(1).toInt();
        if (niveau > 1 && m.captured(2).isEmpty())
            continue;
        titres.append({page, niveau > 1 ? m.captured(2) : QString(), texteBrut(m.captured(3)), niveau});
    }
    static const QRegularExpression termes(QStringLiteral("<!--\\s*index\\s+([A-Za-z0-9_-]*)\\s*:(.*?)-->"),
                                           QRegularExpression::DotMatchesEverythingOption);
    for (auto it = termes.globalMatch(texte); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        for (const QString& terme : m.captured(2).split(QLatin1Char(';'), Qt::SkipEmptyParts))
            if (!terme.trimmed().isEmpty())
                titres.append({page, m.captured(1), terme.simplified(), 4});
    }
    return titres;
}

// The letter an index entry is filed under: its first letter, without accent.
QChar lettreIndex(const QString& texte)
{
    for (QChar c : texte.normalized(QString::NormalizationForm_D))
        if (c.isLetter())
            return c.toUpper();
    return QLatin1Char('#');
}

QString pageSommaireHtml()
{
    QString t = QStringLiteral(
        "<html><body>\n<h1>Aide de VIRK</h1>\n"
        "<p>Cette aide décrit le programme : ses fenêtres, ses menus, ses courbes et la manière d'écrire les "
        "formules. Le <a href=\"#sommaire\">sommaire</a> donne les pages dans l'ordre ; "
        "l'<a href=\"#index\">index</a> donne les sujets et les fonctions par ordre alphabétique. "
        "Les boutons « Précédent » et « Suivant » reviennent sur les pages déjà vues, « Sommaire » ramène ici.</p>\n"
        "<p>Dans une fenêtre de tracé, la touche F1 ouvre l'aide du sujet qu'indique la barre d'état, en bas de "
        "l'écran (par exemple après avoir survolé le bouton « Réduire les unités ») ; sinon, elle ouvre cette "
        "page.</p>\n"
        "<h2><a name=\"sommaire\"></a>Sommaire</h2>\n<ul>\n");
    struct Entree {
        QString texte, cible;
    };
    QList<Entree> index;
    for (const QString& page : PagesAide()) {
        const QList<Titre> titres = titresDe(page);
        if (titres.isEmpty())
            continue;
        t += QStringLiteral("<li>%1").arg(lien(page, titres.front().texte.toHtmlEscaped()));
        index.append({titres.front().texte, page});
        QString sections;
        for (const Titre& s : titres) {
            if (s.niveau == 1)
                continue;
            const QString cible = s.ancre.isEmpty() ? page : page + QLatin1Char('#') + s.ancre;
            if (s.niveau == 2)
                sections += QStringLiteral("<li>%1</li>\n").arg(lien(cible, s.texte.toHtmlEscaped()));
            index.append({s.texte, cible});
        }
        if (!sections.isEmpty())
            t += QStringLiteral("\n<ul>\n") + sections + QStringLiteral("</ul>");
        t += QStringLiteral("</li>\n");
    }
    t += QStringLiteral("</ul>\n");
    // Every function, by the way a formula writes it.
    const auto ajouteFonctions = [&](const FicheFonction* fiches, int n, bool binaire, const QString& page) {
        for (int i = 0; i < n; ++i)
            if (fiches[i].famille != Famille::Operateur)
                index.append({QString::fromUtf8(fiches[i].ecriture),
                              page + QLatin1Char('#') + ancreFonction(fiches[i], binaire, i)});
    };
    ajouteFonctions(FichesUnaires, NbCodesUnaires, false, PageFonctions1);
    ajouteFonctions(FichesBinaires, NbCodesBinaires, true, PageFonctions2);

    QCollator ordre{QLocale(QLocale::French)};
    ordre.setCaseSensitivity(Qt::CaseInsensitive);
    ordre.setNumericMode(true);
    std::stable_sort(index.begin(), index.end(),
                     [&](const Entree& a, const Entree& b) { return ordre.compare(a.texte, b.texte) < 0; });
    QMap<QChar, QStringList> parLettre;
    for (const Entree& e : index)
        parLettre[lettreIndex(e.texte)] << lien(e.cible, e.texte.toHtmlEscaped());
    t += QStringLiteral("<h2><a name=\"index\"></a>Index</h2>\n<p>");
    QStringList lettres;
    for (auto it = parLettre.cbegin(); it != parLettre.cend(); ++it)
        lettres << lien(QStringLiteral("#lettre-") + it.key(), it.key());
    t += lettres.join(QLatin1Char(' ')) + QStringLiteral("</p>\n");
    for (auto it = parLettre.cbegin(); it != parLettre.cend(); ++it)
        t += QStringLiteral("<h3><a name=\"lettre-%1\"></a>%1</h3>\n<p>%2</p>\n")
                 .arg(it.key())
                 .arg(it.value().join(QStringLiteral("<br>\n")));
    return t + QStringLiteral("</body></html>\n");
}

// ------------------------------------------------------------------ the window

// Reads the pages from the help, generated ones included.
class NavigateurAide : public QTextBrowser {
public:
    explicit NavigateurAide(QWidget* parent) : QTextBrowser(parent) {}

    QVariant loadResource(int type, const QUrl& nom) override
    {
        if (type == QTextDocument::HtmlResource) {
            const QString texte = TexteHtmlAide(nom.fileName());
            return texte.isEmpty() ? TexteHtmlAide(PageSommaire) : texte;
        }
        return QTextBrowser::loadResource(type, nom);
    }
};

QUrl adresse(const QString& page)
{
    return QUrl(QStringLiteral("qrc:/aide/") + page);
}

// The window the help belongs to: the dialog waiting for an answer (whose children alone
// can be used meanwhile), else the program's main window.
QWidget* parentAide()
{
    if (QWidget* modale = QApplication::activeModalWidget())
        return modale;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(w) && w->isVisible())
            return w;
    return nullptr;
}

}  // namespace

// Outside any namespace, as the resource's initialiser is declared.
static void chargeRessourcesAide()
{
    Q_INIT_RESOURCE(aide);
}

void InitialiseRessourcesAide()
{
    static const bool faite = (chargeRessourcesAide(), true);
    Q_UNUSED(faite);
}

QString PageDuSujet(int sujet)
{
    for (const auto& s : Sujets)
        if (s.numero == sujet)
            return QString::fromLatin1(s.page);
    return PageSommaire;
}

QStringList PagesAide()
{
    QStringList pages;
    for (const char* p : Pages)
        pages << QString::fromLatin1(p);
    return pages;
}

QString TexteHtmlAide(const QString& page)
{
    InitialiseRessourcesAide();
    if (page == PageSommaire)
        return pageSommaireHtml();
    if (page == PageFonctions1 || page == PageFonctions2)
        return pageFonctions(page == PageFonctions2);
    QString texte = ressource(page);
    texte.replace(QStringLiteral("<!--OPERATEURS-->"), tableOperateurs());
    return texte;
}

TAide::TAide(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TAide"));
    setWindowTitle(QStringLiteral("Aide de VIRK"));
    setAttribute(Qt::WA_QuitOnClose, false);
    AppliqueCouleurFiche(this);
    BoutonSommaire = BoutonNomme(this, "BoutonSommaire", "&Sommaire");
    Precedent = BoutonNomme(this, "Precedent", "&Précédent");
    Suivant = BoutonNomme(this, "Suivant", "S&uivant");
    Texte = Nomme(new NavigateurAide(this), "Texte");
    Texte->document()->setDefaultStyleSheet(QStringLiteral(
        "h1 { color: #1f4e79; } h2 { color: #1f4e79; } h3 { color: #1f4e79; }"
        "th { background-color: #dce6f1; } td { vertical-align: top; }"));
    Precedent->setEnabled(false);
    Suivant->setEnabled(false);
    connect(BoutonSommaire, &QPushButton::clicked, this, [this] { montrePage(PageSommaire); });
    connect(Precedent, &QPushButton::clicked, Texte, &QTextBrowser::backward);
    connect(Suivant, &QPushButton::clicked, Texte, &QTextBrowser::forward);
    connect(Texte, &QTextBrowser::backwardAvailable, Precedent, &QWidget::setEnabled);
    connect(Texte, &QTextBrowser::forwardAvailable, Suivant, &QWidget::setEnabled);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);

    auto* boutons = new QHBoxLayout;
    boutons->addWidget(BoutonSommaire);
    boutons->addWidget(Precedent);
    boutons->addWidget(Suivant);
    boutons->addStretch();
    auto* pile = new QVBoxLayout(this);
    pile->addLayout(boutons);
    pile->addWidget(Texte);
    resize(760, 620);
}

void TAide::montrePage(const QString& page)
{
    Texte->setSource(adresse(page));
}

TAide* FenetreAide()
{
    return qobject_cast<TAide*>(etatSaisie().FenetreAide.data());
}

void MontreAidePage(const QString& page)
{
    QWidget* parent = parentAide();
    TAide* f = FenetreAide();
    if (!f) {
        f = new TAide(parent);
        etatSaisie().FenetreAide = f;
    } else if (f->parentWidget() != parent) {
        f->setParent(parent, Qt::Window);
    }
    f->montrePage(page);
    f->show();
    f->raise();
    f->activateWindow();
}

void MontreAide(int sujet)
{
    MontreAidePage(PageDuSujet(sujet));
}
