// Padlocks and hinges with the base in each role.

#include "cerca/padlocks.h"

#include "cerca/cerca_test_support.h"

namespace sillabor {
namespace {

struct PadlocksTest : test::CercaTest {};

// cane as XZ (casa + sane), XY (neve + cave; ne alone would be a charade),
// YZ (mica + mine) and as XY of a hinge (oca, neo).
const std::vector<std::string> kCaneWords = {"cane", "casa", "sane", "neve", "cave", "mica",
                                             "mine", "neo",  "oca",  "ne",   "ca"};
const std::string kNote =
    "Nota: da ogni soluzione XY+ZX->YZ, si ottengono anche le|"
    "cerniere equivalenti YZ+XY->ZX e ZX+YZ->XY, con le stesse parole|--|";

TEST_F(PadlocksTest, ListsTheBaseInEveryRole) {
    f.LoadDefault(kCaneWords);
    EXPECT_EQ(Search(kCercaPadlocks, "cane"),
              "caSA + SAne -> cane|--|caNE + NEve -> cave|--|miCA + CAne -> mine|--|" + kNote +
                  "CAne + oCA -> neo|--|Fine Ricerca");
    // Past the cap each generator still prints its first line.
    EXPECT_EQ(Search(kCercaPadlocks, "cane", 4999),
              "caSA + SAne -> cane|--|caNE + NEve -> cave|--|miCA + CAne -> mine|--|" + kNote +
                  "CAne + oCA -> neo|--|Fine Ricerca");
    EXPECT_EQ(f.app->state.FoundCount, 5003);
}

TEST_F(PadlocksTest, TheNoteComesEvenForOneLetterOrAStop) {
    f.LoadDefault(kCaneWords);
    EXPECT_EQ(Search(kCercaPadlocks, "c"), "--|" + kNote + "Fine Ricerca");
    EXPECT_EQ(SearchStopped(kCercaPadlocks), "--|" + kNote + "Fine Ricerca");
}

// Every pair is listed in the order of its first word, then of the size of
// the shared part, whichever run the search read.
TEST_F(PadlocksTest, PairsComeInTheOrderOfTheFirstWord) {
    f.LoadDefault({"pare", "pasta", "stare", "pala", "lare", "parco", "rcore", "coe", "lapa"});
    EXPECT_EQ(Search(kCercaPadlocks, "pare"),
              "paLA + LAre -> pare|paRCO + RCOre -> pare|parCO + COe -> pare|paSTA + STAre -> pare|--|"
              "laPA + PAre -> lare|--|" + kNote + "Fine Ricerca");
}

}  // namespace
}  // namespace sillabor
