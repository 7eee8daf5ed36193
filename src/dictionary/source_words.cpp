#include "dictionary/source_words.h"

#include <cstring>

#include "base/text_encoding.h"
#include "dictionary/build_options.h"
#include "dictionary/dictionary.h"
#include "dictionary/run_files.h"
#include "dictionary/word_orders.h"

namespace sillabor {

namespace {

constexpr uint32_t kOneLetterBit = 1u << 27;
constexpr uint32_t kTwoLetterBit = 1u << 28;
constexpr uint32_t kThreeLetterBit = 1u << 29;

bool AllLowerLetters(const char* word, size_t length) {
    for (size_t i = 0; i < length; ++i)
        if (word[i] < 'a' || word[i] > 'z') return false;
    return true;
}

}  // namespace

ShortWordTable::ShortWordTable() : masks_(26 * 26 * 26, 0) {}

void ShortWordTable::Clear() { std::fill(masks_.begin(), masks_.end(), 0); }

uint32_t* ShortWordTable::Slot(const char* word, size_t length, uint32_t& bit) {
    if (length < 1 || length > 4 || !AllLowerLetters(word, length)) return nullptr;
    int i = word[0] - 'a';
    int j = length >= 2 ? word[1] - 'a' : 0;
    int k = length >= 3 ? word[2] - 'a' : 0;
    switch (length) {
        case 1: bit = kOneLetterBit; break;
        case 2: bit = kTwoLetterBit; break;
        case 3: bit = kThreeLetterBit; break;
        default: bit = 1u << (word[3] - 'a'); break;
    }
    return &masks_[(i * 26 + j) * 26 + k];
}

bool ShortWordTable::FirstMeeting(const char* word, size_t length) {
    uint32_t bit = 0;
    uint32_t* mask = Slot(word, length, bit);
    if (mask == nullptr) return true;
    if (*mask & bit) return false;
    *mask |= bit;
    return true;
}

void ShortWordTable::Forget(const char* word, size_t length) {
    uint32_t bit = 0;
    if (uint32_t* mask = Slot(word, length, bit)) *mask &= ~bit;
}

std::string DecodeSourceText(std::string_view raw) {
    if (!IsValidUtf8(raw)) return std::string(raw);
    // Plain ASCII stretches are copied as they are; only the multi-byte
    // characters go through the decoder.
    std::string text;
    text.reserve(raw.size());
    size_t at = 0;
    while (at < raw.size()) {
        size_t start = at;
        while (at < raw.size() && static_cast<unsigned char>(raw[at]) < 0x80) ++at;
        text.append(raw, start, at - start);
        start = at;
        while (at < raw.size() && static_cast<unsigned char>(raw[at]) >= 0x80) ++at;
        if (at > start) text += Utf8ToCp1252(raw.substr(start, at - start), '\0');
    }
    return text;
}

std::vector<char*> CollectSourceWords(std::string& text, const CharacterMap& map, int options,
                                      ShortWordTable& shortWords) {
    for (char& c : text) c = map[static_cast<unsigned char>(c)];

    std::vector<char*> stored;
    stored.reserve(text.size() / 16 + 16);
    bool skipNext = false;
    // Whether the word just before the current one was stored, so that a
    // hyphen after it can take it back.
    bool previousStored = false;
    char* p = text.data();
    char* const end = p + text.size();
    while (p < end) {
        if (*p == '\0') {
            ++p;
            continue;
        }
        char* word = p;
        while (p < end && *p != '\0') ++p;
        size_t length = static_cast<size_t>(p - word);
        bool wasPreviousStored = previousStored;
        previousStored = false;

        if (skipNext) {
            skipNext = false;
            continue;
        }
        if (length > kMaxWordLength) continue;
        if (options & kBuildSkipCapitalised) {
            bool capital = false;
            for (size_t i = 0; i < length && !capital; ++i) capital = word[i] >= 'A' && word[i] <= 'Z';
            if (capital) continue;
        }
        if (options & kBuildSkipBeforeApostrophe) {
            char* marker = static_cast<char*>(std::memchr(word, kApostropheMarker, length));
            if (marker != nullptr) {
                if (marker == word + length - 1) continue;
                if (std::memchr(marker + 1, kApostropheMarker, length - (marker + 1 - word)) != nullptr)
                    continue;
                length -= static_cast<size_t>(marker + 1 - word);
                word = marker + 1;
            }
        }
        if ((options & kBuildSkipHyphenated) && std::memchr(word, '-', length) != nullptr) {
            if (word[0] == '-' && wasPreviousStored) {
                char* last = stored.back();
                shortWords.Forget(last, std::strlen(last));
                stored.pop_back();
            }
            if (word[length - 1] == '-') skipNext = true;
            continue;
        }
        if (length <= 4 && !shortWords.FirstMeeting(word, length)) continue;
        stored.push_back(word);
        previousStored = true;
    }
    return stored;
}

bool WriteSortedRun(std::vector<char*>& words, const std::filesystem::path& file) {
    SortByteOrder(words.data(), words.size());
    RunWriter writer;
    if (!writer.Open(file)) return false;
    const char* previous = nullptr;
    for (char* word : words) {
        if (previous != nullptr && std::strcmp(previous, word) == 0) continue;
        writer.Write(word);
        previous = word;
    }
    return writer.Finish(false);
}

}  // namespace sillabor
