#include "cerca/word_runs.h"

#include <cstring>
#include <memory>

#include "base/portable.h"
#include "dictionary/dictionary.h"
#include "dictionary/index_cache.h"
#include "dictionary/word_orders.h"

namespace sillabor {

namespace {

constexpr int32_t kPrefetchAhead = 16;

// How the first n letters of `word` compare with `text`: < 0, 0 (the word
// begins with text) or > 0.
int ComparePrefix(const char* word, const char* text, int n) {
    for (int i = 0; i < n; ++i) {
        const auto a = static_cast<unsigned char>(word[i]), b = static_cast<unsigned char>(text[i]);
        if (a != b) return a < b ? -1 : 1;  // a word shorter than n ends with a NUL: smaller
    }
    return 0;
}

// The same from the ends: the word read backwards against `text` read backwards.
int CompareSuffix(const char* word, const char* text, int n) {
    const int length = static_cast<int>(std::strlen(word));
    for (int i = 1; i <= n; ++i) {
        if (i > length) return -1;
        const auto a = static_cast<unsigned char>(word[length - i]), b = static_cast<unsigned char>(text[n - i]);
        if (a != b) return a < b ? -1 : 1;
    }
    return 0;
}

// The run of positions in [lo, hi) whose word compares equal, by `compare`,
// in a range ordered by it.
template <typename Compare>
WordRun EqualRun(int32_t lo, int32_t hi, Compare compare) {
    int32_t a = lo, b = hi;
    while (a < b) {
        const int32_t mid = a + (b - a) / 2;
        if (compare(mid) < 0)
            a = mid + 1;
        else
            b = mid;
    }
    int32_t c = a, d = hi;
    while (c < d) {
        const int32_t mid = c + (d - c) / 2;
        if (compare(mid) <= 0)
            c = mid + 1;
        else
            d = mid;
    }
    return {a, c};
}

}  // namespace

WordRun PrefixRun(const Dictionary& dict, const char* text, int n) {
    if (n <= 0 || dict.WordCount <= 1) return {};
    return EqualRun(1, dict.WordCount, [&](int32_t slot) { return ComparePrefix(dict.Words[slot], text, n); });
}

// The reversed words, each after its slot, are sorted in byte order; the
// slots are then read back in that order. The words lie in the text by class,
// not in slot order: the loop asks for a word's text some slots ahead.
void SuffixIndex::Clear() {
    built_ = {};
    file_.reset();
    slots_ = nullptr;
    count_ = 0;
}

bool SuffixIndex::Adopt(std::shared_ptr<const IndexCacheFile> file, const Dictionary& dict) {
    Clear();
    if (!file || dict.WordCount <= 1) return false;
    const std::span<const std::byte> bytes = file->Payload();
    const auto count = static_cast<size_t>(dict.WordCount - 1);
    if (bytes.size() != count * sizeof(int32_t)) return false;
    const auto* slots = reinterpret_cast<const int32_t*>(bytes.data());
    for (size_t i = 0; i < count; ++i)
        if (slots[i] < 1 || slots[i] >= dict.WordCount) return false;
    file_ = std::move(file);
    slots_ = slots;
    count_ = count;
    return true;
}

void SuffixIndex::Build(const Dictionary& dict) {
    Clear();
    const int32_t count = dict.WordCount - 1;
    if (count <= 0) return;
    const size_t bytes = static_cast<size_t>(dict.TextLength) + static_cast<size_t>(count) * (sizeof(int32_t) + 1);
    auto text = MakeUninitializedArray<char[]>(bytes);
    auto reversed = MakeUninitializedArray<char*[]>(static_cast<size_t>(count));
    char* p = text.get();
    const char* const end = text.get() + bytes;
    for (int32_t s = 1; s <= count; ++s) {
        if (s + kPrefetchAhead <= count) __builtin_prefetch(dict.Words[s + kPrefetchAhead]);
        const char* w = dict.Words[s];
        const size_t length = std::strlen(w);
        if (static_cast<size_t>(end - p) < sizeof s + length + 1) return;  // a text longer than declared
        std::memcpy(p, &s, sizeof s);
        p += sizeof s;
        reversed[s - 1] = p;
        for (size_t i = 0; i < length; ++i) p[i] = w[length - 1 - i];
        p[length] = '\0';
        p += length + 1;
    }
    SortByteOrder(reversed.get(), static_cast<size_t>(count));
    built_.resize(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) std::memcpy(&built_[i], reversed[i] - sizeof(int32_t), sizeof(int32_t));
    slots_ = built_.data();
    count_ = static_cast<size_t>(count);
}

WordRun SuffixIndex::Run(const Dictionary& dict, const char* text, int n) const {
    if (n <= 0 || count_ == 0) return {};
    return EqualRun(0, static_cast<int32_t>(count_),
                    [&](int32_t position) { return CompareSuffix(dict.Words[slots_[position]], text, n); });
}

}  // namespace sillabor
