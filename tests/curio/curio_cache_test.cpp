// The cache files of the change groups and removals: a later run takes them and
// prints what the first printed; a file that does not hold together is built
// again; the unpacking refuses every slot, letter, size and shape out of bounds.

#include <gtest/gtest.h>

#include <filesystem>

#include "curio/curio_cache.h"
#include "curio/curio_fixture.h"
#include "dictionary/index_cache.h"

namespace sillabor {
namespace {

const std::vector<std::string> kWords = {"da", "di", "casa", "cosa", "case", "caso", "cast", "cose", "asa", "cas",
                                         "aaaaaaaaaaaab", "aaaaaaaaaaaac", "aaaaaaaaaaab"};

struct CurioCacheTest : test::CurioTest {
    std::string Seeded(int code) {
        f.app->random.SeedFrom(5);
        return Report(code);
    }
};

TEST_F(CurioCacheTest, ALaterRunTakesTheFileAndADamagedOneIsBuiltAgain) {
    f.LoadDefault(kWords);
    const Dictionary& dict = f.app->dict;
    for (const auto& [code, kind] : {std::pair{kCurioMostChanges, "cambi"}, std::pair{kCurioEveryChange, "cambi"},
                                     std::pair{kCurioEveryRemoval, "scarti"}}) {
        const std::filesystem::path file = IndexCachePath(dict, kind);
        std::filesystem::remove(file);
        const std::string built = Seeded(code);
        ASSERT_TRUE(std::filesystem::exists(file)) << kind;
        EXPECT_EQ(Seeded(code), built) << kind;
        // Whole and hashed, but its slot is past the words.
        const uint32_t slot = static_cast<uint32_t>(dict.WordCount);
        const std::vector<std::byte> damaged =
            std::string(kind) == "cambi"
                ? PackChangeGroups({{{4, 1, 1}}, {2}, {1u << 5, slot << 5 | 1}})
                : PackRemovals({{slot}, {1 << 5}});
        ASSERT_TRUE(WriteIndexCacheFile(file, FingerprintOf(dict), damaged));
        EXPECT_EQ(Seeded(code), built) << kind;
        EXPECT_EQ(Seeded(code), built) << kind;  // from the file written again
    }
}

TEST(CurioCacheUnpack, RefusesWhatIsOutOfBounds) {
    const int32_t words = 10;  // slots 1..9
    struct Case {
        ChangeGroupTable table;
        bool accepted;
    };
    const Case cases[] = {
        {{{{4, 1, 1}, {2, 0, 1}}, {2, 3}, {1 << 5, 9u << 5 | 25, 2 << 5, 3 << 5, 4 << 5 | 1}}, true},
        {{{}, {}, {}}, true},
        {{{{4, 1, 1}}, {2}, {0, 1u << 5}}, false},         // slot 0
        {{{{4, 1, 1}}, {2}, {1u << 5, 10u << 5}}, false},  // slot past the words
        {{{{4, 1, 1}}, {2}, {1u << 5, 2u << 5 | 26}}, false},  // no such letter
        {{{{4, 1, 1}}, {1}, {1u << 5}}, false},               // a group of one
        {{{{4, 1, 1}}, {27}, std::vector<uint32_t>(27, 1u << 5)}, false},
        {{{{4, 1, 1}}, {2}, {1u << 5, 2u << 5, 3u << 5}}, false},  // a member of no group
        {{{{4, 1, 2}}, {2}, {1u << 5, 2u << 5}}, false},           // a group with no size
        {{{{4, 4, 1}}, {2}, {1u << 5, 2u << 5}}, false},           // a position past the length
        {{{{40, 1, 1}}, {2}, {1u << 5, 2u << 5}}, false},          // a length no word has
    };
    for (const Case& c : cases) {
        ChangeGroupTable table;
        EXPECT_EQ(UnpackChangeGroups(PackChangeGroups(c.table), words, table), c.accepted)
            << c.table.shapes.size() << " " << c.table.sizes.size() << " " << c.table.members.size();
        if (c.accepted) {
            EXPECT_EQ(table.members, c.table.members);
        }
    }
    // A payload with more after the arrays.
    std::vector<std::byte> longer = PackChangeGroups(cases[0].table);
    longer.resize(longer.size() + 8);
    ChangeGroupTable table;
    EXPECT_FALSE(UnpackChangeGroups(longer, words, table));

    RemovalTable removals;
    EXPECT_TRUE(UnpackRemovals(PackRemovals({{1, 9}, {0, 38 << 5 | 25}}), words, removals));
    EXPECT_FALSE(UnpackRemovals(PackRemovals({{10}, {0}}), words, removals));
    EXPECT_FALSE(UnpackRemovals(PackRemovals({{0}, {0}}), words, removals));
    EXPECT_FALSE(UnpackRemovals(PackRemovals({{1}, {39 << 5}}), words, removals));
    EXPECT_FALSE(UnpackRemovals(PackRemovals({{1}, {26}}), words, removals));
    EXPECT_FALSE(UnpackRemovals(PackRemovals({{1, 2}, {0}}), words, removals));
}

}  // namespace
}  // namespace sillabor
