// What the source files of the graph window share among themselves; nothing outside the
// window layer includes it.
#pragma once

#include <QGuiApplication>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "expression/garde.h"
#include "graph/base/etatgraphe.h"

class GCCourbe;
class TForm1;

// The hourglass for the time of a long computation, restored on every path.
class CurseurAttente {
public:
    CurseurAttente() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CurseurAttente() { QGuiApplication::restoreOverrideCursor(); }
    CurseurAttente(const CurseurAttente&) = delete;
    CurseurAttente& operator=(const CurseurAttente&) = delete;
};

// A client size within the window's bounds.
int BorneTaille(int v);

// The window layer's list of open windows (designation.h): each window enters it when made
// and leaves it when destroyed.
void InscritFenetre(TForm1* fenetre);
void DesinscritFenetre(TForm1* fenetre);

class GCRepere;
// True when the four bounds make a usable window for the frame's scale kinds: finite, each
// minimum below its maximum by more than rounding, positive on a logarithmic axis.
bool BornesUtilisables(const GCRepere& repere, double xmin, double xmax, double ymin, double ymax);
// Pans the frame so that the world point (xAvant, yAvant) comes where (x, y) was (a
// logarithmic axis by a ratio); false, the frame unchanged, when the bounds would not be
// usable.
bool DecaleRepere(GCRepere& repere, double xAvant, double yAvant, double x, double y);

// The smallest of 1, 2, 5 times a power of ten that is at least v (v > 0): a graduation
// step.
double PasRond(double v);

class GCCourbe;
struct PointCourbe;
// The finite points of a curve's point cache, the curve traced first (hidden) on the frame
// of its own window (else of parDefaut) when it has no cache yet.
std::vector<PointCourbe> PointsDeLaCourbe(const std::shared_ptr<GCCourbe>& courbe, TForm1& parDefaut);

inline constexpr const char* LettresCourbes = "BCDEGHIJLNOPQRSTUWXY";

// Messages raised while the window renders: message boxes wait in the window's queue and
// are shown once the rendering is over; warnings-memo lines go through at once (the memo is
// not modal); nothing can be asked.
class InterlocuteurPeinture : public Interlocuteur {
public:
    InterlocuteurPeinture() = default;
    void message(const QString& texte) override
    {
        if (!leves.contains(texte))
            leves.append(texte);
    }
    void avertit(const QString& texte) override
    {
        if (precedent)
            precedent->avertit(texte);
    }
    bool demandeOuiNon(const QString&) override { return false; }

    Interlocuteur* precedent = nullptr;
    QStringList leves;   // message texts raised during this rendering, once each
};

// Puts the window's queue in place of the interlocutor for the time of one rendering.
class FileMessages {
public:
    explicit FileMessages(InterlocuteurPeinture& file) : garde_(etatGraphe().interlocuteur, &file)
    {
        file.leves.clear();
        file.precedent = garde_.ancienne();
    }

private:
    GardeValeur<Interlocuteur*> garde_;
};
