#include "cerca/padlocks.h"

#include <algorithm>
#include <vector>

#include "cerca/cerca_run.h"
#include "cerca/result_lines.h"

namespace sillabor {

namespace {

constexpr int32_t kResultCap = 5000;

// Each game pairs two words through a part of the base that they begin or
// end with. For every size k of that part the pairs can be met from either
// word: the search reads the shorter of the two runs and looks each word's
// partner up in the tree, then lists the pairs in the order of the first
// word, then of k.

// One pair: the first word's slot, the size of the shared part, the other slot.
struct Pair {
    int32_t word;
    int32_t k;
    int32_t other;
};

// A run of words that begin with some letters (slots) or end with them
// (positions in rhyme order).
struct Run {
    WordRun positions;
    bool ending;
};

class PairSearch {
public:
    explicit PairSearch(CercaRun& r)
        : run(r),
          dict(r.dict),
          trie(r.indexes.Trie(r.dict)),
          base(r.cerca.BaseWord.c_str()),
          n(static_cast<int>(r.cerca.BaseWord.size())),
          suffixes_(r.indexes.Suffixes(r.dict)) {}

    Run Beginning(const char* text, int length) const { return {PrefixRun(dict, text, length), false}; }
    Run Ending(const char* text, int length) const { return {suffixes_.Run(dict, text, length), true}; }

    // The slot of the first `headLength` letters of `head` followed by the
    // `tailLength` letters of `tail`, walked from `from`; 0 when no word.
    int32_t Join(WordTrie::Node from, const char* head, int headLength, const char* tail = "",
                 int tailLength = 0) const {
        return trie.Slot(trie.Walk(trie.Walk(from, head, headLength), tail, tailLength));
    }
    int Length(int32_t slot) const { return static_cast<int>(std::strlen(dict.Words[slot])); }
    const char* Word(int32_t slot) const { return dict.Words[slot]; }

    // Adds the pairs of size k, met from the shorter run: each first word
    // with toOther(its slot), or each other word with toWord(its slot).
    template <typename ToOther, typename ToWord>
    void AddPairs(int k, const Run& words, ToOther toOther, const Run& others, ToWord toWord) {
        const bool fromWords = words.positions.Size() <= others.positions.Size();
        const Run& r = fromWords ? words : others;
        for (int32_t p = r.positions.first; p < r.positions.last; ++p) {
            const int32_t slot = r.ending ? suffixes_.Slot(p) : p;
            const int32_t partner = fromWords ? toOther(slot) : toWord(slot);
            if (partner == 0) continue;
            pairs_.push_back(fromWords ? Pair{slot, k, partner} : Pair{partner, k, slot});
        }
    }

    // Prints the pairs in order; `texts` writes the two marked words of a
    // pair and returns the whole. After each line the count grows, and the
    // list ends when it reaches the cap.
    template <typename Texts>
    void PrintPairs(Texts texts) {
        std::sort(pairs_.begin(), pairs_.end(),
                  [](const Pair& a, const Pair& b) { return a.word != b.word ? a.word < b.word : a.k < b.k; });
        char first[kScratchLength], second[kScratchLength];
        for (const Pair& p : pairs_) {
            if (run.state.Stopping()) return;
            const char* whole = texts(p, first, second);
            PrintComposition(run.out, first, second, whole);
            if (CountResult(run) + 1 >= kResultCap) return;
        }
    }

    // Sizes of the shared part that leave every part at least one letter
    // and every text within a word's length.
    bool Fits(int k) const { return k <= kMaxWordLength && n - k <= kMaxWordLength; }

    // Calls add(k) for each such size, until a stop.
    template <typename Add>
    void EachSize(Add add) {
        if (n > kMaxCompositionBase) return;
        for (int k = 1; k < n && !run.state.Stopping(); ++k)
            if (Fits(k)) add(k);
    }

    CercaRun& run;
    const Dictionary& dict;
    const WordTrie& trie;
    const char* base;
    const int n;

private:
    const SuffixIndex& suffixes_;
    std::vector<Pair> pairs_;
};

}  // namespace

// W = XY, S = YZ, base = XZ, with X the first k letters of W and of the base.
void PadlockResult(CercaRun& run) {
    PairSearch ps(run);
    const int n = ps.n;
    ps.EachSize([&](int k) {
        const char* z = ps.base + k;
        const WordTrie::Node x = ps.trie.Walk(WordTrie::kRoot, ps.base, k);
        ps.AddPairs(
            k, ps.Beginning(ps.base, k),
            [&](int32_t w) {
                const int length = ps.Length(w);
                return length <= k ? 0 : ps.Join(WordTrie::kRoot, ps.Word(w) + k, length - k, z, n - k);
            },
            ps.Ending(z, n - k),
            [&](int32_t s) {
                const int y = ps.Length(s) - (n - k);
                return y <= 0 ? 0 : ps.Join(x, ps.Word(s), y);
            });
    });
    ps.PrintPairs([&](const Pair& p, char* first, char* second) {
        const int length = ps.Length(p.word);
        CopyMarked(first, ps.Word(p.word), length, p.k, length);
        CopyMarked(second, ps.Word(p.other), ps.Length(p.other), 0, length - p.k);
        return ps.base;
    });
}

// base = XY, W = YZ, T = XZ, with Y the base's tail from position i. The words
// beginning with Y and those beginning with X come in the same order of Z, so
// either run lists the pairs in order.
void PadlockFirst(CercaRun& run) {
    PairSearch ps(run);
    const int n = ps.n;
    if (n > kMaxCompositionBase) return;
    for (int i = 1; i < n; ++i) {
        const char* y = ps.base + i;
        const int m = n - i;
        if (!ps.Fits(i)) continue;
        const WordRun ws = PrefixRun(ps.dict, y, m);        // W
        const WordRun ts = PrefixRun(ps.dict, ps.base, i);  // T
        const bool fromW = ws.Size() <= ts.Size();
        const WordRun r = fromW ? ws : ts;
        const WordTrie::Node partner = ps.trie.Walk(WordTrie::kRoot, fromW ? ps.base : y, fromW ? i : m);
        const int skip = fromW ? m : i;
        for (int32_t slot = r.first; slot < r.last; ++slot) {
            if (run.state.Stopping()) return;
            const char* word = ps.Word(slot);
            if (word[skip] == '\0') continue;  // Z would be empty
            const int32_t other = ps.trie.Slot(ps.trie.Walk(partner, word + skip));
            if (other == 0) continue;
            const int32_t w = fromW ? slot : other, t = fromW ? other : slot;
            PrintComposition(run.out, {ps.base, n, i, n}, {ps.Word(w), ps.Length(w), 0, m},
                             {ps.Word(t), ps.Length(t), 0, 0});
            if (CountResult(run) + 1 >= kResultCap) return;
        }
    }
}

// W = XY, base = YZ, T = XZ, with Y the last k letters of W.
void PadlockSecond(CercaRun& run) {
    PairSearch ps(run);
    const int n = ps.n;
    ps.EachSize([&](int k) {
        const char* z = ps.base + k;
        ps.AddPairs(
            k, ps.Ending(ps.base, k),
            [&](int32_t w) {
                const int x = ps.Length(w) - k;
                return x <= 0 ? 0 : ps.Join(WordTrie::kRoot, ps.Word(w), x, z, n - k);
            },
            ps.Ending(z, n - k),
            [&](int32_t t) {
                const int x = ps.Length(t) - (n - k);
                return x <= 0 ? 0 : ps.Join(WordTrie::kRoot, ps.Word(t), x, ps.base, k);
            });
    });
    ps.PrintPairs([&](const Pair& p, char* first, char* second) {
        const int length = ps.Length(p.word);
        CopyMarked(first, ps.Word(p.word), length, length - p.k, length);
        CopyMarked(second, ps.base, n, 0, p.k);
        return ps.Word(p.other);
    });
}

// base = XY, T = ZX, W = YZ: W begins with Y, the base's last k letters.
void Hinges(CercaRun& run) {
    run.out.PrintLine("Nota: da ogni soluzione XY+ZX->YZ, si ottengono anche le");
    run.out.PrintLine("cerniere equivalenti YZ+XY->ZX e ZX+YZ->XY, con le stesse parole");
    run.out.PrintSeparator();
    PairSearch ps(run);
    const int n = ps.n;
    ps.EachSize([&](int k) {
        const char* y = ps.base + n - k;
        const int x = n - k;
        const WordTrie::Node yNode = ps.trie.Walk(WordTrie::kRoot, y, k);
        ps.AddPairs(
            k, ps.Beginning(y, k),
            [&](int32_t w) {
                const int length = ps.Length(w);
                return length <= k ? 0 : ps.Join(WordTrie::kRoot, ps.Word(w) + k, length - k, ps.base, x);
            },
            ps.Ending(ps.base, x),
            [&](int32_t t) {
                const int z = ps.Length(t) - x;
                return z <= 0 ? 0 : ps.Join(yNode, ps.Word(t), z);
            });
    });
    ps.PrintPairs([&](const Pair& p, char* first, char* second) {
        const int tLength = ps.Length(p.other);
        CopyMarked(first, ps.base, n, 0, n - p.k);
        CopyMarked(second, ps.Word(p.other), tLength, tLength - (n - p.k), tLength);
        return ps.Word(p.word);
    });
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
