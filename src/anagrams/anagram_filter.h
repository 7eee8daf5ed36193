#pragma once
// The "Parole" page's filters as the anagram search applies them.

namespace sillabor {

class Workbench;

// Prepares the filters; false (after their own messages) when they are invalid.
bool SetupAnagramFilter(Workbench& wb);

// True when the word passes the prepared filters.
bool AnagramWordPasses(Workbench& wb, const char* word);

}  // namespace sillabor
