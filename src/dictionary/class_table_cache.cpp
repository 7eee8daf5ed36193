#include "dictionary/class_table_cache.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <vector>

#include "dictionary/dictionary.h"
#include "dictionary/index_cache.h"
#include "dictionary/word_text_scan.h"

namespace sillabor {

namespace {

// The fingerprint of the words the load is about to index: slot 0 counted, as
// FingerprintOf counts it once the load is done.
WordsFingerprint LoadFingerprint(const Dictionary& dict, int32_t slots) {
    return {slots, dict.ClassCount, dict.TextLength, dict.TextHash};
}

// Bits set in a word, without the library call a plain popcount becomes here.
inline int CountBits(uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555ull);
    x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((x * 0x0101010101010101ull) >> 56);
}

// Views the next array of a payload where it lies, without copying it.
class PayloadReader {
public:
    explicit PayloadReader(std::span<std::byte> bytes) : bytes_(bytes) {}

    template <typename T>
    std::span<T> Next() {
        static_assert(std::is_trivially_copyable_v<T> && alignof(T) <= 8);
        uint64_t count = 0;
        if (failed_ || bytes_.size() - at_ < sizeof count) return Fail<T>();
        std::memcpy(&count, bytes_.data() + at_, sizeof count);
        at_ += sizeof count;
        if (count > (bytes_.size() - at_) / sizeof(T)) return Fail<T>();
        auto* first = reinterpret_cast<T*>(bytes_.data() + at_);
        at_ = std::min(bytes_.size(), (at_ + static_cast<size_t>(count) * sizeof(T) + 7) / 8 * 8);
        return {first, static_cast<size_t>(count)};
    }
    bool Complete() const { return !failed_ && at_ == bytes_.size(); }

private:
    template <typename T>
    std::span<T> Fail() {
        failed_ = true;
        return {};
    }
    std::span<std::byte> bytes_;
    size_t at_ = 0;
    bool failed_ = false;
};

}  // namespace

std::filesystem::path ClassTableCachePath(const std::filesystem::path& prepared) {
    if (prepared.empty()) return {};
    std::filesystem::path path = prepared;
    path += ".classi";
    return path;
}

bool TakeCachedClassTable(Dictionary& dict, const std::filesystem::path& file,
                          const std::vector<uint64_t>& wordStarts) {
    const int32_t words = dict.WordCount;
    const auto cache = IndexCacheFile::Open(file, LoadFingerprint(dict, words + 1), /*privateCopy=*/true);
    if (!cache) return false;
    PayloadReader in(cache->PrivatePayload());
    const auto classes = in.Next<AnagramClass>();
    const auto slots = in.Next<uint32_t>();
    const auto pairs = in.Next<PairBound>();
    const auto single = in.Next<int32_t>();
    const auto firstOfLetter = in.Next<int32_t>();
    if (!in.Complete() || classes.size() != static_cast<size_t>(dict.ClassCount) + 1 ||
        slots.size() != static_cast<size_t>(words) || pairs.size() != 26 * 26 || single.size() != 256 ||
        firstOfLetter.size() != 256)
        return false;

    // Whatever the file holds, every word and class it names lies in the text:
    // a slot starts a word, a class's words follow one another from its
    // offset, the classes cover the words once, the table entries are slots.
    const uint32_t textEnd = static_cast<uint32_t>(dict.TextLength) + 2;
    // A class's words are walked from its offset: that offset starts a word,
    // and as many words as the class names follow it within the text. The
    // offsets rise, so the count of word starts before each one is kept as
    // the bitmap is read along.
    uint32_t previous = 1;
    int64_t classWords = 0;
    size_t bitmapWord = 0;
    int64_t startsBefore = 0;  // word starts before bitmap word `bitmapWord`
    for (size_t c = 0; c < classes.size() - 1; ++c) {
        const uint32_t offset = classes[c].Offset();
        const int n = classes[c].WordsInClass();
        if (offset <= previous || offset >= textEnd || n < 1 || n > kMaxClassWords ||
            !StartsWord(wordStarts, offset - 2))
            return false;
        const uint32_t at = offset - 2;
        for (; bitmapWord < at / 64; ++bitmapWord) startsBefore += CountBits(wordStarts[bitmapWord]);
        const int64_t firstWord = startsBefore + CountBits(wordStarts[at / 64] & ((uint64_t{1} << (at % 64)) - 1));
        if (firstWord + n > words) return false;
        previous = offset;
        classWords += n;
    }
    if (classes[0].Offset() != 2 || classWords != words) return false;
    // The slots are in byte order, the words in the text by class: each look
    // at the bitmap is a cache miss, so ask for it well ahead.
    constexpr size_t kAhead = 24;
    const size_t lastBitmapWord = wordStarts.empty() ? 0 : wordStarts.size() - 1;
    for (size_t i = 0; i < slots.size(); ++i) {
        if (i + kAhead < slots.size())
            __builtin_prefetch(wordStarts.data() + std::min<size_t>((slots[i + kAhead] - 2u) / 64, lastBitmapWord));
        if (slots[i] < 2 || !StartsWord(wordStarts, slots[i] - 2)) return false;
    }
    const int32_t slotEnd = words + 1;
    const auto isSlot = [slotEnd](int32_t slot) { return slot >= 0 && slot < slotEnd; };
    for (const PairBound& bound : pairs)
        if (bound.lo < 0 || bound.hi < bound.lo || bound.hi > slotEnd) return false;
    if (!std::all_of(single.begin(), single.end(), isSlot) ||
        !std::all_of(firstOfLetter.begin(), firstOfLetter.end(), isSlot))
        return false;

    char* base = dict.WordText.get();
    dict.WordCount = slotEnd;
    dict.Words[0] = base;
    for (int32_t slot = 1; slot < slotEnd; ++slot) dict.Words[slot] = base + slots[slot - 1];
    dict.Words[slotEnd] = base + 1;
    dict.Classes.Borrow(classes.data(), classes.size(), cache);
    std::memcpy(dict.PairBounds, pairs.data(), pairs.size_bytes());
    std::memcpy(dict.SingleLetterWord, single.data(), single.size_bytes());
    std::memcpy(dict.FirstWordOfLetter, firstOfLetter.data(), firstOfLetter.size_bytes());
    return true;
}

void WriteClassTableCache(Dictionary& dict, const std::filesystem::path& file) {
    if (file.empty() || dict.WordCount < 2) return;
    const char* base = dict.WordText.get();
    std::vector<uint32_t> slots(static_cast<size_t>(dict.WordCount - 1));
    for (size_t i = 0; i < slots.size(); ++i) slots[i] = static_cast<uint32_t>(dict.Words[i + 1] - base);
    // The scratch entry after the classes goes out as zeros, not as whatever it holds.
    std::memset(&dict.Classes[static_cast<size_t>(dict.ClassCount)], 0, sizeof(AnagramClass));
    IndexPacker pack;
    pack.Reserve(dict.Classes.size() * sizeof(AnagramClass) + slots.size() * sizeof(uint32_t) + sizeof dict.PairBounds +
                 sizeof dict.SingleLetterWord + sizeof dict.FirstWordOfLetter + 5 * 16);
    pack.Add<AnagramClass>(std::span<const AnagramClass>(dict.Classes.data(), dict.Classes.size()));
    pack.Add<uint32_t>(slots);
    pack.Add<PairBound>(std::span<const PairBound>(&dict.PairBounds[0][0], 26 * 26));
    pack.Add<int32_t>(dict.SingleLetterWord);
    pack.Add<int32_t>(dict.FirstWordOfLetter);
    WriteIndexCacheFile(file, LoadFingerprint(dict, dict.WordCount), pack.Bytes());
}

}  // namespace sillabor
