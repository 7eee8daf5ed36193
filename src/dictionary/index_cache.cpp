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

constexpr char kMagic[8] = {'S', 'I', 'L', 'B', 'I', 'D', 'X', '1'};
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
    uint64_t reserved[3];
};
static_assert(sizeof(CacheHeader) == 72);
// The payload starts on an 8-byte boundary of the mapping.
constexpr size_t kPayloadAt = 72;

constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;

inline uint64_t Mix(uint64_t lane, uint64_t word) {
    lane = (lane ^ word) * kMultiplier;
    return lane << 31 | lane >> 33;
}

}  // namespace

uint64_t HashBytes(const void* data, size_t size) {
    const auto* p = static_cast<const unsigned char*>(data);
    // Four independent lanes keep the multiplier busy.
    uint64_t lane[4] = {size, kMultiplier, ~uint64_t{size}, 0x2545F4914F6CDD1Dull};
    size_t i = 0;
    for (; i + 32 <= size; i += 32) {
        uint64_t w[4];
        std::memcpy(w, p + i, 32);
        for (int k = 0; k < 4; ++k) lane[k] = Mix(lane[k], w[k]);
    }
    uint64_t tail[4] = {0, 0, 0, 0};
    if (i < size) std::memcpy(tail, p + i, size - i);  // an empty block may have no address
    for (int k = 0; k < 4; ++k) lane[k] = Mix(lane[k], tail[k]);
    uint64_t h = lane[0];
    for (int k = 1; k < 4; ++k) h = Mix(h, lane[k]);
    return Mix(h, h >> 29);
}

WordsFingerprint FingerprintOf(const Dictionary& dict) {
    WordsFingerprint f;
    f.words = dict.WordCount;
    f.classes = dict.ClassCount;
    f.textLength = dict.TextLength;
    if (dict.TextHash != 0)
        f.textHash = dict.TextHash;
    else if (dict.WordText)
        f.textHash = HashBytes(dict.WordText.get(), static_cast<size_t>(dict.TextLength) + 2);
    return f;
}

std::filesystem::path IndexCachePath(const Dictionary& dict, std::string_view kind) {
    if (dict.PreparedPath.empty() || !dict.IsLoaded()) return {};
    std::filesystem::path path = dict.PreparedPath;
    path += ".";
    path += std::string(kind);
    return path;
}

std::shared_ptr<const IndexCacheFile> IndexCacheFile::Open(const std::filesystem::path& path,
                                                           const WordsFingerprint& fingerprint,
                                                           bool privateCopy) {
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
    const WordsFingerprint made{header.words, header.classes, header.textLength, header.textHash};
    if (std::memcmp(header.magic, kMagic, sizeof kMagic) != 0 || header.byteOrder != kByteOrderMark ||
        made != fingerprint || header.payloadBytes != bytes - kPayloadAt)
        return nullptr;
    const auto* payload = static_cast<const std::byte*>(mapping) + kPayloadAt;
    if (HashBytes(payload, bytes - kPayloadAt) != header.payloadHash) return nullptr;
    file->payload_ = {payload, bytes - kPayloadAt};
    return file;
}

IndexCacheFile::~IndexCacheFile() {
    if (mapping_ != nullptr) ::munmap(mapping_, mappedBytes_);
}

bool WriteIndexCacheFile(const std::filesystem::path& path, const WordsFingerprint& fingerprint,
                         std::span<const std::byte> payload) {
    if (path.empty()) return false;
    CacheHeader header{};
    std::memcpy(header.magic, kMagic, sizeof kMagic);
    header.byteOrder = kByteOrderMark;
    header.words = fingerprint.words;
    header.classes = fingerprint.classes;
    header.textLength = fingerprint.textLength;
    header.textHash = fingerprint.textHash;
    header.payloadBytes = payload.size();
    header.payloadHash = HashBytes(payload.data(), payload.size());
    AtomicFile file(path);
    return file.Open() && file.Write({reinterpret_cast<const char*>(&header), sizeof header}) &&
           file.Write({reinterpret_cast<const char*>(payload.data()), payload.size()}) && file.Commit();
}

}  // namespace sillabor
