// The page's look and grid options for each category.

#include "cerca/manage_cat.h"

#include <gtest/gtest.h>

namespace sillabor {
namespace {

CercaLayout LayoutFor(int category, int radioParo = kGridSolve, bool riuso = false) {
    CercaControls controls;
    controls.Categoria = category;
    controls.RadioParo = radioParo;
    controls.CheckRiuso = riuso;
    return ManageCat(controls);
}

TEST(ManageCat, ControlsLimitsAndHintsFollowTheCategory) {
    const std::string jokersAndGroups = "Jolly = asterisco (max 2). Gruppi di lettere con [], es. [qu]";
    const std::string groups = "Gruppi di lettere con [], es. [qu]";
    const std::string hints[] = {"", "", "", "", jokersAndGroups, jokersAndGroups, "Jolly = asterisco (max 2)",
                                 "inserisci due o tre parole separate da spazi"};
    for (int c = 0; c < kCercaCategoryItems; ++c) {
        CercaLayout layout = LayoutFor(c);
        EXPECT_EQ(layout.gridOptionsVisible, c == kCercaGrid) << c;
        EXPECT_EQ(layout.baseMaxLength, (c == kCercaIncluded || c == kCercaGrid) ? 300 : 80) << c;
        EXPECT_EQ(layout.hint, hints[c]) << c;
    }
    EXPECT_EQ(LayoutFor(kCercaIncluded, kGridArrange, true).hint, jokersAndGroups);
    EXPECT_EQ(LayoutFor(kCercaGrid, kGridSolve, true).hint, groups);
    EXPECT_EQ(LayoutFor(kCercaGrid, kGridArrange).hint, groups);
}

TEST(ManageCat, ArrangingGreysOutReuseAndIgnoresItsTick) {
    CercaLayout solve = LayoutFor(kCercaGrid, kGridSolve, true);
    EXPECT_TRUE(solve.riusoEnabled);
    EXPECT_TRUE(solve.reuseLetters);
    for (int mode : {kGridArrange, kGridArrangeThenSolve}) {
        CercaState state;
        ApplyGridOptions(LayoutFor(kCercaGrid, mode, true), state);
        EXPECT_FALSE(LayoutFor(kCercaGrid, mode, true).riusoEnabled);
        EXPECT_FALSE(state.ReuseLetters);
        EXPECT_EQ(state.GridMode, mode);
    }
}

}  // namespace
}  // namespace sillabor
