#include "cerca/category0.h"
#include "base/letter_case.h"

#include <cstdio>
#include <cstring>

#include "cerca/cerca_run.h"

namespace sillabor {

namespace {

constexpr int32_t kResultCap = 5000;

// Room for any dictionary word plus one letter, a NUL and a spare byte.
// Candidates longer than a dictionary word are never looked up, so the base
// and its edited copies always fit.
constexpr int kScratch = kMaxWordLength + 3;

// Prints one result line and counts it; true when the generator must return.
bool PrintResult(CercaRun& run, const char* format, const char* first, const char* second) {
    run.out.PrintFormatted(format, first, second);
    return run.state.FoundCount.fetch_add(1, std::memory_order_relaxed) > kResultCap;
}

void Mark(char* word, int position) { word[position] = ToUpperAscii(word[position]); }

// `word` with `position` marked, into `marked`.
void CopyMarked(char* marked, const char* word, int length, int position) {
    std::memcpy(marked, word, length + 1);
    Mark(marked, position);
}

// `length` letters of `word` with `letter` inserted at `position`, into `out`.
void InsertLetter(char* out, const char* word, int length, int position, char letter) {
    std::memcpy(out, word, position);
    out[position] = letter;
    std::memcpy(out + position + 1, word + position, length - position);
    out[length + 1] = '\0';
}

}  // namespace

void Anagramma(CercaRun& run) {
    const Dictionary& dict = run.dict;
    const std::string& base = run.cerca.BaseWord;
    const int n = static_cast<int>(base.size());
    if (n > kMaxWordLength) return;  // also keeps the letter counts from wrapping
    const LetterCount letters = ComputeLetterCount(base);
    for (int32_t k = 0; k < dict.ClassCount; ++k) {
        if (run.state.Stopping()) return;
        const AnagramClass& cls = dict.Classes[k];
        if (cls.letters.total != n || CompareLetterCounts(cls.letters, letters) != 0) continue;
        bool capped = false;
        dict.ForEachWordOfClass(cls, [&](const char* word) {
            if (capped || base == word) return;
            capped = PrintResult(run, "Anagramma: %s -> %s", base.c_str(), word);
        });
        if (capped) return;
    }
}

void Scambio(CercaRun& run) {
    const std::string& base = run.cerca.BaseWord;
    const int n = static_cast<int>(base.size());
    if (n > kMaxWordLength) return;
    char word[kScratch], markedBase[kScratch];
    std::memcpy(word, base.c_str(), n + 1);
    for (int j = 1; j < n; ++j) {
        for (int i = 0; i < j; ++i) {
            if (base[i] == base[j]) continue;
            word[i] = base[j];
            word[j] = base[i];
            if (run.dict.FindWord(word) != 0) {
                CopyMarked(markedBase, base.c_str(), n, i);
                Mark(markedBase, j);
                Mark(word, i);
                Mark(word, j);
                if (PrintResult(run, "Scambio: %s <-> %s", markedBase, word)) return;
            }
            word[i] = base[i];
            word[j] = base[j];
        }
    }
}

void Metatesi(CercaRun& run) {
    const std::string& base = run.cerca.BaseWord;
    const int n = static_cast<int>(base.size());
    if (n > kMaxWordLength) return;
    char rest[kScratch], word[kScratch], markedBase[kScratch];
    for (int i = 0; i < n; ++i) {
        std::memcpy(rest, base.c_str(), i);
        std::memcpy(rest + i, base.c_str() + i + 1, n - i);  // with the NUL
        for (int k = 0; k < n; ++k) {
            InsertLetter(word, rest, n - 1, k, base[i]);
            if (base == word || run.dict.FindWord(word) == 0) continue;
            CopyMarked(markedBase, base.c_str(), n, i);
            Mark(word, k);
            if (PrintResult(run, "Metatesi: %s <-> %s", markedBase, word)) return;
        }
    }
}

void Scarto(CercaRun& run) {
    const std::string& base = run.cerca.BaseWord;
    const int n = static_cast<int>(base.size());
    if (n - 1 > kMaxWordLength) return;
    char word[kScratch], markedBase[kScratch];
    for (int i = 0; i < n; ++i) {
        std::memcpy(word, base.c_str(), i);
        std::memcpy(word + i, base.c_str() + i + 1, n - i);  // with the NUL
        if (run.dict.FindWord(word) == 0) continue;
        CopyMarked(markedBase, base.c_str(), n, i);
        if (PrintResult(run, "Scarto: %s -> %s", markedBase, word)) return;
    }
}

void Aggiunta(CercaRun& run) {
    const std::string& base = run.cerca.BaseWord;
    const int n = static_cast<int>(base.size());
    if (n + 1 > kMaxWordLength) return;
    char word[kScratch];
    for (int p = 0; p <= n; ++p) {
        for (char ch = 'a'; ch <= 'z'; ++ch) {
            InsertLetter(word, base.c_str(), n, p, ch);
            if (run.dict.FindWord(word) == 0) continue;
            Mark(word, p);
            if (PrintResult(run, "Aggiunta: %s -> %s", base.c_str(), word)) return;
        }
    }
}

void Cambio(CercaRun& run) {
    const std::string& base = run.cerca.BaseWord;
    const int n = static_cast<int>(base.size());
    if (n > kMaxWordLength) return;
    char word[kScratch], markedBase[kScratch];
    std::memcpy(word, base.c_str(), n + 1);
    for (int i = 0; i < n; ++i) {
        for (char ch = 'a'; ch <= 'z'; ++ch) {
            if (run.state.Stopping()) return;
            if (ch == base[i]) continue;
            word[i] = ch;
            if (run.dict.FindWord(word) != 0) {
                CopyMarked(markedBase, base.c_str(), n, i);
                Mark(word, i);
                if (PrintResult(run, "Cambio: %s -> %s", markedBase, word)) return;
            }
        }
        word[i] = base[i];
    }
}

void SearchEdits(CercaRun& run) {
    Anagramma(run);
    run.out.PrintSeparator();
    Scambio(run);
    run.out.PrintSeparator();
    Metatesi(run);
    run.out.PrintSeparator();
    Scarto(run);
    run.out.PrintSeparator();
    Aggiunta(run);
    run.out.PrintSeparator();
    Cambio(run);
}

}  // namespace sillabor
