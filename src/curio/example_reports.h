#pragma once
// Examples of every possible game of one kind, drawn in a scrambled order so
// that each run may show others: every cambio (a letter for a later one),
// every scambio (two letters exchanged) and every scarto (a letter removed).

#include "curio/curio_run.h"

namespace sillabor {

// tutticambi, tuttiscambi, tuttiscarti.
void EveryChangeReport(CurioRun& run);
void EveryExchangeReport(CurioRun& run);
void EveryRemovalReport(CurioRun& run);

}  // namespace sillabor
