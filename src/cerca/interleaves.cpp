#include "cerca/interleaves.h"
#include "base/letter_case.h"

#include <cstring>

#include "cerca/cerca_run.h"
#include "cerca/result_lines.h"

namespace sillabor {

namespace {

// The shared recursive step. The whole's first letter always goes to B, so
// each way of splitting the whole is met once; at every later letter part A
// is tried before part B. A part grows only while some word begins with it
// (or, when the base is no word, while the base does); when the base must be
// one of the parts, the walk also stops as soon as neither part can still be
// the base with the other a word, which leaves the same leaves to test.
class SplitInterleave {
public:
    enum Mode { kSplitBase, kContainingBase };

    SplitInterleave(CercaRun& run, Mode mode) : run_(run), trie_(run.indexes.Trie(run.dict)), mode_(mode) {
        base_ = run.cerca.BaseWord.c_str();
        baseLength_ = static_cast<int>(run.cerca.BaseWord.size());
        baseIsWord_ = trie_.FindWord(base_) != 0;
    }

    void Run(const char* whole, int length) {
        whole_ = whole;
        length_ = length;
        a_.length = 0;
        b_.length = 0;
        Append(b_, whole[0]);
        marked_[0] = whole[0];
        marked_[length] = '\0';
        Step(1);
    }

private:
    struct Part {
        char letters[kScratchLength];
        int length = 0;
        WordTrie::Node node[kScratchLength] = {WordTrie::kRoot};  // node[k]: after k letters
        bool basePrefix[kScratchLength] = {true};                   // the first k letters begin the base
        // Entries past `length` are rewritten before they are read.
        WordTrie::Node Node() const { return node[length]; }
        bool BeginsBase() const { return basePrefix[length]; }
    };

    void Append(Part& part, char c) {
        const int k = part.length;
        part.letters[k] = c;
        part.node[k + 1] = trie_.Child(part.node[k], c);
        part.basePrefix[k + 1] = part.basePrefix[k] && k < baseLength_ && base_[k] == c;
        part.length = k + 1;
    }

    bool MayGrow(const Part& part) const {
        if (part.Node() != WordTrie::kNone) return true;
        return mode_ == kContainingBase && !baseIsWord_ && part.BeginsBase();
    }

    // Some split below can still have one part equal to the base and the
    // other a word.
    bool CanHoldBase() const {
        return (a_.BeginsBase() && b_.Node() != WordTrie::kNone) ||
               (b_.BeginsBase() && a_.Node() != WordTrie::kNone);
    }

    void Step(int p) {
        if (run_.state.Stopping()) return;
        if (p == length_) {
            Leaf();
            return;
        }
        const char c = whole_[p];
        Append(a_, c);
        marked_[p] = ToUpperAscii(c);
        if (MayGrow(a_) && (mode_ == kSplitBase || CanHoldBase())) Step(p + 1);
        --a_.length;
        Append(b_, c);
        marked_[p] = c;
        if (MayGrow(b_) && (mode_ == kSplitBase || CanHoldBase())) Step(p + 1);
        --b_.length;
    }

    bool IsWord(const Part& part) const { return trie_.Slot(part.Node()) != 0; }
    bool IsBase(const Part& part) const { return part.length == baseLength_ && part.BeginsBase(); }

    // `first` followed by `second` spells the whole.
    bool Spells(const Part& first, const Part& second) const {
        return std::memcmp(whole_, first.letters, first.length) == 0 &&
               std::memcmp(whole_ + first.length, second.letters, second.length) == 0;
    }

    void Leaf() {
        if (a_.length < 2 || b_.length < 2) return;
        if (mode_ == kSplitBase) {
            if (!IsWord(a_) || !IsWord(b_) || Spells(b_, a_)) return;
            Print();
            CountResult(run_);
        } else {
            if (!((IsBase(a_) && IsWord(b_)) || (IsBase(b_) && IsWord(a_)))) return;
            CountResult(run_);
            if (Spells(b_, a_) || Spells(a_, b_)) return;
            Print();
        }
    }

    void Print() {
        char first[kScratchLength], second[kScratchLength];
        CopyMarked(first, b_.letters, b_.length, 0, 0);
        CopyMarked(second, a_.letters, a_.length, 0, a_.length);
        PrintComposition(run_.out, first, second, marked_);
    }

    CercaRun& run_;
    const WordTrie& trie_;
    const Mode mode_;
    const char* base_;
    int baseLength_;
    bool baseIsWord_;
    const char* whole_ = "";
    int length_ = 0;
    Part a_, b_;
    char marked_[kScratchLength] = {};
};

}  // namespace

void SplitBase(CercaRun& run) {
    const std::string& base = run.cerca.BaseWord;
    const int n = static_cast<int>(base.size());
    if (n < 4 || n > kMaxCompositionBase) return;
    SplitInterleave split(run, SplitInterleave::kSplitBase);
    split.Run(base.c_str(), n);
}

// The base is one of the parts: its letters appear in the whole in its order.
bool HoldsInOrder(const char* whole, const char* base) {
    for (; *whole != '\0' && *base != '\0'; ++whole)
        if (*whole == *base) ++base;
    return *base == '\0';
}

// A whole holds the base and another word of two letters or more, so only
// classes with every letter of the base and two letters more can qualify,
// and only their words that hold the base's letters in its order.
void ContainingBase(CercaRun& run) {
    const std::string& base = run.cerca.BaseWord;
    const int n = static_cast<int>(base.size());
    if (n > kMaxWordLength - 2) return;
    const LetterCount letters = ComputeLetterCount(base);
    int needed[26], neededCount = 0;
    for (int k = 0; k < 26; ++k)
        if (letters.counts[k] != 0) needed[neededCount++] = k;
    SplitInterleave split(run, SplitInterleave::kContainingBase);
    const Dictionary& dict = run.dict;
    for (int32_t c = 0; c < dict.ClassCount; ++c) {
        if (run.state.Stopping()) return;
        const AnagramClass& cls = dict.Classes[c];
        if (cls.letters.total < n + 2) continue;
        bool holdsBase = true;
        for (int i = 0; i < neededCount && holdsBase; ++i)
            holdsBase = cls.letters.counts[needed[i]] >= letters.counts[needed[i]];
        if (!holdsBase) continue;
        dict.ForEachWordOfClass(cls, [&](const char* word) {
            if (HoldsInOrder(word, base.c_str())) split.Run(word, cls.letters.total);
        });
    }
}

void SearchInterleaves(CercaRun& run) {
    SplitBase(run);
    run.out.PrintSeparator();
    ContainingBase(run);
}

}  // namespace sillabor
