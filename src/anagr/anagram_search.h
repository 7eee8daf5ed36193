#pragma once
// Phrase anagrams: the search over anagram classes (game 0).

namespace sillabor {

struct AnagrRun;

enum AnagramOption : int { kAnagramSearch = 0, kAnagramShowCandidates = 1 };

// Reads run.anagramPage, searches (option 0) or lists the candidate classes
// (option 1). Returns 0, or 1 when it printed an error.
int AnagramSearch(AnagrRun& run, int option);

}  // namespace sillabor
