#pragma once
// What a game's search works on. The application object owns all of it and
// hands it to the game for one search.

#include <filesystem>

#include "base/output.h"
#include "base/random_source.h"
#include "base/search_state.h"
#include "base/top_table.h"
#include "dictionary/dictionary.h"
#include "dictionary/dictionary_job.h"

namespace sillabor {

struct GameContext {
    Dictionary& dict;
    Output& out;
    SearchState& state;
    RandomSource& random;
    TopTable& top;
    DictionaryEvents& events;
    // The working folder, holding Dizionari/, Salvataggi/ and the help file.
    const std::filesystem::path& root;

    // The same services for a dictionary scan, load, build or export.
    DictionaryJob Job(int* buildOptions = nullptr) const {
        return DictionaryJob{dict, out, state, events, root, buildOptions};
    }
};

}  // namespace sillabor
