#include "trova/word_hash.h"

namespace sillabor {

void WordHash::Prepare(const Dictionary& dict) {
    const uint32_t generation = dict.Generation.load(std::memory_order_relaxed);
    if (dict_ == &dict && text_ == dict.WordText.get() && generation_ == generation && wordCount_ == dict.WordCount)
        return;
    text_ = nullptr;
    const std::filesystem::path file = FileOf(dict, skip_);
    const WordsFingerprint fingerprint = file.empty() ? WordsFingerprint{} : FingerprintOf(dict);
    if (!TakeCached(dict, file, fingerprint)) {
        Build(dict);
        if (!file.empty()) {
            IndexPacker out;
            out.Add<Entry>(table_);
            // A folder that cannot take the file only costs the next process the build.
            WriteIndexCacheFile(file, fingerprint, out.Bytes());
        }
    }
    dict_ = &dict;
    text_ = dict.WordText.get();
    generation_ = generation;
    wordCount_ = dict.WordCount;
}

void WordHash::PrepareFile(const Dictionary& dict, int skip) {
    if (!IndexCacheFileNeeded(FileOf(dict, skip), dict)) return;
    WordHash scratch(skip);
    scratch.Prepare(dict);
}

bool WordHash::TakeCached(const Dictionary& dict, const std::filesystem::path& file,
                          const WordsFingerprint& fingerprint) {
    const auto cache = IndexCacheFile::Open(file, fingerprint);
    if (!cache) return false;
    IndexUnpacker in(cache->Payload());
    if (!in.Take(table_) || !in.Complete()) return false;
    const size_t size = table_.size();
    // A power of two with a free entry, which ends every lookup, and slots of words.
    if (size < 16 || (size & (size - 1)) != 0) return false;
    StartPresence(size);
    bool anyFree = false;
    for (const Entry& e : table_) {
        if (e.tag == 0)
            anyFree = true;
        else if (e.slot < 1 || e.slot >= dict.WordCount)
            return false;
        else
            MarkPresent(e.tag);
    }
    if (!anyFree) return false;
    mask_ = size - 1;
    return true;
}

void WordHash::StartPresence(uint64_t tableSize) {
    present_.assign(tableSize * kPresenceBitsPerEntry / 64, 0);
    presenceMask_ = static_cast<uint32_t>(tableSize * kPresenceBitsPerEntry - 1);
}

void WordHash::Build(const Dictionary& dict) {
    // At most three quarters full, so that a lookup of a missing key soon meets a free entry.
    const uint64_t words = dict.WordCount > 0 ? static_cast<uint64_t>(dict.WordCount) : 0;
    uint64_t size = 16;
    while (size * 3 < words * 4) size *= 2;
    table_.resize(size);
    std::memset(table_.data(), 0, size * sizeof(Entry));
    mask_ = size - 1;
    StartPresence(size);
    for (int32_t slot = 1; slot < dict.WordCount; ++slot) {
        const char* word = dict.Words[slot];
        const uint64_t hash = HashOf(word + skip_);
        uint64_t at = hash & mask_;
        while (table_[at].tag != 0) at = (at + 1) & mask_;
        table_[at] = Entry{TagOf(hash), slot};
        MarkPresent(TagOf(hash));
    }
}

int32_t WordHash::Find(const char* key) const {
    if (text_ == nullptr) return 0;
    const uint64_t hash = HashOf(key);
    const uint32_t tag = TagOf(hash);
    if (!MayBePresent(tag)) return 0;
    for (uint64_t at = hash & mask_;; at = (at + 1) & mask_) {
        const Entry e = table_[at];
        if (e.tag == 0) return 0;
        if (e.tag == tag && std::strcmp(dict_->Words[e.slot] + skip_, key) == 0) return e.slot;
    }
}

}  // namespace sillabor
