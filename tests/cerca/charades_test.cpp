// Charades and chained charades around the base, on a tiny dictionary.

#include "cerca/charades.h"

#include "cerca/cerca_test_support.h"

namespace sillabor {
namespace {

// mare split, extended on both sides, and chained every way; "co" and "col"
// come in the order of the first word although colmare comes before comare.
const std::vector<std::string> kMareWords = {"ma",     "re",     "mare", "marea",   "a",   "area", "moto", "maremoto",
                                             "co",     "col",    "comare", "colmare", "coma", "mar", "are"};

const char* const kMareLines =
    "ma + re -> mare|--|"
    "mare + a -> marea|mare + moto -> maremoto|--|"
    "co + mare -> comare|col + mare -> colmare|--|"
    "mARE + AREa -> mAREa|--|"
    "coMA + MAre -> coMAre|--|"
    "mA + Are -> mAre|mAR + ARe -> mARe|maR + Re -> maRe|--|Fine Ricerca";

struct CharadesTest : test::CercaTest {};

TEST_F(CharadesTest, ListsEveryCharadeInTheDriversOrder) {
    f.LoadDefault(kMareWords);
    EXPECT_EQ(Search(kCercaCharades, "Mare"), kMareLines);
    EXPECT_EQ(f.app->state.FoundCount, 10);
}

TEST_F(CharadesTest, CapsStopSplitAfterItsLineTheJoinsBeforeAndTheChainAfter) {
    f.LoadDefault(kMareWords);
    EXPECT_EQ(Search(kCercaCharades, "mare", 5000), "ma + re -> mare|--|mARE + AREa -> mAREa|--|Fine Ricerca");
    EXPECT_EQ(f.app->state.FoundCount, 5004);  // the joins count the result they leave
    // Below the cap the joins print; the chain stops once the count reaches it.
    EXPECT_EQ(Search(kCercaCharades, "mare", 4994),
              "ma + re -> mare|--|mare + a -> marea|mare + moto -> maremoto|--|"
              "co + mare -> comare|col + mare -> colmare|--|mARE + AREa -> mAREa|--|Fine Ricerca");
}

TEST_F(CharadesTest, AStopLeavesTheSplitAndTheWholeChain) {
    f.LoadDefault(kMareWords);
    Cerca().BaseWord = "mare";
    EXPECT_EQ(SearchStopped(kCercaCharades),
              "ma + re -> mare|--|mA + Are -> mAre|mAR + ARe -> mARe|maR + Re -> maRe|--|Fine Ricerca");
}

TEST_F(CharadesTest, ShortLongAndUnknownBases) {
    f.LoadDefault({"cane", "canestro", "estro", "ca", "ne", "x"});
    EXPECT_EQ(Search(kCercaCharades, "cane"), "ca + ne -> cane|--|canE + Estro -> canEstro|--|Fine Ricerca");
    // Too short to split, and absent from the dictionary: only the joins.
    EXPECT_EQ(Search(kCercaCharades, "ca"), "--|ca + ne -> cane|--|Fine Ricerca");
    EXPECT_EQ(Search(kCercaCharades, std::string(90, 'x')), "--|Fine Ricerca");
}

}  // namespace
}  // namespace sillabor
