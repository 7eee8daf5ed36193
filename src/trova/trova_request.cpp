#include "trova/trova_request.h"
#include "base/letter_case.h"

namespace sillabor {

const char* const kTrovaListCaptions[kTrovaListGames] = {
    "scambi", "cambi",          "antipodo in.",    "antipodo fin.",   "metatesi",
    "scarti", "cambi d'antip.", "bifr.scarto in.", "bifr.scarto fi.", "bifr.sc.in.fin.",
};

bool IsTrovaSubOption(int option) {
    return (option >= 0 && option < kTrovaListGames) || (option >= kTrovaFirstButton && option <= kTrovaLastButton);
}

bool IsTwoLetterGame(int option) {
    return option == kTrovaScambi || option == kTrovaCambi || option == kTrovaCambiAntipodo ||
           option == kTrovaBifrontiEntrambe;
}

TrovaLook TrovaPageLook(int game, bool lettersGiven) {
    const bool twoLetters = IsTwoLetterGame(game);
    TrovaLook look;
    look.ancheFinaleVisible = game == kTrovaCambi;
    look.cambioDaVisible = lettersGiven;
    look.cambioAVisible = twoLetters && lettersGiven;
    look.freccia = game == kTrovaBifrontiEntrambe ? " e " : "<=>";
    look.tuttiCambiCaption = twoLetters ? "Lettere :" : "Lettera :";
    return look;
}

int ParseLength(const std::string& text) {
    size_t at = 0, end = text.size();
    while (at < end && text[at] == ' ') ++at;
    while (end > at && text[end - 1] == ' ') --end;
    bool negative = false;
    if (at < end && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
    if (at == end || end - at > 9) return kNotANumber;
    int value = 0;
    for (; at < end; ++at) {
        if (text[at] < '0' || text[at] > '9') return kNotANumber;
        value = value * 10 + (text[at] - '0');
    }
    return negative ? -value : value;
}

char TrovaLetter(const std::string& field) {
    if (field.empty()) return '\0';
    return ToLowerAscii(field[0]);
}

namespace {

bool IsLetter(char c) { return c >= 'a' && c <= 'z'; }

}  // namespace

Checked<TrovaRequest> CheckTrovaRequest(const TrovaRequest& request) {
    if (request.game >= kTrovaListGames) return request;
    if (request.minLength < 0 || request.minLength > kTrovaLongestLength)
        return Refusal{{"La lunghezza minima deve essere tra 0 e 40"}};
    if (request.maxLength < 0 || request.maxLength > kTrovaLongestLength || request.maxLength < request.minLength)
        return Refusal{{"La lunghezza massima deve essere tra 0 e 40", "e deve essere maggiore o uguale alla minima"}};
    if (!request.lettersGiven) return request;
    if (!IsTwoLetterGame(request.game)) {
        if (!IsLetter(request.letter1))
            return Refusal{{"Devi specificare correttamente la lettera", "sulla quale e' basato il gioco"}};
        return request;
    }
    const bool sameAllowed = request.game == kTrovaBifrontiEntrambe;
    if (!IsLetter(request.letter1) || !IsLetter(request.letter2) || (request.letter1 == request.letter2 && !sameAllowed))
        return Refusal{{"Devi specificare correttamente le 2 lettere (diverse)", "sulle quali e' basato il gioco"}};
    return request;
}

}  // namespace sillabor
