// The words one move from a word: the lookups in printing order, and the
// groups of the labelling, which must give the same words.

#include "metagr/neighbours.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "metagr/neighbour_index.h"
#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

struct NeighboursTest : ::testing::Test {
    test::Fixture f;

    std::vector<std::string> Neighbours(const std::string& word, LadderMoves moves, MoveDirection direction) {
        std::vector<int32_t> slots;
        std::string scratch;
        const int count = FindNeighbours(f.app->dict, moves, word, direction, slots, scratch);
        EXPECT_EQ(count, static_cast<int>(slots.size()));
        std::vector<std::string> words;
        for (int32_t s : slots) words.emplace_back(f.app->dict.Words[s]);
        return words;
    }
};

TEST_F(NeighboursTest, MovesComeInOrderAndRepeatsStay) {
    f.LoadDefault({"casa", "saca", "acas", "cosa", "casi", "cassa", "scasa", "cas", "asa", "mare"});
    using V = std::vector<std::string>;
    EXPECT_EQ(Neighbours("casa", {}, MoveDirection::kFrom), (V{"cosa", "casi"}));
    // Anagrams (in class order), changes, insertions (cassa twice: beside
    // either s), removals.
    const V all{"acas", "saca", "cosa", "casi", "scasa", "cassa", "cassa", "asa", "cas"};
    EXPECT_EQ(Neighbours("casa", {true, true, 1}, MoveDirection::kFrom), all);
    EXPECT_EQ(Neighbours("casa", {true, true, 1}, MoveDirection::kTo), all);
    // The minimum length: removals only from words longer than it, so back
    // from a word the insertions lead to words that could remove a letter.
    EXPECT_EQ(Neighbours("casa", {true, false, 4}, MoveDirection::kFrom),
              (V{"cosa", "casi", "scasa", "cassa", "cassa"}));
    EXPECT_EQ(Neighbours("casa", {true, false, 5}, MoveDirection::kTo), (V{"cosa", "casi", "asa", "cas"}));
    // A word outside the dictionary still has neighbours.
    EXPECT_EQ(Neighbours("casx", {true, false, 4}, MoveDirection::kFrom), (V{"casa", "casi"}));
    EXPECT_EQ(Neighbours("", {true, true, 1}, MoveDirection::kFrom), V{});
}

// Words over a few letters, so that every move finds something; some longer
// than the groups hold, which the lookups handle.
std::vector<std::string> RandomWords() {
    std::mt19937 random(7);
    std::set<std::string> words;
    for (int i = 0; i < 900; ++i) {
        const int length = 1 + static_cast<int>(random() % 6);
        std::string w;
        for (int k = 0; k < length; ++k) w.push_back("abcd"[random() % 4]);
        words.insert(w);
    }
    for (const std::string& w : {std::string(23, 'a'), std::string(24, 'a'), std::string(24, 'b'), std::string(25, 'a'),
                                 std::string(26, 'a'), std::string(24, 'a').append(1, 'b'), std::string(1, 'b').append(24, 'a')})
        words.insert(w);
    return {words.begin(), words.end()};
}

TEST_F(NeighboursTest, TheGroupsGiveEveryWordTheLookupsGive) {
    f.LoadDefault(RandomWords());
    const Dictionary& dict = f.app->dict;
    NeighbourIndex index;
    index.Prepare(dict);
    std::vector<int32_t> looked;
    std::string scratch;
    for (const LadderMoves& moves : {LadderMoves{false, false, 4}, LadderMoves{false, true, 4},
                                     LadderMoves{true, false, 1}, LadderMoves{true, true, 3}}) {
        for (int32_t s = 1; s < dict.WordCount; ++s) {
            FindNeighbours(dict, moves, dict.Words[s], MoveDirection::kFrom, looked, scratch);
            const std::set<int32_t> expected(looked.begin(), looked.end());
            std::set<int32_t> grouped;
            index.BeginSearch();
            index.ForEachNeighbour(dict, moves, s, [&](int32_t n) { grouped.insert(n); });
            grouped.erase(s);
            ASSERT_EQ(grouped, expected) << dict.Words[s] << " " << moves.AddRemove << moves.Rearrange;
        }
    }
}

}  // namespace
}  // namespace sillabor
