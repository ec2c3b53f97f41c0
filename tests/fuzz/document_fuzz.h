// What the document targets share: the offscreen application, a new session (nothing left
// of the previous input in the program-wide state), and a fresh window model to read into.
#pragma once

#include <QGuiApplication>
#include <array>

#include "commun_fuzz.h"
#include "expression/etat.h"
#include "expression/paramperso.h"
#include "graph/aires/GCAire.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/document/GCDocument.h"
#include "graph/document/document.h"
#include "graph/repere/GCRepere.h"
#include "graph/textes/GCTexte.h"

// Font families that the system does not have make fontconfig keep memory it never frees;
// that is not ours to find.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }


// Settings, parameters, counters and the working folder back to a new run's, when the
// session begins and when it ends: what an input leaves behind would look like a leak.
class SessionFuzz {
public:
    SessionFuzz() { remetANeuf(); }
    ~SessionFuzz() { remetANeuf(); }
    SessionFuzz(const SessionFuzz&) = delete;
    SessionFuzz& operator=(const SessionFuzz&) = delete;

private:
    static void remetANeuf()
    {
        etatGraphe().DossierTemp = DossierFuzz();
        reinitialiseGraphe();
    }
};

// A new window's document, read from lines as the opener reads a document.
struct DocumentFuzz : GCDocument {
    static constexpr int Largeur = 80, Hauteur = 60;  // small: area scans cost per pixel

    DocumentFuzz() : GCDocument(1, Largeur, Hauteur) {}

    RapportLecture lit(const QStringList& lignes, LiensEnAttente& liens)
    {
        ModeleDocument m = Modele();
        return LitLignesDocument(lignes, m, liens, etatGraphe().DossierTemp);
    }
};
