#pragma once
// The base word of the "Cerca" page: from the typed text to the searched base.

#include <cstdint>
#include <string>
#include <string_view>

#include "cerca/cerca_state.h"

namespace sillabor {

class Output;

// The typed text reduced to what a category searches.
struct NormalisedBase {
    std::string text;
    int32_t jokers = 0;  // every '*' typed, kept in `text` only for the grid
};

// Folds accents and case and keeps, besides the letters a-z: brackets as
// '[' and ']' (categories 4 and 5), '*' (category 5), and single blanks
// between words (category 7).
NormalisedBase NormaliseBaseText(std::string_view typed, int category);

enum NormaliseStatus : int {
    kBaseReady = 0,    // BaseWord holds the base; start the search
    kBaseRefused = 1,  // a message was printed; no search
    kBaseEmpty = 2,    // nothing left of the text; no search and no message
};

// Reads LaBase and Categoria from the record's controls, sets JokerCount and,
// when the base can be searched, BaseWord. A refusal prints its message and
// shows it at once. Uses the grid options last stored by ApplyGridOptions.
int NormaliseBase(CercaState& state, Output& out);

}  // namespace sillabor
