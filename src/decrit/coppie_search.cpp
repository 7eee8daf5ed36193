#include "decrit/coppie_search.h"
#include "base/letter_case.h"

#include <cstdio>

namespace sillabor {

int CoppieSearch(DecritRun& run, const CipherBoxes& boxes) {
    run.state.StatusMode = kStatusInfoClasses;
    char image[kAlphabetSize];
    for (int i = 0; i < kAlphabetSize; ++i) {
        const char box = boxes[static_cast<size_t>(i)];
        image[i] = IsUpperAscii(box) ? ToLowerAscii(box) : '\0';
    }
    const Dictionary& dict = run.dict;
    int32_t pairs = 0;
    bool full = false;
    char enciphered[kLengthSlots + 1];
    for (int32_t c = 0; c < dict.ClassCount && !full && !run.state.Stopping(); ++c) {
        run.state.FoundCount = c;
        dict.ForEachWordOfClass(dict.Classes[c], [&](const char* word) {
            if (full) return;
            size_t n = 0;
            for (; word[n] != '\0'; ++n) {
                const auto letter = static_cast<unsigned>(static_cast<unsigned char>(word[n]) - 'a');
                if (n >= kLengthSlots || letter >= kAlphabetSize || image[letter] == '\0') return;
                enciphered[n] = image[letter];
            }
            enciphered[n] = '\0';
            if (dict.FindWord(enciphered) == 0) return;
            run.out.PrintFormatted("%s -> %s", word, enciphered);
            full = ++pairs > kMaxCoppie;
        });
    }
    run.state.StatusMode = kStatusFoundFemale;
    run.state.FoundCount = pairs;
    return 0;
}

}  // namespace sillabor
