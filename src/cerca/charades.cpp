#include "cerca/charades.h"

#include <algorithm>
#include <vector>

#include "cerca/cerca_run.h"
#include "cerca/result_lines.h"

namespace sillabor {

namespace {

constexpr int32_t kResultCap = 5000;

int BaseLength(const CercaRun& run) { return static_cast<int>(run.cerca.BaseWord.size()); }

// The slots of the words longer than the base that end with it, in slot order.
std::vector<int32_t> WordsEndingWithBase(CercaRun& run) {
    const std::string& base = run.cerca.BaseWord;
    const int n = BaseLength(run);
    std::vector<int32_t> slots;
    if (n > kMaxWordLength) return slots;
    const SuffixIndex& suffixes = run.indexes.Suffixes(run.dict);
    const WordRun r = suffixes.Run(run.dict, base.c_str(), n);
    slots.reserve(static_cast<size_t>(r.Size()));
    for (int32_t p = r.first; p < r.last; ++p) {
        const int32_t slot = suffixes.Slot(p);
        if (static_cast<int>(std::strlen(run.dict.Words[slot])) > n) slots.push_back(slot);
    }
    std::sort(slots.begin(), slots.end());
    return slots;
}

// Phase 1 of the chained charades: base = XY, word = YZ, whole = XYZ, found
// among the words that begin with the base. True when the cap is reached.
bool ChainedBaseFirst(CercaRun& run) {
    const std::string& base = run.cerca.BaseWord;
    const int n = BaseLength(run);
    if (n > kMaxWordLength) return false;
    const WordTrie& trie = run.indexes.Trie(run.dict);
    const WordRun r = PrefixRun(run.dict, base.c_str(), n);
    for (int32_t slot = r.first; slot < r.last; ++slot) {
        if (run.state.Stopping()) return false;
        const char* w = run.dict.Words[slot];
        const int length = static_cast<int>(std::strlen(w));
        if (length <= n) continue;
        for (int i = 1; i < n; ++i) {
            if (trie.FindWord(w + i) == 0) continue;
            PrintComposition(run.out, {base.c_str(), n, i, n}, {w + i, length - i, 0, n - i}, {w, length, i, n});
            if (CountResult(run) + 1 >= kResultCap) return true;
        }
    }
    return false;
}

// Phase 2: word = XY, base = YZ, among the words that end with the base.
bool ChainedBaseSecond(CercaRun& run) {
    const std::string& base = run.cerca.BaseWord;
    const int n = BaseLength(run);
    const WordTrie& trie = run.indexes.Trie(run.dict);
    for (int32_t slot : WordsEndingWithBase(run)) {
        if (run.state.Stopping()) return false;
        const char* w = run.dict.Words[slot];
        const int length = static_cast<int>(std::strlen(w));
        const int d = length - n;
        WordTrie::Node node = WordTrie::kRoot;
        for (int j = 1; j < length && node != WordTrie::kNone; ++j) {
            node = trie.Child(node, w[j - 1]);
            if (j <= d || trie.Slot(node) == 0) continue;
            PrintComposition(run.out, {w, j, d, j}, {base.c_str(), n, 0, j - d}, {w, length, d, j});
            if (CountResult(run) + 1 >= kResultCap) return true;
        }
    }
    return false;
}

// Phase 3: the base is the whole, made of two overlapping words.
void ChainedBaseWhole(CercaRun& run) {
    const std::string& base = run.cerca.BaseWord;
    const int n = BaseLength(run);
    if (n > kMaxCompositionBase) return;
    const WordTrie& trie = run.indexes.Trie(run.dict);
    bool tailIsWord[kScratchLength] = {};
    for (int i = 1; i < n; ++i) tailIsWord[i] = trie.FindWord(base.c_str() + i) != 0;
    WordTrie::Node head = trie.Walk(WordTrie::kRoot, base.c_str(), 1);
    for (int j = 2; j < n; ++j) {
        head = trie.Child(head, base[j - 1]);
        if (head == WordTrie::kNone) return;
        if (trie.Slot(head) == 0) continue;
        for (int i = 1; i < j; ++i) {
            if (!tailIsWord[i]) continue;
            PrintComposition(run.out, {base.c_str(), j, i, j}, {base.c_str() + i, n - i, 0, j - i},
                             {base.c_str(), n, i, j});
            if (CountResult(run) + 1 >= kResultCap) return;
        }
    }
}

}  // namespace

void Split(CercaRun& run) {
    const std::string& base = run.cerca.BaseWord;
    const int n = BaseLength(run);
    if (n > kMaxCompositionBase) return;
    const WordTrie& trie = run.indexes.Trie(run.dict);
    char first[kScratchLength];
    for (int k = 2; k <= n - 2; ++k) {
        if (trie.FindWord(base.c_str() + k) == 0) continue;
        CopyMarked(first, base.c_str(), k, 0, 0);
        if (trie.FindWord(first) == 0) continue;
        PrintComposition(run.out, first, base.c_str() + k, base.c_str());
        if (CountResult(run) >= kResultCap) return;
    }
}

// base + w is a word exactly when it is one of the words that begin with the
// base, and those come in the order of their w.
void BasePlusWord(CercaRun& run) {
    const std::string& base = run.cerca.BaseWord;
    const int n = BaseLength(run);
    if (n > kMaxWordLength) return;
    const WordTrie& trie = run.indexes.Trie(run.dict);
    const WordRun r = PrefixRun(run.dict, base.c_str(), n);
    for (int32_t slot = r.first; slot < r.last; ++slot) {
        if (run.state.Stopping()) return;
        const char* whole = run.dict.Words[slot];
        if (whole[n] == '\0' || trie.FindWord(whole + n) == 0) continue;
        if (CountResult(run) >= kResultCap) return;
        PrintComposition(run.out, base.c_str(), whole + n, whole);
    }
}

// w + base is a word exactly when it is one of the words that end with the
// base; they are listed in the order of their w.
void WordPlusBase(CercaRun& run) {
    const std::string& base = run.cerca.BaseWord;
    const int n = BaseLength(run);
    const WordTrie& trie = run.indexes.Trie(run.dict);
    struct Found {
        int32_t first;  // slot of w
        int32_t whole;  // slot of w + base
    };
    std::vector<Found> found;
    for (int32_t slot : WordsEndingWithBase(run)) {
        if (run.state.Stopping()) return;
        const char* whole = run.dict.Words[slot];
        const int length = static_cast<int>(std::strlen(whole));
        const int32_t first = trie.Slot(trie.Walk(WordTrie::kRoot, whole, length - n));
        if (first != 0) found.push_back({first, slot});
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) { return a.first < b.first; });
    for (const Found& f : found) {
        if (run.state.Stopping()) return;
        if (CountResult(run) >= kResultCap) return;
        PrintComposition(run.out, run.dict.Words[f.first], base.c_str(), run.dict.Words[f.whole]);
    }
}

void Chained(CercaRun& run) {
    if (ChainedBaseFirst(run)) return;
    run.out.PrintSeparator();
    if (ChainedBaseSecond(run)) return;
    run.out.PrintSeparator();
    ChainedBaseWhole(run);
}

void SearchCharades(CercaRun& run) {
    Split(run);
    run.out.PrintSeparator();
    BasePlusWord(run);
    run.out.PrintSeparator();
    WordPlusBase(run);
    run.out.PrintSeparator();
    Chained(run);
}

}  // namespace sillabor
