// From the typed base to the searched one.

#include "cerca/base_word.h"

#include <gtest/gtest.h>


namespace sillabor {
namespace {

TEST(NormaliseBaseText, KeepsWhatEachCategorySearches) {
    struct Case {
        int category;
        const char* typed;
        const char* text;
        int jokers;
    };
    for (const Case& c : {Case{kCercaEdits, "\xC0ncora", "ancora", 0}, Case{kCercaEdits, "l'amo", "lamo", 0},
                          Case{kCercaEdits, "Ca-sa 2, (qu)!", "casaqu", 0},
                          Case{kCercaPadlocks, "casa tetto", "casatetto", 0},
                          Case{kCercaSizigie, "  casa   tetto ", "casa tetto ", 0},
                          Case{kCercaSizigie, "casa, . tetto", "casa tetto", 0},
                          Case{kCercaIncluded, "(qu)a*", "[qu]a", 1}, Case{kCercaGrid, "(qu)a*", "[qu]a*", 1},
                          Case{kCercaGrid, "{sc}h[i]", "[sc]h[i]", 0},
                          Case{kCercaConsonando, "c*s*", "cs", 2}}) {
        NormalisedBase base = NormaliseBaseText(c.typed, c.category);
        EXPECT_EQ(base.text, c.text) << c.typed;
        EXPECT_EQ(base.jokers, c.jokers) << c.typed;
    }
}

}  // namespace
}  // namespace sillabor
