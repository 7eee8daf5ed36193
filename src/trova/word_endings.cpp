#include "trova/word_endings.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "dictionary/index_cache.h"
#include "dictionary/word_orders.h"

namespace sillabor {

namespace {

constexpr const char* kCacheFile = "finali";

}  // namespace

void WordEndings::PrepareFile(const Dictionary& dict) {
    if (!IndexCacheFileNeeded(IndexCachePath(dict, kCacheFile), dict)) return;
    WordEndings scratch;
    scratch.Prepare(dict);
}

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
    // Each reversed word sits at its word's offset, which leads back from one to
    // the other; the copy keeps the text's NULs, so any offset that follows one
    // starts a NUL-terminated word.
    char* out = reversedText_.data();
    if (textSize != 0) std::memcpy(out, text, textSize);
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
    // The order of the reversed words, as their offsets, is what the cache file keeps.
    const std::filesystem::path file = IndexCachePath(dict, kCacheFile);
    const WordsFingerprint fingerprint = file.empty() ? WordsFingerprint{} : FingerprintOf(dict);
    std::vector<uint32_t> offsets;
    const auto cache = IndexCacheFile::Open(file, fingerprint);
    IndexUnpacker in(cache ? cache->Payload() : std::span<const std::byte>{});
    const auto startsAWord = [&](uint32_t offset) {
        return offset >= 2 && offset < textSize && out[offset - 1] == '\0' && out[offset] != '\0';
    };
    if (cache && in.Take(offsets) && in.Complete() && offsets.size() == reversed_.size() &&
        std::all_of(offsets.begin(), offsets.end(), startsAWord)) {
        for (size_t i = 0; i < offsets.size(); ++i) reversed_[i] = out + offsets[i];
    } else {
        SortByteOrder(reversed_.data(), reversed_.size());
        if (!file.empty()) {
            offsets.resize(reversed_.size());
            for (size_t i = 0; i < offsets.size(); ++i) offsets[i] = static_cast<uint32_t>(reversed_[i] - out);
            IndexPacker pack;
            pack.Add<uint32_t>(offsets);
            // A folder that cannot take the file only costs the next process the build.
            WriteIndexCacheFile(file, fingerprint, pack.Bytes());
        }
    }
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
