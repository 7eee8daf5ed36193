#include "dictionary/index_cache.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "base/file_writer.h"
#include "dictionary/dictionary.h"

namespace sillabor {

namespace {

// The last digit counts the forms of the header's hashes: a file hashed by an
// older HashBytes is refused by its name, not only by its sums, and built again.
constexpr char kMagic[8] = {'S', 'I', 'L', 'B', 'I', 'D', 'X', '2'};
// Read back as a number, it also tells a file written with the other byte order.
constexpr uint32_t kByteOrderMark = 0x01020304u;

struct CacheHeader {
    char magic[8];
    uint32_t byteOrder;
    int32_t words;
    int32_t classes;
    int32_t textLength;
    uint64_t textHash;
    uint64_t payloadBytes;
    uint64_t payloadHash;
    uint64_t layout;  // the index's own format version; 0 for the first
    uint64_t reserved[2];
};
static_assert(sizeof(CacheHeader) == 72);
// The payload starts on an 8-byte boundary of the mapping.
constexpr size_t kPayloadAt = 72;

// Whether a file of `fileBytes` with this header was made from these words
// with this layout, and holds the whole payload the header announces.
bool HeaderFits(const CacheHeader& header, size_t fileBytes, const WordsFingerprint& fingerprint, uint64_t layout) {
    const WordsFingerprint made{header.words, header.classes, header.textLength, header.textHash};
    return std::memcmp(header.magic, kMagic, sizeof kMagic) == 0 && header.byteOrder == kByteOrderMark &&
           made == fingerprint && header.layout == layout && header.payloadBytes == fileBytes - kPayloadAt;
}

}  // namespace

uint64_t TextHashOf(const char* wordText, int32_t textLength) {
    return HashBytes(wordText + 2, static_cast<size_t>(textLength));
}

WordsFingerprint FingerprintOf(const Dictionary& dict) {
    WordsFingerprint f;
    f.words = dict.WordCount;
    f.classes = dict.ClassCount;
    f.textLength = dict.TextLength;
    if (dict.TextHash != 0)
        f.textHash = dict.TextHash;
    else if (dict.WordText)
        f.textHash = TextHashOf(dict.WordText.get(), dict.TextLength);
    return f;
}

std::filesystem::path IndexCachePath(const Dictionary& dict, std::string_view kind) {
    if (dict.PreparedPath.empty() || !dict.IsLoaded()) return {};
    std::filesystem::path path = dict.PreparedPath;
    path += ".";
    path += std::string(kind);
    return path;
}

std::shared_ptr<IndexCacheFile> IndexCacheFile::Map(const std::filesystem::path& path,
                                                    const WordsFingerprint& fingerprint, uint64_t layout,
                                                    bool privateCopy, uint64_t& payloadHash) {
    if (path.empty()) return nullptr;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || static_cast<size_t>(info.st_size) < kPayloadAt) {
        ::close(fd);
        return nullptr;
    }
    const auto bytes = static_cast<size_t>(info.st_size);
    const int protection = privateCopy ? PROT_READ | PROT_WRITE : PROT_READ;
    void* mapping = ::mmap(nullptr, bytes, protection, MAP_PRIVATE, fd, 0);
    ::close(fd);
    if (mapping == MAP_FAILED) return nullptr;
    std::shared_ptr<IndexCacheFile> file(new IndexCacheFile());
    file->mapping_ = mapping;
    file->mappedBytes_ = bytes;
    file->privateCopy_ = privateCopy;

    CacheHeader header;
    std::memcpy(&header, mapping, sizeof header);
    if (!HeaderFits(header, bytes, fingerprint, layout)) return nullptr;
    payloadHash = header.payloadHash;
    file->payload_ = {static_cast<const std::byte*>(mapping) + kPayloadAt, bytes - kPayloadAt};
    return file;
}

std::shared_ptr<const IndexCacheFile> IndexCacheFile::Open(const std::filesystem::path& path,
                                                           const WordsFingerprint& fingerprint,
                                                           bool privateCopy) {
    uint64_t payloadHash = 0;
    auto file = Map(path, fingerprint, 0, privateCopy, payloadHash);
    if (!file || HashBytes(file->payload_.data(), file->payload_.size()) != payloadHash) return nullptr;
    return file;
}

std::shared_ptr<const IndexCacheFile> IndexCacheFile::OpenPiecewise(const std::filesystem::path& path,
                                                                    const WordsFingerprint& fingerprint,
                                                                    uint64_t layout) {
    uint64_t tableHash = 0;
    auto file = Map(path, fingerprint, layout, /*privateCopy=*/false, tableHash);
    if (!file) return nullptr;
    const std::span<const std::byte> all = file->payload_;
    uint64_t pieces = 0;
    if (all.size() < sizeof pieces) return nullptr;
    std::memcpy(&pieces, all.data(), sizeof pieces);
    if (pieces > (all.size() - sizeof pieces) / sizeof(uint64_t)) return nullptr;
    const size_t tableBytes = sizeof pieces + static_cast<size_t>(pieces) * sizeof(uint64_t);
    const size_t dataBytes = all.size() - tableBytes;
    if (pieces != (dataBytes + kPieceBytes - 1) / kPieceBytes || HashBytes(all.data(), tableBytes) != tableHash)
        return nullptr;
    file->pieceHashes_ = {reinterpret_cast<const uint64_t*>(all.data() + sizeof pieces), static_cast<size_t>(pieces)};
    file->payload_ = all.subspan(tableBytes);
    return file;
}

bool IndexCacheFile::PieceIntact(size_t piece) const {
    if (piece >= pieceHashes_.size()) return false;
    const size_t at = piece * kPieceBytes;
    return HashBytes(payload_.data() + at, std::min(kPieceBytes, payload_.size() - at)) == pieceHashes_[piece];
}

IndexCacheFile::~IndexCacheFile() {
    if (mapping_ != nullptr) ::munmap(mapping_, mappedBytes_);
}

bool IndexCacheFileFits(const std::filesystem::path& path, const WordsFingerprint& fingerprint, uint64_t layout) {
    if (path.empty()) return false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    CacheHeader header{};
    const bool read = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                      static_cast<size_t>(info.st_size) >= kPayloadAt &&
                      ::pread(fd, &header, sizeof header, 0) == static_cast<ssize_t>(sizeof header);
    ::close(fd);
    return read && HeaderFits(header, static_cast<size_t>(info.st_size), fingerprint, layout);
}

namespace {

bool WriteCacheFile(const std::filesystem::path& path, const WordsFingerprint& fingerprint, uint64_t layout,
                    std::span<const std::byte> table, std::span<const std::byte> payload, uint64_t hash) {
    if (path.empty()) return false;
    CacheHeader header{};
    std::memcpy(header.magic, kMagic, sizeof kMagic);
    header.byteOrder = kByteOrderMark;
    header.words = fingerprint.words;
    header.classes = fingerprint.classes;
    header.textLength = fingerprint.textLength;
    header.textHash = fingerprint.textHash;
    header.payloadBytes = table.size() + payload.size();
    header.payloadHash = hash;
    header.layout = layout;
    AtomicFile file(path);
    return file.Open() && file.Write({reinterpret_cast<const char*>(&header), sizeof header}) &&
           (table.empty() || file.Write({reinterpret_cast<const char*>(table.data()), table.size()})) &&
           file.Write({reinterpret_cast<const char*>(payload.data()), payload.size()}) && file.Commit();
}

}  // namespace

bool IndexCacheFileNeeded(const std::filesystem::path& path, const Dictionary& dict) {
    return !path.empty() && !IndexCacheFileFits(path, FingerprintOf(dict));
}

bool WriteIndexCacheFile(const std::filesystem::path& path, const WordsFingerprint& fingerprint,
                         std::span<const std::byte> payload, uint64_t layout) {
    return WriteCacheFile(path, fingerprint, layout, {}, payload, HashBytes(payload.data(), payload.size()));
}

bool WritePiecewiseIndexCacheFile(const std::filesystem::path& path, const WordsFingerprint& fingerprint,
                                  std::span<const std::byte> payload, uint64_t layout) {
    constexpr size_t kPiece = IndexCacheFile::kPieceBytes;
    const size_t pieces = (payload.size() + kPiece - 1) / kPiece;
    std::vector<uint64_t> table(pieces + 1);
    table[0] = pieces;
    for (size_t k = 0; k < pieces; ++k)
        table[k + 1] = HashBytes(payload.data() + k * kPiece, std::min(kPiece, payload.size() - k * kPiece));
    const std::span<const std::byte> tableBytes = std::as_bytes(std::span<const uint64_t>(table));
    return WriteCacheFile(path, fingerprint, layout, tableBytes, payload,
                          HashBytes(tableBytes.data(), tableBytes.size()));
}

}  // namespace sillabor
