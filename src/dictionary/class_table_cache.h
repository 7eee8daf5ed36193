#pragma once
// What a load derives from the word text (the anagram class table, the byte
// order of the slots and the lookup tables), kept in "j_r_<name>.classi"
// beside the prepared file, so that the next load only reads and checks the
// text instead of counting letters and sorting 1.2 million words again.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace sillabor {

class Dictionary;

// With the text read and checked (WordText, TextLength, TextHash, ClassCount
// and WordCount = words in the file), takes the class table where it lies in
// `file` and fills the slots and the lookup tables as the class pass and the
// sort would, WordCount then counting slot 0. False, and the dictionary as it
// was but for the contents of its slot array (which the load then fills anew),
// when the file is missing, stale, damaged or does not hold together.
// `wordStarts` marks where the text's words start (ScanWordText).
bool TakeCachedClassTable(Dictionary& dict, const std::filesystem::path& file,
                          const std::vector<uint64_t>& wordStarts);

// Writes what TakeCachedClassTable reads, from a dictionary just loaded (its
// scratch class entry is cleared); a folder that cannot take the file only
// costs the next load the work.
void WriteClassTableCache(Dictionary& dict, const std::filesystem::path& file);

// The cache file of the prepared file at `prepared`.
std::filesystem::path ClassTableCachePath(const std::filesystem::path& prepared);

}  // namespace sillabor
