#include "cerca/manage_cat.h"

namespace sillabor {

const char* const kCategoriaItems[kCercaCategoryItems] = {
    "zeppe, scarti, (s)cambi, metatesi, anagr.",
    "sciarade, sciarade incatenate",
    "intarsi, incastri e sciarade alterne",
    "lucchetti e cerniere",
    "parole incluse +",
    "paroliere\xAE",
    "consonando",
    "sizigie",
};

CercaLayout ManageCat(const CercaControls& controls) {
    const int c = controls.Categoria;
    CercaLayout layout;
    layout.gridOptionsVisible = c == kCercaGrid;
    layout.gridMode = controls.RadioParo;
    layout.useDiagonals = controls.CheckDiag;
    layout.reuseLetters = layout.gridMode == kGridSolve && controls.CheckRiuso;
    layout.riusoEnabled = layout.gridMode == kGridSolve;
    layout.baseMaxLength = (c == kCercaIncluded || c == kCercaGrid) ? 300 : 80;

    if (c == kCercaIncluded || (c == kCercaGrid && layout.gridMode == kGridSolve && !layout.reuseLetters))
        layout.hint = "Jolly = asterisco (max 2). Gruppi di lettere con [], es. [qu]";
    else if (c == kCercaGrid)
        layout.hint = "Gruppi di lettere con [], es. [qu]";
    else if (c == kCercaConsonando)
        layout.hint = "Jolly = asterisco (max 2)";
    else if (c == kCercaSizigie)
        layout.hint = "inserisci due o tre parole separate da spazi";
    return layout;
}

void ApplyGridOptions(const CercaLayout& layout, CercaState& state) {
    state.UseDiagonals = layout.useDiagonals;
    state.ReuseLetters = layout.reuseLetters;
    state.GridMode = layout.gridMode;
}

}  // namespace sillabor
