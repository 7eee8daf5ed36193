// The letter tree and the runs of words sharing a beginning or an ending.

#include "cerca/word_runs.h"

#include <gtest/gtest.h>

#include <cstring>

#include "cerca/cerca_indexes.h"
#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

using Strings = std::vector<std::string>;

struct WordRunsTest : ::testing::Test {
    test::Fixture f;
    CercaIndexes indexes;

    Strings Beginning(const char* text) {
        Strings words;
        const WordRun r = PrefixRun(f.app->dict, text, static_cast<int>(std::strlen(text)));
        for (int32_t s = r.first; s < r.last; ++s) words.emplace_back(f.app->dict.Words[s]);
        return words;
    }
    Strings Ending(const char* text) {
        Strings words;
        const SuffixIndex& index = indexes.Suffixes(f.app->dict);
        const WordRun r = index.Run(f.app->dict, text, static_cast<int>(std::strlen(text)));
        for (int32_t p = r.first; p < r.last; ++p) words.emplace_back(f.app->dict.Words[index.Slot(p)]);
        return words;
    }
};

TEST_F(WordRunsTest, RunsHoldTheWordsThatBeginOrEndSo) {
    f.LoadDefault({"mare", "marea", "amare", "ma", "rema", "re", "are", "z"});
    EXPECT_EQ(Beginning("ma"), (Strings{"ma", "mare", "marea"}));
    EXPECT_EQ(Beginning("mare"), (Strings{"mare", "marea"}));
    EXPECT_EQ(Beginning("marez"), Strings{});
    EXPECT_EQ(Beginning("zz"), Strings{});
    EXPECT_EQ(Ending("re"), (Strings{"re", "are", "mare", "amare"}));
    EXPECT_EQ(Ending("a"), (Strings{"marea", "ma", "rema"}));  // rhyme order
    EXPECT_EQ(Ending("z"), (Strings{"z"}));
    EXPECT_EQ(Ending("aare"), Strings{});
}

TEST_F(WordRunsTest, TheTreeFollowsTheLoadedDictionary) {
    f.LoadDefault({"mare", "marea", "ma"});
    const WordTrie* trie = &indexes.Trie(f.app->dict);
    EXPECT_EQ(trie->FindWord("mare"), f.app->dict.FindWord("mare"));
    EXPECT_EQ(trie->FindWord("mar"), 0);
    EXPECT_NE(trie->Walk(WordTrie::kRoot, "mar"), WordTrie::kNone);
    EXPECT_EQ(trie->Walk(WordTrie::kRoot, "mx"), WordTrie::kNone);
    EXPECT_EQ(trie->Child(WordTrie::kRoot, 'M'), WordTrie::kNone);
    EXPECT_EQ(Ending("are"), (Strings{"mare"}));
    // Another dictionary: both are built anew.
    f.LoadDefault({"sale", "mare", "amare"});
    trie = &indexes.Trie(f.app->dict);
    EXPECT_EQ(trie->FindWord("ma"), 0);
    EXPECT_EQ(trie->FindWord("sale"), f.app->dict.FindWord("sale"));
    EXPECT_EQ(Ending("are"), (Strings{"mare", "amare"}));
}

}  // namespace
}  // namespace sillabor
