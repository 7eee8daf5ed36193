// Scambi, cambi, scarti, metatesi and bifronti con scarto over the whole dictionary.

#include <cstring>

#include "trova/trova_generators.h"
#include "trova/trova_run.h"
#include "trova/word_anagrams.h"
#include "trova/word_scan.h"

namespace sillabor {

namespace {

constexpr int32_t kCapWithLetters = 10000;

// `length` letters of `word` into `out`, with a NUL.
void CopyWord(char* out, const char* word, int length) {
    std::memcpy(out, word, static_cast<size_t>(length));
    out[length] = '\0';
}

// Visits the words of the length range in the order of the letter games, until
// the cap or a stop; `keep` can pass a word over by its slot alone, before its
// letters are read. `visit` gets each word, its length and its slot.
template <typename Keep, typename Visit>
void ForEachWordInRange(TrovaRun& run, int32_t cap, Keep&& keep, Visit&& visit) {
    const TrovaParams& p = run.params();
    WordScan scan = WordScan::ForLetterGame(run.dict.WordCount, p);
    for (int32_t slot = scan.Next(); slot != 0; slot = scan.Next()) {
        if (run.Done(cap)) return;
        if (!keep(slot)) continue;
        scan.PrefetchAhead(run.dict);
        const char* word = run.dict.Words[slot];
        const int length = static_cast<int>(std::strlen(word));
        if (length < p.MinLength || length > p.MaxLength) continue;
        visit(word, length, slot);
    }
}

const auto kEveryWord = [](int32_t) { return true; };

// "Game (lung. min - max)"; with letters given "Game  A <-> B (lung. min - max)"
// for the two-letter games and "Game  [A] (lung. min - max)" for the others.
void PrintLengthsTitle(TrovaRun& run, const char* game, bool twoLetters) {
    const TrovaParams& p = run.params();
    if (p.AnyLetter)
        run.PrintTitle("%s (lung. %d - %d)", game, p.MinLength, p.MaxLength);
    else if (twoLetters)
        run.PrintTitle("%s  %c <-> %c (lung. %d - %d)", game, ToUpperAscii(p.Letter1), ToUpperAscii(p.Letter2), p.MinLength,
                       p.MaxLength);
    else
        run.PrintTitle("%s  [%c] (lung. %d - %d)", game, ToUpperAscii(p.Letter1), p.MinLength, p.MaxLength);
}

}  // namespace

void Scambi(TrovaRun& run) {
    const TrovaParams& p = run.params();
    PrintLengthsTitle(run, "Scambi", true);
    char candidate[kTrovaWordRoom];
    WordClasses& classes = run.trova.classes;
    classes.Prepare(run.dict);
    WordAnagrams anagrams;
    auto hasAnagrams = [&](int32_t slot) { return classes.ClassWithAnagrams(slot) >= 0; };
    ForEachWordInRange(
        run, p.AnyLetter ? 1000 : kCapWithLetters, hasAnagrams, [&](const char* word, int length, int32_t slot) {
            if (!p.AnyLetter &&
                (std::memchr(word, p.Letter1, length) == nullptr || std::memchr(word, p.Letter2, length) == nullptr))
                return;
            anagrams.Collect(run.dict, classes.ClassWithAnagrams(slot), word, length);
            for (int i = 0; i < length - 1; ++i) {
                for (int j = i + 1; j < length; ++j) {
                    const char a = word[i], b = word[j];
                    if (a == b) continue;
                    if (!p.AnyLetter && !((a == p.Letter1 && b == p.Letter2) || (a == p.Letter2 && b == p.Letter1)))
                        continue;
                    if (!anagrams.IsExchange(i, j)) continue;
                    CopyWord(candidate, word, length);
                    candidate[i] = b;
                    candidate[j] = a;
                    run.PrintPair(word, {i, j}, candidate, {i, j});
                }
            }
        });
}

void Cambi(TrovaRun& run) {
    const TrovaParams& p = run.params();
    PrintLengthsTitle(run, "Cambi", true);
    char candidate[kTrovaWordRoom];
    ForEachWordInRange(run, p.AnyLetter ? 2000 : kCapWithLetters, kEveryWord,
                       [&](const char* word, int length, int32_t) {
                           const int positions = p.ChangeLast ? length : length - 1;
                           // With letters given, most words have none to change.
                           if (!p.AnyLetter && std::memchr(word, p.Letter1, static_cast<size_t>(positions)) == nullptr)
                               return;
                           CopyWord(candidate, word, length);
                           for (int at = 0; at < positions; ++at) {
                               const char was = word[at];
                               if (!p.AnyLetter && was != p.Letter1) continue;
                               for (char c = p.AnyLetter ? 'a' : p.Letter2; c <= (p.AnyLetter ? 'z' : p.Letter2); ++c) {
                                   if (c == was) continue;
                                   candidate[at] = c;
                                   if (run.FindWord(candidate) != 0) run.PrintPair(word, {at}, candidate, {at});
                               }
                               candidate[at] = was;
                           }
                       });
}

void Scarti(TrovaRun& run) {
    const TrovaParams& p = run.params();
    PrintLengthsTitle(run, "Scarti", false);
    char candidate[kTrovaWordRoom];
    ForEachWordInRange(run, p.AnyLetter ? 1000 : kCapWithLetters, kEveryWord,
                       [&](const char* word, int length, int32_t) {
                           for (int at = 0; at < length; ++at) {
                               if (!p.AnyLetter && word[at] != p.Letter1) continue;
                               std::memcpy(candidate, word, static_cast<size_t>(at));
                               CopyWord(candidate + at, word + at + 1, length - at - 1);
                               if (run.FindWord(candidate) != 0) run.PrintPair(word, {at}, candidate, {});
                           }
                       });
}

void Metatesi(TrovaRun& run) {
    const TrovaParams& p = run.params();
    PrintLengthsTitle(run, "Metatesi", false);
    char rest[kTrovaWordRoom], candidate[kTrovaWordRoom];
    WordClasses& classes = run.trova.classes;
    classes.Prepare(run.dict);
    WordAnagrams anagrams;
    auto hasAnagrams = [&](int32_t slot) { return classes.ClassWithAnagrams(slot) >= 0; };
    ForEachWordInRange(run, p.AnyLetter ? 5000 : kCapWithLetters, hasAnagrams,
                       [&](const char* word, int length, int32_t slot) {
                           if (!p.AnyLetter && std::memchr(word, p.Letter1, length) == nullptr) return;
                           anagrams.Collect(run.dict, classes.ClassWithAnagrams(slot), word, length);
                           for (int from = 0; from < length; ++from) {
                               const char moved = word[from];
                               if (!p.AnyLetter && moved != p.Letter1) continue;
                               std::memcpy(rest, word, static_cast<size_t>(from));
                               CopyWord(rest + from, word + from + 1, length - from - 1);
                               for (int to = 0; to < length; ++to) {
                                   // The move changes the letters between its two ends alone.
                                   const int lo = from < to ? from : to, hi = from < to ? to : from;
                                   if (!anagrams.AnyDifferingWithin(lo, hi)) continue;
                                   std::memcpy(candidate, rest, static_cast<size_t>(to));
                                   candidate[to] = moved;
                                   CopyWord(candidate + to + 1, rest + to, length - 1 - to);
                                   if (!anagrams.ContainsChangedWithin(candidate, lo, hi)) continue;
                                   run.PrintPair(word, {from}, candidate, {to});
                               }
                           }
                       });
}

void BifrontiConScarto(TrovaRun& run, int mode) {
    const TrovaParams& p = run.params();
    char letters[16] = " ";
    if (!p.AnyLetter) {
        if (mode == kDropBoth)
            std::snprintf(letters, sizeof letters, " [%c e %c] ", ToUpperAscii(p.Letter1), ToUpperAscii(p.Letter2));
        else
            std::snprintf(letters, sizeof letters, " [%c] ", ToUpperAscii(p.Letter1));
    }
    const char* ends = mode == kDropInitial ? "iniziale" : mode == kDropFinal ? "finale" : "iniziale e finale";
    run.PrintTitle("Bifronti con scarto%s%s (lungh. %d - %d)", letters, ends, p.MinLength, p.MaxLength);
    const bool dropFirst = mode != kDropFinal;
    const bool dropLast = mode != kDropInitial;
    char candidate[kTrovaWordRoom];
    ForEachWordInRange(run, 5000, kEveryWord, [&](const char* word, int length, int32_t) {
        if (!p.AnyLetter) {
            if (mode == kDropFinal ? word[length - 1] != p.Letter1 : word[0] != p.Letter1) return;
            if (mode == kDropBoth && word[length - 1] != p.Letter2) return;
        }
        const int first = dropFirst ? 1 : 0;
        const int last = dropLast ? length - 2 : length - 1;
        if (last < first) return;
        int n = 0;
        for (int i = last; i >= first; --i) candidate[n++] = word[i];
        candidate[n] = '\0';
        if (run.FindWord(candidate) == 0) return;
        if (mode == kDropInitial)
            run.PrintPair(word, {0}, candidate, {});
        else if (mode == kDropFinal)
            run.PrintPair(word, {length - 1}, candidate, {});
        else
            run.PrintPair(word, {0, length - 1}, candidate, {});
    });
}

}  // namespace sillabor
