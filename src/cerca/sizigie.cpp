#include "cerca/sizigie.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cerca/cerca_run.h"

namespace sillabor {

namespace {

constexpr int kListed = 50;
constexpr size_t kMaxBase = 127;
constexpr int kMaxTyped = 3;

// Every stretch of one typed word, as a tree of its letters: walking it from
// each position of a dictionary word gives the longest stretch that starts
// there, in as many steps as that stretch is long. Its letters, pairs and
// triples of letters are also kept as bits, for a quicker test of whether a
// word shares a stretch of one, two or three letters at all.
class Stretches {
public:
    explicit Stretches(const std::string& typed) {
        for (size_t i = 0; i < typed.size(); ++i) {
            int code = 0;
            for (size_t k = 0; k < 3 && i + k < typed.size(); ++k) {
                const int letter = typed[i + k] - 'a';
                if (letter < 0 || letter >= 26) break;
                code = code * 26 + letter;
                Set(shared_[k], code);
            }
        }
        next_.assign(26, -1);
        for (size_t start = 0; start < typed.size(); ++start) {
            int node = 0;
            for (size_t i = start; i < typed.size(); ++i) {
                const int letter = typed[i] - 'a';
                if (letter < 0 || letter >= 26) break;
                int& child = next_[static_cast<size_t>(node) * 26 + letter];
                if (child < 0) {
                    child = static_cast<int>(next_.size() / 26);
                    next_.resize(next_.size() + 26, -1);
                }
                node = next_[static_cast<size_t>(node) * 26 + letter];
            }
        }
    }

    // The longest stretch, or `floor` when none is longer.
    int Longest(const char* word, int length, int floor = 0) const {
        int best = floor;
        for (int start = 0; start + best < length; ++start) {
            int node = 0, run = 0;
            for (int i = start; i < length; ++i) {
                const int letter = word[i] - 'a';
                if (letter < 0 || letter >= 26) break;
                node = next_[static_cast<size_t>(node) * 26 + letter];
                if (node < 0) break;
                ++run;
            }
            if (run > best) best = run;
        }
        return best;
    }

    // Whether the word shares with the typed word a stretch of `k` letters,
    // or, for k above 3, of three: a word that does not cannot have a longer one.
    bool SharesStretch(const char* word, int length, int k) const {
        if (k > 3) k = 3;
        for (int i = 0; i + k <= length; ++i) {
            int code = 0;
            for (int j = 0; j < k; ++j) code = code * 26 + (word[i + j] - 'a');
            if (Test(shared_[k - 1], code)) return true;
        }
        return false;
    }

private:
    static constexpr int kTriples = 26 * 26 * 26;
    using Bits = uint64_t[kTriples / 64 + 1];
    static void Set(Bits& bits, int code) { bits[code >> 6] |= uint64_t{1} << (code & 63); }
    static bool Test(const Bits& bits, int code) {
        return code >= 0 && code < kTriples && (bits[code >> 6] >> (code & 63) & 1u) != 0;
    }

    Bits shared_[3] = {};    // letters, pairs and triples of the typed word
    std::vector<int> next_;  // 26 children per node, -1 for none
};

// The smallest run that gives a word of this length at least the score
// `last`.
int RunToReach(int32_t last, int length) {
    int run = 0;
    while (run * 100 + 50 - length < last) ++run;
    return run;
}

// Higher scores first, equal scores by slot; past the limit the last leaves.
void InsertInSlotOrder(TopTable& top, int32_t slot, int32_t score) {
    int pos = top.TopCount;
    while (pos > 0 && (top.entries[pos - 1].score < score ||
                       (top.entries[pos - 1].score == score && top.entries[pos - 1].item > slot))) {
        top.entries[pos] = top.entries[pos - 1];
        --pos;
    }
    top.entries[pos] = {score, slot};
    if (top.TopCount < top.TopLimit) ++top.TopCount;
}

}  // namespace

int LongestSharedRun(const char* word, const char* typed) {
    return Stretches(typed).Longest(word, static_cast<int>(std::strlen(word)));
}

void Sizigie(CercaRun& run) {
    const std::string& base = run.cerca.BaseWord;
    if (base.size() > kMaxBase) {
        run.out.PrintLine("parole troppo lunghe!");
        return;
    }
    std::vector<std::string> typed;
    for (size_t at = 0; at < base.size() && typed.size() < kMaxTyped;) {
        const size_t end = std::min(base.find(' ', at), base.size());
        if (end > at) typed.push_back(base.substr(at, end - at));
        at = end + 1;
    }
    if (typed.size() < 2) {
        run.out.PrintLine("Devi inserire 2 o 3 parole!");
        return;
    }
    std::string header = "Cerco Sizigie per " + typed[0] + " + " + typed[1] + " ";
    if (typed.size() == 3) header += "+ " + typed[2];
    run.out.PrintLine(header);
    run.out.PrintSeparator();

    std::vector<Stretches> stretches(typed.begin(), typed.end());
    TopTable& top = run.top;
    top.Reset(kListed);
    run.state.StatusMode = kStatusInfoWords;
    const Dictionary& dict = run.dict;
    // The sweep reads the words as they lie in the text, class by class, and
    // keeps the ranking that a sweep in slot order would give: equal scores
    // in slot order. Once the ranking is full, a word enters only with a
    // score at least its last one, and is left as soon as it cannot reach it;
    // only a word that enters is looked up for its slot.
    int32_t examined = 0;
    for (int32_t c = 0; c < dict.ClassCount && !run.state.Stopping(); ++c) {
        const AnagramClass& cls = dict.Classes[c];
        const int length = cls.letters.total;
        const char* word = dict.WordText.get() + cls.Offset();
        for (int k = cls.WordsInClass(); k > 0; --k, word += length + 1) {
            run.state.FoundCount.store(++examined, std::memory_order_relaxed);
            const bool full = top.TopCount == top.TopLimit;
            const int needed = full ? RunToReach(top.entries[top.TopLimit - 1].score, length) : 0;
            if (needed > length) continue;
            bool mayEnter = true;
            for (size_t t = 0; t < stretches.size() && mayEnter && needed > 0; ++t)
                mayEnter = stretches[t].SharesStretch(word, length, needed);
            int smallest = length;
            for (size_t t = 0; t < stretches.size() && mayEnter; ++t) {
                smallest = std::min(smallest, stretches[t].Longest(word, length, needed > 0 ? needed - 1 : 0));
                mayEnter = smallest >= needed;
            }
            if (!mayEnter) continue;
            const int32_t score = smallest * 100 + 50 - length;
            // A tie with the last entry enters only before it in slot order,
            // which is the words' byte order.
            if (full && score == top.entries[top.TopLimit - 1].score &&
                std::strcmp(word, dict.Words[top.entries[top.TopLimit - 1].item]) > 0)
                continue;
            InsertInSlotOrder(top, dict.FindWord(word), score);
        }
    }
    if (run.state.Stopping()) return;

    for (int i = 0; i < top.TopCount && i < kListed; ++i) {
        const char* word = dict.Words[top.entries[i].item];
        const int length = static_cast<int>(std::strlen(word));
        int runs[kMaxTyped] = {};
        for (size_t t = 0; t < stretches.size(); ++t) runs[t] = stretches[t].Longest(word, length);
        const int shown = top.entries[i].score / 100;
        if (typed.size() == 3)
            run.out.PrintFormatted("%2d %s [%d,%d,%d]", shown, word, runs[0], runs[1], runs[2]);
        else
            run.out.PrintFormatted("%2d %s [%d,%d]", shown, word, runs[0], runs[1]);
    }
}

}  // namespace sillabor
