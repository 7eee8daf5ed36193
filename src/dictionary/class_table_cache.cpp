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
    explicit PayloadReader(std::span<const std::byte> bytes) : bytes_(bytes) {}

    template <typename T>
    std::span<const T> Next() {
        static_assert(std::is_trivially_copyable_v<T> && alignof(T) <= 8);
        uint64_t count = 0;
        if (failed_ || bytes_.size() - at_ < sizeof count) return Fail<T>();
        std::memcpy(&count, bytes_.data() + at_, sizeof count);
        at_ += sizeof count;
        if (count > (bytes_.size() - at_) / sizeof(T)) return Fail<T>();
        const auto* first = reinterpret_cast<const T*>(bytes_.data() + at_);
        at_ = std::min(bytes_.size(), (at_ + static_cast<size_t>(count) * sizeof(T) + 7) / 8 * 8);
        return {first, static_cast<size_t>(count)};
    }
    bool Complete() const { return !failed_ && at_ == bytes_.size(); }

private:
    template <typename T>
    std::span<const T> Fail() {
        failed_ = true;
        return {};
    }
    std::span<const std::byte> bytes_;
    size_t at_ = 0;
    bool failed_ = false;
};

// Whatever the file holds, every word and class it names lies in the text: a
// slot starts a word, a class's words follow one another from its offset, the
// classes cover the words once, the table entries are slots. The classes and
// the slots are checked piece by piece while the file is hashed, each piece
// still in cache, and each slot checked is written at once into the
// dictionary's slot array (whose contents mean nothing until the file is taken).
class ClassTableCheck {
public:
    ClassTableCheck(Dictionary& dict, const std::vector<uint64_t>& wordStarts)
        : words_(dict.WordCount),
          classCount_(dict.ClassCount),
          textEnd_(static_cast<uint32_t>(dict.TextLength) + 2),
          wordStarts_(wordStarts),
          base_(dict.WordText.get()),
          out_(dict.Words.data() + 1),
          tailFrom_(static_cast<uint32_t>(wordStarts.size() * 64)) {}

    bool Start(std::span<const std::byte> payload) {
        PayloadReader in(payload);
        classes = in.Next<AnagramClass>();
        slots = in.Next<uint32_t>();
        pairs = in.Next<PairBound>();
        single = in.Next<int32_t>();
        firstOfLetter = in.Next<int32_t>();
        return in.Complete() && classes.size() == static_cast<size_t>(classCount_) + 1 && !classes.empty() &&
               slots.size() == static_cast<size_t>(words_) && pairs.size() == 26 * 26 && single.size() == 256 &&
               firstOfLetter.size() == 256 && !wordStarts_.empty();
    }
    void Block(const unsigned char*) {}
    bool Piece(std::span<const std::byte> piece) { return Upto(piece.data() + piece.size()); }
    bool Rest(std::span<const std::byte> rest) {
        if (!Upto(rest.data() + rest.size()) || classes[0].Offset() != 2 || classWords_ != words_) return false;
        const int32_t slotEnd = words_ + 1;
        const auto isSlot = [slotEnd](int32_t slot) { return slot >= 0 && slot < slotEnd; };
        for (const PairBound& bound : pairs)
            if (bound.lo < 0 || bound.hi < bound.lo || bound.hi > slotEnd) return false;
        return std::all_of(single.begin(), single.end(), isSlot) &&
               std::all_of(firstOfLetter.begin(), firstOfLetter.end(), isSlot);
    }

    // The file's arrays, where they lie.
    std::span<const AnagramClass> classes;
    std::span<const uint32_t> slots;
    std::span<const PairBound> pairs;
    std::span<const int32_t> single;
    std::span<const int32_t> firstOfLetter;

private:
    // Checks the classes and slots that lie wholly before `end`, not yet checked.
    bool Upto(const std::byte* end) {
        const auto before = [end](const auto* item) {
            return reinterpret_cast<const std::byte*>(item + 1) <= end;
        };
        // The scratch entry after the classes is not one.
        size_t lastClass = nextClass_;
        while (lastClass < classes.size() - 1 && before(&classes[lastClass])) ++lastClass;
        if (!TakeClasses(lastClass)) return false;
        // The slots are in byte order, the words in the text by class: each
        // look at the bitmap is a cache miss, so ask for it well ahead.
        constexpr size_t kAhead = 64;
        const size_t lastBitmapWord = wordStarts_.size() - 1;
        for (; nextSlot_ < slots.size() && before(&slots[nextSlot_]); ++nextSlot_) {
            if (nextSlot_ + kAhead < slots.size())
                __builtin_prefetch(wordStarts_.data() +
                                   std::min<size_t>((slots[nextSlot_ + kAhead] - 2u) / 64, lastBitmapWord));
            const uint32_t slot = slots[nextSlot_];
            if (slot < 2 || !StartsWord(wordStarts_, slot - 2)) return false;
            out_[nextSlot_] = base_ + slot;
        }
        return true;
    }
    // A class's words are walked from its offset: that offset starts a word,
    // and as many words as the class names follow it within the text. The
    // offsets rise and each starts a word, so the classes after class c start
    // as many words after its first: when they are at least as many as its
    // own words, those fit. Only the last classes can fail that, and for
    // them the words from their offset to the end of the text are counted
    // (from the end back for the first, then along). Takes the classes up to
    // `last`, with the state in locals so that it stays in registers.
    bool TakeClasses(size_t last) {
        const uint64_t* starts = wordStarts_.data();
        const size_t bitmapWords = wordStarts_.size();
        const size_t classCount = classes.size() - 1;
        uint32_t previous = previous_;
        int64_t classWords = classWords_;
        for (size_t c = nextClass_; c < last; ++c) {
            const uint32_t offset = classes[c].Offset();
            const uint32_t n = classes[c].ClassWords >> 24;
            const uint32_t at = offset - 2;
            if (offset <= previous || offset >= textEnd_ || n < 1 || n > kMaxClassWords || at / 64 >= bitmapWords ||
                (starts[at / 64] >> (at % 64) & 1) == 0)
                return false;
            if (n > classCount - c && n > StartsFrom(at)) return false;
            previous = offset;
            classWords += n;
        }
        nextClass_ = last;
        previous_ = previous;
        classWords_ = classWords;
        return true;
    }
    // The word starts at or after `at`, which never falls back after the first call.
    int64_t StartsFrom(uint32_t at) {
        if (at < tailFrom_)
            tailCount_ += StartsBetween(at, tailFrom_);
        else
            tailCount_ -= StartsBetween(tailFrom_, at);
        tailFrom_ = at;
        return tailCount_;
    }
    int64_t StartsBetween(uint32_t from, uint32_t to) const {
        int64_t count = 0;
        while (from < to) {
            const uint32_t word = from / 64, low = from % 64;
            const uint32_t high = std::min<uint32_t>(to - word * 64, 64);
            uint64_t bits = wordStarts_[word] >> low;
            if (high - low < 64) bits &= (uint64_t{1} << (high - low)) - 1;
            count += CountBits(bits);
            from = word * 64 + high;
        }
        return count;
    }

    const int32_t words_;
    const int32_t classCount_;
    const uint32_t textEnd_;
    const std::vector<uint64_t>& wordStarts_;
    char* const base_;
    char** const out_;
    size_t nextClass_ = 0;
    size_t nextSlot_ = 0;
    uint32_t previous_ = 1;
    int64_t classWords_ = 0;
    // The word starts at or after bit tailFrom_ of the bitmap.
    uint32_t tailFrom_ = 0;
    int64_t tailCount_ = 0;
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
    ClassTableCheck check(dict, wordStarts);
    // Writable, for the scratch entry after the classes.
    const auto cache =
        IndexCacheFile::OpenChecked(file, LoadFingerprint(dict, words + 1), /*layout=*/0, check, /*privateCopy=*/true);
    if (!cache) return false;
    const std::span<std::byte> payload = cache->PrivatePayload();
    auto* classes = reinterpret_cast<AnagramClass*>(payload.data() +
                                                    (reinterpret_cast<const std::byte*>(check.classes.data()) -
                                                     cache->Payload().data()));
    char* base = dict.WordText.get();
    const int32_t slotEnd = words + 1;
    dict.WordCount = slotEnd;
    dict.Words[0] = base;
    dict.Words[slotEnd] = base + 1;
    dict.Classes.Borrow(classes, check.classes.size(), cache);
    std::memcpy(dict.PairBounds, check.pairs.data(), check.pairs.size_bytes());
    std::memcpy(dict.SingleLetterWord, check.single.data(), check.single.size_bytes());
    std::memcpy(dict.FirstWordOfLetter, check.firstOfLetter.data(), check.firstOfLetter.size_bytes());
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
