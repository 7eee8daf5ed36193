#include "anagr/anagram_search.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <limits>

#include "anagr/anagram_letters.h"
#include "anagr/anagram_lines.h"
#include "anagr/anagr_run.h"

namespace sillabor {

namespace {

// The letters of a class, one per byte (a..z, then the total) in four 64-bit
// words: the quick test that picks the candidates out of the whole dictionary.
struct ByteLetters {
    uint64_t w[4];
};

constexpr uint64_t kHighBits = 0x8080808080808080ull;

ByteLetters PackBytes(const LetterCount& lc) {
    uint8_t bytes[32] = {};
    std::memcpy(bytes, lc.counts, 26);
    bytes[26] = static_cast<uint8_t>(lc.total);
    ByteLetters p;
    std::memcpy(p.w, bytes, 32);
    return p;
}

// Every byte of `part` is at most the byte of `whole`; bytes stay below 128,
// so no borrow crosses a byte.
inline bool FitsBytes(const ByteLetters& part, const ByteLetters& whole) {
    for (int k = 0; k < 4; ++k)
        if ((((whole.w[k] | kHighBits) - part.w[k]) & kHighBits) != kHighBits) return false;
    return true;
}

// A long phrase joins two halves of at most kAnyNumberOfWords words each.
constexpr int kLongPhraseMaxWords = 2 * kAnyNumberOfWords;
// How long the search may look for a first way of covering a long phrase
// before the random halves start anyway.
constexpr int64_t kNoAnagramProofMs = 250;
constexpr int kMaxFruitlessSplits = 1000;

int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The letters left once the fixed part is taken from the phrase; false when
// the fixed part does not fit or takes every letter.
bool LettersToPlace(const AnagrRequest& request, LetterCount& remaining) {
    const LetterCount phrase = ComputeLetterCount(request.phrase);
    const LetterCount fixed = ComputeLetterCount(request.fixedPart);
    if (!LetterCountFits(fixed, phrase) || phrase.total == fixed.total) return false;
    remaining.total = static_cast<int16_t>(phrase.total - fixed.total);
    for (int i = 0; i < 26; ++i) remaining.counts[i] = static_cast<uint8_t>(phrase.counts[i] - fixed.counts[i]);
    return true;
}

template <int W>
class AnagramFinder {
public:
    AnagramFinder(AnagrRun& run, const LetterLayout& layout) : run_(run), st_(run.anagramState), layout_(layout) {
        for (int k = 0; k < W; ++k) guard_.w[k] = layout.guard[k];
    }

    int Run(int option);

private:
    using Packed = Letters<W>;
    // A candidate as a depth of the search lists it: kept together, so that
    // a pass over a list reads memory in order.
    struct Entry {
        Packed letters;
        int32_t position;
        int32_t length;
    };

    // The schema the check read, for the search.
    void TakeSchema();
    void CollectCandidates();
    void SwapCandidates(int32_t i, int32_t j);
    void ShuffleSchemaRanges();
    void ShuffleCandidates();
    // Called at every step of a search: now and then, the lines found so far
    // go to the printer, so that a slow search shows them as it finds them.
    bool GivingUp() {
        if ((++steps_ & 4095) == 0 && st_.pendingSize != 0) FlushAnagramLines(run_);
        return run_.state.Stopping() || ((st_.HalfPhase != 0 || probing_) && NowMs() > st_.Deadline);
    }
    // A complete combination: printed, saved as a half, or, while probing, the
    // proof that one exists. True = stop.
    bool Complete(int words) { return probing_ || EmitCombination(run_, words); }
    // The entries of [begin, end) a depth can use for `left` letters in
    // `wordsLeft` words: in length order, none longer than the letters left
    // and none so short that the words left could not cover them.
    [[gnu::always_inline]] void Window(const Entry*& begin, const Entry*& end, int left, int wordsLeft) const;
    // Depth-first search over the entries listed for this depth (the list
    // ends at listEnd); true = stop.
    bool Search(int depth, const Packed& remaining, int left, const Entry* begin, const Entry* listEnd);
    bool SearchSchema(int depth, const Packed& remaining);
    void SearchLongPhrase();
    void SplitHalves(const LetterCount& all, LetterCount& a, LetterCount& b);
    // A hash table from letters to candidate position, made once the order is final.
    void IndexCandidates();
    // The candidate position of the class with exactly these letters, or -1.
    int32_t CandidateOfLetters(const Packed& letters) const;
    // The first depth's list: every candidate that fits `letters`.
    void ListFitting(const Packed& letters);
    // Searches one half; true when it was searched to its end, not cut short
    // by the deadline, the combination limit or a stop.
    bool SolveHalf(const LetterCount& half);
    // True when no choice of at most 16 candidates covers the letters: a bounded
    // exhaustive pass before the candidates are shuffled.
    bool NoAnagramExists(const Packed& remaining);

    AnagrRun& run_;
    AnagrState& st_;
    const LetterLayout& layout_;
    Packed guard_{};
    // Per candidate, in candidate order.
    std::vector<Packed> letters_;
    // Candidates in the class table's order, longest first (not shuffled).
    bool lengthOrdered_ = true;
    bool probing_ = false;
    std::vector<int32_t> slotOfLetters_;
    // The entries still possible at each depth of the search.
    std::vector<Entry> levels_[kAnagramMaxDepth + 2];
    uint32_t steps_ = 0;
};

template <int W>
void AnagramFinder<W>::TakeSchema() {
    const std::vector<int32_t>& lengths = run_.schemaLengths;
    st_.SchemaText.clear();
    for (size_t k = 0; k < lengths.size(); ++k) {
        st_.SchemaLengths[k] = lengths[k];
        st_.SchemaText.push_back(static_cast<char>(std::min(lengths[k], 127)));
    }
    st_.LastSchemaIndex = static_cast<int32_t>(lengths.size()) - 1;
}

template <int W>
void AnagramFinder<W>::CollectCandidates() {
    Dictionary& d = run_.dict;
    const ByteLetters remaining = PackBytes(st_.Remaining);
    st_.CandidateCount = 0;
    st_.CandidateWords = 0;
    letters_.clear();
    st_.candidateLength.clear();
    for (int32_t c = 0; c < d.ClassCount; ++c) {
        AnagramClass& cls = d.Classes[c];
        const int len = cls.letters.total;
        if (st_.SchemaMode) {
            if (st_.SchemaText.find(static_cast<char>(len)) == std::string::npos) continue;
        } else if (len < st_.MinWordLen) {
            continue;
        }
        if (len > kMaxPhraseLetters || !FitsBytes(PackBytes(cls.letters), remaining)) continue;
        if (st_.FilterMode == kFilterEveryWord) {
            int passing = 0;
            d.ForEachWordOfClass(cls, [&](const char* w) { passing += WordPassesFilter(run_.filter, w, run_.dict) ? 1 : 0; });
            if (passing == 0) continue;
            st_.CandidateWords += passing;
        }
        d.ClassScratch[st_.CandidateCount++] = &cls;
        letters_.push_back(layout_.Pack<W>(cls.letters));
        st_.candidateLength.push_back(len);
    }
    if (st_.SchemaMode) {
        for (auto& range : st_.LengthRange) range[0] = range[1] = 0;
        for (int32_t i = 0; i < st_.CandidateCount; ++i) {
            int len = st_.candidateLength[i];
            if (len > kLengthFieldTop) continue;
            if (st_.LengthRange[len][1] == 0) st_.LengthRange[len][0] = i;
            st_.LengthRange[len][1] = i + 1;
        }
    }
}

template <int W>
void AnagramFinder<W>::SwapCandidates(int32_t i, int32_t j) {
    std::swap(run_.dict.ClassScratch[i], run_.dict.ClassScratch[j]);
    std::swap(letters_[i], letters_[j]);
    std::swap(st_.candidateLength[i], st_.candidateLength[j]);
}

template <int W>
void AnagramFinder<W>::ShuffleSchemaRanges() {
    lengthOrdered_ = false;
    for (int len = 0; len <= kLengthFieldTop; ++len) {
        const int32_t first = st_.LengthRange[len][0], end = st_.LengthRange[len][1];
        const int32_t size = end - first;
        if (size < 2) continue;
        for (int32_t p = first; p < end; ++p) SwapCandidates(p, first + run_.random.Below(size));
    }
}

template <int W>
void AnagramFinder<W>::ShuffleCandidates() {
    lengthOrdered_ = false;
    const int32_t n = st_.CandidateCount;
    if (n < 2) return;
    // The long words first, each swapped with a long word drawn from the whole list.
    for (int32_t i = 0; i < n && st_.candidateLength[i] >= 6; ++i) {
        int32_t j;
        do {
            j = run_.random.Below(n);
        } while (st_.candidateLength[j] < 6);
        SwapCandidates(i, j);
    }
    // Then a local shuffle that keeps the rough order by length.
    const int32_t w = n / 50 + 2;
    for (int32_t i = 0; i < n; ++i) {
        int32_t j = i - w + run_.random.Below(2 * w + 1);
        j = std::clamp(j, 0, n - 1);
        SwapCandidates(i, j);
    }
}

template <int W>
inline void AnagramFinder<W>::Window(const Entry*& begin, const Entry*& end, int left, int wordsLeft) const {
    if (!lengthOrdered_) return;
    begin = std::partition_point(begin, end, [left](const Entry& e) { return e.length > left; });
    end = std::partition_point(begin, end, [left, wordsLeft](const Entry& e) { return e.length * wordsLeft >= left; });
}

template <int W>
bool AnagramFinder<W>::Search(int depth, const Packed& remaining, int left, const Entry* begin,
                              const Entry* listEnd) {
    if (GivingUp()) return true;
    const int wordsLeft = st_.MaxWords - depth;  // this one included
    const Entry* end = listEnd;
    Window(begin, end, left, wordsLeft);
    std::vector<Entry>& next = levels_[depth + 1];
    for (const Entry* e = begin; e < end; ++e) {
        if (!Fits(e->letters, remaining, guard_)) continue;
        const int len = e->length;
        st_.Chosen[depth] = e->position;
        if (len == left) {
            if (depth + 1 >= st_.MinWords && Complete(depth + 1)) return true;
            continue;
        }
        if (depth + 1 >= st_.MaxWords) continue;
        const Packed rest = Minus(remaining, e->letters);
        const int restLeft = left - len;
        if (depth + 2 == st_.MaxWords) {
            // The last word must take all the rest: look its class up.
            if (depth + 2 < st_.MinWords) continue;
            const int32_t last = CandidateOfLetters(rest);
            if (last < e->position) continue;
            if (GivingUp()) return true;
            st_.Chosen[depth + 1] = last;
            if (Complete(depth + 2)) return true;
            continue;
        }
        // The entries from this one on, for the next depth. The one before
        // the last word uses them only for itself, each looked up once: it
        // scans its own window of them rather than after a pass that keeps
        // those that fit. The deeper ones are left the short entries too.
        const Entry* from = e;
        const Entry* to = listEnd;
        if (depth + 3 == st_.MaxWords && lengthOrdered_) {
            Window(from, to, restLeft, wordsLeft - 1);
            if (from == to) continue;
            if (Search(depth + 1, rest, restLeft, from, to)) return true;
            continue;
        }
        if (lengthOrdered_)
            from = std::partition_point(from, to, [restLeft](const Entry& q) { return q.length > restLeft; });
        next.clear();
        for (const Entry* q = from; q < to; ++q)
            if (Fits(q->letters, rest, guard_)) next.push_back(*q);
        if (next.empty()) continue;
        if (Search(depth + 1, rest, restLeft, next.data(), next.data() + next.size())) return true;
    }
    return false;
}

template <int W>
void AnagramFinder<W>::IndexCandidates() {
    size_t size = 16;
    while (size < static_cast<size_t>(st_.CandidateCount) * 2) size *= 2;
    slotOfLetters_.assign(size, -1);
    for (int32_t i = 0; i < st_.CandidateCount; ++i) {
        size_t h = HashLetters(letters_[i]) & (size - 1);
        while (slotOfLetters_[h] >= 0) h = (h + 1) & (size - 1);
        slotOfLetters_[h] = i;
    }
}

template <int W>
int32_t AnagramFinder<W>::CandidateOfLetters(const Packed& letters) const {
    const size_t mask = slotOfLetters_.size() - 1;
    for (size_t h = HashLetters(letters) & mask;; h = (h + 1) & mask) {
        const int32_t i = slotOfLetters_[h];
        if (i < 0) return -1;
        if (SameLetters(letters_[i], letters)) return i;
    }
}

template <int W>
bool AnagramFinder<W>::SearchSchema(int depth, const Packed& remaining) {
    if (GivingUp()) return true;
    const int len = st_.SchemaLengths[depth];
    if (len > kLengthFieldTop) return false;
    for (int32_t i = st_.LengthRange[len][0]; i < st_.LengthRange[len][1]; ++i) {
        const Packed& cls = letters_[i];
        if (!Fits(cls, remaining, guard_)) continue;
        st_.Chosen[depth] = i;
        if (depth == st_.LastSchemaIndex) {
            if (EmitCombination(run_, depth + 1)) return true;
        } else if (SearchSchema(depth + 1, Minus(remaining, cls))) {
            return true;
        }
    }
    return false;
}

template <int W>
void AnagramFinder<W>::SplitHalves(const LetterCount& all, LetterCount& a, LetterCount& b) {
    LetterCount left = all;
    ClearLetterCount(a);
    ClearLetterCount(b);
    bool vowelToB = false, consonantToB = false;
    for (int k = 0; k < all.total; ++k) {
        int letter = run_.random.Below(26);
        while (left.counts[letter] == 0) letter = (letter + 1) % 26;
        --left.counts[letter];
        const bool vowel = VowelTable.entries[letter] != 0;
        bool& toB = vowel ? vowelToB : consonantToB;
        LetterCount& half = toB ? b : a;
        ++half.counts[letter];
        ++half.total;
        toB = !toB;
    }
    auto move = [](LetterCount& from, LetterCount& to, int letter) {
        --from.counts[letter];
        --from.total;
        ++to.counts[letter];
        ++to.total;
    };
    const int q = 'q' - 'a', u = 'u' - 'a', c = 'c' - 'a', g = 'g' - 'a', h = 'h' - 'a';
    for (int side = 0; side < 2; ++side) {
        LetterCount& half = side == 0 ? a : b;
        LetterCount& other = side == 0 ? b : a;
        while (half.counts[q] > half.counts[u]) move(half, other, q);
        while (half.counts[c] + half.counts[g] < half.counts[h]) move(half, other, h);
    }
}

template <int W>
void AnagramFinder<W>::ListFitting(const Packed& letters) {
    std::vector<Entry>& all = levels_[0];
    all.clear();
    for (int32_t i = 0; i < st_.CandidateCount; ++i)
        if (Fits(letters_[i], letters, guard_)) all.push_back({letters_[i], i, st_.candidateLength[i]});
}

template <int W>
bool AnagramFinder<W>::SolveHalf(const LetterCount& half) {
    if (half.total == 0) return true;
    const Packed packed = layout_.Pack<W>(half);
    ListFitting(packed);
    const std::vector<Entry>& all = levels_[0];
    if (all.empty()) return true;
    return !Search(0, packed, half.total, all.data(), all.data() + all.size());
}

template <int W>
bool AnagramFinder<W>::NoAnagramExists(const Packed& remaining) {
    IndexCandidates();
    ListFitting(remaining);
    const std::vector<Entry>& all = levels_[0];
    st_.MinWords = 1;
    st_.MaxWords = kLongPhraseMaxWords;
    st_.Deadline = NowMs() + kNoAnagramProofMs;
    probing_ = true;
    // Search stops early on a combination found, a stop request or the deadline.
    const bool stoppedEarly = Search(0, remaining, st_.Remaining.total, all.data(), all.data() + all.size());
    probing_ = false;
    return !stoppedEarly;
}

template <int W>
void AnagramFinder<W>::SearchLongPhrase() {
    st_.MinWords = 1;
    st_.MaxWords = 8;
    // Splits whose halves were searched to their end without a way to cover
    // them, one after the other. Some phrases can never be split well (say,
    // when every word has as many r as m and a half gets an odd number of
    // both): after this many the search ends instead of drawing for ever.
    int fruitlessSplits = 0;
    while (run_.state.FoundCount.load(std::memory_order_relaxed) < st_.ResultLimit && !run_.state.Stopping() &&
           fruitlessSplits < kMaxFruitlessSplits) {
        LetterCount a, b;
        SplitHalves(st_.Remaining, a, b);
        st_.HalfPhase = 1;
        st_.HalfComboLimit = 40;
        st_.ComboCount = 0;
        st_.SavedCount = 0;
        st_.Deadline = NowMs() + 500;
        bool fruitless = SolveHalf(a) && st_.SavedCount == 0;
        if (st_.SavedCount > 0 && st_.ComboCount > 0) {
            st_.HalfPhase = 2;
            st_.Deadline = NowMs() + 500;
            st_.HalfComboLimit = 2000 / st_.ComboCount + 1;
            st_.ComboCount = 0;
            fruitless = SolveHalf(b) && st_.ComboCount == 0;
        }
        fruitlessSplits = fruitless ? fruitlessSplits + 1 : 0;
    }
    st_.HalfPhase = 0;
}

template <int W>
int AnagramFinder<W>::Run(int option) {
    const AnagrRequest& request = run_.request;
    st_.ResultLimit = option == kAnagramShowCandidates ? 30000 : 10000;
    if (request.resultLimit > 0) st_.ResultLimit = request.resultLimit;
    if (request.resultLimit < 0) st_.ResultLimit = std::numeric_limits<int32_t>::max();
    st_.WrapLines = request.wrapLines;
    st_.CompactOutput = request.compactOutput;
    run_.result.candidateWords = 0;
    st_.FilterMode = static_cast<uint8_t>(request.filterHow);

    if (!LettersToPlace(request, st_.Remaining)) return 0;
    // Dictionary words are plain letters: the fixed part is the only text of
    // a line that can bring a line break or a NUL, and it becomes a blank once
    // here rather than in every line printed.
    st_.FixedText = request.fixedPart;
    for (char& c : st_.FixedText)
        if (c == '\n' || c == '\r' || c == '\0') c = ' ';
    st_.Shuffle = request.shuffle;
    const int placed = st_.Remaining.total;
    st_.ShortPhrase = placed < kLongPhraseLetters;
    st_.SchemaMode = st_.ShortPhrase && request.useSchema;

    run_.state.FoundCount = 0;
    st_.CandidateCount = 0;
    st_.HalfPhase = 0;
    const Packed remaining = layout_.Pack<W>(st_.Remaining);
    bool noAnagram = false;
    if (st_.SchemaMode) {
        TakeSchema();
        CollectCandidates();
        if (option == kAnagramSearch && st_.Shuffle) ShuffleSchemaRanges();
    } else {
        st_.MinWords = request.minWords;
        st_.MaxWords = request.maxWords;
        st_.MinWordLen = request.minWordLength;
        CollectCandidates();
        // Random halves would be drawn for ever when no choice of words covers
        // the phrase at all (say, thirty times the same vowel): settle that first.
        if (option == kAnagramSearch && !st_.ShortPhrase && NoAnagramExists(remaining)) noAnagram = true;
        if (option == kAnagramSearch && (st_.Shuffle || !st_.ShortPhrase)) ShuffleCandidates();
    }
    if (st_.FilterMode != kFilterEveryWord) {
        st_.CandidateWords = 0;
        for (int32_t i = 0; i < st_.CandidateCount; ++i)
            st_.CandidateWords += run_.dict.ClassScratch[i]->WordsInClass();
    }
    run_.result.candidateWords = st_.CandidateWords;

    IndexCandidates();
    st_.candidateWords.resize(static_cast<size_t>(st_.CandidateCount));
    for (int32_t i = 0; i < st_.CandidateCount; ++i) {
        const AnagramClass& cls = *run_.dict.ClassScratch[i];
        st_.candidateWords[i] = {run_.dict.WordText.get() + cls.Offset(), cls.letters.total, cls.WordsInClass()};
    }
    st_.groups.reserve(kAnagramMaxDepth * 2);
    st_.LineText.reserve(1 << 16);
    st_.expanded.reserve(1 << 16);

    if (option == kAnagramShowCandidates) {
        const bool wasSchema = st_.SchemaMode;
        st_.ShortPhrase = true;
        st_.SchemaMode = false;
        st_.FixedText.clear();
        for (int32_t i = 0; i < st_.CandidateCount && i < st_.ResultLimit; ++i) {
            st_.Chosen[0] = i;
            EmitCombination(run_, 1);
        }
        st_.SchemaMode = wasSchema;
        return 0;
    }

    run_.state.FoundCount = 0;
    if (noAnagram) return 0;
    if (!st_.ShortPhrase) {
        SearchLongPhrase();
    } else if (st_.SchemaMode) {
        SearchSchema(0, remaining);
    } else {
        ListFitting(remaining);
        const std::vector<Entry>& all = levels_[0];
        Search(0, remaining, st_.Remaining.total, all.data(), all.data() + all.size());
    }
    return 0;
}

}  // namespace

int AnagramSearch(AnagrRun& run, int option) {
    run.anagramState.pendingSize = 0;
    run.anagramState.pendingLimit = 0;
    // The lines found are printed however the search ends, a failure included.
    struct FlushAtEnd {
        AnagrRun& run;
        ~FlushAtEnd() {
            try {
                FlushAnagramLines(run);
            } catch (...) {
                run.anagramState.pendingSize = 0;
            }
        }
    } flushAtEnd{run};
    // The letters' layout decides how many words hold them: one for every
    // short phrase.
    LetterCount toPlace{};
    if (!LettersToPlace(run.request, toPlace)) toPlace = {};
    const LetterLayout layout(toPlace);
    if (layout.words == 1) return AnagramFinder<1>(run, layout).Run(option);
    return AnagramFinder<4>(run, layout).Run(option);
}

}  // namespace sillabor
