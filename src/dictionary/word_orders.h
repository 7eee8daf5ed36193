#pragma once
// The three orders of the word array: byte order (every lookup needs it), by
// length (shorter first) and rhyme order (by the reversed word).

#include <cstddef>
#include <cstdint>

namespace sillabor {

class Dictionary;

// Sorts NUL-terminated words into unsigned byte order. Equal words keep no
// particular order. When `firstTwo` is given, it receives the first two bytes
// of each sorted word (first byte high; 0 past the word's end).
void SortByteOrder(char** words, size_t n, uint16_t* firstTwo = nullptr);

// Shorter words first, words of equal length in byte order.
int CompareByLength(const char* a, const char* b);
void SortByLength(char** words, size_t n);

// Reverses every word in place, sorts in byte order, reverses them back.
void SortRhymeOrder(char** words, size_t n);

// Slots 1..WordCount-1 of the dictionary, in byte order; clears NotAlphabetical.
void RestoreByteOrder(Dictionary& dict);

}  // namespace sillabor
