// Lucchetti and cerniere: a word w = H + O whose end O begins another word
// v = O + t, and the word that the two other pieces make: H + t (lucchetto)
// or t + H (cerniera). For each split of w the candidates are the words v in
// array order; when many words begin with O, the same candidates come from
// the words that begin (lucchetti) or end (cerniere) with H, which are then
// fewer.

#include <algorithm>
#include <cstring>
#include <vector>

#include "trova/trova_generators.h"
#include "trova/trova_run.h"
#include "trova/word_runs.h"
#include "trova/word_scan.h"

namespace sillabor {

namespace {

constexpr int32_t kCap = 1000;
// Runs up to this size are walked without looking for a shorter one.
constexpr int32_t kShortRun = 16;

// Copies `length` letters into `out` with a NUL; returns the end.
char* Append(char* out, const char* letters, int length) {
    std::memcpy(out, letters, static_cast<size_t>(length));
    out[length] = '\0';
    return out + length;
}

// One split of the current word: head H = w[0..k), overlap O = w[k..L).
struct Split {
    const char* word;
    int32_t slot;
    int length;
    int k;
    int overlap() const { return length - k; }
    const char* head() const { return word; }
    const char* tail() const { return word + k; }
};

enum class Verdict { kGoOn, kEnd };

// Prints a result line; kEnd at the cap.
Verdict PrintComposition(TrovaRun& run, const char* first, const char* second, const char* made) {
    run.PrintResult("%s + %s -> %s", first, second, made);
    return run.state.FoundCount.load(std::memory_order_relaxed) >= kCap ? Verdict::kEnd : Verdict::kGoOn;
}

// Lucchetto: w = H + O, v = O + t, X = H + t.
Verdict Padlock(TrovaRun& run, const Split& s, int32_t vSlot, const char* v, const char* x) {
    char marked[kTrovaWordRoom], markedOther[kTrovaWordRoom];
    if (std::strcmp(v, x) == 0 || std::strcmp(s.word, x) == 0 || vSlot == s.slot) return Verdict::kGoOn;
    std::memcpy(marked, s.word, static_cast<size_t>(s.length) + 1);
    for (int i = s.k; i < s.length; ++i) MarkAt(marked, i);
    std::strcpy(markedOther, v);
    for (int i = 0; i < s.overlap(); ++i) MarkAt(markedOther, i);
    return PrintComposition(run, marked, markedOther, x);
}

// The lucchetti of one split, in the order of v; kEnd when the generator ends.
Verdict PadlocksOfSplit(TrovaRun& run, const Split& s) {
    const Dictionary& dict = run.dict;
    const int overlap = s.overlap();
    const SlotRange withOverlap = WordsBeginningWith(dict, s.tail(), overlap);
    if (withOverlap.Size() == 0) return Verdict::kGoOn;
    SlotRange withHead;
    if (withOverlap.Size() > kShortRun) withHead = WordsBeginningWith(dict, s.head(), s.k);
    char built[2 * kTrovaWordRoom];
    if (withOverlap.Size() <= kShortRun || withOverlap.Size() <= withHead.Size()) {
        for (int32_t slot = withOverlap.first; slot < withOverlap.end; ++slot) {
            if (run.state.Stopping()) return Verdict::kEnd;
            const char* v = dict.Words[slot];
            if (v[overlap] == '\0') continue;  // nothing follows the overlap
            std::strcpy(Append(built, s.head(), s.k), v + overlap);
            if (run.FindWord(built) == 0) continue;
            if (Padlock(run, s, slot, v, built) == Verdict::kEnd) return Verdict::kEnd;
        }
    } else {
        // The same t, in the same order: the words X = H + t.
        for (int32_t slot = withHead.first; slot < withHead.end; ++slot) {
            if (run.state.Stopping()) return Verdict::kEnd;
            const char* x = dict.Words[slot];
            if (x[s.k] == '\0') continue;
            std::strcpy(Append(built, s.tail(), overlap), x + s.k);
            const int32_t vSlot = run.FindWord(built);
            if (vSlot == 0) continue;
            if (Padlock(run, s, vSlot, dict.Words[vSlot], x) == Verdict::kEnd) return Verdict::kEnd;
        }
    }
    return Verdict::kGoOn;
}

// Cerniera: w = H + O, v = O + t, Y = t + H.
Verdict Hinge(TrovaRun& run, const Split& s, int32_t vSlot, const char* v, const char* y) {
    char marked[kTrovaWordRoom], markedMade[kTrovaWordRoom];
    if (std::strcmp(v, y) == 0 || std::strcmp(s.word, y) == 0 || vSlot == s.slot) return Verdict::kGoOn;
    const int tail = static_cast<int>(std::strlen(y)) - s.k;
    std::memcpy(marked, s.word, static_cast<size_t>(s.length) + 1);
    std::strcpy(markedMade, y);
    for (int i = 0; i < s.k; ++i) {
        MarkAt(marked, i);
        MarkAt(markedMade, tail + i);
    }
    return PrintComposition(run, marked, markedMade, v);
}

struct HingeCandidate {
    int32_t vSlot;
    const char* y;
};

// The cerniere of one split, in the order of v; kEnd when the generator ends.
Verdict HingesOfSplit(TrovaRun& run, const Split& s, std::vector<HingeCandidate>& found) {
    const Dictionary& dict = run.dict;
    const int overlap = s.overlap();
    const SlotRange withOverlap = WordsBeginningWith(dict, s.tail(), overlap);
    if (withOverlap.Size() == 0) return Verdict::kGoOn;
    SlotRange withHead;
    WordEndings& endings = run.trova.endings;
    const bool many = withOverlap.Size() > kShortRun && endings.Prepare(dict);
    if (many) withHead = endings.Ending(s.head(), s.k);
    char built[2 * kTrovaWordRoom];
    if (!many || withOverlap.Size() <= withHead.Size()) {
        for (int32_t slot = withOverlap.first; slot < withOverlap.end; ++slot) {
            if (run.state.Stopping()) return Verdict::kEnd;
            const char* v = dict.Words[slot];
            const int tail = static_cast<int>(std::strlen(v)) - overlap;
            if (tail == 0) continue;
            Append(Append(built, v + overlap, tail), s.head(), s.k);
            if (run.FindWord(built) == 0) continue;
            if (Hinge(run, s, slot, v, built) == Verdict::kEnd) return Verdict::kEnd;
        }
        return Verdict::kGoOn;
    }
    // The same t from the words Y = t + H, put back in the order of v.
    found.clear();
    for (int32_t at = withHead.first; at < withHead.end; ++at) {
        if (run.state.Stopping()) return Verdict::kEnd;
        const char* y = endings.Word(at);
        const int tail = static_cast<int>(std::strlen(y)) - s.k;
        if (tail == 0) continue;
        Append(Append(built, s.tail(), overlap), y, tail);
        const int32_t vSlot = run.FindWord(built);
        if (vSlot != 0) found.push_back({vSlot, y});
    }
    std::sort(found.begin(), found.end(),
              [](const HingeCandidate& a, const HingeCandidate& b) { return a.vSlot < b.vSlot; });
    for (const HingeCandidate& c : found)
        if (Hinge(run, s, c.vSlot, dict.Words[c.vSlot], c.y) == Verdict::kEnd) return Verdict::kEnd;
    return Verdict::kGoOn;
}

}  // namespace

void Lucchetti(TrovaRun& run) {
    run.PrintTitle("Lucchetti");
    const Dictionary& dict = run.dict;
    while (!run.state.Stopping()) {
        const int32_t slot = RandomPick(run.random, dict.WordCount);
        if (slot == 0) return;
        Split s{dict.Words[slot], slot, static_cast<int>(std::strlen(dict.Words[slot])), 0};
        for (s.k = 1; s.k < s.length; ++s.k)
            if (PadlocksOfSplit(run, s) == Verdict::kEnd) return;
    }
}

void Cerniere(TrovaRun& run) {
    run.PrintTitle("Cerniere");
    const Dictionary& dict = run.dict;
    const TrovaParams& p = run.params();
    std::vector<HingeCandidate> found;
    WordScan scan = WordScan::Scrambled(dict.WordCount, p.ScanStart, p.ScanStep);
    for (int32_t slot = scan.Next(); slot != 0; slot = scan.Next()) {
        if (run.state.Stopping()) return;
        Split s{dict.Words[slot], slot, static_cast<int>(std::strlen(dict.Words[slot])), 0};
        for (s.k = 1; s.k < s.length; ++s.k)
            if (HingesOfSplit(run, s, found) == Verdict::kEnd) return;
    }
}

}  // namespace sillabor
