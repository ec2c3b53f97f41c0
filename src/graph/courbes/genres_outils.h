// Small helpers that the curve families share for their definitions, signatures and logs.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cmath>
#include <initializer_list>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "graph/base/etatgraphe.h"

namespace genres {

inline double evalue(const QString& texte)
{
    const double v = EvalueTexte(texte.toStdString());
    const bool ok = !ErreurCalcul() && std::isfinite(v);
    ErreurCalcul() = 0;
    return ok ? v : 0;
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
