#pragma once
// The "Dizio" page's game: build and load, load, or export a dictionary.

#include "dictionary/dictionary_export.h"
#include "dictionary/dictionary_loader.h"
#include "game/game.h"

namespace sillabor {

enum DictionaryGameOption : int {
    kDictionaryBuildAndLoad = 1,  // "Aggiorna e Carica"
    kDictionaryLoad = 2,          // "Carica"
    kDictionaryExport = 3,        // "Esporta"
};

class DizioGame : public Game {
public:
    GameInfo Info() const override { return {"dizio", "Dizio", "Dizionari", ""}; }
    std::vector<std::string> HelpKeys() const override { return {"DIZIO"}; }
    // Loads, builds and exports work in the word array's current order.
    bool NeedsByteOrder(int /*option*/) const override { return false; }
    bool CanBeStopped() const override { return false; }
    // Works on the dictionary named by ctx.dict.DictionaryName. 0 on success;
    // 1 when something failed (including a fall-back to "Default").
    int Run(GameContext& ctx, int option) override;

    // Scans Dizionari/ into `dictionaries`. 0 on success, 1 after a fatal stop.
    int Scan(GameContext& ctx);

    // The dictionaries found by the last scan.
    DictionaryList dictionaries;
    // BuildOption bits for "Aggiorna e Carica".
    int buildOptions = 0;
    // ExportOrder for "Esporta".
    int exportOrder = kExportAlphabetical;
};

}  // namespace sillabor
