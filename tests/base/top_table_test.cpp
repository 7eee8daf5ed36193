#include "base/top_table.h"

#include <gtest/gtest.h>

#include <vector>

namespace sillabor {
namespace {

std::vector<int> Items(const TopTable& top) {
    std::vector<int> items;
    for (int i = 0; i < top.TopCount; ++i) items.push_back(top.entries[i].item);
    return items;
}

TEST(TopTable, KeepsDescendingScoresWithArrivalOrderForTies) {
    TopTable top;
    top.Reset(3);
    top.TopInsert(1, 5);
    top.TopInsert(2, 7);
    top.TopInsert(3, 5);
    EXPECT_EQ(Items(top), (std::vector<int>{2, 1, 3}));
    top.TopInsert(4, 1);  // lower than all: dropped
    EXPECT_EQ(Items(top), (std::vector<int>{2, 1, 3}));
    top.TopInsert(5, 6);  // pushes the lowest out
    EXPECT_EQ(Items(top), (std::vector<int>{2, 5, 1}));
    top.TopInsert(6, 5);  // ties the lowest: comes after it, so it is not counted
    EXPECT_EQ(Items(top), (std::vector<int>{2, 5, 1}));
}

TEST(TopTable, LimitIsCappedToTheStorage) {
    TopTable top;
    top.Reset(5000);
    EXPECT_EQ(top.TopLimit, TopTable::kCapacity - 1);
    for (int i = 0; i < 2000; ++i) top.TopInsert(i, i % 97);
    EXPECT_EQ(top.TopCount, TopTable::kCapacity - 1);
    for (int i = 0; i + 1 < top.TopCount; ++i) EXPECT_GE(top.entries[i].score, top.entries[i + 1].score);
}

}  // namespace
}  // namespace sillabor
