#include "dictionary/letter_count.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace sillabor {
namespace {

// Accents and case fold; a with a tilde is no letter, o with one is; the
// rest is ignored. The C-string and view forms agree.
TEST(LetterCount, FoldsAccentsAndCaseAndIgnoresTheRest) {
    LetterCount lc = ComputeLetterCount(std::string_view("Citt\xE0 d'Oro 42 \xE3\xC3\xF5\x9F\xFD\xFF"));
    EXPECT_EQ(lc.total, 13);
    const std::pair<char, int> counts[] = {{'t', 2}, {'a', 1}, {'o', 3}, {'c', 1}, {'y', 3}};
    for (auto [letter, count] : counts) EXPECT_EQ(lc.counts[letter - 'a'], count) << letter;
    LetterCount a, b = ComputeLetterCount(std::string_view("Perch\xE9!"));
    ComputeLetterCount("Perch\xE9!", a);
    EXPECT_EQ(CompareLetterCounts(a, b), 0);
}

TEST(LetterCount, OrdersByTotalThenByEarlierLettersAndFitsWhenNoCountIsOver) {
    auto lc = [](const char* w) { return ComputeLetterCount(std::string_view(w)); };
    EXPECT_EQ(CompareLetterCounts(lc("ab"), lc("abc")), -1);
    EXPECT_EQ(CompareLetterCounts(lc("aab"), lc("abb")), 1);  // more a's is larger
    EXPECT_EQ(CompareLetterCounts(lc("roma"), lc("amor")), 0);
    EXPECT_EQ(CompareLetterCounts(lc("bz"), lc("cd")), 1);  // the b decides
    EXPECT_TRUE(LetterCountFits(lc("ama"), lc("mamma")));
    EXPECT_FALSE(LetterCountFits(lc("aaa"), lc("mamma")));
    EXPECT_FALSE(LetterCountFits(lc("x"), lc("mamma")));
}

TEST(NormalizeWord, FoldsLowersAndKeepsOnlyTheAllowedExtras) {
    EXPECT_EQ(NormalizeWord(std::string_view("Citt\xE0, Perch\xC9?"), true, ""), "cittaperche");
    EXPECT_EQ(NormalizeWord(std::string_view("Ab*c D"), false, "*"), "Ab*cD");
    EXPECT_EQ(NormalizeWord(std::string_view("\xE6\xDF"), true, ""), "");
    char buffer[32] = "G\xEC\xF9 su";
    EXPECT_STREQ(NormalizeWord(buffer, buffer, true, " "), "giu su");
}

TEST(CaseHelpers, UpperAffectsOnlyLetters) {
    std::string mixed = "a-b c\xE0";
    ToUpperLetters(mixed);
    EXPECT_EQ(mixed, "A-B C\xE0");
    EXPECT_EQ(ToLowerAscii('Q'), 'q');
    EXPECT_EQ(ToLowerAscii('\xC0'), '\xC0');
    EXPECT_TRUE(VowelTable.IsVowel('y'));
    EXPECT_FALSE(VowelTable.IsVowel('w'));
}

}  // namespace
}  // namespace sillabor
