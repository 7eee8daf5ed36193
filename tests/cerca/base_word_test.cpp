// From the typed base to the searched one, and the bases that start nothing.

#include "cerca/base_word.h"

#include <gtest/gtest.h>

#include "base/output.h"
#include "cerca/manage_cat.h"
#include "support/collecting_sink.h"

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

struct NormaliseBaseTest : ::testing::Test {
    test::CollectingSink sink;
    Output out;
    CercaState state;

    NormaliseBaseTest() { out.SetSink(&sink); }

    int Normalise(int category, const std::string& typed, int radioParo = kGridSolve, bool riuso = false) {
        state.page.Categoria = category;
        state.page.LaBase = typed;
        state.page.RadioParo = radioParo;
        state.page.CheckRiuso = riuso;
        ApplyGridOptions(ManageCat(state.page), state);
        return NormaliseBase(state, out);
    }
};

TEST_F(NormaliseBaseTest, RefusalsPrintTheirMessageAndKeepTheLastBase) {
    ASSERT_EQ(Normalise(kCercaConsonando, "R*s*"), kBaseReady);
    EXPECT_EQ(state.BaseWord, "rs");
    EXPECT_EQ(state.JokerCount, 2);

    EXPECT_EQ(Normalise(kCercaGrid, "a***", kGridSolve, true), kBaseRefused);  // before every other check
    EXPECT_EQ(Normalise(kCercaGrid, "ab*", kGridSolve, true), kBaseRefused);
    EXPECT_EQ(Normalise(kCercaGrid, "ab*", kGridArrange), kBaseRefused);
    EXPECT_EQ(Normalise(kCercaEdits, "ab*"), kBaseRefused);
    EXPECT_EQ(Normalise(kCercaSizigie, "casa * tetto"), kBaseRefused);
    EXPECT_EQ(sink.Lines(), (std::vector<std::string>{
                                "Sono ammessi al massimo due Jolly ",
                                "I Jolly e le opzioni <Riuso> o <Disponi> sono incompatibili",
                                "I Jolly e le opzioni <Riuso> o <Disponi> sono incompatibili",
                                "I Jolly (*) non sono ammessi in questa ricerca",
                                "I Jolly (*) non sono ammessi in questa ricerca",
                            }));
    EXPECT_EQ(state.BaseWord, "rs");
}

TEST_F(NormaliseBaseTest, JokersGoWithTheSolvedGridAndAnIgnoredReuseTick) {
    EXPECT_EQ(Normalise(kCercaGrid, "ab**"), kBaseReady);
    EXPECT_EQ(state.BaseWord, "ab**");
    EXPECT_EQ(Normalise(kCercaGrid, "ab", kGridArrangeThenSolve, true), kBaseReady);
    EXPECT_FALSE(state.ReuseLetters);
}

}  // namespace
}  // namespace sillabor
