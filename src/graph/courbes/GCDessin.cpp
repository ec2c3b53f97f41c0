#include "graph/courbes/GCDessin.h"

#include <QFile>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <optional>
#include <unordered_set>

#include "expression/etat.h"
#include "expression/garde.h"
#include "graph/repere/GCRepere.h"
#include "graph/textes/GCTexte.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCA.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/courbes/tracepoint.h"

namespace {

bool DansEnsemble(const QString& lettres, QChar lettre)
{
    return lettres.contains(lettre.toUpper(), Qt::CaseInsensitive);
}

QString EntreeChoix(int fenetre, const GCCourbe& c)
{
    QString t1, t2;
    c.LibellesAffiches(t1, t2);
    return QStringLiteral("%1;%2\\%3 : %4; %5;%6")
        .arg(fenetre)
        .arg(c.Numero)
        .arg(c.TypeCourbe.toUpper())
        .arg(t1, t2, c.Nom);
}


}  // namespace

GCDessin::GCDessin()
{
    etatGraphe().dessins.push_back(this);
}

GCDessin::~GCDessin()
{
    for (const PtrCourbe& c : courbes_)
        --c->EntreesListes.n;
    auto& dessins = etatGraphe().dessins;
    dessins.erase(std::remove(dessins.begin(), dessins.end(), this), dessins.end());
}

namespace {

// After a trace was stopped, the curves left are traced with this follower in place: each
// for a moment at most, so that the ordinary ones are drawn whole and the long ones stop as
// the first one did.
class SuiviApresArret : public SuiviCalcul {
public:
    bool continuer(int, int) override { return enCours(); }
    bool continuerTrace(const QString&, long long) override { return enCours(); }

private:
    bool enCours() const { return std::chrono::steady_clock::now() - debut_ < std::chrono::milliseconds(50); }
    std::chrono::steady_clock::time_point debut_ = std::chrono::steady_clock::now();
};

}  // namespace

bool GCDessin::Dessine(QPainter& peintre, GCRepere& repere)
{
    if (!Visible)
        return false;
    if (!repere.Dessine(peintre))
        return false;
    // Each curve once, its mothers of this list before it. A chain of mothers that loops
    // back (a file that says so) is cut where it meets a curve already being traced.
    std::unordered_set<const GCCourbe*> tracees;
    std::unordered_set<const GCCourbe*> enCours;
    bool interrompu = false;
    auto trace = [&](auto&& soi, const PtrCourbe& c) -> void {
        if (!c || tracees.count(c.get()) || enCours.count(c.get()))
            return;
        enCours.insert(c.get());
        for (const QString* mere : {&c->Mere1, &c->Mere2}) {
            if (mere->isEmpty())
                continue;
            if (PtrCourbe m = CourbeParIdentifiant(*mere); m && m != c)
                soi(soi, m);
        }
        enCours.erase(c.get());
        tracees.insert(c.get());
        std::optional<SuiviApresArret> apresArret;
        std::optional<GardeValeur<SuiviCalcul*>> garde;
        if (interrompu) {
            apresArret.emplace();
            garde.emplace(etatGraphe().suivi, &*apresArret);
        }
        try {
            if (auto* plaque = dynamic_cast<GCA*>(c.get()))
                plaque->TracePlaque(peintre, repere, CouleurFond);
            else
                c->Trace(peintre, repere);
        } catch (const TraceInterrompue&) {
            ErreurCalcul() = 0;
            interrompu = true;
        }
    };
    // A copy of the list: a trace never changes it, but the holders stay alive meanwhile.
    const std::vector<PtrCourbe> liste = courbes_;
    for (const PtrCourbe& c : liste)
        trace(trace, c);
    return interrompu;
}

void GCDessin::AjouteCourbe(PtrCourbe courbe)
{
    if (!courbe)
        return;
    ++courbe->EntreesListes.n;
    ++entrees_[courbe.get()];
    if (indexAJour_ && generationIndex_ == etatGraphe().GenerationIdentifiants &&
        !parIdentifiant_.contains(courbe->Identifiant))
        parIdentifiant_.insert(courbe->Identifiant, int(courbes_.size()));
    courbes_.push_back(std::move(courbe));
}

bool GCDessin::RetireCourbe(int numero)
{
    auto it = std::find_if(courbes_.begin(), courbes_.end(),
                           [numero](const PtrCourbe& c) { return c && c->Numero == numero; });
    if (it == courbes_.end())
        return false;
    PtrCourbe courbe = *it;
    courbes_.erase(it);
    --courbe->EntreesListes.n;
    if (--entrees_[courbe.get()] <= 0)
        entrees_.remove(courbe.get());
    parIdentifiant_.clear();
    indexAJour_ = false;
    // The name stays callable while another window still shows the curve, and is only
    // taken back when the registered formula is this curve's own.
    if (!ListeeAilleurs(courbe.get(), this))
        RetireNomPropre(*courbe);
    return true;
}

void GCDessin::VideCourbes()
{
    std::vector<PtrCourbe> liste;
    liste.swap(courbes_);
    entrees_.clear();
    parIdentifiant_.clear();
    indexAJour_ = false;
    for (const PtrCourbe& c : liste)
        --c->EntreesListes.n;
    for (const PtrCourbe& c : liste)
        if (c->EntreesListes.n == 0)
            RetireNomPropre(*c);
}

int GCDessin::Entrees(const GCCourbe* courbe) const
{
    return entrees_.value(courbe, 0);
}

void GCDessin::indexe() const
{
    const quint64 generation = etatGraphe().GenerationIdentifiants;
    if (indexAJour_ && generationIndex_ == generation)
        return;
    parIdentifiant_.clear();
    parIdentifiant_.reserve(qsizetype(courbes_.size()));
    for (std::size_t i = 0; i < courbes_.size(); ++i)
        if (!parIdentifiant_.contains(courbes_[i]->Identifiant))
            parIdentifiant_.insert(courbes_[i]->Identifiant, int(i));
    generationIndex_ = generation;
    indexAJour_ = true;
}

PtrCourbe GCDessin::CourbeDuNumero(int numero) const
{
    for (const PtrCourbe& c : Courbes)
        if (c && c->Numero == numero)
            return c;
    return nullptr;
}

PtrCourbe GCDessin::CourbeParIdentifiant(const QString& identifiant) const
{
    indexe();
    const auto it = parIdentifiant_.constFind(identifiant);
    return it == parIdentifiant_.cend() ? nullptr : courbes_[std::size_t(*it)];
}

QString GCDessin::LibelleDuNumero(int numero) const
{
    if (PtrCourbe c = CourbeDuNumero(numero))
        return c->Libelle1;
    return QStringLiteral("Non trouvé !");
}

QStringList GCDessin::ListeCourbesTypes(const QString& lettres) const
{
    QStringList entrees;
    for (const PtrCourbe& c : Courbes)
        if (c && DansEnsemble(lettres, c->TypeCourbe))
            entrees << EntreeChoix(NumeroFenetre, *c);
    return entrees;
}

QStringList GCDessin::ListeCourbesSousType(QChar lettre, int sousType) const
{
    QStringList entrees;
    for (const PtrCourbe& c : Courbes)
        if (c && c->TypeCourbe.toUpper() == lettre.toUpper() && c->SousType == sousType)
            entrees << EntreeChoix(NumeroFenetre, *c);
    return entrees;
}

QStringList GCDessin::ListeLibelles(const QString& lettres) const
{
    QStringList textes;
    for (const PtrCourbe& c : Courbes) {
        if (!c || !DansEnsemble(lettres, c->TypeCourbe))
            continue;
        QString t1, t2;
        c->LibellesAffiches(t1, t2);
        if (!textes.contains(t1))
            textes << t1;
        if (!t2.isEmpty() && !textes.contains(t2))
            textes << t2;
    }
    return textes;
}

PtrCourbe GCDessin::ChoisitCourbe(const QString& lettres) const
{
    const QStringList entrees = ListeCourbesTypes(lettres);
    if (entrees.isEmpty()) {
        interlocuteur().message(QStringLiteral("Non disponible : aucune courbe (des types requis) tracée!"));
        return nullptr;
    }
    ChoixTrace* choix = choixTrace();
    if (!choix)
        return nullptr;
    QString retenu = entrees.first();
    if (!choix->choisit(QStringLiteral("Choix d'un tracé"), entrees, retenu))
        return nullptr;
    const int numero = NumeroCourbeDeChoix(retenu);
    return numero < 0 ? nullptr : CourbeDuNumero(numero);
}

void GCDessin::Decrit(QStringList& lignes) const
{
    for (const PtrCourbe& c : Courbes) {
        if (!c)
            continue;
        lignes << QStringLiteral(" ");
        c->Decrit(lignes);
    }
}

bool GCDessin::BornesY(double& ymin, double& ymax, bool logarithmique) const
{
    if (Courbes.empty())
        return false;
    double lo = 0, hi = 0;
    bool vu = false;   // logarithmic axis: a positive y was met
    for (const PtrCourbe& c : Courbes) {
        if (!c || !c->Visible)
            continue;
        const LecturePoints lecture = LitFichierPoints(c->FichierPoints);
        for (const PointCourbe& p : lecture.points) {
            const double y = p.y;
            if (!std::isfinite(y))
                continue;
            if (logarithmique) {
                if (y <= 0)
                    continue;
                if (!vu) {
                    lo = hi = y;
                    vu = true;
                }
            }
            lo = std::min(lo, y);
            hi = std::max(hi, y);
        }
    }
    if (lo == hi)
        return false;
    ymin = lo;
    ymax = hi;
    return true;
}

PtrCourbe CourbeParIdentifiantPartout(const QString& identifiant)
{
    for (const GCDessin* d : etatGraphe().dessins)
        if (PtrCourbe c = d->CourbeParIdentifiant(identifiant))
            return c;
    return nullptr;
}

PtrCourbe MereAvecCache(const QString& identifiant, const GCCourbe& fille, QPainter& peintre, GCRepere& repere)
{
    if (identifiant.isEmpty())
        return nullptr;
    PtrCourbe mere = CourbeParIdentifiantPartout(identifiant);
    if (!mere || mere.get() == &fille)
        return nullptr;
    // Mothers whose trace is under way here: a chain that comes back to one of them reads
    // what it has (a file that says so may make such a loop).
    static std::vector<const GCCourbe*> enCours;
    if (!QFile::exists(mere->NomFichier()) &&
        std::find(enCours.begin(), enCours.end(), mere.get()) == enCours.end()) {
        // Given back however the trace ends (a stopped trace throws).
        struct Garde {
            GCCourbe& mere;
            const bool visible = mere.Visible, horsIndex = mere.HorsIndex;
            explicit Garde(GCCourbe& m) : mere(m)
            {
                enCours.push_back(&mere);
                mere.Visible = false;
                mere.HorsIndex = true;
            }
            ~Garde()
            {
                mere.Visible = visible;
                mere.HorsIndex = horsIndex;
                enCours.pop_back();
            }
        } garde(*mere);
        mere->Trace(peintre, repere);
    }
    return mere;
}

bool ListeeAilleurs(const GCCourbe* courbe, const GCDessin* sauf)
{
    if (!courbe)
        return false;
    return courbe->EntreesListes.n - (sauf ? sauf->Entrees(courbe) : 0) > 0;
}
