#pragma once
// Words whose alternate letters form words: the letters at the even positions
// (0, 2, 4...) and at the odd ones. When both halves are words the word is a
// perfect alternate intarsio of them; when one is, a perfect alternate scarto.

#include "curio/curio_run.h"

namespace sillabor {

// intarsi perf. and scarti alt.
void AlternateIntarsiReport(CurioRun& run);
void AlternateScartiReport(CurioRun& run);

}  // namespace sillabor
