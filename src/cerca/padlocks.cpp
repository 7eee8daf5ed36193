#include "cerca/padlocks.h"

#include <algorithm>
#include <vector>

#include "cerca/cerca_run.h"
#include "cerca/result_lines.h"

namespace sillabor {

namespace {

constexpr int32_t kResultCap = 5000;

// Each game pairs two words through a part of the base that they begin or
// end with. For every size of that part the pairs can be met from either
// word: each generator reads the shorter of the two runs and looks its
// partner up in the tree, then lists the pairs in the order of the first word.

// One pair: the first word's slot, the size of the shared part, the other slot.
struct Pair {
    int32_t word;
    int32_t k;
    int32_t other;
};

struct PairSearch {
    CercaRun& run;
    const Dictionary& dict;
    const WordTrie& trie;
    const SuffixIndex& suffixes;
    const char* base;
    int n;
    std::vector<Pair> pairs;

    explicit PairSearch(CercaRun& r)
        : run(r),
          dict(r.dict),
          trie(r.indexes.Trie(r.dict)),
          suffixes(r.indexes.Suffixes(r.dict)),
          base(r.cerca.BaseWord.c_str()),
          n(static_cast<int>(r.cerca.BaseWord.size())) {}

    WordRun Beginning(const char* text, int length) const { return PrefixRun(dict, text, length); }
    WordRun Ending(const char* text, int length) const { return suffixes.Run(dict, text, length); }
    // The slot of `head` (its first `headLength` letters) followed by `tail`.
    int32_t Join(WordTrie::Node from, const char* head, int headLength, const char* tail, int tailLength) const {
        return trie.Slot(trie.Walk(trie.Walk(from, head, headLength), tail, tailLength));
    }
    int Length(int32_t slot) const { return static_cast<int>(std::strlen(dict.Words[slot])); }

    void SortPairs() {
        std::sort(pairs.begin(), pairs.end(),
                  [](const Pair& a, const Pair& b) { return a.word != b.word ? a.word < b.word : a.k < b.k; });
    }
};

}  // namespace

// W = XY, S = YZ, base = XZ, with X the first k letters of W and of the base.
void PadlockResult(CercaRun& run) {
    PairSearch ps(run);
    const int n = ps.n;
    if (n > kMaxCompositionBase) return;
    for (int k = 1; k < n; ++k) {
        if (run.state.Stopping()) return;
        const char* x = ps.base;
        const char* z = ps.base + k;
        const WordRun words = ps.Beginning(x, k);  // W
        if (k > kMaxWordLength || n - k > kMaxWordLength || words.Size() == 0) continue;
        const WordRun sums = ps.Ending(z, n - k);  // S
        if (words.Size() <= sums.Size()) {
            for (int32_t w = words.first; w < words.last; ++w) {
                const int length = ps.Length(w);
                if (length <= k) continue;
                const int32_t s = ps.Join(WordTrie::kRoot, ps.dict.Words[w] + k, length - k, z, n - k);
                if (s != 0) ps.pairs.push_back({w, k, s});
            }
        } else {
            const WordTrie::Node xNode = ps.trie.Walk(WordTrie::kRoot, x, k);
            for (int32_t p = sums.first; p < sums.last; ++p) {
                const int32_t s = ps.suffixes.Slot(p);
                const int yLength = ps.Length(s) - (n - k);
                if (yLength <= 0) continue;
                const int32_t w = ps.Join(xNode, ps.dict.Words[s], yLength, "", 0);
                if (w != 0) ps.pairs.push_back({w, k, s});
            }
        }
    }
    ps.SortPairs();
    char first[kScratchLength], second[kScratchLength];
    for (const Pair& p : ps.pairs) {
        if (run.state.Stopping()) return;
        const int length = ps.Length(p.word);
        CopyMarked(first, ps.dict.Words[p.word], length, p.k, length);
        CopyMarked(second, ps.dict.Words[p.other], ps.Length(p.other), 0, length - p.k);
        PrintComposition(run.out, first, second, ps.base);
        if (CountResult(run) + 1 >= kResultCap) return;
    }
}

// base = XY, W = YZ, T = XZ, with Y the base's tail from position i. The words
// beginning with Y and those beginning with X come in the same order of Z.
void PadlockFirst(CercaRun& run) {
    PairSearch ps(run);
    const int n = ps.n;
    if (n > kMaxCompositionBase) return;
    char first[kScratchLength], second[kScratchLength], whole[kScratchLength];
    for (int i = 1; i < n; ++i) {
        const char* y = ps.base + i;
        const int m = n - i;
        if (i > kMaxWordLength || m > kMaxWordLength) continue;
        const WordRun ws = ps.Beginning(y, m);   // W
        const WordRun ts = ps.Beginning(ps.base, i);  // T
        const bool fromW = ws.Size() <= ts.Size();
        const WordRun r = fromW ? ws : ts;
        const WordTrie::Node partner = ps.trie.Walk(WordTrie::kRoot, fromW ? ps.base : y, fromW ? i : m);
        const int skip = fromW ? m : i;
        for (int32_t slot = r.first; slot < r.last; ++slot) {
            if (run.state.Stopping()) return;
            const char* word = ps.dict.Words[slot];
            if (word[skip] == '\0') continue;  // Z would be empty
            const int32_t other = ps.trie.Slot(ps.trie.Walk(partner, word + skip));
            if (other == 0) continue;
            const int32_t w = fromW ? slot : other, t = fromW ? other : slot;
            CopyMarked(first, ps.base, n, i, n);
            CopyMarked(second, ps.dict.Words[w], ps.Length(w), 0, m);
            CopyMarked(whole, ps.dict.Words[t], ps.Length(t), 0, 0);
            PrintComposition(run.out, first, second, whole);
            if (CountResult(run) + 1 >= kResultCap) return;
        }
    }
}

// W = XY, base = YZ, T = XZ, with Y the last k letters of W.
void PadlockSecond(CercaRun& run) {
    PairSearch ps(run);
    const int n = ps.n;
    if (n > kMaxCompositionBase) return;
    for (int k = 1; k < n; ++k) {
        if (run.state.Stopping()) return;
        const char* z = ps.base + k;
        if (k > kMaxWordLength || n - k > kMaxWordLength) continue;
        const WordRun words = ps.Ending(ps.base, k);  // W, ending with Y
        const WordRun wholes = ps.Ending(z, n - k);   // T, ending with Z
        if (words.Size() <= wholes.Size()) {
            for (int32_t p = words.first; p < words.last; ++p) {
                const int32_t w = ps.suffixes.Slot(p);
                const int xLength = ps.Length(w) - k;
                if (xLength <= 0) continue;
                const int32_t t = ps.Join(WordTrie::kRoot, ps.dict.Words[w], xLength, z, n - k);
                if (t != 0) ps.pairs.push_back({w, k, t});
            }
        } else {
            for (int32_t p = wholes.first; p < wholes.last; ++p) {
                const int32_t t = ps.suffixes.Slot(p);
                const int xLength = ps.Length(t) - (n - k);
                if (xLength <= 0) continue;
                const int32_t w = ps.Join(WordTrie::kRoot, ps.dict.Words[t], xLength, ps.base, k);
                if (w != 0) ps.pairs.push_back({w, k, t});
            }
        }
    }
    ps.SortPairs();
    char first[kScratchLength], second[kScratchLength];
    for (const Pair& p : ps.pairs) {
        if (run.state.Stopping()) return;
        const int length = ps.Length(p.word);
        CopyMarked(first, ps.dict.Words[p.word], length, length - p.k, length);
        CopyMarked(second, ps.base, n, 0, p.k);
        PrintComposition(run.out, first, second, ps.dict.Words[p.other]);
        if (CountResult(run) + 1 >= kResultCap) return;
    }
}

// base = XY, T = ZX, W = YZ: W begins with Y, the base's last k letters.
void Hinges(CercaRun& run) {
    run.out.PrintLine("Nota: da ogni soluzione XY+ZX->YZ, si ottengono anche le");
    run.out.PrintLine("cerniere equivalenti YZ+XY->ZX e ZX+YZ->XY, con le stesse parole");
    run.out.PrintSeparator();
    PairSearch ps(run);
    const int n = ps.n;
    if (n > kMaxCompositionBase) return;
    for (int k = 1; k < n; ++k) {
        if (run.state.Stopping()) return;
        const char* y = ps.base + n - k;
        const int xLength = n - k;
        if (k > kMaxWordLength || xLength > kMaxWordLength) continue;
        const WordRun words = ps.Beginning(y, k);              // W = Y + Z
        const WordRun wholes = ps.Ending(ps.base, xLength);    // T = Z + X
        if (words.Size() <= wholes.Size()) {
            for (int32_t w = words.first; w < words.last; ++w) {
                const int length = ps.Length(w);
                if (length <= k) continue;
                const int32_t t = ps.Join(WordTrie::kRoot, ps.dict.Words[w] + k, length - k, ps.base, xLength);
                if (t != 0) ps.pairs.push_back({w, k, t});
            }
        } else {
            const WordTrie::Node yNode = ps.trie.Walk(WordTrie::kRoot, y, k);
            for (int32_t p = wholes.first; p < wholes.last; ++p) {
                const int32_t t = ps.suffixes.Slot(p);
                const int zLength = ps.Length(t) - xLength;
                if (zLength <= 0) continue;
                const int32_t w = ps.Join(yNode, ps.dict.Words[t], zLength, "", 0);
                if (w != 0) ps.pairs.push_back({w, k, t});
            }
        }
    }
    ps.SortPairs();
    char first[kScratchLength], second[kScratchLength];
    for (const Pair& p : ps.pairs) {
        if (run.state.Stopping()) return;
        const int tLength = ps.Length(p.other);
        CopyMarked(first, ps.base, n, 0, n - p.k);
        CopyMarked(second, ps.dict.Words[p.other], tLength, tLength - (n - p.k), tLength);
        PrintComposition(run.out, first, second, ps.dict.Words[p.word]);
        if (CountResult(run) + 1 >= kResultCap) return;
    }
}

void SearchPadlocks(CercaRun& run) {
    PadlockResult(run);
    run.out.PrintSeparator();
    PadlockFirst(run);
    run.out.PrintSeparator();
    PadlockSecond(run);
    run.out.PrintSeparator();
    Hinges(run);
}

}  // namespace sillabor
