// What the frame layer keeps program-wide: the stand-ins that answer its message boxes and
// its file dialogs in place of the user (tests, where a modal box would block), put in
// place through a GardeValeur. reinitialiseCadre() resets every earlier layer; these seams,
// like those of the earlier layers, are kept.
#pragma once

class RepondeurBoites;
class DialoguesCadre;

struct EtatCadre {
    RepondeurBoites* repondeur = nullptr;  // none: the real message boxes
    DialoguesCadre* dialogues = nullptr;   // none: Qt's file dialogs and the window chooser
};

EtatCadre& etatCadre();
// The program-wide state of every layer back to its defaults (tests, new session).
void reinitialiseCadre();
