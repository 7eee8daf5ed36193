#pragma once
// What a search of the "Cerca" page asks for, the page's check of it, what
// the search gives back, and how the page looks for the chosen category.

#include <optional>
#include <string>
#include <vector>

#include "game/search_job.h"

namespace sillabor {

// The categories of the page, in the order of its list.
enum CercaCategory : int {
    kCercaEdits = 0,        // zeppe, scarti, (s)cambi, metatesi, anagrammi
    kCercaCharades = 1,     // sciarade, sciarade incatenate
    kCercaInterleaves = 2,  // intarsi, incastri e sciarade alterne
    kCercaPadlocks = 3,     // lucchetti e cerniere
    kCercaIncluded = 4,     // parole incluse +
    kCercaGrid = 5,         // paroliere
    kCercaConsonando = 6,
    kCercaSizigie = 7,
    kCercaCategoryItems = 8,  // the categories of the list
};

// What the letter grid category does: "risolvi", "disponi", "disp. & ris.".
enum CercaGridMode : int { kGridSolve = 0, kGridArrange = 1, kGridArrangeThenSolve = 2 };

// The captions of the page's categories, Windows-1252.
extern const char* const kCercaCategoryCaptions[kCercaCategoryItems];

struct CercaRequest {
    CercaCategory category = kCercaEdits;
    // As typed, Windows-1252; once checked, the base the category searches.
    std::string base;
    // The grid's options: diagonal neighbours ("Anche diag."), letters used
    // more than once in a word ("Riuso lettere", only while the grid is
    // solved), and what is done with the grid.
    bool diagonals = true;
    bool reuseLetters = false;
    CercaGridMode gridMode = kGridSolve;
    // Set by the check: every '*' typed (kept in the base only for the grid).
    int jokers = 0;
};

// The page's check: the request with its base normalised, the jokers counted
// and the reuse of letters dropped unless the grid is solved; or the refusal
// of the jokers. A refusal without lines: nothing of the base is left to
// search, and the page starts nothing without a word.
Checked<CercaRequest> CheckCercaRequest(const CercaRequest& request);

// What a search gives back to the page.
struct CercaResult {
    // The grid as arranged, for the base field: rows separated by blanks,
    // groups in brackets. None when nothing was arranged.
    std::optional<std::string> arrangedBase;
};

// How the page looks for the chosen category and grid options.
struct CercaLook {
    // The grid's options are shown.
    bool gridOptionsVisible = false;
    // "Riuso lettere" can be ticked (only while the grid is solved).
    bool reuseEnabled = true;
    // The base field's length limit.
    int baseMaxLength = 80;
    // The hint under the base, Windows-1252.
    std::string hint;
};
CercaLook CercaPageLook(const CercaRequest& request);

// The help the page prints for a category: its section, then the games
// explained for categories 0 to 3.
std::vector<std::string> CercaHelpKeys(int category);

}  // namespace sillabor
