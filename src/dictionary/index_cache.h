#pragma once
// Indexes a search derives from the loaded dictionary (a letter tree, a rhyme
// order, ...), kept in a file beside its prepared file, "j_r_<name>.<kind>",
// so that the next process maps them instead of building them again. A file
// is used only when it was made from exactly the words in memory (their count,
// classes, text length and a hash of the whole text) and its contents still
// hash to what its header says; a missing, stale, damaged or unreadable file
// reads as none, and the index is built and written anew. A rebuild of the
// dictionary removes these files with the old prepared file.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string_view>

namespace sillabor {

class Dictionary;

// A fast hash for telling files apart, not for security.
uint64_t HashBytes(const void* data, size_t size);

// What a cache file must have been made from.
struct WordsFingerprint {
    int32_t words = 0;
    int32_t classes = 0;
    int32_t textLength = 0;
    uint64_t textHash = 0;
    bool operator==(const WordsFingerprint&) const = default;
};
WordsFingerprint FingerprintOf(const Dictionary& dict);

// Where the index `kind` of the loaded dictionary is kept; empty when it has no
// prepared file on disk (a dictionary held only in memory).
std::filesystem::path IndexCachePath(const Dictionary& dict, std::string_view kind);

// One cache file, mapped read-only and checked.
class IndexCacheFile {
public:
    // Null when the file is missing or unusable for `fingerprint`.
    static std::shared_ptr<const IndexCacheFile> Open(const std::filesystem::path& path,
                                                      const WordsFingerprint& fingerprint);
    IndexCacheFile(const IndexCacheFile&) = delete;
    IndexCacheFile& operator=(const IndexCacheFile&) = delete;
    ~IndexCacheFile();

    // The index's bytes, 8-byte aligned.
    std::span<const std::byte> Payload() const { return payload_; }

private:
    IndexCacheFile() = default;
    void* mapping_ = nullptr;
    size_t mappedBytes_ = 0;
    std::span<const std::byte> payload_;
};

// Writes the file atomically; false (and nothing written) when the folder
// cannot take it.
bool WriteIndexCacheFile(const std::filesystem::path& path, const WordsFingerprint& fingerprint,
                         std::span<const std::byte> payload);

}  // namespace sillabor
