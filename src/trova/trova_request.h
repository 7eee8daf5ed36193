#pragma once
// What a search of the "Trova" page asks for, the page's check of it, and how
// the page looks for the chosen game.

#include <string>

#include "game/search_job.h"
#include "trova/trova_state.h"

namespace sillabor {

// The captions of the page's list of games, in order.
extern const char* const kTrovaListCaptions[kTrovaListGames];

// A game of the list or of one of the six buttons.
bool IsTrovaSubOption(int option);
// The games that change one letter into another: scambi, cambi, cambi
// d'antipodo and bifronti with both ends dropped.
bool IsTwoLetterGame(int option);

// The longest words the length fields accept.
inline constexpr int kTrovaLongestLength = kLengthFieldTop;
// What ParseLength gives for a field that holds no number.
inline constexpr int kNotANumber = -666;

struct TrovaRequest {
    // A game of the list (0-9) or of a button (100-105).
    int game = kTrovaCambi;
    // The length range as its fields read (ParseLength); the buttons' games ignore it.
    int minLength = 3;
    int maxLength = kTrovaLongestLength;
    // Cambi also change the last letter ("Anche Finali").
    bool alsoLast = false;
    // The game is based on the letters below ("Lettera :" / "Lettere :").
    bool lettersGiven = false;
    // The first character of each letter field, capitals lowered (TrovaLetter); NUL when empty.
    char letter1 = 0;
    char letter2 = 0;
};

// The integer a length field holds, or kNotANumber.
int ParseLength(const std::string& text);
// The first character of a letter field, capitals lowered; NUL when empty.
char TrovaLetter(const std::string& field);

// The page's check: the lengths for the games of the list and, when asked
// for, their letters. The buttons' games take neither.
Checked<TrovaRequest> CheckTrovaRequest(const TrovaRequest& request);

// What the page shows for the chosen game and whether letters are asked for.
struct TrovaLook {
    bool ancheFinaleVisible = false;
    bool cambioDaVisible = false;
    // The second letter and the sign between the two.
    bool cambioAVisible = false;
    const char* freccia = "<=>";
    const char* tuttiCambiCaption = "Lettera :";
};
TrovaLook TrovaPageLook(int game, bool lettersGiven);

}  // namespace sillabor
