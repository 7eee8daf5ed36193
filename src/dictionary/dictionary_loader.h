#pragma once
// Finding the dictionaries under Dizionari/ and loading a prepared one into the
// workbench's Dictionary, with the fall-back to "Default".

#include <string>

namespace sillabor {

class Workbench;

inline constexpr const char* kDefaultDictionary = "Default";

// Lists the dictionary folders into wb.dictionaryList and selects "Default"
// (any case) as wb.dict.DictionaryName. 0 on success; 1 after a fatal stop.
int ScanDictionaries(Workbench& wb);

// Loads wb.dict.DictionaryName, building its prepared file first when missing.
// Falls back to "Default" at most once; 0 on success, 1 on failure.
int LoadDictionary(Workbench& wb);

// Fills the class table and the slot array from WordText (words already
// checked by CheckPreparedWords: a-z only), warns about classes
// of more than 127 words, sorts the slots and builds the lookup tables.
// Returns "" or why the text does not match its declared classes.
std::string BuildIndexes(Workbench& wb);

}  // namespace sillabor
