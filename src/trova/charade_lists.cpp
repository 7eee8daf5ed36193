// Sciarade, sciarade incatenate and intarsi from words drawn at random.

#include <chrono>
#include <cstring>

#include "trova/trova_generators.h"
#include "trova/trova_run.h"
#include "trova/word_scan.h"

namespace sillabor {

namespace {

constexpr int32_t kCap = 1000;
// Sciarade end by themselves after this long without a new one.
constexpr auto kSciaradeQuiet = std::chrono::milliseconds(2000);

bool IsUsed(const TrovaParams& p, int32_t slot) { return (p.UsedWords[slot >> 6] >> (slot & 63) & 1) != 0; }

void MarkUsed(TrovaParams& p, int32_t slot) { p.UsedWords[slot >> 6] |= uint64_t{1} << (slot & 63); }

// The splits of a word into two words of at least three letters each, none
// used yet, the longest first part first.
void FindSplits(TrovaRun& run, const char* word, int length) {
    TrovaParams& p = run.params();
    p.SplitCount = 0;
    if (length < 6) return;
    char first[kTrovaWordRoom];
    for (int k = length - 3; k >= 3; --k) {
        std::memcpy(first, word, static_cast<size_t>(k));
        first[k] = '\0';
        const int32_t a = run.FindWord(first);
        if (a == 0 || IsUsed(p, a)) continue;
        const int32_t b = run.FindWord(word + k);
        if (b == 0 || IsUsed(p, b)) continue;
        p.SplitFirst[p.SplitCount] = a;
        p.SplitSecond[p.SplitCount] = b;
        ++p.SplitCount;
    }
}

}  // namespace

void Sciarade(TrovaRun& run) {
    using Clock = std::chrono::steady_clock;
    TrovaParams& p = run.params();
    p.UsedWords.assign(static_cast<size_t>(run.dict.WordCount) / 64 + 1, 0);
    auto lastFound = Clock::now();
    run.PrintTitle("Sciarade (un po' scarsine...)");
    while (!run.state.Stopping()) {
        if (Clock::now() - lastFound >= kSciaradeQuiet) return;
        const int32_t slot = RandomPick(run.random, run.dict.WordCount);
        if (slot == 0) return;
        const char* word = run.dict.Words[slot];
        FindSplits(run, word, static_cast<int>(std::strlen(word)));
        if (p.SplitCount == 0) continue;
        const int32_t chosen = run.random.Next() % p.SplitCount;
        const int32_t first = p.SplitFirst[chosen], second = p.SplitSecond[chosen];
        run.PrintResult("%s + %s -> %s", run.dict.Words[first], run.dict.Words[second], word);
        MarkUsed(p, first);
        MarkUsed(p, second);
        lastFound = Clock::now();
        if (run.state.FoundCount.load(std::memory_order_relaxed) >= kCap) return;
    }
}

void SciaradeIncatenate(TrovaRun& run) {
    run.PrintTitle("Sciarade incatenate");
    char first[kTrovaWordRoom], second[kTrovaWordRoom], marked[kTrovaWordRoom];
    while (!run.Done(kCap)) {
        const int32_t slot = RandomPick(run.random, run.dict.WordCount);
        if (slot == 0) return;
        const char* word = run.dict.Words[slot];
        const int length = static_cast<int>(std::strlen(word));
        if (length < 6) continue;
        // The overlap is word[a..b): 1 <= a < b <= length - 1.
        int a, b;
        do {
            a = run.random.Next() % (length - 2) + 1;
            b = run.random.Next() % (length - 2) + 2;
        } while (a >= b);
        std::memcpy(first, word, static_cast<size_t>(b));
        first[b] = '\0';
        if (run.FindWord(first) == 0 || run.FindWord(word + a) == 0) continue;
        std::memcpy(second, word + a, static_cast<size_t>(length - a) + 1);
        std::memcpy(marked, word, static_cast<size_t>(length) + 1);
        for (int i = a; i < b; ++i) {
            MarkAt(first, i);
            MarkAt(second, i - a);
            MarkAt(marked, i);
        }
        run.PrintResult("%s + %s -> %s", first, second, marked);
    }
}

namespace {

// Intarsi: the letters of one word shared between two parts, depth first.
class Interleaver {
public:
    Interleaver(TrovaRun& run, const char* word, int length)
        : run_(run), p_(run.params()), word_(word), length_(length) {}

    // Returns false once the generator must end.
    bool Run() {
        lengthA_ = 0;
        lengthB_ = 1;
        p_.PartB[0] = word_[0];
        std::memcpy(p_.Marked, word_, static_cast<size_t>(length_) + 1);
        return Place(1);
    }

private:
    bool Place(int next) {
        if (run_.Done(kCap)) return false;
        if (next == length_) {
            PrintIfIntarsio();
            return true;
        }
        const char letter = word_[next];
        p_.PartA[lengthA_++] = letter;
        p_.Marked[next] = ToUpperAscii(letter);
        if (run_.dict.FindPrefix(p_.PartA, lengthA_) != 0 && !Place(next + 1)) return false;
        --lengthA_;
        p_.PartB[lengthB_++] = letter;
        p_.Marked[next] = letter;
        if (run_.dict.FindPrefix(p_.PartB, lengthB_) != 0 && !Place(next + 1)) return false;
        --lengthB_;
        return true;
    }

    void PrintIfIntarsio() {
        if (lengthA_ < 3 || lengthB_ < 3) return;
        p_.PartA[lengthA_] = '\0';
        p_.PartB[lengthB_] = '\0';
        if (run_.FindWord(p_.PartA) == 0 || run_.FindWord(p_.PartB) == 0) return;
        // B then A spelling the word is a plain sciarada.
        if (std::memcmp(p_.PartB, word_, static_cast<size_t>(lengthB_)) == 0 &&
            std::memcmp(p_.PartA, word_ + lengthB_, static_cast<size_t>(lengthA_)) == 0)
            return;
        char upperA[kTrovaWordRoom];
        for (int i = 0; i <= lengthA_; ++i) upperA[i] = i < lengthA_ ? ToUpperAscii(p_.PartA[i]) : '\0';
        run_.PrintResult("%s + %s -> %s", p_.PartB, upperA, p_.Marked);
    }

    TrovaRun& run_;
    TrovaParams& p_;
    const char* word_;
    int length_;
    int lengthA_ = 0;
    int lengthB_ = 0;
};

}  // namespace

void Intarsi(TrovaRun& run) {
    run.PrintTitle("Intarsi, incastri, e sciarade alterne");
    while (!run.Done(kCap)) {
        const int32_t slot = RandomPick(run.random, run.dict.WordCount);
        if (slot == 0) return;
        const char* word = run.dict.Words[slot];
        const int length = static_cast<int>(std::strlen(word));
        if (length < 7) continue;
        if (!Interleaver(run, word, length).Run()) return;
    }
}

}  // namespace sillabor
