#include "cerca/cerca_request.h"

#include <utility>

#include "cerca/base_word.h"

namespace sillabor {

const char* const kCercaCategoryCaptions[kCercaCategoryItems] = {
    "zeppe, scarti, (s)cambi, metatesi, anagr.",
    "sciarade, sciarade incatenate",
    "intarsi, incastri e sciarade alterne",
    "lucchetti e cerniere",
    "parole incluse +",
    "paroliere\xAE",
    "consonando",
    "sizigie",
};

Checked<CercaRequest> CheckCercaRequest(const CercaRequest& typed) {
    CercaRequest request = typed;
    const int c = request.category;
    request.reuseLetters = request.gridMode == kGridSolve && typed.reuseLetters;
    NormalisedBase base = NormaliseBaseText(typed.base, c);
    request.jokers = base.jokers;

    if (base.jokers > 2) return Refusal{{"Sono ammessi al massimo due Jolly "}};
    if (base.jokers > 0 && c == kCercaGrid && (request.reuseLetters || request.gridMode != kGridSolve))
        return Refusal{{"I Jolly e le opzioni <Riuso> o <Disponi> sono incompatibili"}};
    if (base.jokers > 0 && c != kCercaIncluded && c != kCercaGrid && c != kCercaConsonando)
        return Refusal{{"I Jolly (*) non sono ammessi in questa ricerca"}};
    if (base.text.empty()) return Refusal{};
    request.base = std::move(base.text);
    return request;
}

CercaLook CercaPageLook(const CercaRequest& request) {
    const int c = request.category;
    const bool solving = request.gridMode == kGridSolve;
    CercaLook look;
    look.gridOptionsVisible = c == kCercaGrid;
    look.reuseEnabled = solving;
    look.baseMaxLength = (c == kCercaIncluded || c == kCercaGrid) ? 300 : 80;

    if (c == kCercaIncluded || (c == kCercaGrid && solving && !request.reuseLetters))
        look.hint = "Jolly = asterisco (max 2). Gruppi di lettere con [], es. [qu]";
    else if (c == kCercaGrid)
        look.hint = "Gruppi di lettere con [], es. [qu]";
    else if (c == kCercaConsonando)
        look.hint = "Jolly = asterisco (max 2)";
    else if (c == kCercaSizigie)
        look.hint = "inserisci due o tre parole separate da spazi";
    return look;
}

std::vector<std::string> CercaHelpKeys(int category) {
    std::vector<std::string> keys{"CERCA" + std::to_string(category)};
    if (category >= kCercaEdits && category <= kCercaPadlocks) keys.push_back("SpiegaGiochi");
    return keys;
}

}  // namespace sillabor
