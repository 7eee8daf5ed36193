#include "metagr/neighbour_index.h"

#include <algorithm>
#include <cstring>
#include <future>
#include <system_error>
#include <type_traits>

namespace sillabor {

namespace {
constexpr const char* kGroupsFile = "metagrammi";
}  // namespace

namespace {

// A word as a number: five bits a letter (a = 1 ... z = 26), the first letter
// highest, so that words of one length compare as numbers in byte order and a
// word's first p letters are its top 5p bits. Sixty-four bits hold 12 letters,
// which is every word of most dictionaries; longer words take 128 bits.
using Wide = unsigned __int128;
constexpr int kNarrowLetters = 12;
constexpr int kWideLetters = 25;

template <typename Code>
struct Codes {
    static constexpr int kLetters = std::is_same_v<Code, Wide> ? kWideLetters : kNarrowLetters;
    static constexpr int kBits = 5 * kLetters;

    static Code Encode(const char* w, int length, bool reversed) {
        Code code = 0;
        for (int i = 0; i < length; ++i) {
            const char c = reversed ? w[length - 1 - i] : w[i];
            code |= static_cast<Code>(c - 'a' + 1) << (kBits - 5 * (i + 1));
        }
        return code;
    }
    // The first p letters.
    static Code Prefix(Code code, int p) { return code >> (kBits - 5 * p); }
    // The code without its letter at p: the letters after it move up one place.
    static Code Delete(Code code, int p) {
        const Code below = (static_cast<Code>(1) << (kBits - 5 * p)) - 1;
        return (code & ~below) | ((code << 5) & below);
    }
};

// The words of one length, in the order of their codes.
template <typename Code>
struct LengthList {
    std::vector<Code> codes;
    std::vector<int32_t> slots;
};

// Sorts a list by its codes, of which only the top 5 * length bits are in use.
template <typename Code>
void SortByCode(LengthList<Code>& list, int length) {
    constexpr int kDigitBits = 12;
    const size_t n = list.codes.size();
    std::vector<Code> codes(n);
    std::vector<int32_t> slots(n);
    std::vector<size_t> counts((1u << kDigitBits) + 1);
    for (int low = Codes<Code>::kBits - 5 * length; low < Codes<Code>::kBits; low += kDigitBits) {
        std::fill(counts.begin(), counts.end(), 0);
        auto digit = [low](Code c) { return static_cast<size_t>(c >> low) & ((1u << kDigitBits) - 1); };
        for (Code c : list.codes) ++counts[digit(c) + 1];
        for (size_t d = 0; d + 1 < counts.size(); ++d) counts[d + 1] += counts[d];
        for (size_t i = 0; i < n; ++i) {
            const size_t to = counts[digit(list.codes[i])]++;
            codes[to] = list.codes[i];
            slots[to] = list.slots[i];
        }
        list.codes.swap(codes);
        list.slots.swap(slots);
    }
}

// The words of each length: in byte order, and in the order of the reversed words.
template <typename Code>
struct Lists {
    std::vector<LengthList<Code>> forward, reversed;

    explicit Lists(int longest) : forward(static_cast<size_t>(longest) + 1), reversed(forward.size()) {}

    void Reserve(int length, size_t words) {
        for (auto* list : {&forward[length], &reversed[length]}) {
            list->codes.reserve(words);
            list->slots.reserve(words);
        }
    }

    void Add(int length, int32_t slot, Code code, Code reversedCode) {
        forward[length].codes.push_back(code);
        forward[length].slots.push_back(slot);
        reversed[length].codes.push_back(reversedCode);
        reversed[length].slots.push_back(slot);
    }
    // Slots come in byte order: only the reversed lists need sorting.
    void Sort() {
        for (size_t length = 1; length < reversed.size(); ++length)
            SortByCode(reversed[length], static_cast<int>(length));
    }
};

// Collects groups and who belongs to them.
struct GroupSink {
    std::vector<uint32_t> groupStart;
    std::vector<int32_t> groupParent;
    std::vector<int32_t> members;
    // (slot << 32) | ref
    std::vector<uint64_t> refs;

    void Open(int32_t parent) {
        groupStart.push_back(static_cast<uint32_t>(members.size()));
        groupParent.push_back(parent);
        if (parent != 0) refs.push_back((static_cast<uint64_t>(parent) << 32) | (Current() << 1) | 1);
    }
    void Member(int32_t slot) {
        members.push_back(slot);
        refs.push_back((static_cast<uint64_t>(slot) << 32) | (Current() << 1));
    }
    // Room for the groups of `entries` words at a position: about a third of
    // them end in a group. Room never used costs no memory.
    void Reserve(size_t entries) {
        groupStart.reserve(entries / 4);
        groupParent.reserve(entries / 4);
        members.reserve(entries / 2);
        refs.reserve(entries / 2);
    }
    // Appends another sink's groups, numbered after these.
    void Take(const GroupSink& other) {
        const auto firstGroup = static_cast<uint64_t>(groupParent.size());
        const auto firstMember = static_cast<uint32_t>(members.size());
        for (uint32_t start : other.groupStart) groupStart.push_back(start + firstMember);
        groupParent.insert(groupParent.end(), other.groupParent.begin(), other.groupParent.end());
        members.insert(members.end(), other.members.begin(), other.members.end());
        for (uint64_t r : other.refs) refs.push_back(r + (firstGroup << 1));
    }

private:
    uint64_t Current() const { return groupStart.size() - 1; }
};

// Sorts the words of one run into groups by key, in a small hash table.
template <typename Code>
class RunGrouper {
public:
    void Begin(size_t entries) {
        size_t size = 16;
        while (size < 2 * entries) size *= 2;
        if (keys_.size() < size) {
            keys_.assign(size, kEmpty);
            heads_.resize(size);
        }
        mask_ = size - 1;
        used_.clear();
        slots_.clear();
        next_.clear();
    }
    // A word of the shorter list: the parent of the key's group.
    void Parent(Code key, int32_t slot) { heads_[Find(key)].parent = slot; }
    void Member(Code key, int32_t slot) {
        Head& head = heads_[Find(key)];
        next_.push_back(head.first);
        slots_.push_back(slot);
        head.first = static_cast<int32_t>(slots_.size() - 1);
        ++head.count;
    }
    // A group for each key with two members, or a member and a parent; the
    // table is left empty.
    void Emit(GroupSink& sink) {
        for (size_t h : used_) {
            const Head& head = heads_[h];
            if (head.count >= 2 || (head.count == 1 && head.parent != 0)) {
                sink.Open(head.parent);
                for (int32_t k = head.first; k >= 0; k = next_[k]) sink.Member(slots_[k]);
            }
            keys_[h] = kEmpty;
        }
    }

private:
    struct Head {
        int32_t first;
        int32_t count;
        int32_t parent;
    };
    // No key has every bit set: codes use only their low kBits.
    static constexpr Code kEmpty = ~static_cast<Code>(0);

    size_t Find(Code key) {
        const auto folded = static_cast<uint64_t>(key) ^ static_cast<uint64_t>(key >> (sizeof(Code) * 4));
        size_t h = static_cast<size_t>((folded * 0x9E3779B97F4A7C15ull) >> 40) & mask_;
        while (keys_[h] != kEmpty && keys_[h] != key) h = (h + 1) & mask_;
        if (keys_[h] == kEmpty) {
            keys_[h] = key;
            heads_[h] = {-1, 0, 0};
            used_.push_back(h);
        }
        return h;
    }

    std::vector<Code> keys_;
    std::vector<Head> heads_;
    size_t mask_ = 0;
    std::vector<size_t> used_;
    std::vector<int32_t> slots_;
    std::vector<int32_t> next_;
};

// Most runs are this short: their keys are compared directly.
constexpr size_t kSmallRun = 8;

template <typename Code>
void GroupSmallRun(const LengthList<Code>& longer, const LengthList<Code>& shorter, size_t i, size_t iEnd, size_t j,
                   size_t jEnd, int p, GroupSink& sink) {
    Code keys[kSmallRun];
    int32_t slots[kSmallRun];
    size_t n = 0;
    const size_t parents = jEnd - j;
    for (size_t k = j; k < jEnd; ++k, ++n) {
        keys[n] = shorter.codes[k];
        slots[n] = shorter.slots[k];
    }
    for (size_t k = i; k < iEnd; ++k, ++n) {
        keys[n] = Codes<Code>::Delete(longer.codes[k], p);
        slots[n] = longer.slots[k];
    }
    unsigned grouped = 0;
    for (size_t a = parents; a < n; ++a) {
        if (grouped & (1u << a)) continue;
        int32_t parent = 0;
        for (size_t b = 0; b < parents; ++b)
            if (keys[b] == keys[a]) parent = slots[b];
        unsigned group = 1u << a;
        for (size_t b = a + 1; b < n; ++b)
            if (keys[b] == keys[a]) group |= 1u << b;
        grouped |= group;
        if (group == (1u << a) && parent == 0) continue;
        sink.Open(parent);
        for (size_t b = a; b < n; ++b)
            if (group & (1u << b)) sink.Member(slots[b]);
    }
}

// The groups of the words in `longer` that differ at letter p, with the word of
// `shorter` (one letter less) that each of them gives without it. Words that
// share their first p letters are neighbours in both lists, so each such run
// is grouped on its own: the lists must be ordered so that those runs are
// short, which the caller ensures by reversing the words when p is small.
template <typename Code>
void GroupAt(const LengthList<Code>& longer, const LengthList<Code>& shorter, int p, GroupSink& sink,
             RunGrouper<Code>& run) {
    using C = Codes<Code>;
    const size_t n = longer.codes.size(), m = shorter.codes.size();
    size_t j = 0;
    for (size_t i = 0; i < n;) {
        const Code prefix = C::Prefix(longer.codes[i], p);
        size_t iEnd = i + 1;
        while (iEnd < n && C::Prefix(longer.codes[iEnd], p) == prefix) ++iEnd;
        while (j < m && C::Prefix(shorter.codes[j], p) < prefix) ++j;
        size_t jEnd = j;
        while (jEnd < m && C::Prefix(shorter.codes[jEnd], p) == prefix) ++jEnd;

        if (iEnd - i == 1) {
            // One word: a group only when its removal is a word.
            if (jEnd > j) {
                const Code key = C::Delete(longer.codes[i], p);
                const auto begin = shorter.codes.begin();
                const auto found = std::lower_bound(begin + j, begin + jEnd, key);
                if (found != begin + jEnd && *found == key) {
                    sink.Open(shorter.slots[found - begin]);
                    sink.Member(longer.slots[i]);
                }
            }
        } else if (iEnd - i + jEnd - j <= kSmallRun) {
            GroupSmallRun<Code>(longer, shorter, i, iEnd, j, jEnd, p, sink);
        } else {
            run.Begin(iEnd - i + jEnd - j);
            for (size_t k = j; k < jEnd; ++k) run.Parent(shorter.codes[k], shorter.slots[k]);
            for (size_t k = i; k < iEnd; ++k) run.Member(C::Delete(longer.codes[k], p), longer.slots[k]);
            run.Emit(sink);
        }
        i = iEnd;
        j = jEnd;
    }
}

// The positions of one length to group.
struct GroupTask {
    int length;
    int p;
};

// Groups the words of each task's length with those one letter shorter, at
// the task's position, from the side with the longer common part.
template <typename Code>
void GroupTasks(const Lists<Code>& lists, const std::vector<GroupTask>& tasks, GroupSink& sink) {
    RunGrouper<Code> run;
    for (const GroupTask& task : tasks) {
        const int after = task.length - 1 - task.p;
        if (task.p >= after)
            GroupAt(lists.forward[task.length], lists.forward[task.length - 1], task.p, sink, run);
        else
            GroupAt(lists.reversed[task.length], lists.reversed[task.length - 1], after, sink, run);
    }
}

// Every position of the lengths from `from` to `to`, in two shares of about
// the same work (the words of the length and of the one below it), the first
// on a second thread. Each share's groups go to a sink of its own.
template <typename Code>
void GroupLengths(const Lists<Code>& lists, int from, int to, GroupSink (&sinks)[2]) {
    std::vector<GroupTask> shares[2];
    size_t work[2] = {0, 0}, entries[2] = {0, 0};
    for (int length = to; length >= from; --length) {
        const size_t cost = lists.forward[length].codes.size() + lists.forward[length - 1].codes.size();
        for (int p = 0; p < length; ++p) {
            const int share = work[0] <= work[1] ? 0 : 1;
            shares[share].push_back({length, p});
            work[share] += cost;
            entries[share] += lists.forward[length].codes.size();
        }
    }
    for (int share = 0; share < 2; ++share) sinks[share].Reserve(entries[share]);
#if defined(SILLABOR_NO_THREADS)
    // Where a second thread would never run (and waiting for it never ends).
    GroupTasks(lists, shares[0], sinks[0]);
    GroupTasks(lists, shares[1], sinks[1]);
#else
    std::future<void> helper;
    try {
        helper = std::async(std::launch::async, [&] { GroupTasks(lists, shares[0], sinks[0]); });
    } catch (const std::system_error&) {
        GroupTasks(lists, shares[0], sinks[0]);
    }
    GroupTasks(lists, shares[1], sinks[1]);
    if (helper.valid()) helper.get();
#endif
}

}  // namespace

void NeighbourIndex::PrepareFile(const Dictionary& dict) {
    if (!IndexCacheFileNeeded(IndexCachePath(dict, kGroupsFile), dict)) return;
    NeighbourIndex scratch;
    scratch.Prepare(dict);
}

void NeighbourIndex::Prepare(const Dictionary& dict) {
    const uint32_t generation = dict.Generation.load(std::memory_order_relaxed);
    if (dict_ == &dict && generation_ == generation && wordCount_ == dict.WordCount) return;
    dict_ = nullptr;
    const std::vector<uint32_t> offsets = SortTextOrder(dict);
    BuildClasses(dict, offsets);
    // The groups cost most of the work: the next process takes them from a file.
    const std::filesystem::path file = IndexCachePath(dict, kGroupsFile);
    const WordsFingerprint fingerprint = file.empty() ? WordsFingerprint{} : FingerprintOf(dict);
    if (!TakeCachedGroups(dict, file, fingerprint)) {
        BuildGroups(dict, offsets);
        WriteCachedGroups(file, fingerprint);
    }
    dict_ = &dict;
    generation_ = generation;
    wordCount_ = dict.WordCount;
}

bool NeighbourIndex::TakeCachedGroups(const Dictionary& dict, const std::filesystem::path& file,
                                      const WordsFingerprint& fingerprint) {
    const auto cache = IndexCacheFile::Open(file, fingerprint);
    if (!cache) return false;
    IndexUnpacker in(cache->Payload());
    if (in.Take(indexedLength_) && in.Take(groupStart_) && in.Take(groupParent_) && in.Take(members_) &&
        in.Take(refStart_) && in.Take(refs_) && in.Complete() && GroupsHoldTogether(dict))
        return true;
    return false;
}

// Every index ForEachNeighbour follows lies within its array, and every word
// it marks is a word of the dictionary.
bool NeighbourIndex::GroupsHoldTogether(const Dictionary& dict) const {
    const auto slotCount = static_cast<size_t>(dict.WordCount) + 1;
    const auto isWord = [&](int32_t s) { return s >= 1 && s < dict.WordCount; };
    const auto ascends = [](const std::vector<uint32_t>& starts, size_t last) {
        if (starts.empty() || starts.front() != 0 || starts.back() != last) return false;
        return std::is_sorted(starts.begin(), starts.end());
    };
    if (indexedLength_.size() != slotCount || refStart_.size() != slotCount + 1) return false;
    if (std::any_of(indexedLength_.begin(), indexedLength_.end(), [](uint8_t n) { return n > kIndexedLength; }))
        return false;
    const size_t groups = groupParent_.size();
    if (groupStart_.size() != groups + 1 || !ascends(groupStart_, members_.size()) ||
        !ascends(refStart_, refs_.size()))
        return false;
    if (!std::all_of(members_.begin(), members_.end(), isWord)) return false;
    if (!std::all_of(groupParent_.begin(), groupParent_.end(), [&](int32_t s) { return s == 0 || isWord(s); }))
        return false;
    return std::all_of(refs_.begin(), refs_.end(), [&](uint32_t r) { return (r >> 1) < groups; });
}

void NeighbourIndex::WriteCachedGroups(const std::filesystem::path& file, const WordsFingerprint& fingerprint) const {
    if (file.empty()) return;
    IndexPacker out;
    out.Add<uint8_t>(indexedLength_);
    out.Add<uint32_t>(groupStart_);
    out.Add<int32_t>(groupParent_);
    out.Add<int32_t>(members_);
    out.Add<uint32_t>(refStart_);
    out.Add<uint32_t>(refs_);
    // A folder that cannot take the file only costs the next process the build.
    WriteIndexCacheFile(file, fingerprint, out.Bytes());
}

void NeighbourIndex::BeginSearch() {
    groupDone_.assign(groupParent_.size(), 0);
    classDone_.assign(static_cast<size_t>(dict_ ? dict_->ClassCount : 0), 0);
}

void NeighbourIndex::BuildGroups(const Dictionary& dict, const std::vector<uint32_t>& offsets) {
    // An indexed word's insertions are coded too.
    static_assert(kIndexedLength + 1 == kWideLetters);
    const auto slotCount = static_cast<size_t>(dict.WordCount) + 1;
    // The words read in text order, which is cheaper than in slot order: each
    // one's length and, up to 12 letters, its codes.
    constexpr uint8_t kUnindexed = 0xFF;
    std::vector<uint8_t> lengthOf(slotCount, kUnindexed);
    UninitVector<uint64_t> codeOf(slotCount), reversedOf(slotCount);
    for (size_t t = 0; t < offsets.size(); ++t) {
        const char* w = dict.WordText.get() + offsets[t];
        uint64_t code = 0, reversedCode = 0;
        int length = 0;
        for (; length <= kWideLetters && w[length] >= 'a' && w[length] <= 'z'; ++length) {
            const uint64_t letter = static_cast<uint64_t>(w[length] - 'a' + 1);
            if (length < kNarrowLetters) {
                code |= letter << (Codes<uint64_t>::kBits - 5 * (length + 1));
                reversedCode = (reversedCode >> 5) | (letter << (Codes<uint64_t>::kBits - 5));
            }
        }
        // Too long, or with other bytes: the lookups handle the word.
        if (length == 0 || length > kWideLetters || w[length] != '\0') continue;
        const int32_t s = textOrder_[t];
        lengthOf[s] = static_cast<uint8_t>(length);
        codeOf[s] = code;
        reversedOf[s] = reversedCode;
    }

    indexedLength_.assign(slotCount, 0);
    Lists<uint64_t> narrow(kNarrowLetters);
    std::vector<std::vector<int32_t>> wideSlots(kWideLetters + 1);
    std::vector<size_t> perLength(256, 0);
    for (uint8_t length : lengthOf) ++perLength[length];
    for (int length = 1; length <= kNarrowLetters; ++length) narrow.Reserve(length, perLength[length]);
    for (int32_t s = 1; s < dict.WordCount; ++s) {
        const int length = lengthOf[s];
        if (length == kUnindexed) continue;
        if (length <= kIndexedLength) indexedLength_[s] = static_cast<uint8_t>(length);
        if (length <= kNarrowLetters) narrow.Add(length, s, codeOf[s], reversedOf[s]);
        if (length >= kNarrowLetters) wideSlots[length].push_back(s);
    }
    narrow.Sort();

    // The groups of the two shares of the work, numbered one after the other.
    GroupSink sinks[2];
    GroupLengths(narrow, 1, kNarrowLetters, sinks);
    narrow = Lists<uint64_t>(0);
    if (std::any_of(wideSlots.begin() + kNarrowLetters + 1, wideSlots.end(), [](const auto& v) { return !v.empty(); })) {
        Lists<Wide> wide(kWideLetters);
        for (int length = kNarrowLetters; length <= kWideLetters; ++length)
            for (int32_t slot : wideSlots[length]) {
                const char* w = dict.Words[slot];
                wide.Add(length, slot, Codes<Wide>::Encode(w, length, false), Codes<Wide>::Encode(w, length, true));
            }
        wide.Sort();
        GroupSink wideSinks[2];
        GroupLengths(wide, kNarrowLetters + 1, kWideLetters, wideSinks);
        for (int share = 0; share < 2; ++share) sinks[share].Take(wideSinks[share]);
    }

    const size_t groups = sinks[0].groupParent.size() + sinks[1].groupParent.size();
    groupStart_.clear();
    groupStart_.reserve(groups + 1);
    groupParent_.clear();
    groupParent_.reserve(groups);
    members_.clear();
    members_.reserve(sinks[0].members.size() + sinks[1].members.size());
    for (const GroupSink& sink : sinks) {
        const auto firstMember = static_cast<uint32_t>(members_.size());
        for (uint32_t start : sink.groupStart) groupStart_.push_back(start + firstMember);
        groupParent_.insert(groupParent_.end(), sink.groupParent.begin(), sink.groupParent.end());
        members_.insert(members_.end(), sink.members.begin(), sink.members.end());
    }
    groupStart_.push_back(static_cast<uint32_t>(members_.size()));

    // Each word's refs, by slot.
    refStart_.assign(slotCount + 1, 0);
    for (const GroupSink& sink : sinks)
        for (uint64_t r : sink.refs) ++refStart_[(r >> 32) + 1];
    for (size_t s = 0; s < slotCount; ++s) refStart_[s + 1] += refStart_[s];
    refs_.resize(refStart_[slotCount]);
    std::vector<uint32_t> next(refStart_.begin(), refStart_.end() - 1);
    const uint32_t secondGroups = static_cast<uint32_t>(sinks[0].groupParent.size()) << 1;
    for (int share = 0; share < 2; ++share) {
        const uint32_t shift = share == 0 ? 0 : secondGroups;
        for (uint64_t r : sinks[share].refs) refs_[next[r >> 32]++] = static_cast<uint32_t>(r) + shift;
    }
}

std::vector<uint32_t> NeighbourIndex::SortTextOrder(const Dictionary& dict) {
    const auto words = static_cast<size_t>(std::max(dict.WordCount - 1, 0));
    std::vector<uint32_t> offsets(words);
    textOrder_.resize(words);
    for (int32_t s = 1; s < dict.WordCount; ++s) {
        offsets[s - 1] = static_cast<uint32_t>(dict.Words[s] - dict.WordText.get());
        textOrder_[s - 1] = s;
    }
    std::vector<uint32_t> offsetsOut(words);
    std::vector<int32_t> slotsOut(words);
    constexpr int kDigitBits = 12;
    const uint32_t largest = offsets.empty() ? 0 : *std::max_element(offsets.begin(), offsets.end());
    std::vector<size_t> counts((1u << kDigitBits) + 1);
    for (int low = 0; low < 32 && (largest >> low) != 0; low += kDigitBits) {
        std::fill(counts.begin(), counts.end(), 0);
        auto digit = [low](uint32_t o) { return (o >> low) & ((1u << kDigitBits) - 1); };
        for (uint32_t o : offsets) ++counts[digit(o) + 1];
        for (size_t d = 0; d + 1 < counts.size(); ++d) counts[d + 1] += counts[d];
        for (size_t i = 0; i < words; ++i) {
            const size_t to = counts[digit(offsets[i])]++;
            offsetsOut[to] = offsets[i];
            slotsOut[to] = textOrder_[i];
        }
        offsets.swap(offsetsOut);
        textOrder_.swap(slotsOut);
    }
    return offsets;
}

void NeighbourIndex::BuildClasses(const Dictionary& dict, const std::vector<uint32_t>& offsets) {
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
