// The "Cern" page's changes on tiny dictionaries: the one line of the
// selection's anagrams, the completion's groups, lines and count, the
// double-letter goal, and masks that follow a new load. The fuzz target
// checks the selection of any base against its own count of the letters.

#include "cern/cernita.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cern/cern_game.h"
#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

using Lines = std::vector<std::string>;

class CernitaTest : public ::testing::Test {
protected:
    CernGame& game() { return f.app->Get<CernGame>(); }
    // A change as the page passes it on: the lines it leaves in the output area.
    Lines Handle(CernResult (CernGame::*change)(GameContext&, const CernRequest&), const CernRequest& request) {
        f.sink.Reset();
        GameContext ctx = f.app->Context();
        shown = (game().*change)(ctx, request);
        return f.sink.Lines();
    }
    Lines Complete(const std::string& base, const std::string& goal) {
        return Handle(&CernGame::GoalChanged, {base, goal, kCernComplete});
    }

    test::Fixture f;
    CernResult shown;
};

TEST_F(CernitaTest, OnTheFlyShowsTheSelectionsAnagramsOnOneLine) {
    f.LoadDefault({"rosa", "orsa", "raso", "roma", "casa"});
    EXPECT_EQ(Handle(&CernGame::BaseChanged, {"Rosa tt", "", kCernOnTheFly}), Lines{"orsa raso rosa "});
    EXPECT_EQ(shown.selection, "rosa");
    EXPECT_EQ(shown.status, std::string());  // the status panel is emptied
    EXPECT_GT(f.sink.Clears(), 0);

    // No class, or nothing left: one empty line.
    for (const char* base : {"rosx", "Roma amor"})
        EXPECT_EQ(Handle(&CernGame::BaseChanged, {base, "", kCernOnTheFly}), Lines{""}) << base;
}

TEST_F(CernitaTest, CompletionGroupsClassesAndCountsTheirWords) {
    f.LoadDefault({"mare", "rame", "mareee", "remo", "casa"});
    // Base "mar" and goal "e": the words whose odd letters are m, a, r and e.
    EXPECT_EQ(Complete("mar", "e"), Lines{"mareee [mare rame] "});
    EXPECT_EQ(f.app->state.FoundCount, 3);
    ASSERT_TRUE(shown.status.has_value());
    EXPECT_EQ(shown.status->rfind("Trovati 3 in ", 0), 0u) << *shown.status;
    EXPECT_EQ(shown.selection, "mar");

    // In the second mode a change of the base completes as well.
    EXPECT_EQ(Handle(&CernGame::BaseChanged, {"casa", "", kCernComplete}), Lines{"casa "});

    // Nothing matches: an empty line, and a count of 0.
    EXPECT_EQ(Complete("mare", "z"), Lines{""});
    EXPECT_EQ(f.app->state.FoundCount, 0);
}

TEST_F(CernitaTest, AClassLongerThanTheLineBufferStaysWhole) {
    // 60 anagrams of 20 letters: 1,260 characters of one class, on one line.
    std::vector<std::string> words;
    std::string word = "abcdefghijklmnopqrst";
    for (int i = 0; i < 60; ++i, std::next_permutation(word.begin(), word.end())) words.push_back(word);
    words.push_back("casa");
    f.LoadDefault(words);
    const Lines onTheFly = Handle(&CernGame::BaseChanged, {"tsrqponmlkjihgfedcba", "", kCernOnTheFly});
    ASSERT_EQ(onTheFly.size(), 1u);
    EXPECT_EQ(onTheFly[0].size(), 60u * 21);
    const Lines completed = Complete("", "abcdefghijklmnopqrst");
    ASSERT_EQ(completed.size(), 2u);
    EXPECT_EQ(completed[0].size(), 60u * 21 + 2);  // "[", the words, "] "
    EXPECT_EQ(completed[1], "");
}

TEST_F(CernitaTest, AGoalWithADoubleLetterIsRefused) {
    f.LoadDefault({"mare", "rame", "casa"});
    for (const char* goal : {"aa", "a\xE0", "e r E"}) {
        f.app->state.FoundCount = 7;
        EXPECT_EQ(Complete("mar", goal), Lines{std::string(kDoubleGoalMessage)}) << goal;
        EXPECT_FALSE(shown.status.has_value());
        EXPECT_EQ(f.app->state.FoundCount, 0);
    }
}

TEST_F(CernitaTest, LongCompletionsSplitAtClassBoundariesPast500Characters) {
    // 276 words "bxxyy" of one class each: all with only b odd, 6 characters a word.
    std::vector<std::string> words;
    std::string expected;
    for (char x = 'c'; x <= 'z'; ++x)
        for (char y = static_cast<char>(x + 1); y <= 'z'; ++y) words.push_back(std::string("b") + x + x + y + y);
    f.LoadDefault(words);
    const Lines lines = Complete("b", "");
    std::vector<size_t> sizes;
    std::string joined;
    for (const std::string& line : lines) {
        sizes.push_back(line.size());
        joined += line;
    }
    EXPECT_EQ(sizes, (std::vector<size_t>{504, 504, 504, 144}));
    EXPECT_EQ(joined.size(), 276u * 6);
    EXPECT_EQ(f.app->state.FoundCount, 276);
}

TEST_F(CernitaTest, MasksAreTheParitiesOfTheClassesAndFollowEveryLoad) {
    f.LoadDefault({"abcdefghijklmnopqrstuvwxyz", "zyx", "aab", "yyz", "xz", "hhhp", "q", "aabbccddeeffgghhiijjz"});
    game().PageShown(f.app->dict);
    const std::vector<uint32_t>& masks = game().masks.Masks();
    ASSERT_EQ(masks.size(), static_cast<size_t>(f.app->dict.ClassCount));
    for (size_t i = 0; i < masks.size(); ++i) EXPECT_EQ(masks[i], ParityMask(f.app->dict.Classes[i])) << i;
    EXPECT_EQ(masks[0] | masks[1], (1u << 26) - 1);  // the two longest: every letter, and z alone

    f.LoadDefault({"mare", "rame", "casa"});
    EXPECT_FALSE(game().masks.IsCurrent(f.app->dict));
    EXPECT_EQ(Complete("", "aemr"), Lines{"[mare rame] "});
    EXPECT_TRUE(game().masks.IsCurrent(f.app->dict));
    f.LoadDefault({"remo", "more", "orme", "casa"});
    EXPECT_EQ(Complete("", "emor"), Lines{"[more orme remo] "});
    EXPECT_EQ(game().masks.Masks().size(), 2u);
}

}  // namespace
}  // namespace sillabor
