#include "expression/etat.h"

#include <atomic>
#include <chrono>
#include <random>

#include "expression/fonction.h"
#include "expression/simul.h"

const char* const LettresParametres = "abcdghklmp";

EtatCalcul& etatCalcul()
{
    thread_local EtatCalcul etat;
    return etat;
}

void ErreurAvecMessage(const char* message)
{
    EtatCalcul& e = etatCalcul();
    e.ErreurCalcul = 1;
    e.MessageErreur = message;
}

ContexteCalcul& contexteCalcul()
{
    static ContexteCalcul contexte;
    return contexte;
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

int chercheFonction(const std::string& nomMajuscule)
{
    const auto& liste = contexteCalcul().fonctionsNommees;
    for (std::size_t i = 0; i < liste.size(); ++i)
        if (liste[i].arbre && liste[i].nom == nomMajuscule)
            return static_cast<int>(i);
    return -1;
}

int enregistreFonction(const std::string& nom, const std::string& libelle, const Arbre* arbre)
{
    auto& liste = contexteCalcul().fonctionsNommees;
    const std::string cle = majuscules(nom);
    int slot = -1;
    for (std::size_t i = 0; i < liste.size(); ++i)
        if (liste[i].nom == cle)
            slot = static_cast<int>(i);
    if (slot < 0) {
        liste.push_back({cle, nom, libelle, arbre});
        slot = static_cast<int>(liste.size()) - 1;
    } else {
        liste[slot].nomTape = nom;
        liste[slot].libelle = libelle;
        liste[slot].arbre = arbre;
    }
    recompileParametresPerso();
    return slot;
}

void retireFonction(const std::string& nom)
{
    const std::string cle = majuscules(nom);
    for (auto& f : contexteCalcul().fonctionsNommees)
        if (f.nom == cle) {
            f.arbre = nullptr;
            f.libelle.clear();
        }
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
