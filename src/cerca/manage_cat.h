#pragma once
// How the "Cerca" page looks for the chosen category and options, and the
// grid options those controls give the search.

#include <cstdint>
#include <string>

#include "cerca/cerca_state.h"

namespace sillabor {

// The items of Categoria, Windows-1252.
extern const char* const kCategoriaItems[kCercaCategoryItems];

struct CercaLayout {
    // CheckDiag, CheckRiuso and RadioParo are shown.
    bool gridOptionsVisible = false;
    // CheckRiuso can be ticked (only while the grid is solved).
    bool riusoEnabled = true;
    // Length limit of LaBase.
    int baseMaxLength = 80;
    // SpiegaBase, Windows-1252.
    std::string hint;

    // The grid options of the search.
    bool useDiagonals = true;
    bool reuseLetters = false;
    int32_t gridMode = kGridSolve;
};

// Recomputes the layout from the controls. The window runs it once when it is
// created and after every click on Categoria, CheckDiag, CheckRiuso or RadioParo.
CercaLayout ManageCat(const CercaControls& controls);

// Stores the layout's grid options in the record: the only way they change.
void ApplyGridOptions(const CercaLayout& layout, CercaState& state);

}  // namespace sillabor
