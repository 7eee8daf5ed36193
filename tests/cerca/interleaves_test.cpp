// Interleavings of the base, and words interleaving the base with another.

#include "cerca/interleaves.h"

#include "cerca/cerca_test_support.h"

namespace sillabor {
namespace {

struct InterleavesTest : test::CercaTest {};

// mare (no word here) = me + ar interleaved (ma + re is a plain charade, left out);
// macerare holds mare and cera; remare is re + mare, counted but not shown.
const std::vector<std::string> kWords = {"me", "ar", "ma", "re", "macerare", "cera", "remare", "amare"};

TEST_F(InterleavesTest, SplitsTheBaseThenFindsTheWordsHoldingIt) {
    f.LoadDefault(kWords);
    const char* const lines = "me + AR -> mARe|--|mare + CERA -> maCERAre|--|Fine Ricerca";
    EXPECT_EQ(Search(kCercaInterleaves, "mare"), lines);
    EXPECT_EQ(f.app->state.FoundCount, 3);
    // The same when the base is a word too.
    f.LoadDefault({"me", "ar", "ma", "re", "macerare", "cera", "remare", "amare", "mare"});
    EXPECT_EQ(Search(kCercaInterleaves, "mare"), lines);
}

TEST_F(InterleavesTest, ShortBasesAndAStop) {
    f.LoadDefault({"ore", "orate", "at", "orefici", "fici"});
    // Three letters: no split of the base, but the words holding it; orefici
    // is the plain charade ore + fici, counted and not shown.
    EXPECT_EQ(Search(kCercaInterleaves, "ore"), "--|ore + AT -> orATe|--|Fine Ricerca");
    EXPECT_EQ(f.app->state.FoundCount, 2);
    Cerca().BaseWord = "ore";
    EXPECT_EQ(SearchStopped(kCercaInterleaves), "--|Fine Ricerca");
}

}  // namespace
}  // namespace sillabor
