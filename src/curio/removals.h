#pragma once
// The scarti of the whole dictionary: every word and position such that the
// word without its letter there is a word too.

#include <functional>

#include "curio/curio_run.h"

namespace sillabor {

// Calls fn(slot, position, letter) for every such pair, in no particular
// order, with the removed letter (0..25), so that a caller needs not read the
// word; shows the progress as a share of the words. False when a stop cut it short.
bool ForEachRemoval(CurioRun& run, const std::function<void(int32_t slot, int position, int letter)>& fn);
// Makes sure the removals' cache file fits the dictionary, finding them (which
// writes it) when its header does not; keeps nothing.
void PrepareRemovalsFile(const Dictionary& dict);

}  // namespace sillabor
