#pragma once
// The words that differ from each other in one letter only: for each length
// and each position, the words of that length keyed by themselves with the
// letter at that position blanked. Two words share a key exactly when one is a
// cambio of the other there.

#include <cstdint>
#include <functional>

#include "curio/curio_run.h"
#include "curio/key_groups.h"

namespace sillabor {

// One group: its words differ only at `position`; each item carries the slot
// and, as tag, the word's letter there (0..25); `letters` has bit c set for
// each letter c that some word of the group has there.
struct ChangeGroup {
    int position;
    const KeyedItem* first;
    const KeyedItem* last;
    uint32_t letters;
};

// Calls fn for every group of two or more words of at least minLength letters,
// showing the progress as a share of the words. False when a stop cut it short.
bool ForEachChangeGroup(CurioRun& run, int minLength, const std::function<void(const ChangeGroup&)>& fn);
// Makes sure the groups' cache file fits the dictionary, building the groups
// (which writes it) when its header does not; keeps nothing.
void PrepareChangeGroupsFile(const Dictionary& dict);

}  // namespace sillabor
