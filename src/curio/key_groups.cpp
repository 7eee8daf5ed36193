#include "curio/key_groups.h"

#include <algorithm>
#include <array>
#include <bit>

namespace sillabor {

uint64_t HashedKeyOfCodes(const uint8_t* codes, int n) {
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
// The sorted items end in `items`.
void RadixSort(KeyedItem* items, size_t n, KeyedItem* scratch, uint64_t varying) {
    constexpr int kBits = 12;
    constexpr uint32_t kBuckets = 1u << kBits;
    constexpr uint64_t kMask = kBuckets - 1;
    const int low = std::countr_zero(varying);
    const int passes = (64 - std::countl_zero(varying) - low + kBits - 1) / kBits;
    std::vector<std::array<uint32_t, kBuckets>> counts(static_cast<size_t>(passes));
    for (auto& digit : counts) digit.fill(0);
    for (size_t i = 0; i < n; ++i)
        for (int d = 0; d < passes; ++d) ++counts[static_cast<size_t>(d)][(items[i].key >> (low + d * kBits)) & kMask];
    KeyedItem* from = items;
    KeyedItem* to = scratch;
    for (int d = 0; d < passes; ++d) {
        auto& count = counts[static_cast<size_t>(d)];
        uint32_t total = 0;
        for (uint32_t& c : count) {
            const uint32_t here = c;
            c = total;
            total += here;
        }
        const int shift = low + d * kBits;
        for (size_t i = 0; i < n; ++i) to[count[(from[i].key >> shift) & kMask]++] = from[i];
        std::swap(from, to);
    }
    if (from != items) std::copy(from, from + n, items);
}

constexpr size_t kSplitAtLeast = size_t{1} << 16;
constexpr int kSplitBits = 16;

void SplitByHighBits(KeyedItem* items, size_t n, KeyedItem* scratch, uint64_t varying);

// Stable sort of one range by key.
void SortRange(KeyedItem* items, size_t n, KeyedItem* scratch) {
    if (n < 2) return;
    if (n < 64) {
        // Insertion sort: stable, and cheap for a few items.
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
    if (sorted) return;
    // A radix pass costs its 4096 counters whatever the count of items.
    if (n < 4096) {
        std::stable_sort(items, items + n, [](const KeyedItem& a, const KeyedItem& b) { return a.key < b.key; });
        return;
    }
    if (n >= kSplitAtLeast) return SplitByHighBits(items, n, scratch, varying);
    RadixSort(items, n, scratch, varying);
}

// One pass by the highest varying bits puts many items into buckets that each
// fit in the cache, where they are sorted: cheaper than passes of the whole
// over memory. Stable, as each bucket is.
void SplitByHighBits(KeyedItem* items, size_t n, KeyedItem* scratch, uint64_t varying) {
    const int top = 64 - std::countl_zero(varying);
    const int bits = std::min(kSplitBits, top - std::countr_zero(varying));
    const int shift = top - bits;
    const uint64_t mask = (uint64_t{1} << bits) - 1;
    std::vector<uint32_t> start((size_t{1} << bits) + 1, 0);
    for (size_t i = 0; i < n; ++i) ++start[((items[i].key >> shift) & mask) + 1];
    for (size_t b = 1; b < start.size(); ++b) start[b] += start[b - 1];
    std::vector<uint32_t> next(start.begin(), start.end() - 1);
    for (size_t i = 0; i < n; ++i) scratch[next[(items[i].key >> shift) & mask]++] = items[i];
    for (size_t b = 0; b + 1 < start.size(); ++b) {
        const size_t first = start[b];
        const size_t count = start[b + 1] - first;
        if (count == 0) continue;
        SortRange(scratch + first, count, items + first);
        std::copy(scratch + first, scratch + first + count, items + first);
    }
}

// A range made of at most this many ascending runs is merged run by run.
constexpr int kMaxMergedRuns = 32;

// Stable sort of a range that is a few ascending runs side by side (a word's
// keys with one letter blanked, grouped by that letter): adjacent runs are
// merged pairwise, a few sequential passes where a sort of the whole would
// take many. False, with the range untouched, when it has too many runs.
bool MergeRuns(KeyedItem* items, size_t n, KeyedItem* scratch) {
    size_t bounds[kMaxMergedRuns + 1];
    int runs = 1;
    bounds[0] = 0;
    for (size_t k = 1; k < n; ++k) {
        if (items[k].key >= items[k - 1].key) continue;
        if (runs == kMaxMergedRuns) return false;
        bounds[runs++] = k;
    }
    bounds[runs] = n;
    const auto byKey = [](const KeyedItem& a, const KeyedItem& b) { return a.key < b.key; };
    KeyedItem* from = items;
    KeyedItem* to = scratch;
    while (runs > 1) {
        int merged = 0;
        for (int r = 0; r < runs; r += 2) {
            KeyedItem* const out = to + bounds[r];
            if (r + 1 < runs)
                std::merge(from + bounds[r], from + bounds[r + 1], from + bounds[r + 1], from + bounds[r + 2], out, byKey);
            else
                std::copy(from + bounds[r], from + bounds[r + 1], out);
            bounds[merged++] = bounds[r];
        }
        bounds[merged] = n;
        runs = merged;
        std::swap(from, to);
    }
    if (from != items) std::copy(from, from + n, items);
    return true;
}

}  // namespace

void SortByKey(std::vector<KeyedItem>& items, std::vector<KeyedItem>& scratch) {
    scratch.resize(items.size());
    SortRange(items.data(), items.size(), scratch.data());
}

void SortByKeyWithinRuns(std::vector<KeyedItem>& items, std::vector<KeyedItem>& scratch, int shift) {
    const size_t n = items.size();
    if (shift >= 64 || n < 2) return SortByKey(items, scratch);
    scratch.resize(n);
    // The runs must come in order of their high bits; else one sort of the whole.
    for (size_t k = 1; k < n; ++k)
        if ((items[k - 1].key >> shift) > (items[k].key >> shift)) return SortByKey(items, scratch);
    for (size_t first = 0; first < n;) {
        const uint64_t high = items[first].key >> shift;
        size_t last = first + 1;
        while (last < n && (items[last].key >> shift) == high) ++last;
        if (last - first < 64 || !MergeRuns(items.data() + first, last - first, scratch.data()))
            SortRange(items.data() + first, last - first, scratch.data());
        first = last;
    }
}

}  // namespace sillabor
