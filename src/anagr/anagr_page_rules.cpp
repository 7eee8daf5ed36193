#include "anagr/anagr_page_rules.h"

namespace sillabor {

int CapPhrase(std::string& phrase) {
    LetterCount lc = ComputeLetterCount(phrase);
    while (lc.total > kMaxPhraseLetters && !phrase.empty()) {
        phrase.pop_back();
        lc = ComputeLetterCount(phrase);
    }
    return lc.total;
}

std::string FixedPartCaption(const std::string& fixedPart) {
    int total = ComputeLetterCount(fixedPart).total;
    return total == 0 ? " " : "- " + std::to_string(total);
}

AnagrPageView AnagramVisibility(const AnagrControls& page) {
    AnagrPageView v;
    LetterCount phrase = ComputeLetterCount(page.Frase);
    LetterCount fixed = ComputeLetterCount(page.Fissa);
    v.phraseLetters = phrase.total;
    v.fixedLetters = fixed.total;
    v.fits = LetterCountFits(fixed, phrase);
    v.longPhrase = phrase.total - fixed.total >= kLongPhraseLetters;
    v.startEnabled = phrase.total != fixed.total && v.fits;
    v.showCounts = v.fits;
    v.showWordCounts = !page.SchemaBx && !v.longPhrase;
    v.showMinLength = !page.SchemaBx;
    v.showSchemaAndShuffle = !v.longPhrase;
    v.showSchemaField = page.SchemaBx && !v.longPhrase;
    return v;
}

void ParoMinChanged(AnagrControls& page) {
    if (page.MinWords > page.MaxWords) page.MaxWords = page.MinWords;
}

void ParoMaxChanged(AnagrControls& page) {
    if (page.MaxWords < page.MinWords) page.MinWords = page.MaxWords;
}

}  // namespace sillabor
