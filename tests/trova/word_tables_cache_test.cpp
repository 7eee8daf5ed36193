// The hash tables and the endings order of the "Trova" lists, taken from the
// dictionary's cache files: a file that would make a lookup run past its table
// or never end is refused and the table is built again.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "dictionary/index_cache.h"
#include "support/fixture_dictionary.h"
#include "trova/word_endings.h"
#include "trova/word_hash.h"

namespace sillabor {
namespace {

const std::vector<std::string> kWords = {"mare", "amare", "rema", "re", "sale"};

std::vector<std::byte> Packed(const std::vector<uint32_t>& values) {
    IndexPacker packer;
    packer.Add<uint32_t>(values);
    return {packer.Bytes().begin(), packer.Bytes().end()};
}

TEST(WordTablesCacheTest, AFileThatWouldMisleadALookupIsBuiltAgain) {
    test::Fixture f;
    f.LoadDefault(kWords);
    const Dictionary& dict = f.app->dict;
    const WordsFingerprint mine = FingerprintOf(dict);
    const auto table = IndexCachePath(dict, "tabella-parole");
    const auto endings = IndexCachePath(dict, "finali");
    const std::vector<std::pair<const char*, std::vector<uint32_t>>> tables = {
        {"every entry used: a missing word is never found", std::vector<uint32_t>(32, 7)},
        {"a slot past the words", {5, 99, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"not a power of two", std::vector<uint32_t>(24, 0)},
    };
    for (const auto& [what, entries] : tables) {
        SCOPED_TRACE(what);
        ASSERT_TRUE(WriteIndexCacheFile(table, mine, Packed(entries)));
        f.LoadDefault(kWords);
        WordHash hash;
        hash.Prepare(f.app->dict);
        EXPECT_EQ(hash.Find("mare"), f.app->dict.FindWord("mare"));
        EXPECT_EQ(hash.Find("mar"), 0);
    }
    // Offsets of the endings order that start no word: in the middle of one,
    // past the text, on the leading "`".
    for (uint32_t wrong : {3u, 1u << 30, 0u}) {
        SCOPED_TRACE(wrong);
        std::vector<uint32_t> offsets(kWords.size(), 2);
        offsets[1] = wrong;
        ASSERT_TRUE(WriteIndexCacheFile(endings, FingerprintOf(f.app->dict), Packed(offsets)));
        f.LoadDefault(kWords);
        WordEndings index;
        ASSERT_TRUE(index.Prepare(f.app->dict));
        const SlotRange run = index.Ending("re", 2);
        std::vector<std::string> words;
        for (int32_t p = run.first; p < run.end; ++p) words.emplace_back(index.Word(p));
        EXPECT_EQ(words, (std::vector<std::string>{"re", "mare", "amare"}));
    }
}

// Built, then read back from its file: every word is found at its slot, and
// no other key, though most keys looked up are turned away before the table.
TEST(WordTablesCacheTest, TheTableFindsEveryWordAndNothingElse) {
    std::vector<std::string> words;
    for (char a = 'a'; a <= 'z'; ++a)
        for (const char* tail : {"", "re", "mare", "sto", "lina"}) words.push_back(std::string(1, a) + tail);
    test::Fixture f;
    f.LoadDefault(words);
    for (const char* how : {"built", "from its file"}) {
        SCOPED_TRACE(how);
        WordHash hash;
        hash.Prepare(f.app->dict);
        for (const std::string& word : words) {
            EXPECT_EQ(hash.Find(word.c_str()), f.app->dict.FindWord(word.c_str())) << word;
            EXPECT_NE(hash.Find(word.c_str()), 0) << word;
            EXPECT_EQ(hash.Find((word + "x").c_str()), 0) << word;
            EXPECT_EQ(hash.Find(("x" + word + "x").c_str()), 0) << word;
        }
        f.LoadDefault(words);
    }
}

}  // namespace
}  // namespace sillabor
