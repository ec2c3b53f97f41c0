#include "expression/etat.h"

#include <atomic>
#include <chrono>
#include <algorithm>
#include <random>

#include "expression/fonction.h"
#include "expression/simul.h"

const char* const LettresParametres = "abcdghklmp";

void ErreurAvecMessage(const char* message)
{
    EtatCalcul& e = etatCalcul();
    e.ErreurCalcul = 1;
    e.MessageErreur = message;
}

void reinitialiseCalcul()
{
    contexteCalcul() = ContexteCalcul();
    etatCalcul() = EtatCalcul();
}

std::string majuscules(std::string texte)
{
    for (char& c : texte)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return texte;
}

namespace {

// Points the slot at that tree (or at none), the reverse index kept in step.
void fixeArbre(ContexteCalcul& ctx, int slot, const Arbre* arbre)
{
    FonctionNommee& f = ctx.fonctionsNommees[std::size_t(slot)];
    if (f.arbre) {
        auto [debut, fin] = ctx.slotsDeLArbre.equal_range(f.arbre);
        for (auto it = debut; it != fin; ++it)
            if (it->second == slot) {
                ctx.slotsDeLArbre.erase(it);
                break;
            }
    }
    f.arbre = arbre;
    if (arbre)
        ctx.slotsDeLArbre.emplace(arbre, slot);
}

}  // namespace

int chercheFonction(const std::string& nomMajuscule)
{
    const ContexteCalcul& ctx = contexteCalcul();
    const auto it = ctx.slotDuNom.find(nomMajuscule);
    if (it == ctx.slotDuNom.end() || !ctx.fonctionsNommees[std::size_t(it->second)].arbre)
        return -1;
    return it->second;
}

int fonctionAppeleeEnTete(std::string_view texte)
{
    const ContexteCalcul& ctx = contexteCalcul();
    int retenu = -1;
    // Every bracket within the longest name's reach closes a candidate name.
    const std::size_t portee = std::min(texte.size(), ctx.longueurNomMax + 1);
    for (std::size_t l = 1; l < portee; ++l) {
        if (texte[l] != '(')
            continue;
        const auto it = ctx.slotDuNom.find(std::string(texte.substr(0, l)));
        if (it != ctx.slotDuNom.end() && ctx.fonctionsNommees[std::size_t(it->second)].arbre &&
            (retenu < 0 || it->second < retenu))
            retenu = it->second;
    }
    return retenu;
}

int enregistreFonction(const std::string& nom, const std::string& libelle, const Arbre* arbre)
{
    ContexteCalcul& ctx = contexteCalcul();
    auto& liste = ctx.fonctionsNommees;
    const std::string cle = majuscules(nom);
    int slot = -1;
    if (const auto it = ctx.slotDuNom.find(cle); it != ctx.slotDuNom.end())
        slot = it->second;
    if (slot < 0) {
        liste.push_back({cle, nom, libelle, nullptr});
        slot = static_cast<int>(liste.size()) - 1;
        ctx.slotDuNom.emplace(cle, slot);
        ctx.longueurNomMax = std::max(ctx.longueurNomMax, cle.size());
    } else {
        liste[slot].nomTape = nom;
        liste[slot].libelle = libelle;
    }
    fixeArbre(ctx, slot, arbre);
    recompileParametresPerso();
    return slot;
}

void retireFonction(const std::string& nom)
{
    ContexteCalcul& ctx = contexteCalcul();
    const auto it = ctx.slotDuNom.find(majuscules(nom));
    if (it == ctx.slotDuNom.end())
        return;
    fixeArbre(ctx, it->second, nullptr);
    ctx.fonctionsNommees[std::size_t(it->second)].libelle.clear();
}

void oublieArbreAppele(const Arbre* arbre)
{
    if (!arbre)
        return;
    ContexteCalcul& ctx = contexteCalcul();
    auto [debut, fin] = ctx.slotsDeLArbre.equal_range(arbre);
    for (auto it = debut; it != fin; ++it) {
        FonctionNommee& f = ctx.fonctionsNommees[std::size_t(it->second)];
        f.arbre = nullptr;
        f.libelle.clear();
    }
    ctx.slotsDeLArbre.erase(arbre);
}

int chercheParametrePerso(const std::string& nomMajuscule)
{
    const auto& liste = contexteCalcul().parametresPerso;
    for (std::size_t i = 0; i < liste.size(); ++i)
        if (liste[i].actif && majuscules(liste[i].nom) == nomMajuscule)
            return static_cast<int>(i);
    return -1;
}

int definitParametrePerso(const std::string& nom, const std::string& valeur)
{
    auto& liste = contexteCalcul().parametresPerso;
    const std::string cle = majuscules(nom);
    int slot = -1;
    for (std::size_t i = 0; i < liste.size(); ++i)
        if (majuscules(liste[i].nom) == cle)
            slot = static_cast<int>(i);
    if (slot < 0) {
        liste.push_back({});
        slot = static_cast<int>(liste.size()) - 1;
    }
    liste[slot].nom = nom;
    liste[slot].valeur = valeur;
    liste[slot].actif = true;
    recompileParametresPerso();
    return slot;
}

void retireParametrePerso(const std::string& nom)
{
    const std::string cle = majuscules(nom);
    for (auto& p : contexteCalcul().parametresPerso)
        if (majuscules(p.nom) == cle) {
            p.actif = false;
            p.arbre.reset();
        }
    recompileParametresPerso();
}

void recompileParametresPerso()
{
    auto& liste = contexteCalcul().parametresPerso;
    for (auto& p : liste) {
        if (!p.actif) {
            p.arbre.reset();
            continue;
        }
        auto arbre = std::make_shared<Arbre>();
        // The value text is read like any number field: trimmed, evaluated at x = 0.
        std::string_view texte = p.valeur;
        while (!texte.empty() && texte.front() == ' ')
            texte.remove_prefix(1);
        while (!texte.empty() && texte.back() == ' ')
            texte.remove_suffix(1);
        if (CompileExpr(texte, *arbre, true))
            p.arbre = std::move(arbre);
        else
            p.arbre.reset();
    }
}

bool definitFonctionAuxiliaire(int i, const std::string& texte)
{
    if (i < 0 || i >= NbFonctionsAux)
        return false;
    auto& slot = contexteCalcul().FonctionsAuxiliaires[i];
    slot.reset();
    if (texte.empty())
        return true;
    auto arbre = std::make_shared<Arbre>();
    if (!CompileExprYEtat(texte, *arbre))
        return false;
    slot = std::move(arbre);
    return true;
}

namespace {
std::uint64_t germeInitial()
{
    static std::atomic<std::uint64_t> compteur{0};
    return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count())
           + 0x9E3779B97F4A7C15ull * ++compteur;
}
}  // namespace

std::mt19937_64& moteurAleatoire()
{
    thread_local std::mt19937_64 moteur(germeInitial());
    return moteur;
}

void germeAleatoire(std::uint64_t germe)
{
    moteurAleatoire().seed(germe);
}

double Aleatoire()
{
    // 53 random bits: a value in [0, 1).
    return static_cast<double>(moteurAleatoire()() >> 11) * 0x1.0p-53;
}

#if defined(__x86_64__) || defined(__i386__)
namespace {
__attribute__((target("avx"))) void videMoitiesHautes()
{
    __builtin_ia32_vzeroupper();
}
}  // namespace

void LibereRegistresVectoriels()
{
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx)
        videMoitiesHautes();
}
#else
void LibereRegistresVectoriels() {}
#endif
