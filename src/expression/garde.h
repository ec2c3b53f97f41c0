// A value put in place for the time of a scope, the previous one coming back on every exit
// path: an interlocutor for the time of a reading, a scripted stand-in for the time of a
// test.
#pragma once

#include <utility>

template <class T>
class GardeValeur {
public:
    template <class U>
    GardeValeur(T& cible, U&& valeur) : cible_(cible), ancienne_(std::exchange(cible, std::forward<U>(valeur)))
    {
    }
    ~GardeValeur() { cible_ = std::move(ancienne_); }
    GardeValeur(const GardeValeur&) = delete;
    GardeValeur& operator=(const GardeValeur&) = delete;
    // The value that was in place before, and comes back.
    const T& ancienne() const { return ancienne_; }

private:
    T& cible_;
    T ancienne_;
};

template <class T, class U>
GardeValeur(T&, U&&) -> GardeValeur<T>;
