// Sciarade, sciarade incatenate, intarsi, lucchetti and cerniere over tiny
// dictionaries: their lines, their marks and the words they must not repeat.

#include <gtest/gtest.h>

#include "trova/trova_test_support.h"

namespace sillabor {
namespace {

using Set = std::set<std::string>;

struct CompositionListsTest : ::testing::Test {
    test::TrovaFixture t;
};

TEST_F(CompositionListsTest, SciaradeUseEachPartOnceAndEndWhenNoneIsLeft) {
    // capo + voce would take the parts of both others; "cap" + "orale" and
    // "ca" + "porale" are too short or not words.
    t.f.LoadDefault({"caporale", "capo", "rale", "portavoce", "porta", "voce", "capovoce", "cap", "ca", "porale"});
    const std::vector<std::string> lines = t.Lines(kTrovaSciarade, 3);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Sciarade (un po' scarsine...)");
    const Set possible = {"capo + rale -> caporale", "porta + voce -> portavoce", "capo + voce -> capovoce"};
    std::multiset<std::string> parts;
    for (size_t i = 2; i < lines.size(); ++i) {
        EXPECT_TRUE(possible.count(lines[i])) << lines[i];
        parts.insert(lines[i].substr(0, lines[i].find(' ')));
        parts.insert(lines[i].substr(lines[i].find('+') + 2, lines[i].find(" ->") - lines[i].find('+') - 2));
    }
    for (const std::string& part : parts) EXPECT_EQ(parts.count(part), 1u) << part;
    EXPECT_EQ(t.Found(), static_cast<int32_t>(lines.size() - 2));
}

TEST_F(CompositionListsTest, SciaradeIncatenateShareTheirOverlap) {
    t.f.LoadDefault({"pesando", "pesa", "ando", "pes", "sando"});
    EXPECT_EQ(t.Distinct(kTrovaSciaradeIncatenate),
              Set({"pesA + Ando -> pesAndo", "peS + Sando -> peSando", "peSA + SAndo -> peSAndo"}));
    EXPECT_EQ(t.Found(), 1000);
}

TEST_F(CompositionListsTest, IntarsiInterleaveTwoWordsButNotASciarada) {
    t.f.LoadDefault({"pxqyrzs", "pqrs", "xyz", "pqrsxyz"});
    EXPECT_EQ(t.Lines(kTrovaIntarsi, 2)[0], "Intarsi, incastri, e sciarade alterne");
    EXPECT_EQ(t.Distinct(kTrovaIntarsi), Set({"pqrs + XYZ -> pXqYrZs"}));
    EXPECT_EQ(t.Found(), 1000);
}

TEST_F(CompositionListsTest, LucchettiNeverRepeatAWordNorEndOnTheOverlap) {
    // arco + co would give "ar"; abab overlaps itself.
    t.f.LoadDefault({"arco", "cosa", "arsa", "co", "ar", "abab"});
    EXPECT_EQ(t.Lines(kTrovaLucchetti)[0], "Lucchetti");
    EXPECT_EQ(t.Distinct(kTrovaLucchetti), Set({"arCO + COsa -> arsa"}));
    EXPECT_EQ(t.Found(), 1000);
}

TEST_F(CompositionListsTest, CerniereScanTheDictionaryOnce) {
    t.f.LoadDefault({"tema", "rete", "mare", "te"});
    EXPECT_EQ(t.Lines(kTrovaCerniere)[0], "Cerniere");
    const std::vector<std::string> results = t.Results(kTrovaCerniere);
    EXPECT_EQ(Set(results.begin(), results.end()),
              Set({"TEma + reTE -> mare", "REte + maRE -> tema", "MAre + teMA -> rete"}));
    EXPECT_EQ(results.size(), 3u);
    EXPECT_EQ(t.Results(kTrovaCerniere, 1), results);
}

TEST_F(CompositionListsTest, ManyWordsAfterTheOverlapGiveTheSameLinesInTheSameOrder) {
    // Many words begin with "ma": the candidates are then drawn from the words
    // that end (cerniere) or begin (lucchetti) with the other piece, and still
    // come in the order of the word that begins with the overlap.
    std::vector<std::string> words = {"tema", "maab", "maba", "abte", "bate", "boma", "mate", "bote"};
    for (char c = 'c'; c <= 'z'; ++c) words.push_back(std::string("ma") + c + c);
    t.f.LoadDefault(words);
    const std::vector<std::string> hinges = t.Results(kTrovaCerniere);
    const auto first = std::find(hinges.begin(), hinges.end(), "TEma + abTE -> maab");
    ASSERT_NE(first, hinges.end());
    ASSERT_NE(first + 1, hinges.end());
    EXPECT_EQ(first[1], "TEma + baTE -> maba");
    EXPECT_EQ(t.Distinct(kTrovaLucchetti).count("boMA + MAte -> bote"), 1u);
}

}  // namespace
}  // namespace sillabor
