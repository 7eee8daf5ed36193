// The letter tree and the rhyme order kept in cache files beside the prepared
// file: written once, read back by the next process, rebuilt when they do not
// belong to the words in memory or do not hold together.

#include "dictionary/index_cache.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "cerca/cerca_indexes.h"
#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

const Strings kWords = {"mare", "marea", "amare", "ma", "rema", "re", "are", "z"};

struct IndexCacheTest : ::testing::Test {
    test::Fixture f;

    void SetUp() override { f.LoadDefault(kWords); }
    fs::path File(const char* kind) const { return IndexCachePath(f.app->dict, kind); }

    // What a fresh process would find: the tree's words and the words ending in "re".
    Strings Answers() {
        CercaIndexes fresh;
        const Dictionary& dict = f.app->dict;
        Strings found;
        for (const std::string& w : kWords) found.push_back(std::to_string(fresh.Trie(dict).FindWord(w.c_str())));
        found.push_back(std::to_string(fresh.Trie(dict).FindWord("mar")));
        const SuffixIndex& rhymes = fresh.Suffixes(dict);
        const WordRun run = rhymes.Run(dict, "re", 2);
        for (int32_t p = run.first; p < run.last; ++p) found.emplace_back(dict.Words[rhymes.Slot(p)]);
        return found;
    }
};

TEST_F(IndexCacheTest, TheFirstSearchWritesTheFilesAndTheNextOneReadsThem) {
    const Strings built = Answers();
    ASSERT_TRUE(fs::exists(File("albero")));
    ASSERT_TRUE(fs::exists(File("rime")));
    EXPECT_EQ(File("albero").parent_path(), f.folder.path() / "Dizionari" / "Default");
    const auto written = fs::last_write_time(File("albero"));
    const auto rhymesWritten = fs::last_write_time(File("rime"));

    EXPECT_EQ(Answers(), built);
    EXPECT_EQ(fs::last_write_time(File("albero")), written);  // read, not rebuilt
    EXPECT_EQ(fs::last_write_time(File("rime")), rhymesWritten);
    EXPECT_EQ(built.back(), "amare");
}

TEST_F(IndexCacheTest, AFileThatDoesNotFitTheWordsInMemoryIsBuiltAgain) {
    const Strings expected = Answers();
    const WordsFingerprint mine = FingerprintOf(f.app->dict);
    const std::string goodTree = test::ReadFile(File("albero"));
    const std::string goodRhymes = test::ReadFile(File("rime"));
    const std::vector<std::pair<const char*, std::function<void()>>> damages = {
        {"one byte of the tree changed",
         [&] {
             std::string bytes = goodTree;
             bytes[bytes.size() - 3] ^= 0x40;
             test::WriteFile(File("albero"), bytes);
         }},
        {"the tree cut short", [&] { test::WriteFile(File("albero"), goodTree.substr(0, goodTree.size() - 12)); }},
        {"only a header's worth", [&] { test::WriteFile(File("rime"), goodRhymes.substr(0, 40)); }},
        {"empty", [&] { test::WriteFile(File("rime"), ""); }},
        {"a folder in its place",
         [&] {
             fs::remove(File("rime"));
             fs::create_directory(File("rime"));
         }},
        {"made for other words",
         [&] {
             WordsFingerprint other = mine;
             other.textHash ^= 1;
             std::vector<std::byte> payload(goodRhymes.size() - 72);
             std::memcpy(payload.data(), goodRhymes.data() + 72, payload.size());
             ASSERT_TRUE(WriteIndexCacheFile(File("rime"), other, payload));
         }},
        {"well made, but a link past the last node",
         [&] {
             const uint32_t root[2] = {1u, 0x7FFFFFFFu};  // a child for 'a', far away
             std::vector<std::byte> payload(sizeof root);
             std::memcpy(payload.data(), root, sizeof root);
             ASSERT_TRUE(WritePiecewiseIndexCacheFile(File("albero"), mine, payload, WordTrie::kFileLayout));
         }},
        {"well made, but a leaf's slot past the words",
         [&] {
             const uint32_t nodes[4] = {1u, 1u, 0u, static_cast<uint32_t>(f.app->dict.WordCount)};
             std::vector<std::byte> payload(sizeof nodes);
             std::memcpy(payload.data(), nodes, sizeof nodes);
             ASSERT_TRUE(WritePiecewiseIndexCacheFile(File("albero"), mine, payload, WordTrie::kFileLayout));
         }},
        {"the tree in an older layout",
         [&] {
             std::vector<std::byte> payload(goodTree.size() - 72);
             std::memcpy(payload.data(), goodTree.data() + 72, payload.size());
             ASSERT_TRUE(WritePiecewiseIndexCacheFile(File("albero"), mine, payload, WordTrie::kFileLayout - 1));
         }},
        {"well made, but a slot that is no word",
         [&] {
             std::vector<int32_t> slots(kWords.size(), 1);
             slots[3] = static_cast<int32_t>(kWords.size()) + 1;
             std::vector<std::byte> payload(slots.size() * sizeof(int32_t));
             std::memcpy(payload.data(), slots.data(), payload.size());
             ASSERT_TRUE(WriteIndexCacheFile(File("rime"), mine, payload));
         }},
    };
    for (const auto& [what, damage] : damages) {
        SCOPED_TRACE(what);
        damage();
        EXPECT_EQ(Answers(), expected);
        std::error_code ec;
        if (fs::is_directory(File("rime"), ec)) {
            fs::remove(File("rime"));
            continue;
        }
        // Rewritten whole, and taken as it is by the next search.
        EXPECT_EQ(test::ReadFile(File("albero")), goodTree);
        EXPECT_EQ(test::ReadFile(File("rime")), goodRhymes);
    }
}

TEST_F(IndexCacheTest, AnAcceptedTreeGivesNoSlotPastTheWords) {
    // Every link within bounds, but the entry before the children of the word
    // "a" is no leaf: its link (a first child) is past the words.
    const auto words = static_cast<uint32_t>(f.app->dict.WordCount);
    const uint32_t kWord = 1u << 26;
    std::vector<uint32_t> entries = {1u, 2u, 1u, words, 2u | kWord, 2u};  // root, the inner entry, "a"
    entries.resize(2 * (words + 2), 0);                                    // leaves, up to the link
    std::vector<std::byte> payload(entries.size() * sizeof(uint32_t));
    std::memcpy(payload.data(), entries.data(), payload.size());
    ASSERT_TRUE(WritePiecewiseIndexCacheFile(File("albero"), FingerprintOf(f.app->dict), payload, WordTrie::kFileLayout));
    CercaIndexes fresh;
    const WordTrie& trie = fresh.Trie(f.app->dict);
    EXPECT_EQ(trie.Bytes().size(), payload.size());  // taken as it is
    EXPECT_EQ(trie.FindWord("a"), 0);
    EXPECT_EQ(trie.FindWord("ab"), 0);
}

// A tree file is checked a piece at a time as walks reach it. A piece found
// damaged in the middle of a walk makes the tree build itself again, and the
// nodes the walk already holds must still be good: here the file's tree is
// far larger than the real one, and its damaged piece is reached through two
// good ones.
TEST_F(IndexCacheTest, ADamagedPieceFoundMidWalkLeavesTheWalkOnTheBuiltTree) {
    const Strings expected = Answers();
    const std::string goodTree = test::ReadFile(File("albero"));
    const uint32_t kPiece = IndexCacheFile::kPieceBytes / 8;  // entries a piece
    const uint32_t b = 1u << 1, c = 1u << 2;
    std::vector<uint32_t> entries(2 * 4 * kPiece, 0);
    const auto set = [&](uint32_t at, uint32_t bits, uint32_t link) {
        entries[2 * at] = bits;
        entries[2 * at + 1] = link;
    };
    set(0, b, kPiece + 5);          // root: "b", in the second piece
    set(kPiece + 5, c, 3 * kPiece); // "bc", in the fourth
    set(3 * kPiece + 9, 1u << 30, 1);  // a bit no entry has: the fourth piece is damaged
    std::vector<std::byte> payload(entries.size() * sizeof(uint32_t));
    std::memcpy(payload.data(), entries.data(), payload.size());
    ASSERT_TRUE(WritePiecewiseIndexCacheFile(File("albero"), FingerprintOf(f.app->dict), payload, WordTrie::kFileLayout));

    CercaIndexes fresh;
    const WordTrie& trie = fresh.Trie(f.app->dict);
    ASSERT_EQ(trie.Bytes().size(), payload.size());  // taken, not yet read
    const WordTrie::Node bc = trie.Walk(WordTrie::kRoot, "bc");
    ASSERT_EQ(bc, 3 * kPiece);
    EXPECT_EQ(trie.Slot(bc), 0);              // the damage found: built again
    EXPECT_EQ(trie.Child(bc, 'a'), WordTrie::kNone);
    EXPECT_EQ(test::ReadFile(File("albero")), goodTree);
    EXPECT_EQ(std::to_string(trie.FindWord("marea")), expected[1]);
    EXPECT_EQ(Answers(), expected);
}

TEST_F(IndexCacheTest, ADictionaryWithoutAPreparedFileOnDiskKeepsItsIndexesInMemory) {
    f.app->dict.PreparedPath.clear();
    EXPECT_TRUE(File("albero").empty());
    EXPECT_EQ(Answers().back(), "amare");
    EXPECT_FALSE(fs::exists(f.folder.path() / "Dizionari" / "Default" / "j_r_Default.albero"));
}

}  // namespace
}  // namespace sillabor
