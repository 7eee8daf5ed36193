// From the typed base to the searched one, and the bases that start nothing.

#include "cerca/base_word.h"

#include <gtest/gtest.h>

#include "cerca/manage_cat.h"
#include "search/output.h"
#include "support/collecting_sink.h"

namespace sillabor {
namespace {

TEST(NormaliseBaseText, FoldsAccentsAndCaseAndDropsTheRest) {
    EXPECT_EQ(NormaliseBaseText("\xC0ncora", kCercaEdits).text, "ancora");
    EXPECT_EQ(NormaliseBaseText("l'amo", kCercaEdits).text, "lamo");
    EXPECT_EQ(NormaliseBaseText("Ca-sa 2, (qu)!", kCercaEdits).text, "casaqu");
    EXPECT_EQ(NormaliseBaseText("casa tetto", kCercaPadlocks).text, "casatetto");
}

TEST(NormaliseBaseText, KeepsSingleBlanksBetweenTheWordsOfSizigie) {
    EXPECT_EQ(NormaliseBaseText("  casa   tetto ", kCercaSizigie).text, "casa tetto ");
    EXPECT_EQ(NormaliseBaseText("casa, . tetto", kCercaSizigie).text, "casa tetto");
}

TEST(NormaliseBaseText, KeepsGroupsForIncludedWordsAndGridAndJokersForTheGridOnly) {
    NormalisedBase included = NormaliseBaseText("(qu)a*", kCercaIncluded);
    EXPECT_EQ(included.text, "[qu]a");
    EXPECT_EQ(included.jokers, 1);
    NormalisedBase grid = NormaliseBaseText("(qu)a*", kCercaGrid);
    EXPECT_EQ(grid.text, "[qu]a*");
    EXPECT_EQ(grid.jokers, 1);
    EXPECT_EQ(NormaliseBaseText("{sc}h[i]", kCercaGrid).text, "[sc]h[i]");
    NormalisedBase consonando = NormaliseBaseText("c*s*", kCercaConsonando);
    EXPECT_EQ(consonando.text, "cs");
    EXPECT_EQ(consonando.jokers, 2);
}

struct NormaliseBaseTest : ::testing::Test {
    test::CollectingSink sink;
    Output out;
    CercaState state;

    NormaliseBaseTest() { out.SetSink(&sink); }

    int Normalise(int category, const std::string& typed, CercaControls controls = {}) {
        controls.Categoria = category;
        controls.LaBase = typed;
        state.page = controls;
        ApplyGridOptions(ManageCat(controls), state);
        return NormaliseBase(state, out);
    }
};

TEST_F(NormaliseBaseTest, AcceptedBaseBecomesTheBaseWord) {
    EXPECT_EQ(Normalise(kCercaEdits, "Rosa!"), kBaseReady);
    EXPECT_EQ(state.BaseWord, "rosa");
    EXPECT_EQ(state.JokerCount, 0);
    EXPECT_EQ(Normalise(kCercaConsonando, "r*s*"), kBaseReady);
    EXPECT_EQ(state.BaseWord, "rs");
    EXPECT_EQ(state.JokerCount, 2);
    EXPECT_TRUE(sink.Lines().empty());
}

TEST_F(NormaliseBaseTest, RefusalsPrintTheirMessageAndKeepTheLastBase) {
    ASSERT_EQ(Normalise(kCercaEdits, "mare"), kBaseReady);
    CercaControls reuse;
    reuse.CheckRiuso = true;
    CercaControls arrange;
    arrange.RadioParo = kGridArrange;

    // More than two jokers is refused before every other check.
    EXPECT_EQ(Normalise(kCercaGrid, "a***", reuse), kBaseRefused);
    EXPECT_EQ(Normalise(kCercaGrid, "ab*", reuse), kBaseRefused);
    EXPECT_EQ(Normalise(kCercaGrid, "ab*", arrange), kBaseRefused);
    EXPECT_EQ(Normalise(kCercaEdits, "ab*"), kBaseRefused);
    EXPECT_EQ(Normalise(kCercaSizigie, "casa * tetto"), kBaseRefused);
    EXPECT_EQ(sink.Lines(), (std::vector<std::string>{
                                "Sono ammessi al massimo due Jolly ",
                                "I Jolly e le opzioni <Riuso> o <Disponi> sono incompatibili",
                                "I Jolly e le opzioni <Riuso> o <Disponi> sono incompatibili",
                                "I Jolly (*) non sono ammessi in questa ricerca",
                                "I Jolly (*) non sono ammessi in questa ricerca",
                            }));
    EXPECT_EQ(state.BaseWord, "mare");
}

TEST_F(NormaliseBaseTest, JokersInTheSolvedGridAreAccepted) {
    EXPECT_EQ(Normalise(kCercaGrid, "ab**"), kBaseReady);
    EXPECT_EQ(state.BaseWord, "ab**");
    // The reuse tick is ignored while the grid is arranged, but jokers still are not.
    CercaControls arrangeWithTick;
    arrangeWithTick.RadioParo = kGridArrangeThenSolve;
    arrangeWithTick.CheckRiuso = true;
    EXPECT_EQ(Normalise(kCercaGrid, "ab", arrangeWithTick), kBaseReady);
    EXPECT_FALSE(state.ReuseLetters);
}

TEST_F(NormaliseBaseTest, NothingLeftStartsNothingSilently) {
    EXPECT_EQ(Normalise(kCercaEdits, "...!? 12"), kBaseEmpty);
    EXPECT_EQ(Normalise(kCercaSizigie, "    "), kBaseEmpty);
    EXPECT_EQ(Normalise(kCercaIncluded, ""), kBaseEmpty);
    EXPECT_TRUE(sink.Lines().empty());
    EXPECT_TRUE(state.BaseWord.empty());
}

}  // namespace
}  // namespace sillabor
