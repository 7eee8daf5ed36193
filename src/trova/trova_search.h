#pragma once
// One run of the "Trova" page, on the search thread.

namespace sillabor {

struct TrovaRun;

// Checks the lengths and letters (for the items of CreaQuale; the buttons use
// neither), sets the scrambled scan and runs the generator of `option`, which
// must be a sub-option of the page. 0 when the generator ran, 1 when the
// input was refused (its message printed).
int TrovaSearch(TrovaRun& run, int option);

}  // namespace sillabor
