// Antipodi and cambi d'antipodo over the whole dictionary, and random pairs of anagrams.

#include <cstring>

#include "trova/trova_generators.h"
#include "trova/trova_run.h"
#include "trova/word_scan.h"

namespace sillabor {

void Antipodi(TrovaRun& run, int mode) {
    const TrovaParams& p = run.params();
    run.PrintTitle(mode == kKeepInitial ? "Antipodi iniziali" : "Antipodi finali");
    char candidate[kTrovaWordRoom];
    // Alphabetical and complete, so that each pair is listed once, from its first word.
    WordScan scan = WordScan::Sequential(run.dict.WordCount);
    for (int32_t slot = scan.Next(); slot != 0; slot = scan.Next()) {
        if (run.state.Stopping()) return;
        scan.PrefetchAhead(run.dict);
        const char* w = run.dict.Words[slot];
        const int length = static_cast<int>(std::strlen(w));
        if (length < p.MinLength || length > p.MaxLength || length < 3) continue;
        const int fixed = mode == kKeepInitial ? 0 : length - 1;
        if (!p.AnyLetter && w[fixed] != p.Letter1) continue;
        // The letters that turn round: all but the fixed one.
        const int first = mode == kKeepInitial ? 1 : 0;
        const int last = first + length - 2;
        candidate[fixed] = w[fixed];
        for (int i = 0; i <= last - first; ++i) candidate[first + i] = w[last - i];
        candidate[length] = '\0';
        const int32_t found = run.FindWord(candidate);
        if (found == 0 || found < slot) continue;
        run.PrintPair(w, {fixed}, candidate, {fixed});
    }
}

void CambiAntipodo(TrovaRun& run) {
    const TrovaParams& p = run.params();
    if (p.AnyLetter)
        run.PrintTitle("Cambio di Antipodo (Lung. %d - %d)", p.MinLength, p.MaxLength);
    else
        run.PrintTitle("Cambio di Antipodo [%c <-> %c] (Lung. %d - %d)", ToUpperAscii(p.Letter1), ToUpperAscii(p.Letter2),
                       p.MinLength, p.MaxLength);
    char candidate[kTrovaWordRoom];
    run.trova.tails.Prepare(run.dict);
    WordScan scan = WordScan::ForLetterGame(run.dict.WordCount, p);
    for (int32_t slot = scan.Next(); slot != 0; slot = scan.Next()) {
        if (run.Done(10000)) return;
        scan.PrefetchAhead(run.dict);
        const char* w = run.dict.Words[slot];
        const int length = static_cast<int>(std::strlen(w));
        if (length < p.MinLength || length > p.MaxLength) continue;
        if (!p.AnyLetter && w[0] != p.Letter1) continue;
        for (int i = 1; i < length; ++i) candidate[i] = w[length - i];
        candidate[length] = '\0';
        // The candidates differ from one another in their first letter alone: the
        // words whose other letters are the reversed tail.
        uint32_t firstLetters = 0;
        run.trova.tails.ForEachWithKey(candidate + 1, [&](int32_t other) {
            const char c = run.dict.Words[other][0];
            if (c >= 'a' && c <= 'z') firstLetters |= 1u << (c - 'a');
        });
        for (char c = 'a'; c <= 'z' && firstLetters != 0; ++c) {
            if (c == w[0] || (!p.AnyLetter && c != p.Letter2) || (firstLetters & (1u << (c - 'a'))) == 0) continue;
            run.PrintResult("%c-%s <-> %c-%s", ToUpperAscii(w[0]), w + 1, ToUpperAscii(c), candidate + 1);
        }
    }
}

void RandomAnagrams(TrovaRun& run) {
    run.PrintTitle("Anagrammi (a caso)");
    const Dictionary& dict = run.dict;
    if (dict.ClassCount <= 0) return;
    const char* members[256];
    while (!run.Done(1000)) {
        const AnagramClass& cls = dict.Classes[run.random.Below(dict.ClassCount)];
        int m = 0;
        dict.ForEachWordOfClass(cls, [&](const char* word) { members[m++] = word; });
        if (m < 2) continue;
        int a, b;
        do {
            a = run.random.Below(m);
            b = run.random.Below(m);
        } while (a == b);
        run.PrintResult("%s <-> %s", members[a], members[b]);
    }
}

}  // namespace sillabor
