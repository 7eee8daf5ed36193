#pragma once
// The "Trova" page's rules: which sub-options exist, how the page looks for
// the chosen game, and the checks of the length range and the letters.

#include <string>

#include "trova/trova_state.h"

namespace sillabor {

class Output;

// The items of CreaQuale, in order.
extern const char* const kCreaQualeCaptions[kCreaQualeItems];

// An item of CreaQuale or one of the six buttons.
bool IsTrovaSubOption(int option);
// The games that change one letter into another: scambi, cambi, cambi
// d'antipodo and bifronti with both ends dropped.
bool IsTwoLetterGame(int option);

// What the page shows for its controls' values.
struct TrovaLook {
    bool ancheFinaleVisible = false;
    bool cambioDaVisible = false;
    // CambioA and Freccia.
    bool cambioAVisible = false;
    const char* freccia = "<=>";
    const char* tuttiCambiCaption = "Lettera :";
};
TrovaLook TrovaPageLook(const TrovaControls& controls);

// The integer a length field holds, or -666 when it holds no number.
int ParseLength(const std::string& text);

// Checks the page's length range and, when TuttiCambi is checked, its letters
// for the game of CreaQuale item `option`, and stores them in `params`. A
// refusal prints the page's message and returns false, leaving `params` as
// the last accepted run set it.
bool ReadLengthsAndLetters(const TrovaControls& controls, int option, TrovaParams& params, Output& out);

}  // namespace sillabor
