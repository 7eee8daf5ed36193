#pragma once
// The in-memory word list: one text block, the slot array in byte order, the
// anagram class table and the lookup indexes built over them.

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "dictionary/large_storage.h"
#include "dictionary/letter_count.h"

namespace sillabor {

// One anagram class: its letters and where its words start in WordText.
struct AnagramClass {
    LetterCount letters;
    // Bits 0-23: offset in WordText of the class's first word; bits 24-31: its word count.
    uint32_t ClassWords;

    uint32_t Offset() const { return ClassWords & 0xFFFFFFu; }
    int WordsInClass() const { return static_cast<int>(ClassWords >> 24); }
};
static_assert(sizeof(AnagramClass) == 32);

inline constexpr int kMaxClassWords = 127;
inline constexpr int kMaxWordLength = 39;  // words of 40 letters or more never enter a dictionary
// The largest length a length field takes: one past the longest word, so that
// as a maximum it bounds nothing.
inline constexpr int kLengthFieldTop = kMaxWordLength + 1;
// Tables indexed by a length, 0 to kLengthFieldTop.
inline constexpr int kLengthSlots = kLengthFieldTop + 1;

struct PairBound {
    int32_t lo;
    int32_t hi;
};

class Dictionary {
public:
    std::string DictionaryName = "Default";
    // The name of the dictionary in memory, "" when none is.
    std::string LoadedName;
    // The prepared file it was read from; empty for one read from memory.
    std::filesystem::path PreparedPath;
    // A prepared file just built whose folder could not store it: the next
    // load of that dictionary reads it from here. Clear() keeps it.
    std::string UnsavedName;
    std::vector<char> UnsavedPrepared;

    // Byte 0 is '`', byte 1 a NUL, then the words grouped by class.
    LargeText WordText;
    int32_t TextLength = 0;  // bytes of words, as declared by the prepared file
    // A hash of the word text, taken once by the load (0: not taken); it tells
    // the cache files of the indexes which words they belong to.
    uint64_t TextHash = 0;
    // Slot 0 points at "`", slots 1..WordCount-1 at words, slot WordCount at "".
    UninitVector<char*> Words;
    int32_t WordCount = 0;
    // ClassCount entries plus one scratch entry, in descending letter order.
    // Read where it lies in its cache file when the load found one.
    LargeArray<AnagramClass> Classes;
    int32_t ClassCount = 0;
    PairBound PairBounds[26][26] = {};
    int32_t SingleLetterWord[256] = {};
    int32_t FirstWordOfLetter[256] = {};
    UninitVector<AnagramClass*> ClassScratch;
    UninitVector<uint8_t> WordMarks;
    bool NotAlphabetical = false;
    // Moves on whenever the contents are dropped, so that what is computed from
    // a dictionary (the "Cern" page's parity masks) knows when to compute anew.
    std::atomic<uint32_t> Generation{0};

    bool IsLoaded() const { return WordCount > 0; }
    // Frees every buffer and moves Generation on; the dictionary is empty afterwards.
    void Clear();

    // Lookups: a slot (0 = not found) or a class index (-1 = not found).
    int32_t FindWord(const char* word) const;
    int32_t FindPrefix(const char* text, int n) const;
    int32_t FindClass(const LetterCount& key) const;

    // Rebuilds PairBounds, SingleLetterWord and FirstWordOfLetter from Words in
    // byte order. `firstTwo`, when given, holds the first two bytes of the word
    // of each slot from 1 on (first byte high), which spares reading the words.
    void BuildLookupTables(const uint16_t* firstTwo = nullptr);

    // Walks the words of one class.
    template <typename Fn>
    void ForEachWordOfClass(const AnagramClass& cls, Fn&& fn) const {
        const char* p = WordText.get() + cls.Offset();
        for (int k = cls.WordsInClass(); k > 0; --k) {
            fn(p);
            while (*p) ++p;
            ++p;
        }
    }
};

// Byte-wise comparison of two words (unsigned bytes), for sorting into byte order.
int CompareWordPointers(const char* const* a, const char* const* b);
// Compares the first n characters of a with the first n of b read backwards.
int CompareReversedPrefix(const char* a, const char* b, int n);
// 26-bit mask of letter parities: bit 25 for a ... bit 0 for z.
uint32_t ParityMask(const AnagramClass& cls);

}  // namespace sillabor
