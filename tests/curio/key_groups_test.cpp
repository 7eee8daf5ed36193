// The grouping under the reports: exact keys for short texts, hashed keys
// for long ones, a stable sort, and runs of equal hashed keys split by text.

#include "curio/key_groups.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace sillabor {
namespace {

TEST(KeyGroups, ShortTextsPackExactlyAndLongOnesHash) {
    const uint8_t aba[] = {1, 2, 1};
    EXPECT_FALSE(IsHashedKey(KeyOfCodes(aba, 3)));
    EXPECT_NE(KeyOfCodes(aba, 2), KeyOfCodes(aba, 3));
    uint8_t long13[13];
    std::fill(std::begin(long13), std::end(long13), 3);
    EXPECT_TRUE(IsHashedKey(KeyOfCodes(long13, 13)));
    EXPECT_NE(KeyOfCodes(long13, 13), KeyOfCodes(long13, 12));
}

// Both sorts, at the sizes of each of their ways (insertion, comparison,
// radix, merging a few ascending runs), with runs of equal high bits that are
// in order, or not (the whole is then sorted at once).
TEST(KeyGroups, SortKeepsTheOrderOfEqualKeysAtAnySize) {
    std::mt19937 random(7);
    constexpr int kShift = 40;
    for (size_t n : {10u, 1000u, 5000u, 20000u, 300000u}) {
        for (int way = 0; way < 4; ++way) {
            std::vector<KeyedItem> items(n), scratch;
            for (size_t k = 0; k < n; ++k) {
                // Few distinct high parts: runs of every size.
                const uint64_t high = way == 2 ? random() % 50 : k * k / (n * n / 8 + 1);
                items[k] = {(high << kShift) | (random() % (n / 4 + 3)), static_cast<int32_t>(k), 0};
            }
            if (way == 3) {
                // Within each high part, up to 26 ascending runs (a blanked letter's
                // words) with equal keys across them, as the words give.
                for (size_t first = 0; first < n;) {
                    size_t last = first;
                    while (last < n && items[last].key >> kShift == items[first].key >> kShift) ++last;
                    const size_t parts = 1 + random() % 26;
                    for (size_t p = 0; p < parts; ++p) {
                        auto begin = items.begin() + static_cast<long>(first + (last - first) * p / parts);
                        auto end = items.begin() + static_cast<long>(first + (last - first) * (p + 1) / parts);
                        std::sort(begin, end, [](const KeyedItem& a, const KeyedItem& b) { return a.key < b.key; });
                    }
                    first = last;
                }
            }
            std::vector<KeyedItem> expected = items;
            std::stable_sort(expected.begin(), expected.end(),
                             [](const KeyedItem& a, const KeyedItem& b) { return a.key < b.key; });
            if (way == 0)
                SortByKey(items, scratch);
            else
                SortByKeyWithinRuns(items, scratch, kShift);
            for (size_t k = 0; k < n; ++k) ASSERT_EQ(items[k].slot, expected[k].slot) << n << " " << way << " " << k;
        }
    }
}

TEST(KeyGroups, EqualHashedKeysAreSplitByTextInSlotOrder) {
    const uint64_t hashed = (uint64_t{1} << 63) | 42;
    // The tag stands for the text: 1 and 2 share a hashed key, as different texts may.
    std::vector<KeyedItem> items = {{5, 1, 0}, {5, 2, 0}, {hashed, 9, 2}, {hashed, 3, 1}, {hashed, 7, 2}, {hashed, 4, 1}};
    std::vector<std::vector<int32_t>> groups;
    int comparisons = 0;
    ForEachKeyGroup(
        items.data(), items.data() + items.size(),
        [&](const KeyedItem& a, const KeyedItem& b) {
            ++comparisons;
            return a.tag == b.tag;
        },
        [&](KeyedItem* first, KeyedItem* last) {
            groups.emplace_back();
            for (KeyedItem* item = first; item != last; ++item) groups.back().push_back(item->slot);
        });
    EXPECT_EQ(groups, (std::vector<std::vector<int32_t>>{{1, 2}, {7, 9}, {3, 4}}));
    // Only the hashed run needed the texts.
    EXPECT_EQ(comparisons, 4);
}

}  // namespace
}  // namespace sillabor
