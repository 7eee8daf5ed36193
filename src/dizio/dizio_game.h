#pragma once
// The "Dizio" page's game: build and load, load, or export a dictionary.

#include <string>

#include "dictionary/dictionary_export.h"
#include "dictionary/dictionary_loader.h"
#include "game/game.h"
#include "game/search_job.h"

namespace sillabor {

enum DictionaryGameOption : int {
    kDictionaryBuildAndLoad = 1,  // "Aggiorna e Carica"
    kDictionaryLoad = 2,          // "Carica"
    kDictionaryExport = 3,        // "Esporta"
};

struct DizioRequest {
    // A DictionaryGameOption.
    int action = kDictionaryLoad;
    // The dictionary to build or load (its folder in Dizionari/); empty, the
    // one named last. An export always writes the loaded one.
    std::string dictionary;
    // What a build leaves out of its sources ("Escludi parole ...").
    bool skipCapitalised = false;
    bool skipBeforeApostrophe = false;
    bool skipHyphenated = false;
    // The order of an export.
    ExportOrder exportOrder = kExportAlphabetical;
};

class DizioGame : public Game {
public:
    GameInfo Info() const override { return {"dizio", "Dizio", "Dizionari", ""}; }
    std::vector<std::string> HelpKeys() const override { return {"DIZIO"}; }
    // Loads, builds and exports work in the word array's current order.
    bool NeedsByteOrder(int /*option*/) const override { return false; }
    bool CanBeStopped() const override { return false; }
    // The action `option` on the dictionary named last, with no build option
    // and in alphabetical order. 0 on success; 1 when something failed
    // (including a fall-back to "Default").
    int Run(GameContext& ctx, int option) override;
    // The search of a request, with Run's statuses.
    SearchJob Job(const DizioRequest& request);

    // Scans Dizionari/ into `dictionaries`. 0 on success, 1 after a fatal stop.
    int Scan(GameContext& ctx);

    // The dictionaries found by the last scan.
    DictionaryList dictionaries;

private:
    int Perform(GameContext& ctx, const DizioRequest& request);
};

}  // namespace sillabor
