// Word ladders on tiny dictionaries: the early answers, the chains with their
// exact lines, the moves each option allows, the minimum length and the caps.

#include "metagr/ladder_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "dictionary/index_cache.h"

#include "app/run_game.h"
#include "metagr/metagr_game.h"
#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

const std::vector<std::string> kSaleWords = {"sale", "sole", "mole", "male", "mare", "more", "rosa", "rose"};

struct LadderTest : ::testing::Test {
    test::Fixture f;
    int code = 0;

    // The printed lines joined by '|', a separator shown as "--".
    std::string Ladder(const std::string& from, const std::string& to, bool addRemove = false, bool rearrange = false,
                       int minLength = kDefaultMinInterLength) {
        f.sink.Reset();
        code = RunGame(*f.app, f.app->Get<MetagrGame>().Job({from, to, addRemove, rearrange, minLength}));
        return f.sink.TakeJoined();
    }
};

TEST_F(LadderTest, EarlyAnswersEndTheSearchInTheirOrder) {
    f.LoadDefault(kSaleWords);
    struct Case {
        std::string from, to;
        bool addRemove, rearrange;
        std::string lines;
        int code;
    };
    for (const Case& c : std::vector<Case>{
             {"mare", "mare", true, true, "Le due parole sono uguali !", 1},
             {"roma", "amor", false, true, "Le due parole sono una l'anagramma dell'altra !", 0},
             {"roma", "amor", false, false, "--|F I N E", 0},
             {"mare", "amare", false, true,
              "Le due parole hanno lunghezze diverse!|Correggi, oppure usa l'opzione Scarto/Aggiunta", 1},
             {"mare", "amare", true, false, "Le parole differiscono per una sola lettera!", 0},
             {"marea", "mare", true, false, "Le parole differiscono per una sola lettera!", 0},
             {"cane", "pane", true, true, "Basta un solo cambio!", 0},
         }) {
        EXPECT_EQ(Ladder(c.from, c.to, c.addRemove, c.rearrange), c.lines) << c.from << " " << c.to;
        EXPECT_EQ(code, c.code) << c.from << " " << c.to;
    }
    EXPECT_EQ(RunGame<MetagrGame>(*f.app, 1), kNoSuchSearch);
}

TEST_F(LadderTest, PrintsEveryShortestChainByEndNeighbour) {
    f.LoadDefault(kSaleWords);
    EXPECT_EQ(Ladder("sale", "more"),
              " 1 sale| 2 male| 3 mare| 4 more|  |"
              " 1 sale| 2 sole| 3 mole| 4 more|  |"
              " 1 sale| 2 male| 3 mole| 4 more|  |--|F I N E");
    EXPECT_EQ(f.app->state.FoundCount, 3);
    // A start word outside the dictionary; the last end neighbour is reached
    // later, and its chain through the end word itself is not printed.
    EXPECT_EQ(Ladder("sane", "mole"),
              " 1 sane| 2 sale| 3 sole| 4 mole|  |"
              " 1 sane| 2 sale| 3 male| 4 mole|  |"
              " 1 sane| 2 sale| 3 male| 4 mare| 5 more| 6 mole|  |--|F I N E");
    // Beside a double letter a word is listed twice: its chains print once.
    f.LoadDefault({"cosa", "casa", "cassa", "tassa"});
    EXPECT_EQ(Ladder("cosa", "cassa", true), " 1 cosa| 2 casa| 3 cassa|  |--|F I N E");
    EXPECT_EQ(Ladder("cosa", "tassa", true), " 1 cosa| 2 casa| 3 cassa| 4 tassa|  |--|F I N E");
    f.LoadDefault(kSaleWords);
    // No chain: the end cannot be reached, or has no neighbour at all.
    EXPECT_EQ(Ladder("sale", "rosa"), "--|F I N E");
    EXPECT_EQ(Ladder("sale", "xyzw"), "--|F I N E");
    EXPECT_EQ(f.app->state.FoundCount, 0);
}

TEST_F(LadderTest, TheMinimumLengthLimitsOnlyRemovalsToWordsInBetween) {
    f.LoadDefault({"re", "are", "mare", "amare", "mar"});
    // Up from re, each step adds a letter: allowed whatever the minimum.
    const std::string up = " 1 re| 2 are| 3 mare| 4 amare|  |--|F I N E";
    EXPECT_EQ(Ladder("re", "amare", true, false, 6), up);
    EXPECT_EQ(Ladder("re", "amare", true, false, 1), up);
    // Down from amare, a removal may leave a word of the minimum length, and
    // the end word of any length.
    const std::string down = " 1 amare| 2 mare| 3 are| 4 re|  |--|F I N E";
    EXPECT_EQ(Ladder("amare", "re", true, false, 1), down);
    EXPECT_EQ(Ladder("amare", "re", true, false, 3), down);
    EXPECT_EQ(Ladder("amare", "re", true, false, 4), "--|F I N E");
}

// Anagrams are moves with "metAnagramma" only, letters added and removed with
// "Aggiunta / Scarto" only; both may sit anywhere in a chain. Each row runs
// twice: what one search walked must not hide anything from the next.
TEST_F(LadderTest, EachKindOfMoveLinksWordsOnlyWithItsOption) {
    f.LoadDefault({"cane", "pane", "pena", "pera", "mare", "mar", "ram"});
    struct Case {
        std::string from, to;
        bool addRemove, rearrange;
        std::string lines;
    };
    for (const Case& c : std::vector<Case>{
             {"cane", "pera", false, true, " 1 cane| 2 pane| 3 pena| 4 pera|  |--|F I N E"},
             {"pena", "cane", false, true, " 1 pena| 2 pane| 3 cane|  |--|F I N E"},
             {"cane", "pera", true, false, "--|F I N E"},
             {"mare", "ram", true, true, " 1 mare| 2 mar| 3 ram|  |--|F I N E"},
             {"mare", "ram", true, false, "--|F I N E"},
         }) {
        for (int run = 0; run < 2; ++run)
            EXPECT_EQ(Ladder(c.from, c.to, c.addRemove, c.rearrange, 3), c.lines) << c.from << " " << c.to;
    }
}

// The levels of a chain fit in a byte: the longest chain followed has 256 words.
TEST_F(LadderTest, ChainsEndAtTwoHundredAndFiftySixWords) {
    // Eleven letters raised in turn: each word is one change from the next and from no other.
    std::vector<std::string> w{std::string(11, 'a')};
    for (size_t k = 0; k < 260; ++k) {
        w.push_back(w.back());
        ++w.back()[k % 11];
    }
    f.LoadDefault(w);
    const std::string longest = Ladder(w[0], w[255]);
    EXPECT_TRUE(longest.ends_with("|255 " + w[254] + "|256 " + w[255] + "|  |--|F I N E"));
    EXPECT_EQ(std::count(longest.begin(), longest.end(), '|'), 256 + 2);
    EXPECT_EQ(Ladder(w[0], w[256]), "--|F I N E");
}

TEST_F(LadderTest, TheHundredthChainEndsTheSearch) {
    // Every word of five letters a and b: 120 shortest chains from aaaaa to bbbbb.
    std::vector<std::string> words;
    for (int bits = 0; bits < 32; ++bits) {
        std::string w;
        for (int k = 4; k >= 0; --k) w.push_back((bits >> k) & 1 ? 'b' : 'a');
        words.push_back(w);
    }
    f.LoadDefault(words);
    const std::string lines = Ladder("aaaaa", "bbbbb");
    // Walked back from the last level: the second chain turns off at level 2.
    const std::string firstTwo = " 1 aaaaa| 2 aaaab| 3 aaabb| 4 aabbb| 5 abbbb| 6 bbbbb|  |"
                                 " 1 aaaaa| 2 aaaba| 3 aaabb| 4 aabbb| 5 abbbb| 6 bbbbb|  |";
    EXPECT_EQ(lines.substr(0, firstTwo.size()), firstTwo);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '|'), 699);  // 700 lines, the last "  "
    EXPECT_TRUE(lines.ends_with("|  "));
    EXPECT_EQ(f.app->state.FoundCount, 100);
}

TEST_F(LadderTest, AStopBeforeTheLabellingPrintsNoChain) {
    f.LoadDefault(kSaleWords);
    f.app->state.StopRequested = true;
    EXPECT_EQ(f.RunAsIs(f.app->Get<MetagrGame>().Job({"sale", "more", false, false, kDefaultMinInterLength})), 0);
    EXPECT_EQ(f.sink.Lines(), (std::vector<std::string>{std::string(50, '-'), "F I N E"}));
}

// The groups of moves come from the dictionary's cache file when it fits and
// holds together; otherwise they are built again and the file is rewritten.
TEST_F(LadderTest, TheGroupsOfMovesAreReadBackOrBuiltAgain) {
    f.LoadDefault(kSaleWords);
    const std::string chains = Ladder("sale", "rose", true, true);
    const std::filesystem::path file = IndexCachePath(f.app->dict, "metagrammi");
    ASSERT_TRUE(std::filesystem::exists(file));
    const std::string good = test::ReadFile(file);

    f.LoadDefault(kSaleWords);
    const auto written = std::filesystem::last_write_time(file);
    EXPECT_EQ(Ladder("sale", "rose", true, true), chains);
    EXPECT_EQ(std::filesystem::last_write_time(file), written);

    // Well made for these words, but a group whose member is no word, and a
    // payload cut short.
    const std::vector<uint8_t> lengths(kSaleWords.size() + 2, 4);
    const std::vector<uint32_t> groupStart = {0, 2};
    const std::vector<int32_t> parents = {0}, members = {1, 99};
    const std::vector<uint32_t> refStart(kSaleWords.size() + 3, 0), refs;
    IndexPacker bad;
    bad.Add<uint8_t>(lengths);
    bad.Add<uint32_t>(groupStart);
    bad.Add<int32_t>(parents);
    bad.Add<int32_t>(members);
    bad.Add<uint32_t>(refStart);
    bad.Add<uint32_t>(refs);
    const std::span<const std::byte> payload = bad.Bytes();
    for (size_t size : {payload.size(), payload.size() - 8}) {
        ASSERT_TRUE(WriteIndexCacheFile(file, FingerprintOf(f.app->dict), payload.first(size)));
        f.LoadDefault(kSaleWords);
        EXPECT_EQ(Ladder("sale", "rose", true, true), chains) << size;
        EXPECT_EQ(test::ReadFile(file), good) << size;
    }
}

}  // namespace
}  // namespace sillabor
