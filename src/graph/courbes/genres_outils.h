// Small helpers that the curve families share for their definitions, signatures and logs.
#pragma once

#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "graph/base/etatgraphe.h"

namespace genres {

// Most points (steps of an integration, terms of a series) one trace computes.
constexpr long long MaxPointsTrace = 1000000;

// The value of a text; false when it does not evaluate to a finite number. The error flag
// is cleared either way.
inline bool evalue(const QString& texte, double& valeur)
{
    valeur = EvalueTexte(texte.toStdString());
    const bool ok = !ErreurCalcul() && std::isfinite(valeur);
    ErreurCalcul() = 0;
    return ok;
}

// The same, 0 when it does not evaluate.
inline double evalue(const QString& texte)
{
    double v;
    return evalue(texte, v) ? v : 0;
}

// The number of whole steps in a span of q steps: q rounded to the nearest whole number
// when it lies within 1e-9 (relative) of it, since (0.7 - 0) / 0.1 comes out as
// 6.999999999999999, else truncated toward zero; 0 when negative or not finite, at most
// MaxPointsTrace (then *coupe is set).
inline long long nombrePas(double q, bool* coupe = nullptr)
{
    if (coupe)
        *coupe = false;
    if (!(q > 0))
        return 0;
    const double r = std::nearbyint(q);
    double n = std::fabs(q - r) <= 1e-9 * std::max(1.0, q) ? r : std::trunc(q);
    if (!(n <= double(MaxPointsTrace))) {
        n = double(MaxPointsTrace);
        if (coupe)
            *coupe = true;
    }
    return static_cast<long long>(n);
}

inline QString joint(std::initializer_list<QString> champs)
{
    QString s;
    for (const QString& c : champs) {
        s += QChar(0x1F);
        s += c;
    }
    return s;
}

template <std::size_t N>
inline QString joint(const std::array<QString, N>& champs)
{
    QString s;
    for (const QString& c : champs) {
        s += QChar(0x1F);
        s += c;
    }
    return s;
}

// The evaluation of kinds whose computation is not available yet.
inline void evaluationIndisponible()
{
    ErreurAvecMessage("calcul non disponible pour ce type de courbe");
}

// Appends lines to the curve log when the session is recorded.
inline void journalise(const QStringList& lignes)
{
    if (etatGraphe().EnregistrementSession)
        etatGraphe().JournalCourbes << lignes;
}

}  // namespace genres
