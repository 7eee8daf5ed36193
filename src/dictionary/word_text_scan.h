#pragma once
// One fast pass over a prepared file's word text that both checks it and marks
// where each word starts, so that byte-order slots read from a cache file can
// be checked against the text without touching it again.

#include <cstdint>
#include <vector>

namespace sillabor {

// True when `text` is exactly `words` words of 1 to 39 letters a-z, each ended
// by a NUL, filling `length` bytes; `wordStarts` then has bit i set when a word
// starts at text[i]. False for anything else (CheckPreparedWords tells why, or
// accepts a text with spare bytes after its words). `hash`, when given and the
// text accepted, is HashBytes(text, length), taken in the same pass.
bool ScanWordText(const char* text, int32_t length, int32_t words, std::vector<uint64_t>& wordStarts,
                  uint64_t* hash = nullptr);

inline bool StartsWord(const std::vector<uint64_t>& wordStarts, uint32_t at) {
    return at / 64 < wordStarts.size() && (wordStarts[at / 64] >> (at % 64) & 1) != 0;
}

}  // namespace sillabor
