#include "anagr/anagr_request.h"

#include <algorithm>

#include "dictionary/letter_count.h"

namespace sillabor {

namespace {

// The lengths of a schema: numbers separated by anything else, each a word
// of that length, adding up to the letters to place.
std::vector<std::string> ReadSchema(std::string text, int lettersToPlace, std::vector<int32_t>& lengths) {
    for (char& c : text)
        if (c < '0' || c > '9') c = ' ';
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        int64_t value = 0;
        while (i < text.size() && text[i] != ' ') {
            value = std::min<int64_t>(value * 10 + (text[i] - '0'), 1000);
            ++i;
        }
        if (lengths.size() == kMaxSchemaWords) return {"Al massimo 8 parole nello schema !"};
        if (value == 0) return {"Le parole non possono essere lunghe 0 caratteri!"};
        lengths.push_back(static_cast<int32_t>(value));
    }
    if (lengths.empty()) return {"Schema fornito non valido (es.: 2 5 6)"};
    int64_t sum = 0;
    for (int32_t length : lengths) sum += length;
    if (sum != lettersToPlace)
        return {"La somma dei numeri nello schema deve essere uguale", "al numero di caratteri da anagrammare !!"};
    return {};
}

}  // namespace

Checked<CheckedAnagr> CheckAnagrRequest(const AnagrRequest& request) {
    CheckedAnagr checked{request, {}, {}};
    if (request.filterHow != kFilterNone) {
        std::vector<std::string> refusal = CompileWordFilter(request.filters, checked.filter);
        if (!refusal.empty()) return Refusal{std::move(refusal)};
    }
    // A fixed part that does not fit, or leaves no letter, leaves nothing to search.
    const LetterCount phrase = ComputeLetterCount(request.phrase);
    const LetterCount fixed = ComputeLetterCount(request.fixedPart);
    if (!LetterCountFits(fixed, phrase) || phrase.total == fixed.total) return checked;
    const int toPlace = phrase.total - fixed.total;
    if (request.useSchema && toPlace < kLongPhraseLetters) {
        std::vector<std::string> refusal = ReadSchema(request.schema, toPlace, checked.schemaLengths);
        if (!refusal.empty()) return Refusal{std::move(refusal)};
    }
    return checked;
}

}  // namespace sillabor
