#include "dictionary/letter_count.h"

#include <gtest/gtest.h>

#include <string>

namespace sillabor {
namespace {

TEST(LetterCount, FoldsAccentsAndCaseAndIgnoresTheRest) {
    LetterCount lc = ComputeLetterCount(std::string_view("Citt\xE0 d'Oro 42"));
    EXPECT_EQ(lc.total, 9);
    EXPECT_EQ(lc.counts['t' - 'a'], 2);
    EXPECT_EQ(lc.counts['a' - 'a'], 1);
    EXPECT_EQ(lc.counts['o' - 'a'], 2);
    EXPECT_EQ(lc.counts['c' - 'a'], 1);
}

TEST(LetterCount, TildeOnAIsNotALetterButOnOIs) {
    EXPECT_EQ(ComputeLetterCount(std::string_view("\xE3")).total, 0);
    EXPECT_EQ(ComputeLetterCount(std::string_view("\xC3")).total, 0);
    LetterCount o = ComputeLetterCount(std::string_view("\xF5"));
    EXPECT_EQ(o.total, 1);
    EXPECT_EQ(o.counts['o' - 'a'], 1);
    LetterCount y = ComputeLetterCount(std::string_view("\x9F\xFD\xFF"));
    EXPECT_EQ(y.total, 3);
    EXPECT_EQ(y.counts['y' - 'a'], 3);
}

TEST(LetterCount, CStringAndViewAgree) {
    LetterCount a, b = ComputeLetterCount(std::string_view("Perch\xE9!"));
    ComputeLetterCount("Perch\xE9!", a);
    EXPECT_EQ(CompareLetterCounts(a, b), 0);
}

TEST(LetterCount, OrdersByTotalThenByCountsOfEarlierLetters) {
    auto lc = [](const char* w) { return ComputeLetterCount(std::string_view(w)); };
    EXPECT_EQ(CompareLetterCounts(lc("ab"), lc("abc")), -1);
    EXPECT_EQ(CompareLetterCounts(lc("aab"), lc("abb")), 1);  // more a's is larger
    EXPECT_EQ(CompareLetterCounts(lc("roma"), lc("amor")), 0);
    EXPECT_EQ(CompareLetterCounts(lc("bz"), lc("cd")), 1);  // the b decides
}

TEST(LetterCount, FitsWhenEveryCountIsAtMostTheOther) {
    auto lc = [](const char* w) { return ComputeLetterCount(std::string_view(w)); };
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

TEST(CaseHelpers, ShiftAndUpperAffectOnlyWhatTheySay) {
    std::string word = "casa";
    ShiftUpperAll(word);
    EXPECT_EQ(word, "CASA");
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
