#pragma once
// Indexes a search derives from the loaded dictionary (a letter tree, a rhyme
// order, ...), kept in a file beside its prepared file, "j_r_<name>.<kind>",
// so that the next process maps them instead of building them again. A file
// is used only when it was made from exactly the words in memory (their count,
// classes, text length and a hash of the whole text) and its contents still
// hash to what its header says; a missing, stale, damaged or unreadable file
// reads as none, and the index is built and written anew. A rebuild of the
// dictionary removes these files with the old prepared file.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <span>
#include <string_view>
#include <type_traits>
#include <vector>

#include "dictionary/byte_hash.h"

namespace sillabor {

class Dictionary;

// What a cache file must have been made from.
struct WordsFingerprint {
    int32_t words = 0;
    int32_t classes = 0;
    int32_t textLength = 0;
    uint64_t textHash = 0;
    bool operator==(const WordsFingerprint&) const = default;
};
WordsFingerprint FingerprintOf(const Dictionary& dict);
// The hash of a dictionary's words: its WordText past the two bytes before the
// first word (ScanWordText takes the same while it checks them).
uint64_t TextHashOf(const char* wordText, int32_t textLength);

// Where the index `kind` of the loaded dictionary is kept; empty when it has no
// prepared file on disk (a dictionary held only in memory).
std::filesystem::path IndexCachePath(const Dictionary& dict, std::string_view kind);

// One cache file, mapped read-only and checked.
class IndexCacheFile {
public:
    // Null when the file is missing or unusable for `fingerprint`. With
    // `privateCopy`, the mapping may be written: a page written becomes the
    // process's own copy, and the file never changes.
    static std::shared_ptr<const IndexCacheFile> Open(const std::filesystem::path& path,
                                                      const WordsFingerprint& fingerprint,
                                                      bool privateCopy = false);
    // As Open, with the caller's own check of the payload taken in the same
    // pass as its hash, so that a large file is read from memory once:
    // `check.Start(payload)` sees the payload before it is hashed (to learn
    // its size and where its parts lie, not to trust them), `check.Block(p)` sees
    // each block of Hasher::kBlock (64) bytes right after it was hashed, `check.Piece(bytes)` ends
    // each piece of kPieceBytes of them (while it is still in cache), and
    // `check.Rest(bytes)` sees what follows the last whole piece, once the
    // hash matched. Null also when any of them says false, or when the file
    // was written with another `layout` of the index. `privateCopy` as for Open.
    static constexpr size_t kPieceBytes = 64 * byte_hash::Hasher::kBlock;
    template <typename Check>
    static std::shared_ptr<const IndexCacheFile> OpenChecked(const std::filesystem::path& path,
                                                             const WordsFingerprint& fingerprint, uint64_t layout,
                                                             Check& check, bool privateCopy = false) {
        uint64_t payloadHash = 0;
        std::shared_ptr<IndexCacheFile> file = Map(path, fingerprint, layout, privateCopy, payloadHash);
        if (!file || !check.Start(std::span<const std::byte>(file->payload_))) return nullptr;
        const std::span<const std::byte> payload = file->payload_;
        const auto* p = reinterpret_cast<const unsigned char*>(payload.data());
        byte_hash::Hasher hasher(payload.size());
        size_t at = 0;
        for (; payload.size() - at >= kPieceBytes; at += kPieceBytes) {
            for (size_t b = at; b < at + kPieceBytes; b += hasher.kBlock) {
                hasher.Block(p + b);
                check.Block(p + b);
            }
            if (!check.Piece(payload.subspan(at, kPieceBytes))) return nullptr;
        }
        const size_t whole = at + (payload.size() - at) / hasher.kBlock * hasher.kBlock;
        for (size_t b = at; b < whole; b += hasher.kBlock) hasher.Block(p + b);
        if (hasher.Finish(p + whole, payload.size() - whole) != payloadHash || !check.Rest(payload.subspan(at)))
            return nullptr;
        return file;
    }
    // A large index read a piece at a time (WritePiecewiseIndexCacheFile): only
    // the header and the table of the pieces' hashes are checked here, and
    // each piece of kPieceBytes (the last one shorter) must pass PieceIntact
    // before the reader first trusts it. Null when the file is missing, does
    // not fit, or its table does not hash to what the header says.
    static std::shared_ptr<const IndexCacheFile> OpenPiecewise(const std::filesystem::path& path,
                                                               const WordsFingerprint& fingerprint, uint64_t layout);
    // Whether piece `piece` of a file opened with OpenPiecewise still hashes
    // to what its table says (false past the last piece).
    bool PieceIntact(size_t piece) const;
    IndexCacheFile(const IndexCacheFile&) = delete;
    IndexCacheFile& operator=(const IndexCacheFile&) = delete;
    ~IndexCacheFile();

    // The index's bytes, 8-byte aligned.
    std::span<const std::byte> Payload() const { return payload_; }
    // The same bytes, writable; only for a file opened with `privateCopy`.
    std::span<std::byte> PrivatePayload() const {
        return privateCopy_ ? std::span<std::byte>(const_cast<std::byte*>(payload_.data()), payload_.size())
                            : std::span<std::byte>();
    }

private:
    IndexCacheFile() = default;
    // The file mapped, its header checked and its payload set, but not hashed.
    static std::shared_ptr<IndexCacheFile> Map(const std::filesystem::path& path, const WordsFingerprint& fingerprint,
                                               uint64_t layout, bool privateCopy, uint64_t& payloadHash);
    void* mapping_ = nullptr;
    size_t mappedBytes_ = 0;
    bool privateCopy_ = false;
    std::span<const std::byte> payload_;
    // The hashes of the payload's pieces, for a file opened piecewise.
    std::span<const uint64_t> pieceHashes_;
};

// Whether the file's header says it was made from these words with this
// `layout`, and its size is the one the header gives: a cheap look that reads
// the header only, for deciding whether the file needs building. A reader
// still takes it through Open or OpenChecked, which check the whole payload.
bool IndexCacheFileFits(const std::filesystem::path& path, const WordsFingerprint& fingerprint, uint64_t layout = 0);

// Whether an index file at `path` (from IndexCachePath) is worth making for the
// loaded dictionary: it has a prepared file on disk, and no file there fits it.
bool IndexCacheFileNeeded(const std::filesystem::path& path, const Dictionary& dict);

// Writes the file atomically; false (and nothing written) when the folder
// cannot take it. `layout` is the index's format version, which a reader
// must expect (OpenChecked), so that a file of an older format is built again.
bool WriteIndexCacheFile(const std::filesystem::path& path, const WordsFingerprint& fingerprint,
                         std::span<const std::byte> payload, uint64_t layout = 0);

// As WriteIndexCacheFile, for a file to be opened with OpenPiecewise: the
// payload follows a table of the hashes of its pieces, and the header's sum
// covers the table only.
bool WritePiecewiseIndexCacheFile(const std::filesystem::path& path, const WordsFingerprint& fingerprint,
                                  std::span<const std::byte> payload, uint64_t layout);

// Several arrays in one payload: each is its element count (8 bytes) and its
// elements, padded to a multiple of 8 bytes.
class IndexPacker {
public:
    // Room for `bytes` in all, so that a large payload is not copied as it grows.
    void Reserve(size_t bytes) { bytes_.reserve(bytes); }
    template <typename T>
    void Add(std::span<const T> items) {
        static_assert(std::is_trivially_copyable_v<T>);
        const uint64_t count = items.size();
        Append(&count, sizeof count);
        Append(items.data(), items.size_bytes());
        bytes_.resize((bytes_.size() + 7) / 8 * 8);
    }
    std::span<const std::byte> Bytes() const { return bytes_; }

private:
    void Append(const void* data, size_t size) {
        const size_t at = bytes_.size();
        bytes_.resize(at + size);
        if (size != 0) std::memcpy(bytes_.data() + at, data, size);
    }
    std::vector<std::byte> bytes_;
};

// Reads the arrays back, in the order they were added, into vectors; a Take
// that finds no whole array there fails, and so does every Take after it.
class IndexUnpacker {
public:
    explicit IndexUnpacker(std::span<const std::byte> bytes) : bytes_(bytes) {}

    template <typename T, typename Allocator>
    bool Take(std::vector<T, Allocator>& out) {
        static_assert(std::is_trivially_copyable_v<T>);
        uint64_t count = 0;
        if (failed_ || bytes_.size() - at_ < sizeof count) return Fail();
        std::memcpy(&count, bytes_.data() + at_, sizeof count);
        at_ += sizeof count;
        if (count > (bytes_.size() - at_) / sizeof(T)) return Fail();
        out.resize(static_cast<size_t>(count));
        if (count != 0) std::memcpy(out.data(), bytes_.data() + at_, static_cast<size_t>(count) * sizeof(T));
        at_ = std::min(bytes_.size(), (at_ + static_cast<size_t>(count) * sizeof(T) + 7) / 8 * 8);
        return true;
    }
    // Whether every array was taken and nothing follows them.
    bool Complete() const { return !failed_ && at_ == bytes_.size(); }

private:
    bool Fail() {
        failed_ = true;
        return false;
    }
    std::span<const std::byte> bytes_;
    size_t at_ = 0;
    bool failed_ = false;
};

}  // namespace sillabor
