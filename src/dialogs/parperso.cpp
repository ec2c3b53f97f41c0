#include "dialogs/parperso.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/etatsaisie.h"
#include "dialogs/fiches.h"
#include "expression/paramperso.h"
#include "graph/base/etatgraphe.h"

namespace {

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

std::string S(const QLineEdit* e)
{
    return e->text().trimmed().toStdString();
}


// The range and step of a parameter must evaluate: the keys and the variation bar use them.
QString RefusBornes(const TdefPar& fiche)
{
    double v = 0;
    if (!EvalueChamp(fiche.EdMin->text().trimmed(), v))
        return QStringLiteral("Minimum incorrect !");
    if (!EvalueChamp(fiche.EdPas->text().trimmed(), v))
        return QStringLiteral("Pas incorrect !");
    if (!EvalueChamp(fiche.EdMax->text().trimmed(), v))
        return QStringLiteral("Maximum incorrect !");
    return {};
}

}  // namespace

TdefPar::TdefPar(const QString& titre, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("defPar"));
    setWindowTitle(titre);
    AppliqueCouleurFiche(this);
    auto* pile = new QVBoxLayout(this);
    auto* formulaire = new QFormLayout;
    const auto champ = [&](const char* nom, const char* libelle) {
        auto* e = Nomme(new QLineEdit(this), nom);
        formulaire->addRow(QString::fromUtf8(libelle), e);
        return e;
    };
    EdNom = champ("EdNom", "Nom :");
    EdValeur = champ("EdValeur", "Valeur :");
    EdMin = champ("EdMin", "Minimum :");
    EdPas = champ("EdPas", "Pas :");
    EdMax = champ("EdMax", "Maximum :");
    pile->addLayout(formulaire);
    QPushButton *ok = nullptr, *annul = nullptr;
    pile->addLayout(BoutonsFiche(this, ok, annul));
}

void TdefPar::accept()
{
    if (const QString raison = Verifie ? Verifie() : QString(); !raison.isEmpty()) {
        interlocuteur().message(raison);
        return;
    }
    QDialog::accept();
}

TAssoPar::TAssoPar(const QString& nom, char touche, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AssoPar"));
    setWindowTitle(QStringLiteral("Associer un paramètre à une touche du clavier"));
    AppliqueCouleurFiche(this);
    auto* pile = new QVBoxLayout(this);
    pile->addWidget(new QLabel(QStringLiteral("Paramètre : ") + nom, this));
    auto* grille = new QGridLayout;
    for (int k = 0; k < 27; ++k) {
        const QString lettre = k < 26 ? QString(QChar(u'A' + k)) : QString();
        auto* b = new QPushButton(k < 26 ? lettre : QStringLiteral("Aucune"), this);
        b->setObjectName(QStringLiteral("SB") + (k < 26 ? lettre : QStringLiteral("Aucune")));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, lettre] { EdTouche->setText(lettre); });
        grille->addWidget(b, k / 9, k % 9);
        Touches << b;
    }
    pile->addLayout(grille);
    auto* ligne = new QFormLayout;
    EdTouche = Nomme(new QLineEdit(touche ? QString(QChar(touche)) : QString(), this), "EdTouche");
    EdTouche->setMaxLength(1);
    EdTouche->setReadOnly(true);
    ligne->addRow(QStringLiteral("Touche :"), EdTouche);
    pile->addLayout(ligne);
    QPushButton *ok = nullptr, *annul = nullptr;
    pile->addLayout(BoutonsFiche(this, ok, annul));
}

char TAssoPar::touche() const
{
    const QString t = EdTouche->text().toUpper();
    return t.size() == 1 && t[0] >= u'A' && t[0] <= u'Z' ? char(t[0].unicode()) : 0;
}

Tparperso::Tparperso(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("parperso"));
    setWindowTitle(QStringLiteral("Paramètres personnels"));
    AppliqueCouleurFiche(this);
    ListBox1 = Nomme(new QListWidget(this), "ListBox1");
    btAjout = BoutonNomme(this, "btAjout", "&Ajouter");
    btModif = BoutonNomme(this, "btModif", "&Modifier");
    btAssoc = BoutonNomme(this, "btAssoc", "A&ssocier");
    btFermer = BoutonNomme(this, "btFermer", "&Fermer");
    connect(btAjout, &QPushButton::clicked, this, &Tparperso::btAjoutClick);
    connect(btModif, &QPushButton::clicked, this, &Tparperso::btModifClick);
    connect(btAssoc, &QPushButton::clicked, this, &Tparperso::btAssocClick);
    connect(btFermer, &QPushButton::clicked, this, &QDialog::accept);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &Tparperso::btModifClick);
    auto* boutons = new QVBoxLayout;
    for (QPushButton* b : {btAjout, btModif, btAssoc})
        boutons->addWidget(b);
    boutons->addStretch();
    boutons->addWidget(btFermer);
    auto* rangee = new QHBoxLayout(this);
    rangee->addWidget(ListBox1);
    rangee->addLayout(boutons);
    remplit();
    resize(420, 300);
}

void Tparperso::remplit()
{
    const int ligne = ListBox1->currentRow();
    ListBox1->clear();
    for (const auto& p : parametresPersonnels().ParametresPerso) {
        QString texte = Q(p->Nom()) + QStringLiteral(" = ") + Q(p->Valeur());
        if (p->Touche())
            texte += QStringLiteral(" (") + QChar(p->Touche()) + QLatin1Char(')');
        ListBox1->addItem(texte);
    }
    if (ligne >= 0 && ligne < ListBox1->count())
        ListBox1->setCurrentRow(ligne);
}

int Tparperso::ligneChoisie() const
{
    if (parametresPersonnels().ParametresPerso.empty()) {
        interlocuteur().message(QString::fromUtf8(MessageListeParametresVide));
        return -1;
    }
    const int ligne = ListBox1->currentRow();
    return ligne >= 0 && ligne < int(parametresPersonnels().ParametresPerso.size()) ? ligne : 0;
}

void Tparperso::btAjoutClick()
{
    TdefPar fiche(QStringLiteral("Ajouter un paramètre"), this);
    const GCParamPerso modele("", "0");
    fiche.EdValeur->setText(QStringLiteral("0"));
    fiche.EdMin->setText(Q(modele.Minimum));
    fiche.EdPas->setText(Q(modele.Increment));
    fiche.EdMax->setText(Q(modele.Maximum));
    fiche.Verifie = [&fiche] {
        if (const QString raison = RefusBornes(fiche); !raison.isEmpty())
            return raison;
        GCParamPerso p(S(fiche.EdNom), S(fiche.EdValeur));
        p.Minimum = S(fiche.EdMin);
        p.Increment = S(fiche.EdPas);
        p.Maximum = S(fiche.EdMax);
        std::string message;
        return AjouteParametrePerso(p, message) < 0 ? Q(message) : QString();
    };
    if (fiche.exec() != QDialog::Accepted)
        return;
    remplit();
    ListBox1->setCurrentRow(ListBox1->count() - 1);
}

bool ModifieParametrePerso(QWidget* parent, int i)
{
    const auto& liste = parametresPersonnels().ParametresPerso;
    if (liste.empty()) {
        interlocuteur().message(QString::fromUtf8(MessageListeParametresVide));
        return false;
    }
    if (i < 0 || i >= int(liste.size()))
        return false;
    const GCParamPerso& p = *liste[std::size_t(i)];
    TdefPar fiche(QStringLiteral("Modifier un paramètre"), parent);
    fiche.EdNom->setText(Q(p.Nom()));
    fiche.EdNom->setReadOnly(true);
    fiche.EdValeur->setText(Q(p.Valeur()));
    fiche.EdMin->setText(Q(p.Minimum));
    fiche.EdPas->setText(Q(p.Increment));
    fiche.EdMax->setText(Q(p.Maximum));
    fiche.Verifie = [&fiche, i] {
        if (const QString raison = RefusBornes(fiche); !raison.isEmpty())
            return raison;
        std::string message;
        return FixeParametrePerso(i, S(fiche.EdValeur), S(fiche.EdPas), S(fiche.EdMin), S(fiche.EdMax), message)
                   ? QString()
                   : Q(message);
    };
    return fiche.exec() == QDialog::Accepted;
}

void Tparperso::btModifClick()
{
    const int i = ligneChoisie();
    if (i >= 0 && ModifieParametrePerso(this, i)) {
        remplit();
        ListBox1->setCurrentRow(i);
    }
}

void Tparperso::btAssocClick()
{
    const int i = ligneChoisie();
    if (i < 0)
        return;
    const GCParamPerso& p = *parametresPersonnels().ParametresPerso[std::size_t(i)];
    TAssoPar fiche(Q(p.Nom()), p.Touche(), this);
    if (fiche.exec() != QDialog::Accepted)
        return;
    AssocieToucheParametrePerso(i, fiche.touche());
    remplit();
    ListBox1->setCurrentRow(i);
}
