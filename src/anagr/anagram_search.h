#pragma once
// Phrase anagrams: the search over anagram classes (game 0).

namespace sillabor {

struct AnagrRun;

enum AnagramOption : int { kAnagramSearch = 0, kAnagramShowCandidates = 1 };

// Searches the checked request (option 0) or lists the candidate classes
// (option 1), and fills run.result. Returns 0.
int AnagramSearch(AnagrRun& run, int option);

}  // namespace sillabor
