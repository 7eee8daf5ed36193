#pragma once
// Finding the dictionaries under Dizionari/ and loading a prepared one into the
// job's Dictionary, with the fall-back to "Default".

#include <string>
#include <vector>

namespace sillabor {

struct DictionaryJob;

inline constexpr const char* kDefaultDictionary = "Default";

// The dictionary folders found by a scan, sorted, and the position of "Default".
struct DictionaryList {
    std::vector<std::string> names;
    int selected = -1;
};

// Lists the dictionary folders into `list` and selects "Default" (any case) as
// job.dict.DictionaryName. 0 on success; 1 after a fatal stop.
int ScanDictionaries(const DictionaryJob& job, DictionaryList& list);

// Loads job.dict.DictionaryName, building its prepared file first when missing.
// Falls back to "Default" at most once; 0 on success, 1 on failure. Every
// load empties the dictionary first, which moves its Generation on.
int LoadDictionary(const DictionaryJob& job);

// Fills the class table and the slot array from WordText (words already
// checked by CheckPreparedWords: a-z only), warns about classes
// of more than 127 words, sorts the slots and builds the lookup tables.
// Returns "" or why the text does not match its declared classes.
std::string BuildIndexes(const DictionaryJob& job);

}  // namespace sillabor
