// The "Parole" page's buttons and ticker, without a window.

#include "patterns/parole_page_record.h"

#include <gtest/gtest.h>

namespace sillabor {
namespace {

TEST(ParolePageRecord, ButtonsCycleAndClearRestoresTheDefaults) {
    EXPECT_EQ(NextModeCaption("soddisfa"), "non soddisfa");
    EXPECT_EQ(NextModeCaption("non soddisfa"), "..ignora..");
    EXPECT_EQ(NextModeCaption("..ignora.."), "soddisfa");
    EXPECT_EQ(ToggledEOCaption("e"), "o");
    EXPECT_EQ(ToggledEOCaption("o"), "e");

    ParolePage page;
    page.SoloBx = true;
    page.SoloEd = "abc";
    page.EdObbligati = page.EdProibiti = page.Pattern2 = "x";
    page.EdMiLun = "3";
    page.EdMxLun = "";
    page.Pattern = "c*";
    page.BuSodd1 = "..ignora..";
    page.BuSodd2 = "soddisfa";
    page.EOBott = "o";
    ClearParolePage(page);
    EXPECT_FALSE(page.SoloBx);
    EXPECT_EQ(page.SoloEd + page.EdObbligati + page.EdProibiti + page.Pattern2, "");
    EXPECT_EQ(page.EdMiLun, "0");
    EXPECT_EQ(page.EdMxLun, "40");
    EXPECT_EQ(page.Pattern, "*");
    EXPECT_EQ(page.BuSodd1, "soddisfa");
    EXPECT_EQ(page.BuSodd2, "..ignora..");
    EXPECT_EQ(page.EOBott, "e");
}

TEST(ParolePageRecord, TickerShows65CharactersAndWrapsAroundTheText) {
    ASSERT_EQ(kSpiegaParText.size(), 200u);
    EXPECT_EQ(SpiegaParWindow(0), std::string(kSpiegaParText.substr(0, 65)));
    EXPECT_EQ(SpiegaParWindow(150), std::string(kSpiegaParText.substr(150)) + std::string(kSpiegaParText.substr(0, 15)));
    int offset = 0;
    for (int tick = 0; tick < 199; ++tick) offset = NextSpiegaParOffset(offset);
    EXPECT_EQ(offset, 199);
    EXPECT_EQ(NextSpiegaParOffset(offset), 0);
}

}  // namespace
}  // namespace sillabor
