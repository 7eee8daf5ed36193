// Matching patterns against the words of a tiny dictionary.

#include "patterns/pattern_matcher.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

using Words = std::vector<std::string>;

class PatternMatcher : public ::testing::Test {
protected:
    void Load(const Words& words) { f.LoadDefault(words); }

    // The dictionary's words the pattern matches, in order, each followed by
    // " -> " and its derived word when the pattern has one.
    Words Matches(const std::string& text) {
        CompiledPattern pattern;
        int compiled = CompilePattern(pattern, text, f.app->out);
        EXPECT_GE(compiled, 0) << text;
        const Dictionary& dict = f.app->dict;
        Words found;
        for (int32_t i = 1; i < dict.WordCount; ++i) {
            int32_t result = MatchPattern(pattern, dict.Words[i], dict);
            if (result == 0) continue;
            std::string line = dict.Words[i];
            if (pattern.hasDerived) line += std::string(" -> ") + dict.Words[result];
            found.push_back(line);
        }
        return found;
    }

    test::Fixture f;
};

TEST_F(PatternMatcher, LettersClassesAndRuns) {
    Load({"a", "b", "c", "d", "e", "ab", "ba", "casa", "cosa", "rosa", "orsa", "aaaa", "anna", "otto", "yak"});
    EXPECT_EQ(Matches("*").size(), 15u);
    EXPECT_EQ(Matches("**a"), Matches("*a"));
    EXPECT_EQ(Matches("*a"), (Words{"a", "aaaa", "anna", "ba", "casa", "cosa", "orsa", "rosa"}));
    EXPECT_EQ(Matches("c?sa"), (Words{"casa", "cosa"}));
    EXPECT_EQ(Matches("c.sa"), (Words{"casa", "cosa"}));
    EXPECT_EQ(Matches("-+-+"), (Words{"casa", "cosa", "rosa"}));
    EXPECT_EQ(Matches("+-"), (Words{"ab"}));
    EXPECT_EQ(Matches("(ae)"), (Words{"b", "c", "d"}));
    EXPECT_EQ(Matches("[cr]*"), (Words{"c", "casa", "cosa", "rosa"}));
    EXPECT_EQ(Matches("*s*"), (Words{"casa", "cosa", "orsa", "rosa"}));
    // A digit inside brackets is a joker standing before the set.
    EXPECT_EQ(Matches("[a1b]"), (Words{"ab", "ba"}));
}

// One-letter words, in order.
Words Letters(std::string_view letters) {
    Words words;
    for (char c : letters) words.emplace_back(1, c);
    return words;
}

// + is a vowel (y too) and - any other letter, as the sets of those letters
// are: alone, and behind a run, where the word's tail is checked before any
// backtracking. A capital stands for the letters of its key on a phone.
TEST_F(PatternMatcher, ClassesSetsAndKeypadLettersOverTheAlphabet) {
    Load(Letters("abcdefghijklmnopqrstuvwxyz"));
    for (const char* pattern : {"+", "*+", "[aeiouy]", "*[yuoiea]"})
        EXPECT_EQ(Matches(pattern), Letters("aeiouy")) << pattern;
    for (const char* pattern : {"-", "*-", "(aeiouy)", "*(yuoiea)"})
        EXPECT_EQ(Matches(pattern), Letters("bcdfghjklmnpqrstvwxz")) << pattern;
    for (std::string_view key : {"abc", "def", "ghi", "jkl", "mno", "pqrs", "tuv", "wxyz"})
        for (char c : key) EXPECT_EQ(Matches(std::string(1, static_cast<char>(c - 32))), Letters(key)) << c;
}

TEST_F(PatternMatcher, JokersRepeatOneCharacter) {
    Load({"anna", "otto", "aaaa", "abba", "abca", "ab", "aa", "alla", "casa"});
    EXPECT_EQ(Matches("1221"), (Words{"aaaa", "abba", "alla", "anna", "otto"}));
    // Different digits may stand for the same character.
    EXPECT_EQ(Matches("12"), (Words{"aa", "ab"}));
    EXPECT_EQ(Matches("11"), (Words{"aa"}));
    EXPECT_EQ(Matches("1*1"), (Words{"aa", "aaaa", "abba", "abca", "alla", "anna", "otto"}));
    // A binding made after a run is undone when the run moves on.
    EXPECT_EQ(Matches("*1-1"), (Words{"casa"}));
    EXPECT_EQ(Matches("*1+1"), (Words{"aaaa"}));
}

TEST_F(PatternMatcher, GroupsRecurForwardOrReversedWithinTheirBounds) {
    Load({"anna", "abba", "otto", "tata", "coco", "cocco", "tartar", "ratatar", "alla", "aa", "abcab", "abcba",
          "abab"});
    EXPECT_EQ(Matches("@1#1"), (Words{"aa", "abba", "alla", "anna", "otto"}));
    EXPECT_EQ(Matches("@1@1"), (Words{"aa", "abab", "coco", "tartar", "tata"}));
    // Reversed first: a later forward use is the reversal of the first run.
    EXPECT_EQ(Matches("#1@1"), Matches("@1#1"));
    EXPECT_EQ(Matches("#1#1"), Matches("@1@1"));
    EXPECT_EQ(Matches("@1*@1").size(), 13u);
    EXPECT_EQ(Matches("@1*@1, @133"), (Words{"tartar"}));
    EXPECT_EQ(Matches("@1*@1, @122"), (Words{"abab", "abcab", "cocco", "coco", "tata"}));
    EXPECT_EQ(Matches("@1@1, @123"), (Words{"abab", "coco", "tartar", "tata"}));
    EXPECT_EQ(Matches("@1-#1, @120"), (Words{"abcba"}));
    EXPECT_EQ(Matches("@1@2#1"), (Words{"abba", "abcba", "alla", "anna", "otto", "ratatar"}));
    EXPECT_EQ(Matches("@1@2#1, @222"), (Words{"abba", "alla", "anna", "otto"}));
}

TEST_F(PatternMatcher, DerivedWordIsTheFirstFoundInMatchOrder) {
    Load({"roma", "amor", "or", "mor", "ro", "a", "ab", "abc", "ba", "cab", "bac", "arco", "orca", "ora", "oca"});
    // Every word whose reverse is a word.
    EXPECT_EQ(Matches("|*|, e |r1"), (Words{"a -> a", "ab -> ba", "amor -> roma", "ba -> ab", "bac -> cab",
                                          "cab -> bac", "or -> ro", "ro -> or", "roma -> amor"}));
    // The shortest capture whose reverse is a word; failed look-ups backtrack.
    EXPECT_EQ(Matches("@1*, e #1"),
              (Words{"a -> a", "ab -> a", "abc -> a", "amor -> a", "arco -> a", "ba -> ab", "bac -> ab",
                     "cab -> bac", "or -> ro", "ora -> ro", "orca -> ro", "ro -> or", "roma -> or"}));
    // The shortest prefix that is a word; the empty one never is.
    EXPECT_EQ(Matches("|*|*, e |1"),
              (Words{"a -> a", "ab -> a", "abc -> a", "amor -> a", "arco -> a", "ba -> ba", "bac -> ba",
                     "cab -> cab", "mor -> mor", "oca -> oca", "or -> or", "ora -> or", "orca -> or", "ro -> ro",
                     "roma -> ro"}));
    EXPECT_EQ(Matches("1*2, e 21"), (Words{"ab -> ba", "ba -> ab", "or -> ro", "ro -> or"}));
    EXPECT_EQ(Matches("|*||-||*|, e |3|2|1"),
              (Words{"ab -> ba", "abc -> cab", "ba -> ab", "cab -> abc", "or -> ro", "ro -> or"}));
    EXPECT_EQ(Matches("|*|, e |1 a"), (Words{"or -> ora"}));
    EXPECT_EQ(Matches("|*|-, e |1"), (Words{"ab -> a", "abc -> ab", "bac -> ba"}));
    EXPECT_EQ(Matches("*|+|, e |1"),
              (Words{"a -> a", "ba -> a", "oca -> a", "ora -> a", "orca -> a", "roma -> a"}));
}

}  // namespace
}  // namespace sillabor
