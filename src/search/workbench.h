#pragma once
// The one object that owns everything a search needs: the dictionary, the
// shared search state, the printer, the random source and the pages' records.

#include <atomic>
#include <filesystem>
#include <string>
#include <vector>

#include "anagrams/anagram_state.h"
#include "cerca/cerca_state.h"
#include "dictionary/dictionary.h"
#include "patterns/pattern_filter.h"
#include "search/output.h"
#include "search/random_source.h"
#include "search/search_state.h"
#include "search/top_table.h"

namespace sillabor {

// What the core asks of whoever hosts it (the window, the command line, a test).
class SearchHost {
public:
    virtual ~SearchHost() = default;
    // Status panel 1: "Dizionario: ..." texts.
    virtual void SetDictionaryState(const std::string& /*text*/) {}
    // The workbench has entered its fatal state.
    virtual void FatalStopped() {}
};

// Bits of the dictionary build options.
enum BuildOption : int {
    kBuildSkipCapitalised = 1,  // "Con maiuscole"
    kBuildSkipBeforeApostrophe = 2,  // "Prima di apostrofo"
    kBuildSkipHyphenated = 4,  // "Prima e dopo il "-""
};

// Export orders of the "Dizio" page.
enum ExportOrder : int { kExportAlphabetical = 0, kExportByLength = 1, kExportRhymes = 2 };

class Workbench {
public:
    explicit Workbench(std::filesystem::path root = ".");

    // The working folder, holding Dizionari/, Salvataggi/ and the help file.
    std::filesystem::path root;
    std::filesystem::path DictionariesDir() const { return root / "Dizionari"; }
    std::filesystem::path SavesDir() const { return root / "Salvataggi"; }

    Dictionary dict;
    SearchState state;
    Output out;
    RandomSource random;
    TopTable top;
    SearchHost* host = nullptr;

    // Set once no dictionary can be used; permanent.
    std::atomic<bool> fatal{false};
    // The "Cern" page's parity masks must be recomputed (after every load).
    std::atomic<bool> cernMasksStale{true};

    // The "Dizio" page: the dictionaries found by the last scan, build options
    // and export order.
    std::vector<std::string> dictionaryList;
    int selectedDictionary = -1;
    int buildOptions = 0;
    int exportOrder = kExportAlphabetical;

    // The "Anagr" page and the anagram engine.
    AnagramPage anagramPage;
    AnagramState anagramState;

    // The "Cerca" page.
    CercaState cerca;

    // The "Parole" page and its filters, which the anagram engine also applies.
    ParolePage parolePage;
    PatternFilter paroleFilter;

    void SetDictionaryState(const std::string& text) {
        if (host != nullptr) host->SetDictionaryState(text);
    }
};

// Prints the fatal message, shows it, and puts the workbench in its fatal state.
void FatalStop(Workbench& wb);

}  // namespace sillabor
