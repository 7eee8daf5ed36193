// Lookups over a loaded dictionary, loaded through the real path.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "dictionary/dictionary.h"
#include "dictionary/random_choices.h"
#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

using test::Fixture;

const std::vector<std::string> kWords = {"a",    "e",    "roma", "amor", "mora", "ramo", "orma",
                                         "casa", "cane", "rosa", "ca",   "cara", "zeta", "oro"};

struct DictionaryLookup : ::testing::Test {
    Fixture f;
    const Dictionary& d = f.app->dict;
    void SetUp() override { f.LoadDefault(kWords); }
};

TEST_F(DictionaryLookup, SlotsInByteOrderFindEveryWordAndNothingElse) {
    ASSERT_EQ(d.WordCount, static_cast<int32_t>(kWords.size()) + 1);
    EXPECT_STREQ(d.Words[0], "`");
    EXPECT_STREQ(d.Words[d.WordCount], "");
    for (int32_t i = 1; i + 1 < d.WordCount; ++i) EXPECT_LT(std::strcmp(d.Words[i], d.Words[i + 1]), 0);
    for (const std::string& w : kWords) {
        int32_t slot = d.FindWord(w.c_str());
        ASSERT_GT(slot, 0) << w;
        EXPECT_STREQ(d.Words[slot], w.c_str());
    }
    for (const char* absent : {"", "`", "i", "rom", "romaa", "zz", "b", "\xE0z", "c\xE0"})
        EXPECT_EQ(d.FindWord(absent), 0) << absent;
}

TEST(DictionaryLookupCrowded, AllWordsSharingTheirFirstTwoLettersAreFound) {
    Fixture f;
    const std::vector<std::string> words = {"b", "caa", "cab", "cabz", "cac", "cad", "cae", "caf", "cag", "cz"};
    f.LoadDefault(words);
    for (const std::string& w : words) EXPECT_GT(f.app->dict.FindWord(w.c_str()), 0) << w;
}

TEST_F(DictionaryLookup, PrefixOfOneLetterIsTheFirstWordOfThatLetter) {
    EXPECT_STREQ(d.Words[d.FindPrefix("cxx", 1)], "ca");
    EXPECT_STREQ(d.Words[d.FindPrefix("r", 1)], "ramo");
    EXPECT_EQ(d.FindPrefix("b", 1), 0);
    int32_t slot = d.FindPrefix("caxx", 2);
    ASSERT_GT(slot, 0);
    EXPECT_EQ(std::strncmp(d.Words[slot], "ca", 2), 0);
    EXPECT_STREQ(d.Words[d.FindPrefix("ros", 3)], "rosa");
    EXPECT_EQ(d.FindPrefix("rox", 3), 0);
    EXPECT_EQ(d.FindPrefix("ro", 0), 0);
}

TEST_F(DictionaryLookup, ClassesAreDescendingAndHoldTheirAnagrams) {
    for (int32_t c = 0; c + 1 < d.ClassCount; ++c)
        EXPECT_EQ(CompareLetterCounts(d.Classes[c].letters, d.Classes[c + 1].letters), 1);
    int32_t cls = d.FindClass(ComputeLetterCount(std::string_view("MARO")));
    ASSERT_GE(cls, 0);
    std::vector<std::string> anagrams;
    d.ForEachWordOfClass(d.Classes[cls], [&](const char* w) { anagrams.emplace_back(w); });
    EXPECT_EQ(anagrams, (std::vector<std::string>{"amor", "mora", "orma", "ramo", "roma"}));
    EXPECT_EQ(d.FindClass(ComputeLetterCount(std::string_view("xyz"))), -1);
    EXPECT_EQ(d.FindClass(ComputeLetterCount(std::string_view("123"))), -1);
}

TEST_F(DictionaryLookup, RandomWordHasAWantedLengthOrIsNull) {
    for (int i = 0; i < 20; ++i) {
        const char* w = RandomWordOfLength(f.app->dict, f.app->random, 4, 5);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(std::strlen(w), 4u);
    }
    EXPECT_EQ(RandomWordOfLength(f.app->dict, f.app->random, 7, 9), nullptr);
}

TEST(SharedHelpers, GcdCoprimeStepsShuffleAndSeeds) {
    EXPECT_EQ(Gcd(0, 12), 1);
    EXPECT_EQ(Gcd(12, 18), 6);
    EXPECT_EQ(Gcd(18, 12), 6);
    RandomSource random;
    random.SeedFrom(3);
    EXPECT_EQ(RandomCoprimeStep(random, 4), 1);
    EXPECT_EQ(RandomCoprimeStep(random, 3), 1);
    for (int i = 0; i < 50; ++i) {
        int32_t s = RandomCoprimeStep(random, 10);
        EXPECT_TRUE(s == 1 || s == 3) << s;
    }
    int32_t values[10] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    ShuffleArray(random, 10, values);
    std::sort(values, values + 10);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(values[i], i);
    // The same seed replays the same sequence.
    RandomSource a, b;
    a.SeedFrom(42);
    b.SeedFrom(42);
    a.ReseedRandom();
    b.ReseedRandom();
    for (int i = 0; i < 5; ++i) EXPECT_EQ(a.Next(), b.Next());
}

TEST(SharedHelpers, ParityMaskAndReversedPrefix) {
    AnagramClass cls{};
    cls.letters = ComputeLetterCount(std::string_view("aabz"));
    EXPECT_EQ(ParityMask(cls), (1u << 24) | 1u);  // a in the high bit
    EXPECT_EQ(CompareReversedPrefix("amor", "roma", 4), 0);
    EXPECT_EQ(CompareReversedPrefix("orxx", "roma", 2), 0);  // against "or"
    EXPECT_LT(CompareReversedPrefix("am", "roma", 2), 0);
    EXPECT_GT(CompareReversedPrefix("ox", "roma", 2), 0);
}

}  // namespace
}  // namespace sillabor
