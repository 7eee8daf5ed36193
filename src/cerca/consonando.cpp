#include "cerca/consonando.h"

#include <cstdio>
#include <string>

#include "cerca/cells.h"
#include "cerca/cerca_run.h"

namespace sillabor {

namespace {

constexpr int kListed = 100;
constexpr int kVowels[] = {'a' - 'a', 'e' - 'a', 'i' - 'a', 'o' - 'a', 'u' - 'a', 'y' - 'a'};
constexpr int kFreeVowels = 10;

int Consonants(const LetterCount& lc) {
    int vowels = 0;
    for (int v : kVowels) vowels += lc.counts[v];
    return lc.total - vowels;
}

// The six values of a score, one decimal digit each below the shown number A.
struct Score {
    int a, b, flag, d, e, f;
    int32_t Packed() const { return (a * 4000 + (9 - b) * 400 + flag * 40 + d * 4) * 25 + e * 10 + f; }
    static Score Unpack(int32_t s) {
        return {s / 100000, 9 - s / 10000 % 10, s / 1000 % 10, s / 100 % 10, s / 10 % 10, s % 10};
    }
};

// B, D, E, F for a complete or near match, by code 100 J + 10 Lf + M; false
// for a code no count of jokers up to two can give.
bool ScoreByCode(int code, int j, int m, Score& s) {
    switch (code) {
        case 0: case 1: case 2: case 10: case 12: case 20: case 100: case 102: case 110: case 200:
            s.b = j, s.d = j, s.e = 0, s.f = 0;
            return true;
        case 11: case 21: case 22:
            s.b = m, s.d = 0, s.e = m, s.f = 0;
            return true;
        case 101: s.b = 1, s.d = 0, s.e = 0, s.f = 1; return true;
        case 111: s.b = 2, s.d = 1, s.e = 1, s.f = 0; return true;
        case 112: s.b = 2, s.d = 0, s.e = 1, s.f = 1; return true;
        case 201: s.b = 2, s.d = 1, s.e = 0, s.f = 1; return true;
        case 202: s.b = 2, s.d = 0, s.e = 0, s.f = 2; return true;
        default: return false;
    }
}

}  // namespace

void Consonando(CercaRun& run) {
    const LetterCount base = ComputeLetterCount(run.cerca.BaseWord);
    const int k = Consonants(base);
    if (k < 1) {
        run.out.PrintLine("Devi specificare almeno una consonante!");
        return;
    }
    LetterCount augmented = base;
    for (int v : kVowels) augmented.counts[v] = static_cast<uint8_t>(augmented.counts[v] + kFreeVowels);
    augmented.total = static_cast<int16_t>(augmented.total + kFreeVowels * 6);
    const int jokers = run.cerca.JokerCount;
    TopTable& top = run.top;
    top.Reset(kListed);

    const Dictionary& dict = run.dict;
    for (int32_t c = 0; c < dict.ClassCount && !run.state.Stopping(); ++c) {
        const LetterCount& letters = dict.Classes[c].letters;
        const int r = CoverLetters(augmented, letters, jokers);
        if (r == 0) continue;
        const int j = r - 1;
        const int left = jokers - j;
        const int consonants = Consonants(letters);
        const int m = k - (consonants - j);
        Score s{letters.total, j, 0, j, 0, 0};
        if (m < 3) {
            s.flag = m <= jokers ? 1 : 0;
            if (s.flag == 1) s.a += consonants;
            if (!ScoreByCode(100 * j + 10 * left + m, j, m, s)) {
                run.out.PrintLine("Qualcosa di errato!");
                continue;
            }
        }
        top.TopInsert(c, s.Packed());
    }

    for (int i = 0; i < top.TopCount && i < kListed; ++i) {
        const Score s = Score::Unpack(top.entries[i].score);
        std::string marks;
        for (int x = 0; x < s.d; ++x) marks += ",+";
        for (int x = 0; x < s.e; ++x) marks += ",-";
        for (int x = 0; x < s.f; ++x) marks += ",C";
        if (!marks.empty()) marks.erase(0, 1);
        const char* word = dict.WordText.get() + dict.Classes[top.entries[i].item].Offset();
        run.out.PrintFormatted("%2d %s%s %s", s.a, word,
                      s.flag == 1 ? " [B] " : " ", marks.c_str());
    }
}

}  // namespace sillabor
