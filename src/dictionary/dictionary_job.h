#pragma once
// What scanning, loading, building and exporting a dictionary work on: the
// dictionary, the printer, the search state and the working folder, and whom
// to tell about the dictionary's state.

#include <filesystem>
#include <string>

#include "base/output.h"
#include "base/search_state.h"
#include "dictionary/build_options.h"
#include "dictionary/dictionary.h"

namespace sillabor {

// Told by loads and builds; the window shows the state, the command line and
// tests may ignore it.
class DictionaryEvents {
public:
    virtual ~DictionaryEvents() = default;
    // The text of the dictionary's status panel: "Dizionario: ...".
    virtual void ShowDictionaryState(const std::string& /*text*/) {}
    // No dictionary can be used: prints the fatal message and makes the state permanent.
    virtual void FatalStop() = 0;
    virtual bool IsFatal() const = 0;
};

struct DictionaryJob {
    Dictionary& dict;
    Output& out;
    SearchState& state;
    DictionaryEvents& events;
    // The working folder, holding Dizionari/ and Salvataggi/.
    std::filesystem::path root;
    // BuildOption bits; a build that finds "escludi.txt" clears them for good.
    int* buildOptions = nullptr;

    std::filesystem::path DictionariesDir() const { return root / "Dizionari"; }
    std::filesystem::path SavesDir() const { return root / "Salvataggi"; }
};

}  // namespace sillabor
