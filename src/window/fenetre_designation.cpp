// Designation of curves and areas, the open windows as the window layer knows them, the
// hide/show dialogs and the deletion of designated curves.
#include "window/designation.h"

#include <QComboBox>
#include <algorithm>

#include "dialogs/cachvisu.h"
#include "dialogs/selcourb.h"
#include "graph/aires/GCAire.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/repere/GCRepere.h"
#include "graph/textes/GCTexte.h"
#include "window/fenetre.h"
#include "window/fenetre_interne.h"

namespace {

// Every kind of area is offered with regions.
const QString LettresAires = QStringLiteral("AJMPT");

QList<QPointer<TForm1>>& registre()
{
    static QList<QPointer<TForm1>> fenetres;
    return fenetres;
}

// The number before the first ";" and the one between it and the first "\".
bool NumerosDeChoix(const QString& entree, int& fenetre, int& numero)
{
    const int pv = entree.indexOf(QLatin1Char(';'));
    const int bs = entree.indexOf(QLatin1Char('\\'), pv + 1);
    if (pv < 0 || bs < 0)
        return false;
    bool ok1 = false, ok2 = false;
    fenetre = entree.left(pv).trimmed().toInt(&ok1);
    numero = entree.mid(pv + 1, bs - pv - 1).trimmed().toInt(&ok2);
    return ok1 && ok2;
}

// Restores a flag of the designation on every path.
class Retablit {
public:
    explicit Retablit(bool& drapeau) : drapeau_(drapeau), avant_(drapeau) {}
    ~Retablit() { drapeau_ = avant_; }
    Retablit(const Retablit&) = delete;
    Retablit& operator=(const Retablit&) = delete;

private:
    bool& drapeau_;
    bool avant_;
};

void Repeint(TForm1* fenetre)
{
    if (fenetre && fenetre->PaintBox())
        fenetre->PaintBox()->update();
}

}  // namespace

// ---------------------------------------------------------------------------------------
// The windows

void InscritFenetre(TForm1* fenetre)
{
    registre().append(fenetre);
}

void DesinscritFenetre(TForm1* fenetre)
{
    registre().removeAll(QPointer<TForm1>(fenetre));
    registre().removeAll(QPointer<TForm1>());
    // The designation keeps nothing of a closed window that no open window shows.
    const QList<TForm1*> ouvertes = FenetresOuvertes();
    const auto montre = [&ouvertes](const auto& objet, auto liste) {
        return std::any_of(ouvertes.begin(), ouvertes.end(), [&](TForm1* f) {
            const auto& l = liste(*f);
            return std::find(l.begin(), l.end(), objet) != l.end();
        });
    };
    Designation& d = designation();
    std::erase_if(d.PressePapierCourbes,
                  [&](const PtrCourbe& c) { return !montre(c, [](TForm1& f) -> auto& { return f.Dessin().Courbes; }); });
    std::erase_if(d.AiresDesignees, [&](const std::shared_ptr<GCAire>& a) {
        return !montre(a, [](TForm1& f) -> auto& { return f.Aires().Aires; });
    });
    d.FenetresDesignees.removeAll(QPointer<TForm1>(fenetre));
    d.FenetresDesignees.removeAll(QPointer<TForm1>());
    std::erase_if(d.TextesDesignes, [fenetre](const TexteDesigne& t) { return !t.fenetre || t.fenetre == fenetre; });
    d.RegionsDesignees = !d.AiresDesignees.empty();
}

QList<TForm1*> FenetresOuvertes()
{
    QList<TForm1*> liste;
    for (const QPointer<TForm1>& f : registre())
        if (f)
            liste.append(f.data());
    return liste;
}

TForm1* FenetreDuNumero(int numero)
{
    const QList<TForm1*> liste = FenetresOuvertes();
    for (auto it = liste.crbegin(); it != liste.crend(); ++it)
        if ((*it)->numero() == numero)
            return *it;
    return nullptr;
}

QStringList ListeFenetres()
{
    QStringList entrees;
    const QList<TForm1*> liste = FenetresOuvertes();
    for (auto it = liste.crbegin(); it != liste.crend(); ++it)
        entrees << QStringLiteral("#%1: %2").arg((*it)->numero()).arg((*it)->titre());
    return entrees;
}

TForm1* FenetreDeListe(const QString& entree)
{
    if (!entree.startsWith(QLatin1Char('#')))
        return nullptr;
    bool ok = false;
    const int numero = entree.mid(1, entree.indexOf(QLatin1Char(':')) - 1).toInt(&ok);
    return ok ? FenetreDuNumero(numero) : nullptr;
}

TForm1* NouvelleFenetreCopie(TForm1& modele)
{
    QPointer<TForm1> source(&modele);
    const CreateurFenetre& createur = etatFenetres().createurFenetre;
    TForm1* nouvelle = createur ? createur() : nullptr;
    if (!nouvelle) {
        interlocuteur().message(QStringLiteral("Impossible de créer une nouvelle fenêtre."));
        return nullptr;
    }
    if (source) {
        // The frame goes over through its own records.
        QStringList lignes;
        source->Repere().Sauve(lignes);
        int i = 0;
        nouvelle->Repere().Lit(lignes, i);
        nouvelle->PaintBox()->update();
    }
    return nouvelle;
}

// ---------------------------------------------------------------------------------------
// Designation

Designation& designation()
{
    return etatFenetres().designation;
}

void DecodeDesignation(const QString& entree, TForm1*& fenetre, int& numero, QChar* lettre)
{
    int nf = 0;
    fenetre = nullptr;
    numero = -1;
    if (lettre)
        *lettre = QChar();
    if (!NumerosDeChoix(entree, nf, numero)) {
        numero = -1;
        return;
    }
    fenetre = FenetreDuNumero(nf);
    if (lettre) {
        const int i = entree.indexOf(QLatin1Char('\\')) + 1;
        *lettre = i < entree.size() ? entree.at(i) : QChar();
    }
}

bool DesignerCourbes(TForm1& fenetre, const QString& libelle, const QString& titre, const QString& lettres,
                     bool regions, bool destination)
{
    Designation& d = designation();
    d.LettresAdmises = lettres;
    Retablit retablit(d.AvecRegions);
    d.AvecRegions = regions;
    d.ListeChoix = ListeFenetres();
    d.FenetreSource = d.FenetreDestination = &fenetre;

    QList<QPointer<TForm1>> offertes;
    for (const QString& e : std::as_const(d.ListeChoix))
        offertes.append(FenetreDeListe(e));
    const auto entreesDe = [&lettres, regions](TForm1* f) {
        QStringList entrees;
        if (!f)
            return entrees;
        entrees = f->Dessin().ListeCourbesTypes(lettres);
        if (regions)
            entrees += f->Aires().RemplitListe(LettresAires);
        return entrees;
    };
    if (entreesDe(&fenetre).isEmpty()) {
        interlocuteur().message(QStringLiteral("Non disponible : aucune courbe ou aire tracée du bon type!"));
        return false;
    }

    QPointer<TForm1> courante(&fenetre);
    ParametresSelection p;
    p.titre = titre;
    p.libelle = libelle;
    p.fenetres = d.ListeChoix;
    p.destination = destination;
    p.entrees = [&](int k) { return entreesDe(k == 0 ? courante.data() : offertes.value(k - 1).data()); };
    Tselectcrb fiche(p, &fenetre);
    if (fiche.exec() != QDialog::Accepted || fiche.choix().isEmpty() || !courante)
        return false;

    // The windows chosen; a new destination is made now, so that a cancelled dialog leaves
    // none behind.
    const int source = fiche.source();
    d.FenetreSource = source <= 0 ? courante : offertes.value(source - 1);
    const int dest = fiche.destination();
    if (dest == 1) {
        d.FenetreDestination = NouvelleFenetreCopie(*courante);
        if (!d.FenetreDestination)
            return false;
    } else {
        d.FenetreDestination = dest <= 0 ? courante : offertes.value(dest - 2);
    }

    d.ListeChoix = fiche.choix();
    d.PressePapierCourbes.clear();
    d.FenetresDesignees.clear();
    d.AiresDesignees.clear();
    d.TextesDesignes.clear();
    for (const QString& entree : std::as_const(d.ListeChoix)) {
        TForm1* f = nullptr;
        int numero = -1;
        QChar lettre;
        DecodeDesignation(entree, f, numero, &lettre);
        if (!f || numero < 0)
            continue;
        if (!d.FenetresDesignees.contains(QPointer<TForm1>(f))) {
            d.FenetresDesignees.append(f);
            for (const auto& t : f->Textes().Textes())
                d.TextesDesignes.push_back({f, t->Numero});
        }
        if (lettre == QLatin1Char('A'))
            if (auto aire = f->Aires().ChercheNumero(numero)) {
                d.AiresDesignees.push_back(std::move(aire));
                continue;
            }
        if (PtrCourbe c = f->Dessin().CourbeDuNumero(numero))
            d.PressePapierCourbes.push_back(std::move(c));
    }
    d.RegionsDesignees = !d.AiresDesignees.empty();
    return true;
}

// ---------------------------------------------------------------------------------------
// Removal

bool RetireCourbeFenetre(TForm1& fenetre, int numero)
{
    const PtrCourbe courbe = fenetre.Dessin().CourbeDuNumero(numero);
    if (!courbe || !fenetre.Dessin().RetireCourbe(numero))
        return false;
    if (CourbeCourante().lock() == courbe)
        CourbeCourante().reset();
    // A curve no window shows any more cannot stay selected for transport.
    if (!ListeeAilleurs(courbe.get(), &fenetre.Dessin()))
        DeselectionneCourbe(courbe.get());
    return true;
}

void TForm1::Supprimer1Click(QAction*)
{
    if (!DesignerCourbes(*this, QStringLiteral("Supprimer"), QStringLiteral("Désigner les courbes à supprimer"),
                         QString::fromLatin1(LettresCourbes), false, false))
        return;
    Designation& d = designation();
    if (d.PressePapierCourbes.empty()
        || !interlocuteur().demandeOuiNon(QStringLiteral("Etes-vous sûr de vouloir supprimer ce(s) tracé(s) ?")))
        return;
    RetireCourbesDesignees();
}

void RetireCourbesDesignees()
{
    Designation& d = designation();
    // Each curve leaves the window of its entry (the curves themselves are in entry order).
    for (const QString& entree : std::as_const(d.ListeChoix)) {
        TForm1* f = nullptr;
        int numero = -1;
        DecodeDesignation(entree, f, numero);
        if (f)
            RetireCourbeFenetre(*f, numero);
    }
    for (const QPointer<TForm1>& f : std::as_const(d.FenetresDesignees))
        Repeint(f);
    // Nothing keeps naming them.
    d.PressePapierCourbes.clear();
}

// ---------------------------------------------------------------------------------------
// Hide and show

namespace {

// What the hide/show dialog lists of one window: the entries, and how to read and set the
// visibility of entry i.
struct ObjetsListes {
    QStringList entrees;
    std::function<bool(int)> cache;
    std::function<void(int, bool)> fixeCache;
};

ObjetsListes CourbesListees(TForm1* f)
{
    Designation& d = designation();
    d.PressePapierCourbes.clear();
    ObjetsListes o;
    if (!f)
        return o;
    const QString lettres = QStringLiteral("A") + QString::fromLatin1(LettresCourbes);
    o.entrees = f->Dessin().ListeCourbesTypes(lettres);
    for (const PtrCourbe& c : f->Dessin().Courbes)
        if (c && lettres.contains(c->TypeCourbe.toUpper()))
            d.PressePapierCourbes.push_back(c);
    o.cache = [](int i) { return !designation().PressePapierCourbes.at(std::size_t(i))->Visible; };
    o.fixeCache = [](int i, bool cache) { designation().PressePapierCourbes.at(std::size_t(i))->Visible = !cache; };
    return o;
}

// Runs the dialog on the objects; restaure: what Cancel gives back.
int MontreVisuCach(TVisuCach& fiche, const ObjetsListes& objets)
{
    std::vector<bool> caches;
    for (int i = 0; i < objets.entrees.size(); ++i)
        caches.push_back(objets.cache(i));
    fiche.remplit(objets.entrees, caches);
    return fiche.exec();
}

}  // namespace

void VoirCacherCourbes(TForm1& fenetre)
{
    Designation& d = designation();
    d.FenetreSource = &fenetre;
    ObjetsListes objets = CourbesListees(&fenetre);
    if (objets.entrees.isEmpty()) {
        d.PressePapierCourbes.clear();
        interlocuteur().message(QStringLiteral("Non disponible : aucune courbe tracée dans cette fenêtre!"));
        return;
    }
    d.AvecRegions = false;
    TVisuCach fiche(&fenetre);
    const QStringList fenetres = ListeFenetres();
    fiche.ComboBox1->addItems(fenetres);
    fiche.ComboBox1->setCurrentIndex(std::max<int>(0, fenetres.indexOf(QStringLiteral("#%1: %2").arg(fenetre.numero()).arg(fenetre.titre()))));
    fiche.Bascule = [&objets, &d](int i, bool cache) {
        objets.fixeCache(i, cache);
        Repeint(d.FenetreSource);
    };
    fiche.ChangeFenetre = [&](int k) {
        d.FenetreSource = FenetreDeListe(fenetres.value(k));
        objets = CourbesListees(d.FenetreSource);
        std::vector<bool> caches;
        for (int i = 0; i < objets.entrees.size(); ++i)
            caches.push_back(objets.cache(i));
        fiche.remplit(objets.entrees, caches);
    };
    MontreVisuCach(fiche, objets);
    Repeint(&fenetre);
    d.PressePapierCourbes.clear();
}

void VoirCacherAires(TForm1& fenetre)
{
    Designation& d = designation();
    const QStringList entrees = fenetre.Aires().RemplitListe(LettresAires);
    if (entrees.isEmpty()) {
        interlocuteur().message(QStringLiteral("Non disponible : aucune aire définie dans cette fenêtre!"));
        return;
    }
    Retablit retablit(d.AvecRegions);
    d.AvecRegions = true;
    d.AiresDesignees.clear();
    for (const auto& a : fenetre.Aires().Aires)
        if (LettresAires.contains(a->Genre()))
            d.AiresDesignees.push_back(a);
    const std::vector<std::shared_ptr<GCAire>> aires = d.AiresDesignees;
    std::vector<bool> visibles;
    for (const auto& a : aires)
        visibles.push_back(a->Visible());
    QPointer<TForm1> f(&fenetre);
    const auto recompose = [f] {
        if (f) {
            f->AiresARecalculer = true;
            Repeint(f);
        }
    };

    ObjetsListes objets;
    objets.entrees = entrees;
    objets.cache = [&aires](int i) { return !aires.at(std::size_t(i))->Visible(); };
    objets.fixeCache = [&aires, &recompose](int i, bool cache) {
        aires.at(std::size_t(i))->FixeVisible(!cache);
        recompose();
    };
    TVisuCach fiche(&fenetre);
    fiche.ComboBox1->hide();
    fiche.Bascule = objets.fixeCache;
    if (MontreVisuCach(fiche, objets) != QDialog::Accepted) {
        for (std::size_t i = 0; i < aires.size(); ++i)
            aires[i]->FixeVisible(visibles[i]);
        recompose();
    }
}

void VoirCacherTextes(TForm1& fenetre)
{
    Designation& d = designation();
    const QStringList entrees = fenetre.Textes().ListeTextes();
    if (entrees.isEmpty()) {
        interlocuteur().message(QStringLiteral("Non disponible : aucun texte défini dans cette fenêtre!"));
        return;
    }
    d.TextesDesignes.clear();
    QPointer<TForm1> f(&fenetre);
    for (const auto& t : fenetre.Textes().Textes())
        d.TextesDesignes.push_back({f, t->Numero});
    // Entry i names its text by the number before its "(".
    const auto texte = [&entrees, f](int i) -> GCTexte* {
        const QString& e = entrees.at(i);
        return f ? f->Textes().TexteDuNumero(e.left(e.indexOf(QLatin1Char('('))).toInt()) : nullptr;
    };
    std::vector<bool> visibles;
    for (int i = 0; i < entrees.size(); ++i)
        visibles.push_back(texte(i) && texte(i)->Visible);

    ObjetsListes objets;
    objets.entrees = entrees;
    objets.cache = [&texte](int i) { return texte(i) && !texte(i)->Visible; };
    objets.fixeCache = [&texte, f](int i, bool cache) {
        if (GCTexte* t = texte(i))
            t->Visible = !cache;
        Repeint(f);
    };
    TVisuCach fiche(&fenetre);
    fiche.ComboBox1->hide();
    fiche.Bascule = objets.fixeCache;
    if (MontreVisuCach(fiche, objets) != QDialog::Accepted) {
        for (int i = 0; i < entrees.size(); ++i)
            if (GCTexte* t = texte(i))
                t->Visible = visibles[std::size_t(i)];
        Repeint(f);
    }
    d.TextesDesignes.clear();
}

void TForm1::Cacher1Click(QAction*)
{
    VoirCacherCourbes(*this);
}

void TForm1::CacherVoir1Click(QAction*)
{
    VoirCacherAires(*this);
}

void TForm1::CacherMontrerClick(QAction*)
{
    VoirCacherTextes(*this);
}
