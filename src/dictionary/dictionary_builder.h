#pragma once
// Building a dictionary's prepared file from the text files in its folder.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace sillabor {

struct DictionaryJob;

// Largest source file a build accepts, in bytes.
inline constexpr int32_t kMaxSourceBytes = 10485760;

// Builds "Dizionari/<name>/j_r_<name>" from the other files of that folder
// with the job's build options, leaving out the words of
// "escludi.txt" (which clears the options for good). Frees the loaded
// dictionary: the caller loads one afterwards. 0 on success, 1 on failure;
// every step and failure is a printed line. A folder that cannot store the
// prepared file (read-only, full) is not a failure: the file is kept in
// job.dict.UnsavedPrepared for the load that follows, with a line that says so.
int BuildDictionary(const DictionaryJob& job, const std::string& name);

// Writes the prepared file `target` from the final run file `run`: the words
// grouped by anagram class, longer classes first, under a header of word
// count, class count and text length. The file appears only once complete.
// False when the run cannot be read or the file cannot be written.
bool WritePreparedFile(const std::filesystem::path& run, const std::filesystem::path& target);
// The same file's bytes, in `file`; false when the run cannot be read.
bool MakePreparedFile(const std::filesystem::path& run, std::vector<char>& file);

}  // namespace sillabor
