#include "trova/trova_options.h"

#include "base/output.h"

namespace sillabor {

const char* const kCreaQualeCaptions[kCreaQualeItems] = {
    "scambi", "cambi",          "antipodo in.",    "antipodo fin.",   "metatesi",
    "scarti", "cambi d'antip.", "bifr.scarto in.", "bifr.scarto fi.", "bifr.sc.in.fin.",
};

bool IsTrovaSubOption(int option) {
    return (option >= 0 && option < kCreaQualeItems) || (option >= kTrovaFirstButton && option <= kTrovaLastButton);
}

bool IsTwoLetterGame(int option) {
    return option == kTrovaScambi || option == kTrovaCambi || option == kTrovaCambiAntipodo ||
           option == kTrovaBifrontiEntrambe;
}

TrovaLook TrovaPageLook(const TrovaControls& controls) {
    const bool twoLetters = IsTwoLetterGame(controls.CreaQuale);
    TrovaLook look;
    look.ancheFinaleVisible = controls.CreaQuale == kTrovaCambi;
    look.cambioDaVisible = controls.TuttiCambi;
    look.cambioAVisible = twoLetters && controls.TuttiCambi;
    look.freccia = controls.CreaQuale == kTrovaBifrontiEntrambe ? " e " : "<=>";
    look.tuttiCambiCaption = twoLetters ? "Lettere :" : "Lettera :";
    return look;
}

int ParseLength(const std::string& text) {
    constexpr int kNotANumber = -666;
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

namespace {

constexpr int kLongestLength = 40;

// The first character of a letter field, capitals lowered; NUL when empty.
char LetterOf(const std::string& field) {
    if (field.empty()) return '\0';
    const char c = field[0];
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

bool IsLetter(char c) { return c >= 'a' && c <= 'z'; }

}  // namespace

bool ReadLengthsAndLetters(const TrovaControls& controls, int option, TrovaParams& params, Output& out) {
    const int minLength = ParseLength(controls.EdCrLuMin);
    if (minLength < 0 || minLength > kLongestLength) {
        out.PrintLine("La lunghezza minima deve essere tra 0 e 40");
        return false;
    }
    const int maxLength = ParseLength(controls.EdCrLuMax);
    if (maxLength < 0 || maxLength > kLongestLength || maxLength < minLength) {
        out.PrintLine("La lunghezza massima deve essere tra 0 e 40");
        out.PrintLine("e deve essere maggiore o uguale alla minima");
        return false;
    }
    const bool anyLetter = !controls.TuttiCambi;
    char first = params.Letter1, second = params.Letter2;
    if (!anyLetter) {
        first = LetterOf(controls.CambioDa);
        if (!IsTwoLetterGame(option)) {
            if (!IsLetter(first)) {
                out.PrintLine("Devi specificare correttamente la lettera");
                out.PrintLine("sulla quale e' basato il gioco");
                return false;
            }
        } else {
            second = LetterOf(controls.CambioA);
            const bool sameAllowed = option == kTrovaBifrontiEntrambe;
            if (!IsLetter(first) || !IsLetter(second) || (first == second && !sameAllowed)) {
                out.PrintLine("Devi specificare correttamente le 2 lettere (diverse)");
                out.PrintLine("sulle quali e' basato il gioco");
                return false;
            }
        }
    }
    params.MinLength = minLength;
    params.MaxLength = maxLength;
    params.AnyLetter = anyLetter;
    params.Letter1 = first;
    params.Letter2 = second;
    params.ChangeLast = controls.AncheFinale;
    return true;
}

}  // namespace sillabor
