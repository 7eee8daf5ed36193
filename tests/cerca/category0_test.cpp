// The words one edit away from the base, on tiny dictionaries.

#include "cerca/category0.h"

#include <gtest/gtest.h>

#include "cerca/base_word.h"
#include "cerca/cerca_search.h"
#include "search/run_game.h"
#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

using Lines = std::vector<std::string>;
const std::string kSep(50, '-');

// rosa and the words around it: anagrams, exchanges, a move, a removal, a
// doubled letter and changes.
const std::vector<std::string> kRosaWords = {"rosa", "orsa", "raso", "sora", "osa",
                                             "rossa", "rasa", "roma", "rose", "casa"};

struct EditsTest : ::testing::Test {
    test::Fixture f;

    Lines Search(const std::string& base, int32_t startCount = -1) {
        f.wb->cerca.page.Categoria = kCercaEdits;
        f.wb->cerca.page.LaBase = base;
        EXPECT_EQ(NormaliseBase(f.wb->cerca, f.wb->out), kBaseReady);
        f.sink.Reset();
        if (startCount < 0) {
            EXPECT_EQ(RunGame(*f.wb, kGameCerca, kCercaEdits), 0);
        } else {
            // As if earlier results of this search had already been counted.
            f.wb->state.FoundCount = startCount;
            EXPECT_EQ(CercaSearch(*f.wb, kCercaEdits), 0);
        }
        return f.sink.Lines();
    }
};

TEST_F(EditsTest, ListsEveryEditInOrderWithItsMarks) {
    f.LoadDefault(kRosaWords);
    EXPECT_EQ(Search("Rosa"), (Lines{
                                  "Anagramma: rosa -> orsa",
                                  "Anagramma: rosa -> raso",
                                  "Anagramma: rosa -> sora",
                                  kSep,
                                  "Scambio: ROsa <-> ORsa",
                                  "Scambio: RoSa <-> SoRa",
                                  "Scambio: rOsA <-> rAsO",
                                  kSep,
                                  "Metatesi: Rosa <-> oRsa",
                                  "Metatesi: rOsa <-> Orsa",
                                  kSep,
                                  "Scarto: Rosa -> osa",
                                  kSep,
                                  "Aggiunta: rosa -> roSsa",
                                  "Aggiunta: rosa -> rosSa",
                                  kSep,
                                  "Cambio: rOsa -> rAsa",
                                  "Cambio: roSa -> roMa",
                                  "Cambio: rosA -> rosE",
                                  kSep,
                                  "Fine Ricerca",
                              }));
    EXPECT_EQ(f.wb->state.FoundCount, 14);
}

TEST_F(EditsTest, DoubleLettersAndABaseMissingFromTheDictionary) {
    f.LoadDefault({"toto", "oto", "tot"});
    // No exchange of the two t's; either t removed gives oto; empty
    // generators leave no pair of separators.
    EXPECT_EQ(Search("otto"), (Lines{
                                  "Anagramma: otto -> toto",
                                  kSep,
                                  "Scambio: OTto <-> TOto",
                                  kSep,
                                  "Metatesi: Otto <-> tOto",
                                  "Metatesi: oTto <-> Toto",
                                  "Metatesi: otTo <-> Toto",
                                  kSep,
                                  "Scarto: oTto -> oto",
                                  "Scarto: otTo -> oto",
                                  kSep,
                                  "Fine Ricerca",
                              }));
}

TEST_F(EditsTest, AOneLetterBaseHasNoExchangesOrMoves) {
    f.LoadDefault({"a", "e", "ah", "da"});
    // Nothing from Anagramma: the separator after it opens the list.
    EXPECT_EQ(Search("a"), (Lines{kSep, "Aggiunta: a -> Da", "Aggiunta: a -> aH", kSep, "Cambio: A -> E", kSep,
                                  "Fine Ricerca"}));
}

TEST_F(EditsTest, TheCapLetsEachLaterGeneratorPrintOneLine) {
    f.LoadDefault(kRosaWords);
    // At 5000 one more line is allowed; the next passes the cap.
    EXPECT_EQ(Search("rosa", 5000), (Lines{
                                        "Anagramma: rosa -> orsa",
                                        "Anagramma: rosa -> raso",
                                        kSep,
                                        "Scambio: ROsa <-> ORsa",
                                        kSep,
                                        "Metatesi: Rosa <-> oRsa",
                                        kSep,
                                        "Scarto: Rosa -> osa",
                                        kSep,
                                        "Aggiunta: rosa -> roSsa",
                                        kSep,
                                        "Cambio: rOsa -> rAsa",
                                        kSep,
                                        "Fine Ricerca",
                                    }));
    EXPECT_EQ(f.wb->state.FoundCount, 5007);
}

TEST_F(EditsTest, AStopEndsOnlyTheGeneratorsThatTestIt) {
    f.LoadDefault(kRosaWords);
    f.wb->cerca.BaseWord = "rosa";
    f.wb->state.StopRequested = true;
    EXPECT_EQ(CercaSearch(*f.wb, kCercaEdits), 0);
    Lines lines = f.sink.Lines();
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[0], kSep);
    EXPECT_EQ(lines[1], "Scambio: ROsa <-> ORsa");
    EXPECT_EQ(lines[11], "Aggiunta: rosa -> rosSa");
    EXPECT_EQ(lines[12], kSep);
    EXPECT_EQ(lines[13], "Fine Ricerca");
}

TEST_F(EditsTest, LongBasesFindOnlyWordsThatCanExist) {
    const std::string longest = "abcdefghijklmnopqrstuvwxyzabcdefghijklm";  // 39 letters
    f.LoadDefault({longest, "casa", "rosa"});
    EXPECT_EQ(Search(longest + "z"), (Lines{kSep, "Scarto: " + longest + "Z -> " + longest, kSep, "Fine Ricerca"}));
    EXPECT_EQ(Search(std::string(300, 'x')), (Lines{kSep, "Fine Ricerca"}));
    // So many letters that their counts would wrap round to those of "casa".
    f.wb->cerca.BaseWord = "casa" + std::string(65536, 'a');
    f.sink.Reset();
    EXPECT_EQ(RunGame(*f.wb, kGameCerca, kCercaEdits), 0);
    EXPECT_EQ(f.sink.Lines(), (Lines{kSep, "Fine Ricerca"}));
}

TEST_F(EditsTest, CategoriesNotYetAvailablePrintNothing) {
    f.LoadDefault(kRosaWords);
    f.wb->cerca.BaseWord = "rosa";
    for (int option = 1; option <= 7; ++option) {
        EXPECT_FALSE(CercaCategoryBuilt(option));
        EXPECT_EQ(RunGame(*f.wb, kGameCerca, option), kCercaCategoryNotBuilt) << option;
    }
    EXPECT_TRUE(f.sink.Lines().empty());
}

}  // namespace
}  // namespace sillabor
