#pragma once
// The base word of the "Cerca" page: from the typed text to the searched base.

#include <cstdint>
#include <string>
#include <string_view>

#include "cerca/cerca_request.h"

namespace sillabor {

// The typed text reduced to what a category searches.
struct NormalisedBase {
    std::string text;
    int32_t jokers = 0;  // every '*' typed, kept in `text` only for the grid
};

// Folds accents and case and keeps, besides the letters a-z: brackets as
// '[' and ']' (categories 4 and 5), '*' (category 5), and single blanks
// between words (category 7).
NormalisedBase NormaliseBaseText(std::string_view typed, int category);

}  // namespace sillabor
