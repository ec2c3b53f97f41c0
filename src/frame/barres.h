// The frame's four tool bars as one table. Each button runs an item of the active graph
// window's main menu (the item is triggered: the same handler, the same session log, the
// item as sender) and follows that item: it is shown only while the item and every menu
// above it are shown, enabled only while the item is, and down while the item is checked.
// A few buttons act on the window directly (zoom about the centre, the orthonormal switch);
// they follow the menu they belong to.
#pragma once

#include <vector>

// The bars, in the frame's order.
enum class BarreOutils {
    Standard,    // SpeedPanel, top
    TransfoGeom, // TransfoBar, top
    OpeSur1crb,  // Op1Bar, right
    TransfoSupp, // SupplBar, right
};

// What a click does besides triggering the item.
enum class ActionBouton {
    Article,   // the item, run in the active window
    Ouvrir,    // the item; with no window open, the frame's own open command
    Quitter,   // the frame's exit
    Reduire,   // the active window's units reduced about the centre
    Agrandir,  // ... enlarged
    Norme,     // the active window's frame made orthonormal or not
    Aucune,    // nothing
};

struct BoutonBarre {
    BarreOutils barre;
    const char* nom;          // objectName of the button's action
    const char* image;        // ":/boutons/<image>.svg", or null: the caption shows
    const char* libelle;      // caption (shown when there is no image)
    const char* conseil;      // short hint, beside the button
    const char* conseilLong;  // status-bar hint; null: the short one
    const char* article;      // the item of the window's main menu it runs and follows
    ActionBouton action = ActionBouton::Article;
};

// Every button, bar by bar, in the bars' order.
const std::vector<BoutonBarre>& TableBoutons();
