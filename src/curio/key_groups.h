#pragma once
// Words brought together by a key made from each of them: the word with one
// letter blanked, its keys on a phone pad, its consonants with the vowels
// blanked. One radix sort puts equal keys side by side, so a report finds its
// groups of related words without trying every pair of words.

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace sillabor {

struct KeyedItem {
    uint64_t key;
    int32_t slot;
    // What the report needs back with the word: a letter, a position, a kind.
    int32_t tag;
};

// A key is made of codes 1..31. Up to kPackedCodes of them pack exactly (5 bits
// each, the first highest, unused places 0, so sequences of different lengths
// differ); a longer sequence hashes to a key with the top bit set, which other
// sequences may share.
inline constexpr int kPackedCodes = 12;
uint64_t HashedKeyOfCodes(const uint8_t* codes, int n);
// Inline: the passes over every word make a key for each.
inline uint64_t KeyOfCodes(const uint8_t* codes, int n) {
    if (n > kPackedCodes) return HashedKeyOfCodes(codes, n);
    uint64_t key = 0;
    for (int k = 0; k < n; ++k) key = (key << 5) | codes[k];
    return key << (5 * (kPackedCodes - n));
}
inline bool IsHashedKey(uint64_t key) { return (key >> 63) != 0; }

// Sorts by key; items with equal keys keep their order. `scratch` is working
// storage; either vector may be swapped with it.
void SortByKey(std::vector<KeyedItem>& items, std::vector<KeyedItem>& scratch);
// The same, for items already in order of their keys' bits from `shift` up
// (a word's letters before a blanked one): each run of equal high bits is
// sorted alone, which is far less work than one sort of the whole. Items in
// any other order get one sort of the whole; a shift of 64 or more asks for it.
void SortByKeyWithinRuns(std::vector<KeyedItem>& items, std::vector<KeyedItem>& scratch, int shift);

// Calls fn(first, last) for each group of items whose key texts are equal, in
// key order; a run of equal hashed keys is split by same(a, b), which compares
// the texts, and each part is put in slot order. Groups of one item included.
template <typename Same, typename Fn>
void ForEachKeyGroup(KeyedItem* begin, KeyedItem* end, Same same, Fn fn) {
    for (KeyedItem* run = begin; run != end;) {
        KeyedItem* runEnd = run + 1;
        while (runEnd != end && runEnd->key == run->key) ++runEnd;
        if (runEnd - run == 1 || !IsHashedKey(run->key)) {
            fn(run, runEnd);
        } else {
            for (KeyedItem* part = run; part != runEnd;) {
                const KeyedItem first = *part;
                KeyedItem* partEnd =
                    std::partition(part + 1, runEnd, [&](const KeyedItem& other) { return same(first, other); });
                std::sort(part, partEnd, [](const KeyedItem& a, const KeyedItem& b) {
                    return a.slot != b.slot ? a.slot < b.slot : a.tag < b.tag;
                });
                fn(part, partEnd);
                part = partEnd;
            }
        }
        run = runEnd;
    }
}

// Words sorted into their groups, with the place of each word: what a report
// needs to walk the words in array order and meet, for each, the words of its
// group that come before it.
class SlotGroups {
public:
    // Sorts the items (one per slot at most, in slot order) and records each
    // slot's group, splitting hashed runs with same(a, b).
    template <typename Same>
    void Build(std::vector<KeyedItem> items, int32_t slotCount, Same same);

    // The words of the slot's group before it, in array order: count items
    // from the returned one, followed by the slot's own. None for a slot
    // without a group.
    const KeyedItem* Before(int32_t slot, int32_t& count) const {
        const Where where = where_[static_cast<size_t>(slot)];
        count = where.place < 0 ? 0 : where.place - where.start;
        return where.place < 0 ? nullptr : order_.data() + where.start;
    }
    // The whole group of the slot, itself included.
    const KeyedItem* Group(int32_t slot, int32_t& count) const {
        const int32_t start = where_[static_cast<size_t>(slot)].start;
        int32_t end = start < 0 ? start : where_[static_cast<size_t>(slot)].place;
        while (end >= 0 && end < static_cast<int32_t>(order_.size()) &&
               where_[static_cast<size_t>(order_[static_cast<size_t>(end)].slot)].start == start)
            ++end;
        count = start < 0 ? 0 : end - start;
        return start < 0 ? nullptr : order_.data() + start;
    }

private:
    // Where a slot's group starts in order_, and where the slot is; -1 without a group.
    // Side by side, so that a slot's two cost one cache miss.
    struct Where {
        int32_t start;
        int32_t place;
    };
    std::vector<KeyedItem> order_;
    std::vector<Where> where_;
};

template <typename Same>
void SlotGroups::Build(std::vector<KeyedItem> items, int32_t slotCount, Same same) {
    order_ = std::move(items);
    {
        std::vector<KeyedItem> scratch;
        SortByKey(order_, scratch);
    }
    where_.assign(static_cast<size_t>(slotCount), Where{-1, -1});
    KeyedItem* const base = order_.data();
    ForEachKeyGroup(base, base + order_.size(), same, [&](KeyedItem* first, KeyedItem* last) {
        for (KeyedItem* item = first; item != last; ++item)
            where_[static_cast<size_t>(item->slot)] = {static_cast<int32_t>(first - base), static_cast<int32_t>(item - base)};
    });
}

}  // namespace sillabor
