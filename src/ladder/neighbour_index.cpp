#include "ladder/neighbour_index.h"

#include <algorithm>
#include <cstring>

namespace sillabor {

namespace {

// A word of up to 25 letters as a number: five bits a letter (a = 1 ... z = 26),
// the first letter highest, so that words of one length compare as numbers in
// byte order and a word's first p letters are its top 5p bits.
using Code = unsigned __int128;
constexpr int kCodeLetters = 25;
constexpr int kCodeBits = 5 * kCodeLetters;

inline int LetterShift(int i) { return kCodeBits - 5 * (i + 1); }

Code Encode(const char* w, int length, bool reversed) {
    Code code = 0;
    for (int i = 0; i < length; ++i) {
        const char c = reversed ? w[length - 1 - i] : w[i];
        code |= static_cast<Code>(c - 'a' + 1) << LetterShift(i);
    }
    return code;
}

// The first p letters.
inline Code Prefix(Code code, int p) { return p == 0 ? 0 : code >> (kCodeBits - 5 * p); }

// The code without its letter at p: the letters after it move up one place.
inline Code Delete(Code code, int p) {
    const Code below = (static_cast<Code>(1) << (kCodeBits - 5 * p)) - 1;
    return (code & ~below & ((static_cast<Code>(1) << kCodeBits) - 1)) | ((code << 5) & below);
}

// The words of one length, in the order of their codes.
struct LengthList {
    std::vector<Code> codes;
    std::vector<int32_t> slots;
};

// Sorts a list by its codes, of which only the top 5 * letters bits are used.
void RadixSort(LengthList& list, int letters) {
    constexpr int kDigitBits = 10;
    const size_t n = list.codes.size();
    std::vector<Code> codes(n);
    std::vector<int32_t> slots(n);
    for (int low = kCodeBits - 5 * letters; low < kCodeBits; low += kDigitBits) {
        size_t counts[(1 << kDigitBits) + 1] = {};
        auto digit = [&](Code c) { return static_cast<size_t>(c >> low) & ((1u << kDigitBits) - 1); };
        for (Code c : list.codes) ++counts[digit(c) + 1];
        for (int d = 0; d < (1 << kDigitBits); ++d) counts[d + 1] += counts[d];
        for (size_t i = 0; i < n; ++i) {
            const size_t to = counts[digit(list.codes[i])]++;
            codes[to] = list.codes[i];
            slots[to] = list.slots[i];
        }
        list.codes.swap(codes);
        list.slots.swap(slots);
    }
}

struct Entry {
    Code key;
    int32_t slot;
    bool member;  // false for a word of the shorter list
    bool operator<(const Entry& o) const { return key != o.key ? key < o.key : member < o.member; }
};

// Collects the groups and who belongs to them.
struct GroupSink {
    std::vector<uint32_t>& groupStart;
    std::vector<int32_t>& groupParent;
    std::vector<int32_t>& members;
    // (slot << 32) | ref
    std::vector<uint64_t>& refs;

    void Add(const Entry* first, const Entry* last, int32_t parent) {
        const auto group = static_cast<uint64_t>(groupStart.size());
        groupStart.push_back(static_cast<uint32_t>(members.size()));
        groupParent.push_back(parent);
        for (const Entry* e = first; e != last; ++e) {
            members.push_back(e->slot);
            refs.push_back((static_cast<uint64_t>(e->slot) << 32) | (group << 1));
        }
        if (parent != 0) refs.push_back((static_cast<uint64_t>(parent) << 32) | (group << 1) | 1);
    }
};

// The groups of the words in `longer` that differ at letter p, with the word of
// `shorter` (one letter less) that each of them gives without it. Words that
// share their first p letters are neighbours in both lists, so each such run
// is grouped on its own: the lists must be ordered so that those runs are
// short, which the caller ensures by reversing the words when p is small.
void GroupAt(const LengthList& longer, const LengthList& shorter, int p, GroupSink& sink, std::vector<Entry>& run) {
    const size_t n = longer.codes.size(), m = shorter.codes.size();
    size_t j = 0;
    for (size_t i = 0; i < n;) {
        const Code prefix = Prefix(longer.codes[i], p);
        size_t iEnd = i + 1;
        while (iEnd < n && Prefix(longer.codes[iEnd], p) == prefix) ++iEnd;
        while (j < m && Prefix(shorter.codes[j], p) < prefix) ++j;
        size_t jEnd = j;
        while (jEnd < m && Prefix(shorter.codes[jEnd], p) == prefix) ++jEnd;

        if (iEnd - i == 1) {
            // One word: a group only when its removal is a word.
            const Code key = Delete(longer.codes[i], p);
            const auto begin = shorter.codes.begin();
            const auto found = std::lower_bound(begin + j, begin + jEnd, key);
            if (found != begin + jEnd && *found == key) {
                const Entry single{key, longer.slots[i], true};
                sink.Add(&single, &single + 1, shorter.slots[found - begin]);
            }
        } else {
            run.clear();
            for (size_t k = j; k < jEnd; ++k) run.push_back({shorter.codes[k], shorter.slots[k], false});
            for (size_t k = i; k < iEnd; ++k) run.push_back({Delete(longer.codes[k], p), longer.slots[k], true});
            std::sort(run.begin(), run.end());
            for (size_t k = 0; k < run.size();) {
                size_t kEnd = k + 1;
                while (kEnd < run.size() && run[kEnd].key == run[k].key) ++kEnd;
                int32_t parent = 0;
                size_t first = k;
                while (first < kEnd && !run[first].member) parent = run[first++].slot;
                if (kEnd - first >= 2 || (kEnd > first && parent != 0)) sink.Add(&run[first], &run[0] + kEnd, parent);
                k = kEnd;
            }
        }
        i = iEnd;
        j = jEnd;
    }
}

bool AllLowerLetters(const char* w, int length) {
    for (int i = 0; i < length; ++i)
        if (w[i] < 'a' || w[i] > 'z') return false;
    return true;
}

}  // namespace

void NeighbourIndex::Prepare(const Dictionary& dict) {
    const uint32_t generation = dict.Generation.load(std::memory_order_relaxed);
    if (dict_ == &dict && generation_ == generation && wordCount_ == dict.WordCount) return;
    dict_ = nullptr;
    BuildGroups(dict);
    BuildClasses(dict);
    dict_ = &dict;
    generation_ = generation;
    wordCount_ = dict.WordCount;
}

void NeighbourIndex::BeginSearch() {
    groupDone_.assign(groupParent_.size(), 0);
    classDone_.assign(static_cast<size_t>(dict_ ? dict_->ClassCount : 0), 0);
}

void NeighbourIndex::BuildGroups(const Dictionary& dict) {
    const auto slotCount = static_cast<size_t>(dict.WordCount) + 1;
    indexedLength_.assign(slotCount, 0);
    std::vector<LengthList> forward(kCodeLetters + 1), reversed(kCodeLetters + 1);
    for (int32_t s = 1; s < dict.WordCount; ++s) {
        const char* w = dict.Words[s];
        const auto length = static_cast<int>(std::strlen(w));
        if (length == 0 || length > kCodeLetters || !AllLowerLetters(w, length)) continue;
        if (length <= kIndexedLength) indexedLength_[s] = static_cast<uint8_t>(length);
        // Slots are in byte order, so each list is in the order of its codes.
        forward[length].codes.push_back(Encode(w, length, false));
        forward[length].slots.push_back(s);
        reversed[length].codes.push_back(Encode(w, length, true));
        reversed[length].slots.push_back(s);
    }
    for (int length = 1; length <= kCodeLetters; ++length) RadixSort(reversed[length], length);

    groupStart_.clear();
    groupParent_.clear();
    members_.clear();
    std::vector<uint64_t> refs;
    GroupSink sink{groupStart_, groupParent_, members_, refs};
    std::vector<Entry> run;
    for (int length = 1; length <= kCodeLetters; ++length) {
        for (int p = 0; p < length; ++p) {
            // Group from the side with the longer common part.
            const int after = length - 1 - p;
            if (p >= after)
                GroupAt(forward[length], forward[length - 1], p, sink, run);
            else
                GroupAt(reversed[length], reversed[length - 1], after, sink, run);
        }
        // The shorter list is no longer needed.
        forward[length - 1] = {};
        reversed[length - 1] = {};
    }
    groupStart_.push_back(static_cast<uint32_t>(members_.size()));

    // Each word's refs, by slot.
    refStart_.assign(slotCount + 1, 0);
    for (uint64_t r : refs) ++refStart_[(r >> 32) + 1];
    for (size_t s = 0; s < slotCount; ++s) refStart_[s + 1] += refStart_[s];
    refs_.resize(refs.size());
    std::vector<uint32_t> next(refStart_.begin(), refStart_.end() - 1);
    for (uint64_t r : refs) refs_[next[r >> 32]++] = static_cast<uint32_t>(r);
}

void NeighbourIndex::BuildClasses(const Dictionary& dict) {
    // The slots in the order of their words in the text, which is class order.
    const int32_t words = dict.WordCount - 1;
    std::vector<uint32_t> offsets(static_cast<size_t>(std::max(words, 0)));
    textOrder_.resize(offsets.size());
    for (int32_t s = 1; s < dict.WordCount; ++s) {
        offsets[s - 1] = static_cast<uint32_t>(dict.Words[s] - dict.WordText.get());
        textOrder_[s - 1] = s;
    }
    std::vector<uint32_t> offsetsOut(offsets.size());
    std::vector<int32_t> slotsOut(offsets.size());
    constexpr int kDigitBits = 12;
    const uint32_t largest = offsets.empty() ? 0 : *std::max_element(offsets.begin(), offsets.end());
    for (int low = 0; low < 32 && (largest >> low) != 0; low += kDigitBits) {
        std::vector<size_t> counts((1u << kDigitBits) + 1, 0);
        auto digit = [&](uint32_t o) { return (o >> low) & ((1u << kDigitBits) - 1); };
        for (uint32_t o : offsets) ++counts[digit(o) + 1];
        for (size_t d = 0; d + 1 < counts.size(); ++d) counts[d + 1] += counts[d];
        for (size_t i = 0; i < offsets.size(); ++i) {
            const size_t to = counts[digit(offsets[i])]++;
            offsetsOut[to] = offsets[i];
            slotsOut[to] = textOrder_[i];
        }
        offsets.swap(offsetsOut);
        textOrder_.swap(slotsOut);
    }

    // A class's words follow its offset until the next class's; only the first
    // WordsInClass of them can be reached through it.
    classOf_.assign(static_cast<size_t>(dict.WordCount) + 1, -1);
    classFirst_.assign(static_cast<size_t>(std::max(dict.ClassCount, 0)), 0);
    size_t t = 0;
    for (int32_t k = 0; k < dict.ClassCount; ++k) {
        const uint32_t start = dict.Classes[k].Offset();
        const uint32_t end = k + 1 < dict.ClassCount ? dict.Classes[k + 1].Offset() : UINT32_MAX;
        while (t < offsets.size() && offsets[t] < start) ++t;
        classFirst_[k] = static_cast<uint32_t>(t);
        for (; t < offsets.size() && offsets[t] < end; ++t) classOf_[textOrder_[t]] = k;
    }
}

}  // namespace sillabor
