// A pattern of fixed length is searched among the words of that length only:
// the lines must be those of a walk over all the words in byte order.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/run_game.h"
#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

using Lines = std::vector<std::string>;

TEST(ParoleLengthPath, FewWordsOfTheLengthStillComeOutInByteOrderWithTheirDerivedWords) {
    test::Fixture f;
    // Many long words, few of four letters, stored in class order (not byte order).
    std::vector<std::string> words = {"otto", "anna", "alla", "ossa", "abba", "ebbe", "osso", "asso", "ecce"};
    for (char a = 'a'; a <= 'z'; ++a)
        for (char b = 'a'; b <= 'z'; b += 5) words.push_back(std::string("lunghissima") + a + b);
    f.LoadDefault(words);
    ParolePage& page = f.wb->parolePage;
    page.Pattern = "1221";
    RunGame(*f.wb, kGameCerca, 8);
    EXPECT_EQ(f.sink.Lines(), (Lines{"abba", "alla", "anna", "ebbe", "ecce", "osso", "otto",
                                     std::string(50, '-'), "Fine Ricerca"}));
    f.sink.Reset();
    page.Pattern = "|????|, e |r1";  // four letters whose reverse is a word
    RunGame(*f.wb, kGameCerca, 8);
    EXPECT_EQ(f.sink.Lines(), (Lines{"abba -> abba", "alla -> alla", "anna -> anna", "asso -> ossa", "ebbe -> ebbe",
                                     "ecce -> ecce", "ossa -> asso", "osso -> osso", "otto -> otto",
                                     std::string(50, '-'), "Fine Ricerca"}));
}

}  // namespace
}  // namespace sillabor
