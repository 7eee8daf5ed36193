#include "trova/word_endings.h"

#include <cstring>

#include "dictionary/word_orders.h"

namespace sillabor {

bool WordEndings::Prepare(const Dictionary& dict) {
    const char* text = dict.WordText.get();
    const uint32_t generation = dict.Generation.load(std::memory_order_relaxed);
    if (forwardBase_ == text && text != nullptr && generation_ == generation && wordCount_ == dict.WordCount)
        return true;
    forwardBase_ = nullptr;
    reversed_.clear();
    const int32_t words = dict.WordCount > 0 ? dict.WordCount - 1 : 0;
    const size_t textSize = text != nullptr ? dict.WordText.get_deleter().size : 0;
    reversedText_.resize(textSize);
    reversed_.resize(static_cast<size_t>(words));
    // Each reversed word sits at its word's offset, which leads back from one to the other.
    char* out = reversedText_.data();
    for (int32_t slot = 1; slot <= words; ++slot) {
        const char* word = dict.Words[slot];
        const size_t length = std::strlen(word);
        const auto offset = static_cast<size_t>(word - text);
        if (offset + length >= textSize) {  // not the dictionary's own text: no index
            reversed_.clear();
            return false;
        }
        char* reversed = out + offset;
        for (size_t i = 0; i < length; ++i) reversed[i] = word[length - 1 - i];
        reversed[length] = '\0';
        reversed_[static_cast<size_t>(slot - 1)] = reversed;
    }
    SortByteOrder(reversed_.data(), reversed_.size());
    forwardBase_ = text;
    generation_ = generation;
    wordCount_ = dict.WordCount;
    return true;
}

SlotRange WordEndings::Ending(const char* ending, int n) const {
    char key[64];
    if (n <= 0 || n >= static_cast<int>(sizeof key)) return {};
    for (int i = 0; i < n; ++i) key[i] = ending[n - 1 - i];
    return PrefixRange(reversed_.data(), 0, static_cast<int32_t>(reversed_.size()), key, n);
}

}  // namespace sillabor
