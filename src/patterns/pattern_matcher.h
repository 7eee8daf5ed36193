#pragma once
// Matching a compiled pattern against one word, by backtracking.

#include <cstdint>

#include "patterns/pattern_compiler.h"

namespace sillabor {

class Dictionary;

// Nonzero when the whole word matches. With a derived part the result is the
// slot of the derived word, which also stays in `pattern.derivedWord`.
// Elements bind left to right, runs and groups try the shortest length first,
// and the first complete match wins. Allocates nothing.
int32_t MatchPattern(CompiledPattern& pattern, const char* word, const Dictionary& dict);

}  // namespace sillabor
