#pragma once
// + cambi: the words of three letters or more with the most cambi, that is
// the most words that differ from them in one letter.

#include "curio/curio_run.h"

namespace sillabor {

void MostChangesReport(CurioRun& run);

}  // namespace sillabor
