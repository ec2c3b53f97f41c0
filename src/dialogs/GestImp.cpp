#include "dialogs/GestImp.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTextLayout>
#include <QVBoxLayout>
#include <cmath>
#include <functional>

#include "dialogs/etatsaisie.h"
#include "dialogs/fiches.h"
#include "expression/garde.h"
#include "graph/base/GCaides.h"
#include "graph/base/etatgraphe.h"
#include "graph/document/GCDocument.h"

QStringList LignesRepliees(const QString& texte, const QFont& fonte, int largeur, QPaintDevice* appareil)
{
    QTextLayout mise(texte, fonte, appareil);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    mise.setTextOption(option);
    QStringList lignes;
    mise.beginLayout();
    for (QTextLine l = mise.createLine(); l.isValid(); l = mise.createLine()) {
        l.setLineWidth(largeur);
        lignes << texte.mid(l.textStart(), l.textLength());
    }
    mise.endLayout();
    if (lignes.isEmpty())
        lignes << QString();
    return lignes;
}

QString ImprimeDocument(GCDocument& doc, int hauteurFenetre, QPrinter& imprimante, const OptionsImpression& o)
{
    double largeurMm = 0, hauteurMm = 0;
    if (!EvalueChamp(o.largeur, largeurMm) || !(largeurMm > 0))
        return QStringLiteral("Largeur incorrecte !");
    if (!EvalueChamp(o.hauteur, hauteurMm) || !(hauteurMm > 0))
        return QStringLiteral("Hauteur incorrecte !");
    const QPageLayout mise = imprimante.pageLayout();
    const QRectF pageMm = mise.paintRect(QPageLayout::Millimeter);
    const QRect pagePx = mise.paintRectPixels(imprimante.resolution());
    if (pageMm.width() <= 0 || pageMm.height() <= 0 || pagePx.isEmpty())
        return QStringLiteral("Imprimante sans page utilisable.");
    const int largeur = int(pagePx.width() * largeurMm / pageMm.width());
    const int hauteur = int(pagePx.height() * hauteurMm / pageMm.height());
    if (largeur < 1 || hauteur < 1)
        return QStringLiteral("Largeur ou hauteur trop petite !");
    GCRepere& repere = doc.Repere;
    const double facteur = double(hauteur) / double(std::max(hauteurFenetre, 1));
    // The window's frame comes back as it was, whatever the print did to it.
    QStringList cadre;
    repere.Sauve(cadre);
    struct Restaure {
        GCRepere& repere;
        const QStringList& cadre;
        ~Restaure()
        {
            int i = 0;
            repere.Lit(cadre, i);
        }
    } restaure{repere, cadre};
    GardeValeur<double> echelle(etatGraphe().FacteurEchelle, facteur);
    // The margins at the scale of the print, both counted in the page.
    repere.FixeTaille(largeur, hauteur);
    const int margeX = repere.Gauche, margeY = repere.Haut;
    const QSize boite(largeur + 2 * margeX, hauteur + 2 * margeY);
    if (boite.width() > pagePx.width())
        return QStringLiteral("Largeur trop grande !");
    if (boite.height() > pagePx.height())
        return QStringLiteral("Hauteur trop grande !");
    const int gauche = o.centreHorizontal ? (pagePx.width() - boite.width()) / 2 : 0;
    const int haut = o.centreVertical ? (pagePx.height() - boite.height()) / 2 : 0;

    QPainter peintre;
    if (!peintre.begin(&imprimante))
        return QStringLiteral("Impression impossible : l'imprimante n'a pas pu démarrer.");
    {
        peintre.save();
        peintre.translate(gauche + margeX, haut + margeY);
        peintre.setClipRect(QRect(-margeX, -margeY, boite.width(), boite.height()));
        // Areas shown as the background are computed again at the size of the print (the
        // window's own bitmaps are at its size), and again at the window's next paint.
        OptionsDessin dessin;
        if (doc.Fenetre.ModeFond == 2)
            dessin.mode = OptionsDessin::Tampon;
        doc.Dessine(peintre, QSize(largeur, hauteur), dessin);
        if (doc.Fenetre.ModeFond == 2)
            doc.AiresARecalculer = true;
        peintre.restore();
        if (o.cadre) {
            peintre.setPen(QPen(Qt::black, std::max(1.0, facteur)));
            peintre.setBrush(Qt::NoBrush);
            peintre.drawRect(QRect(QPoint(gauche, haut), boite));
        }
        // The title, then the legend, line by line, on new pages when the page is full.
        QFont fonte(QStringLiteral("DejaVu Sans"));
        fonte.setPixelSize(std::max(1, int(std::lround(14 * facteur))));
        peintre.setFont(fonte);
        const int ligne = std::max(peintre.fontMetrics().height(), int(std::lround(50 * facteur))) * 6 / 5;
        const int interligne = std::max(1, peintre.fontMetrics().lineSpacing());
        int y = haut + boite.height() + ligne / 2;
        // The top of the next line of that height, on a new page when this one is full.
        int pages = 0;
        const auto place = [&](int hauteurLigne) {
            if (y + hauteurLigne > pagePx.height()) {
                imprimante.newPage();
                ++pages;
                y = 0;
            }
            const int base = y;
            y += hauteurLigne;
            return base;
        };
        if (!o.titre.trimmed().isEmpty()) {
            const int b = place(ligne);
            peintre.setPen(Qt::black);
            peintre.drawText(QRect(gauche, b, pagePx.width() - gauche, ligne), Qt::AlignVCenter | Qt::AlignLeft, o.titre);
        }
        if (o.listeFonctions) {
            const int echantillon = int(std::lround(100 * facteur));
            const int texteX = gauche + echantillon + int(std::lround(20 * facteur));
            const int largeurTexte = std::max(1, pagePx.width() - texteX);
            // One entry of the legend: its swatch beside its first line, its description
            // wrapped to the width of the page (between words, or within a word too long),
            // every character kept, on as many lines and pages as it needs.
            const auto entree = [&](const QStringList& description, const std::function<void(int)>& dessineEchantillon) {
                const QStringList lignes = LignesRepliees(description.join(QStringLiteral(" ; ")), peintre.font(),
                                                          largeurTexte, peintre.device());
                // The first line beside the swatch, in the middle of the legend's interval; the
                // others right under it.
                const int debut = place(ligne), pagesAvant = pages;
                dessineEchantillon(debut);
                y = debut + (ligne - interligne) / 2;
                for (const QString& l : lignes) {
                    const int b = place(interligne);
                    peintre.setPen(Qt::black);
                    peintre.drawText(QRect(texteX, b, largeurTexte, interligne), Qt::AlignVCenter | Qt::AlignLeft, l);
                }
                if (pages == pagesAvant)
                    y = std::max(y, debut + ligne);
            };
            for (const PtrCourbe& c : doc.Dessin.Courbes) {
                if (!c || !QStringLiteral("BCDEGHIJLNOPQRSTUWXY").contains(c->TypeCourbe.toUpper()))
                    continue;
                QStringList description;
                c->Decrit(description);
                entree(description, [&](int b) {
                    // The curve's own pen, at the scale of the print.
                    peintre.setPen(c->stylo());
                    peintre.drawLine(gauche, b + ligne / 2, gauche + echantillon, b + ligne / 2);
                });
            }
            for (const auto& a : doc.Aires.Aires) {
                if (!a)
                    continue;
                QStringList description;
                a->Decrit(description);
                entree(description, [&](int b) {
                    peintre.setPen(Qt::black);
                    peintre.setBrush(QBrush(VersQColor(a->Couleur()), StyleBrosse(a->StyleRemplissage())));
                    peintre.drawRect(gauche, b + (ligne - echantillon / 2) / 2, echantillon, echantillon / 2);
                    peintre.setBrush(Qt::NoBrush);
                });
            }
        }
    }
    peintre.end();
    return {};
}

// ---------------------------------------------------------------------------------------

TFormImp::TFormImp(GCDocument& document, int hauteurFenetre, QWidget* parent)
    : QDialog(parent), document_(document), hauteurFenetre_(hauteurFenetre)
{
    setObjectName(QStringLiteral("FormImp"));
    setWindowTitle(QStringLiteral("Impression des tracés"));
    AppliqueCouleurFiche(this);
    const OptionsImpression defaut;
    EdTitre = Nomme(new QLineEdit(defaut.titre, this), "EdTitre");
    EdLarg = Nomme(new QLineEdit(defaut.largeur, this), "EdLarg");
    EdHaut = Nomme(new QLineEdit(defaut.hauteur, this), "EdHaut");
    auto* centrage = new QGroupBox(QStringLiteral("Centrage"), this);
    RBHoriz = Nomme(new QRadioButton(QStringLiteral("Horizontal"), centrage), "RBHoriz");
    RBVert = Nomme(new QRadioButton(QStringLiteral("Vertical"), centrage), "RBVert");
    for (QRadioButton* b : {RBHoriz, RBVert})
        b->setAutoExclusive(false);
    auto* c = new QVBoxLayout(centrage);
    c->addWidget(RBHoriz);
    c->addWidget(RBVert);
    auto* groupeOptions = new QGroupBox(QStringLiteral("Options"), this);
    cbCadre = Nomme(new QCheckBox(QStringLiteral("Cadre"), groupeOptions), "cbCadre");
    cbCadre->setChecked(true);
    CBListeFns = Nomme(new QCheckBox(QStringLiteral("Liste des fonctions"), groupeOptions), "CBListeFns");
    auto* op = new QVBoxLayout(groupeOptions);
    op->addWidget(cbCadre);
    op->addWidget(CBListeFns);
    auto* champs = new QFormLayout;
    champs->addRow(QStringLiteral("Titre :"), EdTitre);
    const auto mm = [this](QLineEdit* e) {
        auto* r = new QHBoxLayout;
        r->addWidget(e);
        r->addWidget(new QLabel(QStringLiteral("mm"), this));
        return r;
    };
    champs->addRow(QStringLiteral("Largeur :"), mm(EdLarg));
    champs->addRow(QStringLiteral("Hauteur :"), mm(EdHaut));
    auto* groupes = new QHBoxLayout;
    groupes->addWidget(centrage);
    groupes->addWidget(groupeOptions);
    ButImp = Nomme(new QPushButton(QStringLiteral("&Imprimer"), this), "ButImp");
    ButImp->setDefault(true);
    ButAnnul = Nomme(new QPushButton(QStringLiteral("&Annuler"), this), "ButAnnul");
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(ButImp);
    boutons->addWidget(ButAnnul);
    auto* pile = new QVBoxLayout(this);
    pile->addLayout(champs);
    pile->addLayout(groupes);
    pile->addLayout(boutons);
    connect(ButImp, &QPushButton::clicked, this, &TFormImp::ButImpClick);
    connect(ButAnnul, &QPushButton::clicked, this, &QDialog::reject);
}

OptionsImpression TFormImp::options() const
{
    OptionsImpression o;
    o.titre = EdTitre->text();
    o.largeur = EdLarg->text();
    o.hauteur = EdHaut->text();
    o.centreHorizontal = RBHoriz->isChecked();
    o.centreVertical = RBVert->isChecked();
    o.cadre = cbCadre->isChecked();
    o.listeFonctions = CBListeFns->isChecked();
    return o;
}

void TFormImp::ButImpClick()
{
    QPrinter imprimante(QPrinter::HighResolution);
    if (!ChoisitImprimante(this, imprimante))
        return;
    const QString refus = ImprimeDocument(document_, hauteurFenetre_, imprimante, options());
    if (!refus.isEmpty()) {
        interlocuteur().message(refus);
        return;
    }
    accept();
}

void ImpressionDocument(GCDocument& document, int hauteurFenetre, QWidget* parent)
{
    TFormImp f(document, hauteurFenetre, parent);
    f.exec();
}
