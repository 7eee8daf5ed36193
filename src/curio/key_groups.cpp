#include "curio/key_groups.h"

#include <array>
#include <bit>

namespace sillabor {

uint64_t KeyOfCodes(const uint8_t* codes, int n) {
    if (n <= kPackedCodes) {
        uint64_t key = 0;
        for (int k = 0; k < kPackedCodes; ++k) key = (key << 5) | (k < n ? codes[k] : 0u);
        return key;
    }
    // FNV-1a with a final mix; the top bit tells a hashed key from a packed one.
    uint64_t hash = 0xCBF29CE484222325ull ^ static_cast<uint64_t>(n);
    for (int k = 0; k < n; ++k) hash = (hash ^ codes[k]) * 0x100000001B3ull;
    hash ^= hash >> 31;
    hash *= 0x9E3779B97F4A7C15ull;
    hash ^= hash >> 29;
    return hash | (1ull << 63);
}

namespace {

// Least significant digit first, so equal keys keep their order; the digits
// start at the lowest bit in which the keys differ and stop past the highest.
void RadixSort(std::vector<KeyedItem>& items, std::vector<KeyedItem>& scratch, uint64_t varying) {
    constexpr int kBits = 12;
    constexpr uint32_t kBuckets = 1u << kBits;
    constexpr uint64_t kMask = kBuckets - 1;
    const int low = std::countr_zero(varying);
    const int passes = (64 - std::countl_zero(varying) - low + kBits - 1) / kBits;
    std::vector<std::array<uint32_t, kBuckets>> counts(static_cast<size_t>(passes));
    for (auto& digit : counts) digit.fill(0);
    for (const KeyedItem& item : items)
        for (int d = 0; d < passes; ++d) ++counts[static_cast<size_t>(d)][(item.key >> (low + d * kBits)) & kMask];
    scratch.resize(items.size());
    for (int d = 0; d < passes; ++d) {
        auto& count = counts[static_cast<size_t>(d)];
        uint32_t total = 0;
        for (uint32_t& c : count) {
            const uint32_t here = c;
            c = total;
            total += here;
        }
        const int shift = low + d * kBits;
        for (const KeyedItem& item : items) scratch[count[(item.key >> shift) & kMask]++] = item;
        items.swap(scratch);
    }
}

}  // namespace

void SortByKey(std::vector<KeyedItem>& items, std::vector<KeyedItem>& scratch) {
    const size_t n = items.size();
    if (n < 2) return;
    if (n < 64) {
        // Insertion sort: stable, and cheap for the few items of a small length.
        for (size_t i = 1; i < n; ++i) {
            const KeyedItem item = items[i];
            size_t j = i;
            for (; j > 0 && items[j - 1].key > item.key; --j) items[j] = items[j - 1];
            items[j] = item;
        }
        return;
    }
    uint64_t varying = 0;
    bool sorted = true;
    for (size_t k = 1; k < n; ++k) {
        varying |= items[k].key ^ items[0].key;
        sorted &= items[k - 1].key <= items[k].key;
    }
    if (!sorted) RadixSort(items, scratch, varying);
}

}  // namespace sillabor
