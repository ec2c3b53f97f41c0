// Playing a WAV file through the system's sound output. The sound library is large and
// most runs play nothing, so the player lives in a module of its own beside the program,
// loaded with the first sound (the program's start does not pay for it).
#pragma once

#include <QString>
#include <functional>
#include <memory>

class LecteurSon {
public:
    virtual ~LecteurSon() = default;
    // False when the system has no sound output.
    virtual bool sortieDisponible() = 0;
    // Stops the sound playing and plays the file; echec is called (later) with the file's
    // path when it cannot be played.
    virtual void joue(const QString& chemin, std::function<void(const QString&)> echec) = 0;
};

// The name of the module's one function, which makes a player.
inline constexpr const char* FabriqueLecteurSon = "virk_cree_lecteur_son";
using FonctionFabriqueLecteurSon = LecteurSon* (*)();

// The player of the module found beside the program (null, with the reason in erreur, when
// it cannot be loaded).
std::unique_ptr<LecteurSon> ChargeLecteurSon(QString& erreur);
