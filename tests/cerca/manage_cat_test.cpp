// The page's look and grid options for each category.

#include "cerca/manage_cat.h"

#include <gtest/gtest.h>

namespace sillabor {
namespace {

CercaLayout LayoutFor(int category, int radioParo = kGridSolve, bool riuso = false, bool diag = true) {
    CercaControls controls;
    controls.Categoria = category;
    controls.RadioParo = radioParo;
    controls.CheckRiuso = riuso;
    controls.CheckDiag = diag;
    return ManageCat(controls);
}

TEST(ManageCat, GridOptionsShowOnlyForTheGridAndLongBasesOnlyForGroups) {
    for (int c = 0; c < kCercaCategoryItems; ++c) {
        CercaLayout layout = LayoutFor(c);
        EXPECT_EQ(layout.gridOptionsVisible, c == kCercaGrid) << c;
        EXPECT_EQ(layout.baseMaxLength, (c == kCercaIncluded || c == kCercaGrid) ? 300 : 80) << c;
    }
}

TEST(ManageCat, HintsFollowTheCategoryAndTheGridOptions) {
    const std::string jokersAndGroups = "Jolly = asterisco (max 2). Gruppi di lettere con [], es. [qu]";
    EXPECT_EQ(LayoutFor(kCercaIncluded).hint, jokersAndGroups);
    EXPECT_EQ(LayoutFor(kCercaIncluded, kGridArrange, true).hint, jokersAndGroups);
    EXPECT_EQ(LayoutFor(kCercaGrid).hint, jokersAndGroups);
    EXPECT_EQ(LayoutFor(kCercaGrid, kGridSolve, true).hint, "Gruppi di lettere con [], es. [qu]");
    EXPECT_EQ(LayoutFor(kCercaGrid, kGridArrange).hint, "Gruppi di lettere con [], es. [qu]");
    EXPECT_EQ(LayoutFor(kCercaConsonando).hint, "Jolly = asterisco (max 2)");
    EXPECT_EQ(LayoutFor(kCercaSizigie).hint, "inserisci due o tre parole separate da spazi");
    EXPECT_EQ(LayoutFor(kCercaEdits).hint, "");
    EXPECT_EQ(LayoutFor(kCercaPadlocks).hint, "");
}

TEST(ManageCat, ArrangingGreysOutReuseAndIgnoresItsTick) {
    CercaLayout solve = LayoutFor(kCercaGrid, kGridSolve, true, false);
    EXPECT_TRUE(solve.riusoEnabled);
    EXPECT_TRUE(solve.reuseLetters);
    EXPECT_FALSE(solve.useDiagonals);
    for (int mode : {kGridArrange, kGridArrangeThenSolve}) {
        CercaLayout layout = LayoutFor(kCercaGrid, mode, true);
        EXPECT_FALSE(layout.riusoEnabled);
        EXPECT_FALSE(layout.reuseLetters);
        EXPECT_EQ(layout.gridMode, mode);
    }

    CercaState state;
    ApplyGridOptions(LayoutFor(kCercaGrid, kGridArrange, true, false), state);
    EXPECT_FALSE(state.UseDiagonals);
    EXPECT_FALSE(state.ReuseLetters);
    EXPECT_EQ(state.GridMode, kGridArrange);
}

}  // namespace
}  // namespace sillabor
