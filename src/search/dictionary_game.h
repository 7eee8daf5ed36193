#pragma once
// The dictionary "game": build and load, load, or export.

namespace sillabor {

class Workbench;

enum DictionaryGameOption : int {
    kDictionaryBuildAndLoad = 1,  // "Aggiorna e Carica"
    kDictionaryLoad = 2,          // "Carica"
    kDictionaryExport = 3,        // "Esporta"
};

// 0 on success; 1 when something failed (including a fall-back to "Default").
int DictionaryGame(Workbench& wb, int option);

}  // namespace sillabor
