#include "anagr/anagr_page_rules.h"

#include "dictionary/letter_count.h"

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

std::string CandidateCountCaption(int64_t candidateWords) { return "in. " + std::to_string(candidateWords); }

AnagrPageView AnagramVisibility(const AnagrRequest& request) {
    AnagrPageView v;
    LetterCount phrase = ComputeLetterCount(request.phrase);
    LetterCount fixed = ComputeLetterCount(request.fixedPart);
    v.phraseLetters = phrase.total;
    v.fixedLetters = fixed.total;
    v.fits = LetterCountFits(fixed, phrase);
    v.longPhrase = phrase.total - fixed.total >= kLongPhraseLetters;
    v.startEnabled = phrase.total != fixed.total && v.fits;
    v.showCounts = v.fits;
    v.showWordCounts = !request.useSchema && !v.longPhrase;
    v.showMinLength = !request.useSchema;
    v.showSchemaAndShuffle = !v.longPhrase;
    v.showSchemaField = request.useSchema && !v.longPhrase;
    return v;
}

void MinWordsChanged(AnagrRequest& request) {
    if (request.minWords > request.maxWords) request.maxWords = request.minWords;
}

void MaxWordsChanged(AnagrRequest& request) {
    if (request.maxWords < request.minWords) request.minWords = request.maxWords;
}

}  // namespace sillabor
