// The interlocutor of the tests: records every message, memo line and question, and answers
// the yes/no questions from a script (no when the script is empty); and a curve chooser that
// takes the first curve offered.
#pragma once

#include <QStringList>
#include <deque>

#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCDessin.h"

class InterlocuteurEssai : public Interlocuteur {
public:
    void message(const QString& texte) override { messages.append(texte); }
    void avertit(const QString& texte) override { avertissements.append(texte); }
    bool demandeOuiNon(const QString& texte) override
    {
        questions.append(texte);
        if (reponses.empty())
            return false;
        const bool r = reponses.front();
        reponses.pop_front();
        return r;
    }
    QStringList messages, avertissements, questions;
    std::deque<bool> reponses;
};

class ChoixPremier : public ChoixTrace {
public:
    bool choisit(const QString&, const QStringList& entrees, QString& choix) override
    {
        offertes = entrees;
        if (entrees.isEmpty())
            return false;
        choix = entrees.first();
        return true;
    }
    QStringList offertes;
};
