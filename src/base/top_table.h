#pragma once
// A table of the best items by score, for the "top N" reports.

#include <cstdint>

namespace sillabor {

struct TopEntry {
    int32_t score;
    int32_t item;
};

struct TopTable {
    static constexpr int kCapacity = 1003;
    TopEntry entries[kCapacity] = {};
    int TopCount = 0;
    int TopLimit = 100;  // at most kCapacity - 1

    void Reset(int limit) {
        TopCount = 0;
        TopLimit = limit < kCapacity - 1 ? limit : kCapacity - 1;
    }
    // Keeps entries by descending score; equal scores keep their arrival order.
    void TopInsert(int32_t item, int32_t score);
};

}  // namespace sillabor
