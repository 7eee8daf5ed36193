// The "Parole" page's ticker, without a window.

#include "patterns/parole_page_record.h"

#include <gtest/gtest.h>

namespace sillabor {
namespace {

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
