// The packed letters of the anagram search agree with plain letter counts,
// in one word and in several.

#include "anagr/anagram_letters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sillabor {
namespace {

// Every pair of texts within the phrase: the part fits the whole exactly when
// its counts do, and what is left is the difference of the counts.
template <int W>
void ExpectAgreesWithCounts(const std::string& phrase, const std::vector<std::string>& texts) {
    const LetterLayout layout(ComputeLetterCount(phrase));
    Letters<W> guard{};
    for (int k = 0; k < W; ++k) guard.w[k] = layout.guard[k];
    for (const std::string& wholeText : texts) {
        for (const std::string& partText : texts) {
            SCOPED_TRACE(phrase + ": " + partText + " in " + wholeText);
            const LetterCount whole = ComputeLetterCount(wholeText), part = ComputeLetterCount(partText);
            const Letters<W> packedWhole = layout.Pack<W>(whole), packedPart = layout.Pack<W>(part);
            const bool fits = LetterCountFits(part, whole);
            EXPECT_EQ(Fits(packedPart, packedWhole, guard), fits);
            if (!fits) continue;
            LetterCount rest = whole;
            for (int c = 0; c < 26; ++c) rest.counts[c] = static_cast<uint8_t>(whole.counts[c] - part.counts[c]);
            EXPECT_TRUE(SameLetters(Minus(packedWhole, packedPart), layout.Pack<W>(rest)));
        }
    }
}

TEST(AnagramLettersTest, FitsAndRestAgreeWithLetterCounts) {
    const std::string phrase = "marcopoloviaggiatore";
    EXPECT_EQ(LetterLayout(ComputeLetterCount(phrase)).words, 1);
    const std::vector<std::string> parts = {"", "marco", "polo", "oooo", "viaggiatore", "aaa", "ooo", "rr",
                                            "marcopolo", phrase};
    ExpectAgreesWithCounts<1>(phrase, parts);
    ExpectAgreesWithCounts<4>(phrase, parts);

    // Twenty-nine letters of every kind still take one word.
    EXPECT_EQ(LetterLayout(ComputeLetterCount("abcdefghijklmnopqrstuvwxyzaei")).words, 1);
    // Twice the alphabet takes two: a field never straddles words.
    const std::string alphabets = "abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz";
    EXPECT_EQ(LetterLayout(ComputeLetterCount(alphabets)).words, 2);
    ExpectAgreesWithCounts<4>(alphabets, {"", "zz", "abcdefghijklmnopqrstuvwxyz", "mnopqrstuvwxyzmnopqrstuvwxyz",
                                          "a", "aa", "yyzz", "qrst", alphabets});
}

}  // namespace
}  // namespace sillabor
