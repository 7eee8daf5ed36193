// The page's check of a request: the base as the category searches it, the
// jokers and the grid's options that go together, and the bases that start nothing.

#include "cerca/cerca_request.h"

#include <gtest/gtest.h>

namespace sillabor {
namespace {

using Lines = std::vector<std::string>;

const Lines kTooManyJokers = {"Sono ammessi al massimo due Jolly "};
const Lines kJokersAndGridOptions = {"I Jolly e le opzioni <Riuso> o <Disponi> sono incompatibili"};
const Lines kNoJokersHere = {"I Jolly (*) non sono ammessi in questa ricerca"};

TEST(CheckCercaRequest, RefusesJokersWhereTheSearchCannotTakeThem) {
    struct Case {
        CercaCategory category;
        const char* typed;
        CercaGridMode mode;
        bool reuse;
        Lines refusal;
    };
    for (const Case& c : {
             Case{kCercaGrid, "a***", kGridSolve, true, kTooManyJokers},  // before every other check
             Case{kCercaEdits, "a*b*c*", kGridSolve, false, kTooManyJokers},
             Case{kCercaGrid, "ab*", kGridSolve, true, kJokersAndGridOptions},
             Case{kCercaGrid, "ab*", kGridArrange, false, kJokersAndGridOptions},
             Case{kCercaGrid, "ab*", kGridArrangeThenSolve, false, kJokersAndGridOptions},
             Case{kCercaEdits, "ab*", kGridSolve, false, kNoJokersHere},
             Case{kCercaSizigie, "casa * tetto", kGridSolve, false, kNoJokersHere},
             // Nothing left to search: no message.
             Case{kCercaEdits, "'!? 12 ,.", kGridSolve, false, {}},
             Case{kCercaGrid, "", kGridSolve, false, {}},
         }) {
        const Checked<CercaRequest> checked = CheckCercaRequest({c.category, c.typed, true, c.reuse, c.mode, 0});
        const auto* refusal = std::get_if<Refusal>(&checked);
        ASSERT_NE(refusal, nullptr) << c.typed;
        EXPECT_EQ(refusal->lines, c.refusal) << c.typed;
    }
}

TEST(CheckCercaRequest, GivesTheSearchedBaseItsJokersAndTheReuseOnlyWhileSolving) {
    struct Case {
        CercaCategory category;
        const char* typed;
        CercaGridMode mode;
        bool reuse;
        const char* base;
        int jokers;
        bool reuseChecked;
    };
    for (const Case& c : {
             Case{kCercaConsonando, "R*s*", kGridSolve, false, "rs", 2, false},
             Case{kCercaGrid, "ab**", kGridSolve, false, "ab**", 2, false},
             Case{kCercaGrid, "(qu)ab", kGridSolve, true, "[qu]ab", 0, true},
             Case{kCercaGrid, "ab", kGridArrangeThenSolve, true, "ab", 0, false},
             // The grid's options, even those that refuse jokers there, change nothing elsewhere.
             Case{kCercaIncluded, "casa*", kGridArrange, true, "casa", 1, false},
         }) {
        const Checked<CercaRequest> checked = CheckCercaRequest({c.category, c.typed, false, c.reuse, c.mode, 0});
        const auto* request = std::get_if<CercaRequest>(&checked);
        ASSERT_NE(request, nullptr) << c.typed;
        EXPECT_EQ(request->base, c.base) << c.typed;
        EXPECT_EQ(request->jokers, c.jokers) << c.typed;
        EXPECT_EQ(request->reuseLetters, c.reuseChecked) << c.typed;
        EXPECT_EQ(request->gridMode, c.mode) << c.typed;
        EXPECT_FALSE(request->diagonals) << c.typed;
    }
}

}  // namespace
}  // namespace sillabor
