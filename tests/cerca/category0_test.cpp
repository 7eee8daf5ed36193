// The words one edit away from the base, on tiny dictionaries.

#include "cerca/category0.h"

#include <gtest/gtest.h>

#include "cerca/cerca_search.h"
#include "cerca/cerca_test_support.h"

namespace sillabor {
namespace {

// rosa and the words around it: anagrams, exchanges, a move, a removal, a
// doubled letter and changes.
const std::vector<std::string> kRosaWords = {"rosa", "orsa", "raso", "sora", "osa",
                                             "rossa", "rasa", "roma", "rose", "casa"};

struct EditsTest : test::CercaTest {
    std::string Search(const std::string& typed, int32_t startCount = -1) {
        return CercaTest::Search(kCercaEdits, typed, startCount);
    }
};

TEST_F(EditsTest, ListsEveryEditInOrderWithItsMarks) {
    f.LoadDefault(kRosaWords);
    EXPECT_EQ(Search("Rosa"),
              "Anagramma: rosa -> orsa|Anagramma: rosa -> raso|Anagramma: rosa -> sora|--|"
              "Scambio: ROsa <-> ORsa|Scambio: RoSa <-> SoRa|Scambio: rOsA <-> rAsO|--|"
              "Metatesi: Rosa <-> oRsa|Metatesi: rOsa <-> Orsa|--|"
              "Scarto: Rosa -> osa|--|"
              "Aggiunta: rosa -> roSsa|Aggiunta: rosa -> rosSa|--|"
              "Cambio: rOsa -> rAsa|Cambio: roSa -> roMa|Cambio: rosA -> rosE|--|Fine Ricerca");
    EXPECT_EQ(f.app->state.FoundCount, 14);
}

TEST_F(EditsTest, DoubleLettersShortBasesAndBasesMissingFromTheDictionary) {
    f.LoadDefault({"toto", "oto", "tot", "a", "e", "ah", "da"});
    // No exchange of the two t's, either t removed gives oto; a generator
    // without results leaves no pair of separators.
    EXPECT_EQ(Search("otto"),
              "Anagramma: otto -> toto|--|Scambio: OTto <-> TOto|--|"
              "Metatesi: Otto <-> tOto|Metatesi: oTto <-> Toto|Metatesi: otTo <-> Toto|--|"
              "Scarto: oTto -> oto|Scarto: otTo -> oto|--|Fine Ricerca");
    EXPECT_EQ(Search("a"), "--|Aggiunta: a -> Da|Aggiunta: a -> aH|--|Cambio: A -> E|--|Fine Ricerca");
}

TEST_F(EditsTest, PastTheCapEachLaterGeneratorPrintsOneLine) {
    f.LoadDefault(kRosaWords);
    EXPECT_EQ(Search("rosa", 5000),
              "Anagramma: rosa -> orsa|Anagramma: rosa -> raso|--|Scambio: ROsa <-> ORsa|--|"
              "Metatesi: Rosa <-> oRsa|--|Scarto: Rosa -> osa|--|Aggiunta: rosa -> roSsa|--|"
              "Cambio: rOsa -> rAsa|--|Fine Ricerca");
    EXPECT_EQ(f.app->state.FoundCount, 5007);
}

TEST_F(EditsTest, AStopEndsOnlyAnagrammaAndCambio) {
    f.LoadDefault(kRosaWords);
    Cerca().BaseWord = "rosa";
    EXPECT_EQ(SearchStopped(kCercaEdits),
              "--|Scambio: ROsa <-> ORsa|Scambio: RoSa <-> SoRa|Scambio: rOsA <-> rAsO|--|"
              "Metatesi: Rosa <-> oRsa|Metatesi: rOsa <-> Orsa|--|Scarto: Rosa -> osa|--|"
              "Aggiunta: rosa -> roSsa|Aggiunta: rosa -> rosSa|--|Fine Ricerca");
}

TEST_F(EditsTest, LongBasesFindOnlyWordsThatCanExist) {
    const std::string longest = "abcdefghijklmnopqrstuvwxyzabcdefghijklm";  // 39 letters
    f.LoadDefault({longest, "casa", "rosa"});
    EXPECT_EQ(Search(longest + "z"), "--|Scarto: " + longest + "Z -> " + longest + "|--|Fine Ricerca");
    EXPECT_EQ(Search(std::string(300, 'x')), "--|Fine Ricerca");
    // So many letters that their counts would wrap round to those of "casa".
    EXPECT_EQ(Search("casa" + std::string(65536, 'a')), "--|Fine Ricerca");
}

}  // namespace
}  // namespace sillabor
