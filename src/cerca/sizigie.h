#pragma once
// Sizigie: the dictionary words that share the longest runs of consecutive
// letters with each of two or three typed words at once.

namespace sillabor {

struct CercaRun;

// Reads two or three blank-separated words from BaseWord and prints the 50
// best words: "%2d %s [%d,%d]" (or three runs) with the smallest run, the
// word and its run with each typed word; a longer word ranks lower.
void Sizigie(CercaRun& run);

// The length of the longest stretch of `typed` that occurs in `word`.
int LongestSharedRun(const char* word, const char* typed);

}  // namespace sillabor
