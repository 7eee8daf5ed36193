#include "trova/word_anagrams.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace sillabor {

namespace {

// The slots in the order of their words in the text (which is the class
// order): a radix sort of (offset, slot) on the offset's 24 bits.
std::vector<uint64_t> SlotsInTextOrder(const Dictionary& dict) {
    const char* text = dict.WordText.get();
    const auto n = static_cast<size_t>(dict.WordCount - 1);
    std::vector<uint64_t> keys(n), sorted(n);
    for (size_t i = 0; i < n; ++i) {
        const auto slot = static_cast<uint64_t>(i + 1);
        keys[i] = (static_cast<uint64_t>(dict.Words[slot] - text) << 32) | slot;
    }
    for (int shift = 32; shift < 56; shift += 12) {
        std::vector<size_t> starts(4097, 0);
        for (uint64_t key : keys) ++starts[((key >> shift) & 0xFFF) + 1];
        for (size_t d = 1; d < starts.size(); ++d) starts[d] += starts[d - 1];
        for (uint64_t key : keys) sorted[starts[(key >> shift) & 0xFFF]++] = key;
        keys.swap(sorted);
    }
    return keys;
}

}  // namespace

void WordClasses::Prepare(const Dictionary& dict) {
    const uint32_t generation = dict.Generation.load(std::memory_order_relaxed);
    if (text_ == dict.WordText.get() && generation_ == generation && wordCount_ == dict.WordCount) return;
    text_ = nullptr;
    classOf_.resize(static_cast<size_t>(std::max(dict.WordCount, 1)));
    std::fill(classOf_.begin(), classOf_.end(), -1);
    if (dict.WordCount > 1 && dict.ClassCount > 0) {
        const std::vector<uint64_t> inText = SlotsInTextOrder(dict);
        // A class's words lie from its offset up to the next class's.
        size_t next = 0;
        for (int32_t k = 0; k < dict.ClassCount; ++k) {
            const uint64_t end = k + 1 < dict.ClassCount ? dict.Classes[k + 1].Offset() : UINT64_MAX;
            const bool others = dict.Classes[k].WordsInClass() > 1;
            for (; next < inText.size() && (inText[next] >> 32) < end; ++next)
                if (others) classOf_[inText[next] & 0xFFFFFFFFu] = k;
        }
    }
    text_ = dict.WordText.get();
    generation_ = generation;
    wordCount_ = dict.WordCount;
}

void WordAnagrams::Collect(const Dictionary& dict, int32_t cls, const char* word, int length) {
    dict_ = &dict;
    word_ = word;
    count_ = 0;
    const AnagramClass& c = dict.Classes[cls];
    lookUp_ = c.WordsInClass() >= kMaxClassWords;
    if (lookUp_) return;
    dict.ForEachWordOfClass(c, [&](const char* member) {
        Other other{member, -1, -1, 0};
        for (int i = 0; i < length; ++i) {
            if (member[i] == word[i]) continue;
            if (other.diffs++ == 0) other.firstDiff = i;
            other.lastDiff = i;
        }
        if (other.diffs > 0) others_[count_++] = other;
    });
}

bool WordAnagrams::IsExchange(int i, int j) const {
    if (lookUp_) {
        char candidate[kMaxWordLength + 2];
        std::strcpy(candidate, word_);
        std::swap(candidate[i], candidate[j]);
        return dict_->FindWord(candidate) != 0;
    }
    // With the same letters, differing at i and j alone means exchanged there.
    for (int k = 0; k < count_; ++k)
        if (others_[k].diffs == 2 && others_[k].firstDiff == i && others_[k].lastDiff == j) return true;
    return false;
}

bool WordAnagrams::AnyDifferingWithin(int lo, int hi) const {
    if (lookUp_) return true;
    for (int k = 0; k < count_; ++k)
        if (others_[k].firstDiff >= lo && others_[k].lastDiff <= hi) return true;
    return false;
}

bool WordAnagrams::ContainsChangedWithin(const char* candidate, int lo, int hi) const {
    if (lookUp_) return std::strcmp(candidate, word_) != 0 && dict_->FindWord(candidate) != 0;
    for (int k = 0; k < count_; ++k) {
        const Other& o = others_[k];
        if (o.firstDiff >= lo && o.lastDiff <= hi &&
            std::memcmp(o.word + lo, candidate + lo, static_cast<size_t>(hi - lo + 1)) == 0)
            return true;
    }
    return false;
}

}  // namespace sillabor
