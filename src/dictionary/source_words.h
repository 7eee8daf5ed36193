#pragma once
// Turning the text of one dictionary source into a sorted, duplicate-free run
// of words.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/character_map.h"

namespace sillabor {

// Remembers the words of one to four letters met so far, so that the many
// repeats of short words in running prose are dropped while reading. One mask
// per first three letters: bits 0-25 the four-letter words by their fourth
// letter, bit 27 the one-letter word (second and third index a), bit 28 the
// two-letter word (third index a), bit 29 the three-letter word.
class ShortWordTable {
public:
    ShortWordTable();
    void Clear();
    // True, and the word is marked, the first time a word of 1..4 letters a-z
    // is met; false for a repeat.
    bool FirstMeeting(const char* word, size_t length);
    // Unmarks a word, as if it had never been met.
    void Forget(const char* word, size_t length);

private:
    uint32_t* Slot(const char* word, size_t length, uint32_t& bit);
    std::vector<uint32_t> masks_;
};

// The text of a source file in Windows-1252: decoded when it is valid UTF-8,
// taken as it is otherwise. Characters with no Windows-1252 form become
// separators.
std::string DecodeSourceText(std::string_view raw);

// Maps the text in place and returns its words after the build options, in
// text order. The pointers point into `text` and end at its NULs. Short words
// already met (in this or an earlier source) are not returned again.
std::vector<char*> CollectSourceWords(std::string& text, const CharacterMap& map, int options,
                                      ShortWordTable& shortWords);

// Sorts the words and writes each one once as a run file. False when the file
// cannot be written.
bool WriteSortedRun(std::vector<char*>& words, const std::filesystem::path& file);

}  // namespace sillabor
