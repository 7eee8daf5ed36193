#include "curio/word_lengths.h"

#include <cstring>

namespace sillabor {

WordsByLength::WordsByLength(const Dictionary& dict) {
    slots_.resize(1);
    packed_.resize(1);
    uint8_t codes[kPackedCodes];
    for (int32_t slot = 1; slot < dict.WordCount; ++slot) {
        const char* word = dict.Words[static_cast<size_t>(slot)];
        const size_t length = std::strlen(word);
        if (length >= slots_.size()) {
            slots_.resize(length + 1);
            packed_.resize(length + 1);
        }
        slots_[length].push_back(slot);
        if (length <= kPackedCodes) {
            for (size_t k = 0; k < length; ++k) codes[k] = static_cast<uint8_t>(word[k] - 'a' + 1);
            packed_[length].push_back(KeyOfCodes(codes, static_cast<int>(length)));
        }
    }
}

}  // namespace sillabor
