#include "trova/word_hash.h"

namespace sillabor {

void WordHash::Prepare(const Dictionary& dict) {
    const uint32_t generation = dict.Generation.load(std::memory_order_relaxed);
    if (dict_ == &dict && text_ == dict.WordText.get() && generation_ == generation && wordCount_ == dict.WordCount)
        return;
    text_ = nullptr;
    // At most three quarters full, so that a lookup of a missing key soon meets a free entry.
    const uint64_t words = dict.WordCount > 0 ? static_cast<uint64_t>(dict.WordCount) : 0;
    uint64_t size = 16;
    while (size * 3 < words * 4) size *= 2;
    table_.resize(size);
    std::memset(table_.data(), 0, size * sizeof(Entry));
    mask_ = size - 1;
    for (int32_t slot = 1; slot < dict.WordCount; ++slot) {
        const char* word = dict.Words[slot];
        const uint64_t hash = HashOf(word + skip_);
        uint64_t at = hash & mask_;
        while (table_[at].tag != 0) at = (at + 1) & mask_;
        table_[at] = Entry{TagOf(hash), slot};
    }
    dict_ = &dict;
    text_ = dict.WordText.get();
    generation_ = generation;
    wordCount_ = dict.WordCount;
}

int32_t WordHash::Find(const char* key) const {
    if (text_ == nullptr) return 0;
    const uint64_t hash = HashOf(key);
    const uint32_t tag = TagOf(hash);
    for (uint64_t at = hash & mask_;; at = (at + 1) & mask_) {
        const Entry e = table_[at];
        if (e.tag == 0) return 0;
        if (e.tag == tag && std::strcmp(dict_->Words[e.slot] + skip_, key) == 0) return e.slot;
    }
}

}  // namespace sillabor
