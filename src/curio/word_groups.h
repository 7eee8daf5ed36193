#pragma once
// Words grouped by a key made from each of them, for the reports that meet,
// for each word, the other words of its group.

#include <algorithm>
#include <utility>
#include <vector>

#include "curio/curio_run.h"
#include "curio/key_groups.h"

namespace sillabor {

// codesOf(word, codes) writes the word's key as codes 1..31 (room for
// kMaxWordLength + 1) and returns how many, or -1 to leave the word out;
// tagOf(word) gives what the report keeps with the word in its group, so that
// it needs not read the other words. False when a stop came first.
template <typename CodesOf, typename TagOf>
bool GroupWords(CurioRun& run, SlotGroups& groups, CodesOf codesOf, TagOf tagOf) {
    std::vector<KeyedItem> items;
    items.reserve(static_cast<size_t>(run.dict.WordCount));
    uint8_t codes[kMaxWordLength + 1];
    for (int32_t slot = 1; slot < run.dict.WordCount; ++slot) {
        run.PrefetchWord(slot + CurioRun::kWordsAhead);
        const char* word = run.Word(slot);
        const int n = codesOf(word, codes);
        if (n >= 0) items.push_back({KeyOfCodes(codes, n), slot, tagOf(word)});
    }
    if (run.state.Stopping()) return false;
    // Two words share a hashed key: compare their codes.
    groups.Build(std::move(items), run.dict.WordCount, [&](const KeyedItem& a, const KeyedItem& b) {
        uint8_t first[kMaxWordLength + 1];
        uint8_t second[kMaxWordLength + 1];
        const int n = codesOf(run.Word(a.slot), first);
        return n == codesOf(run.Word(b.slot), second) && std::equal(first, first + n, second);
    });
    return !run.state.Stopping();
}

template <typename CodesOf>
bool GroupWords(CurioRun& run, SlotGroups& groups, CodesOf codesOf) {
    return GroupWords(run, groups, codesOf, [](const char*) { return 0; });
}

}  // namespace sillabor
