#include "anagr/anagram_search.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <limits>

#include "anagr/anagram_lines.h"
#include "anagr/anagr_run.h"

namespace sillabor {

namespace {

constexpr uint64_t kHighBits = 0x8080808080808080ull;

PackedLetters Pack(const LetterCount& lc) {
    uint8_t bytes[32] = {};
    std::memcpy(bytes, lc.counts, 26);
    bytes[26] = static_cast<uint8_t>(lc.total);
    PackedLetters p;
    std::memcpy(p.w, bytes, 32);
    return p;
}

// Every byte of `part` is at most the byte of `whole`; bytes stay below 128,
// so no borrow crosses a byte.
inline bool Fits(const PackedLetters& part, const PackedLetters& whole) {
    for (int k = 0; k < 4; ++k)
        if ((((whole.w[k] | kHighBits) - part.w[k]) & kHighBits) != kHighBits) return false;
    return true;
}

inline PackedLetters Minus(const PackedLetters& whole, const PackedLetters& part) {
    PackedLetters r;
    for (int k = 0; k < 4; ++k) r.w[k] = whole.w[k] - part.w[k];
    return r;
}

// A long phrase joins two halves of at most kAnyNumberOfWords words each.
constexpr int kLongPhraseMaxWords = 2 * kAnyNumberOfWords;
// How long the search may look for a first way of covering a long phrase
// before the random halves start anyway.
constexpr int64_t kNoAnagramProofMs = 250;
constexpr int kMaxFruitlessSplits = 1000;

inline int TotalOf(const PackedLetters& p) { return static_cast<int>((p.w[3] >> 16) & 0xFF); }

int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

class AnagramFinder {
public:
    explicit AnagramFinder(AnagrRun& run) : run_(run), st_(run.anagramState) {}

    int Run(int option);

private:
    // The schema the check read, for the search.
    void TakeSchema();
    void CollectCandidates(const PackedLetters& remaining);
    void ShuffleSchemaRanges();
    void ShuffleCandidates();
    // Called at every step of a search: now and then, the lines found so far
    // go to the printer, so that a slow search shows them as it finds them.
    bool GivingUp() {
        if ((++steps_ & 4095) == 0 && !st_.pendingLines.empty()) FlushAnagramLines(run_);
        return run_.state.Stopping() || ((st_.HalfPhase != 0 || probing_) && NowMs() > st_.Deadline);
    }
    // A complete combination: printed, saved as a half, or, while probing, the
    // proof that one exists. True = stop.
    bool Complete(int words) { return probing_ || EmitCombination(run_, words); }
    // Depth-first search over the positions listed for this depth; true = stop.
    bool Search(int depth, const PackedLetters& remaining, const std::vector<int32_t>& positions, size_t from);
    bool SearchSchema(int depth, const PackedLetters& remaining);
    void SearchLongPhrase(const PackedLetters& remaining);
    void SplitHalves(const LetterCount& all, LetterCount& a, LetterCount& b);
    // A hash table from letters to candidate position, made once the order is final.
    void IndexCandidates();
    // The candidate position of the class with exactly these letters, or -1.
    int32_t CandidateOfLetters(const PackedLetters& letters) const;
    // Searches one half; true when it was searched to its end, not cut short
    // by the deadline, the combination limit or a stop.
    bool SolveHalf(const LetterCount& half);
    // True when no choice of at most 16 candidates covers the letters: a bounded
    // exhaustive pass before the candidates are shuffled.
    bool NoAnagramExists(const PackedLetters& remaining);
    void PrepareLevelLists() {
        st_.levelLists.resize(kAnagramMaxDepth + 2);
        for (auto& list : st_.levelLists) list.reserve(static_cast<size_t>(st_.CandidateCount));
    }

    AnagrRun& run_;
    AnagrState& st_;
    // Candidates in the class table's order, longest first (not shuffled).
    bool lengthOrdered_ = true;
    bool probing_ = false;
    std::vector<int32_t> slotOfLetters_;
    uint32_t steps_ = 0;
};

void AnagramFinder::TakeSchema() {
    const std::vector<int32_t>& lengths = run_.schemaLengths;
    st_.SchemaText.clear();
    for (size_t k = 0; k < lengths.size(); ++k) {
        st_.SchemaLengths[k] = lengths[k];
        st_.SchemaText.push_back(static_cast<char>(std::min(lengths[k], 127)));
    }
    st_.LastSchemaIndex = static_cast<int32_t>(lengths.size()) - 1;
}

void AnagramFinder::CollectCandidates(const PackedLetters& remaining) {
    Dictionary& d = run_.dict;
    st_.CandidateCount = 0;
    st_.CandidateWords = 0;
    st_.candidateLetters.clear();
    st_.candidateLength.clear();
    for (int32_t c = 0; c < d.ClassCount; ++c) {
        AnagramClass& cls = d.Classes[c];
        const int len = cls.letters.total;
        if (st_.SchemaMode) {
            if (st_.SchemaText.find(static_cast<char>(len)) == std::string::npos) continue;
        } else if (len < st_.MinWordLen) {
            continue;
        }
        PackedLetters packed = Pack(cls.letters);
        if (len > kMaxPhraseLetters || !Fits(packed, remaining)) continue;
        if (st_.FilterMode == kFilterEveryWord) {
            int passing = 0;
            d.ForEachWordOfClass(cls, [&](const char* w) { passing += WordPassesFilter(run_.filter, w, run_.dict) ? 1 : 0; });
            if (passing == 0) continue;
            st_.CandidateWords += passing;
        }
        d.ClassScratch[st_.CandidateCount++] = &cls;
        st_.candidateLetters.push_back(packed);
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

void SwapCandidates(AnagrState& st, Dictionary& d, int32_t i, int32_t j) {
    std::swap(d.ClassScratch[i], d.ClassScratch[j]);
    std::swap(st.candidateLetters[i], st.candidateLetters[j]);
    std::swap(st.candidateLength[i], st.candidateLength[j]);
}

void AnagramFinder::ShuffleSchemaRanges() {
    lengthOrdered_ = false;
    for (int len = 0; len <= kLengthFieldTop; ++len) {
        const int32_t first = st_.LengthRange[len][0], end = st_.LengthRange[len][1];
        const int32_t size = end - first;
        if (size < 2) continue;
        for (int32_t p = first; p < end; ++p) SwapCandidates(st_, run_.dict, p, first + run_.random.Below(size));
    }
}

void AnagramFinder::ShuffleCandidates() {
    lengthOrdered_ = false;
    const int32_t n = st_.CandidateCount;
    if (n < 2) return;
    // The long words first, each swapped with a long word drawn from the whole list.
    for (int32_t i = 0; i < n && st_.candidateLength[i] >= 6; ++i) {
        int32_t j;
        do {
            j = run_.random.Below(n);
        } while (st_.candidateLength[j] < 6);
        SwapCandidates(st_, run_.dict, i, j);
    }
    // Then a local shuffle that keeps the rough order by length.
    const int32_t w = n / 50 + 2;
    for (int32_t i = 0; i < n; ++i) {
        int32_t j = i - w + run_.random.Below(2 * w + 1);
        j = std::clamp(j, 0, n - 1);
        SwapCandidates(st_, run_.dict, i, j);
    }
}

bool AnagramFinder::Search(int depth, const PackedLetters& remaining, const std::vector<int32_t>& positions,
                           size_t from) {
    if (GivingUp()) return true;
    const int left = TotalOf(remaining);
    const int wordsLeft = st_.MaxWords - depth;  // this one included
    std::vector<int32_t>& next = st_.levelLists[depth + 1];
    for (size_t k = from; k < positions.size(); ++k) {
        const int32_t i = positions[k];
        const int len = st_.candidateLength[i];
        // In length order, no later candidate is longer: too short now means never.
        if (lengthOrdered_ && len * wordsLeft < left) break;
        const PackedLetters& cls = st_.candidateLetters[i];
        if (!Fits(cls, remaining)) continue;
        st_.Chosen[depth] = i;
        if (len == left) {
            if (depth + 1 >= st_.MinWords && Complete(depth + 1)) return true;
            continue;
        }
        if (depth + 1 >= st_.MaxWords) continue;
        const PackedLetters rest = Minus(remaining, cls);
        if (depth + 2 == st_.MaxWords) {
            // The last word must take all the rest: look its class up.
            if (depth + 2 < st_.MinWords) continue;
            const int32_t last = CandidateOfLetters(rest);
            if (last < i) continue;
            if (GivingUp()) return true;
            st_.Chosen[depth + 1] = last;
            if (Complete(depth + 2)) return true;
            continue;
        }
        // The positions from i on that still fit, for the next depth.
        next.clear();
        for (size_t m = k; m < positions.size(); ++m)
            if (Fits(st_.candidateLetters[positions[m]], rest)) next.push_back(positions[m]);
        if (next.empty()) continue;
        // The next depth fills only the lists below its own.
        if (Search(depth + 1, rest, next, 0)) return true;
    }
    return false;
}

inline uint64_t HashLetters(const PackedLetters& p) {
    uint64_t h = p.w[0] * 0x9E3779B97F4A7C15ull;
    h ^= (p.w[1] + (h >> 29)) * 0xBF58476D1CE4E5B9ull;
    h ^= (p.w[2] + (h >> 31)) * 0x94D049BB133111EBull;
    h ^= (p.w[3] + (h >> 27)) * 0x9E3779B97F4A7C15ull;
    return h ^ (h >> 32);
}

void AnagramFinder::IndexCandidates() {
    size_t size = 16;
    while (size < static_cast<size_t>(st_.CandidateCount) * 2) size *= 2;
    slotOfLetters_.assign(size, -1);
    for (int32_t i = 0; i < st_.CandidateCount; ++i) {
        size_t h = HashLetters(st_.candidateLetters[i]) & (size - 1);
        while (slotOfLetters_[h] >= 0) h = (h + 1) & (size - 1);
        slotOfLetters_[h] = i;
    }
}

int32_t AnagramFinder::CandidateOfLetters(const PackedLetters& letters) const {
    const size_t mask = slotOfLetters_.size() - 1;
    for (size_t h = HashLetters(letters) & mask;; h = (h + 1) & mask) {
        const int32_t i = slotOfLetters_[h];
        if (i < 0) return -1;
        const PackedLetters& c = st_.candidateLetters[i];
        if (c.w[0] == letters.w[0] && c.w[1] == letters.w[1] && c.w[2] == letters.w[2] && c.w[3] == letters.w[3])
            return i;
    }
}

bool AnagramFinder::SearchSchema(int depth, const PackedLetters& remaining) {
    if (GivingUp()) return true;
    const int len = st_.SchemaLengths[depth];
    if (len > kLengthFieldTop) return false;
    for (int32_t i = st_.LengthRange[len][0]; i < st_.LengthRange[len][1]; ++i) {
        const PackedLetters& cls = st_.candidateLetters[i];
        if (!Fits(cls, remaining)) continue;
        st_.Chosen[depth] = i;
        if (depth == st_.LastSchemaIndex) {
            if (EmitCombination(run_, depth + 1)) return true;
        } else if (SearchSchema(depth + 1, Minus(remaining, cls))) {
            return true;
        }
    }
    return false;
}

void AnagramFinder::SplitHalves(const LetterCount& all, LetterCount& a, LetterCount& b) {
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

bool AnagramFinder::SolveHalf(const LetterCount& half) {
    if (half.total == 0) return true;
    std::vector<int32_t>& all = st_.levelLists[0];
    const PackedLetters packed = Pack(half);
    all.clear();
    for (int32_t i = 0; i < st_.CandidateCount; ++i)
        if (Fits(st_.candidateLetters[i], packed)) all.push_back(i);
    if (all.empty()) return true;
    return !Search(0, packed, all, 0);
}

bool AnagramFinder::NoAnagramExists(const PackedLetters& remaining) {
    IndexCandidates();
    std::vector<int32_t>& all = st_.levelLists[0];
    all.clear();
    for (int32_t i = 0; i < st_.CandidateCount; ++i) all.push_back(i);
    st_.MinWords = 1;
    st_.MaxWords = kLongPhraseMaxWords;
    st_.Deadline = NowMs() + kNoAnagramProofMs;
    probing_ = true;
    // Search stops early on a combination found, a stop request or the deadline.
    const bool stoppedEarly = Search(0, remaining, all, 0);
    probing_ = false;
    return !stoppedEarly;
}

void AnagramFinder::SearchLongPhrase(const PackedLetters&) {
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

int AnagramFinder::Run(int option) {
    const AnagrRequest& request = run_.request;
    st_.ResultLimit = option == kAnagramShowCandidates ? 30000 : 10000;
    if (request.resultLimit > 0) st_.ResultLimit = request.resultLimit;
    if (request.resultLimit < 0) st_.ResultLimit = std::numeric_limits<int32_t>::max();
    st_.WrapLines = request.wrapLines;
    st_.CompactOutput = request.compactOutput;
    run_.result.candidateWords = 0;
    st_.FilterMode = static_cast<uint8_t>(request.filterHow);

    const LetterCount phrase = ComputeLetterCount(request.phrase);
    const LetterCount fixed = ComputeLetterCount(request.fixedPart);
    if (!LetterCountFits(fixed, phrase) || phrase.total == fixed.total) return 0;
    st_.Remaining.total = static_cast<int16_t>(phrase.total - fixed.total);
    for (int i = 0; i < 26; ++i) st_.Remaining.counts[i] = static_cast<uint8_t>(phrase.counts[i] - fixed.counts[i]);
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
    const PackedLetters remaining = Pack(st_.Remaining);
    bool noAnagram = false;
    if (st_.SchemaMode) {
        TakeSchema();
        CollectCandidates(remaining);
        if (option == kAnagramSearch && st_.Shuffle) ShuffleSchemaRanges();
    } else {
        st_.MinWords = request.minWords;
        st_.MaxWords = request.maxWords;
        st_.MinWordLen = request.minWordLength;
        CollectCandidates(remaining);
        PrepareLevelLists();
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
    PrepareLevelLists();
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
        SearchLongPhrase(remaining);
    } else if (st_.SchemaMode) {
        SearchSchema(0, remaining);
    } else {
        std::vector<int32_t>& all = st_.levelLists[0];
        all.clear();
        for (int32_t i = 0; i < st_.CandidateCount; ++i) all.push_back(i);
        Search(0, remaining, all, 0);
    }
    return 0;
}

}  // namespace

int AnagramSearch(AnagrRun& run, int option) {
    run.anagramState.pendingLines.clear();
    run.anagramState.pendingLimit = 0;
    // The lines found are printed however the search ends, a failure included.
    struct FlushAtEnd {
        AnagrRun& run;
        ~FlushAtEnd() {
            try {
                FlushAnagramLines(run);
            } catch (...) {
                run.anagramState.pendingLines.clear();
            }
        }
    } flushAtEnd{run};
    return AnagramFinder(run).Run(option);
}

}  // namespace sillabor
