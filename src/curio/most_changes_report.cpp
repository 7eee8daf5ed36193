#include "curio/most_changes_report.h"

#include <bit>
#include <vector>

#include "curio/change_groups.h"

namespace sillabor {

void MostChangesReport(CurioRun& run) {
    // In each group the words differ at one position: each word has a cambio
    // there for every other letter the group holds.
    std::vector<int32_t> changes(static_cast<size_t>(run.dict.WordCount), 0);
    const bool finished = ForEachChangeGroup(run, 3, [&](const ChangeGroup& group) {
        const int others = std::popcount(group.letters) - 1;
        for (const KeyedItem* item = group.first; item != group.last; ++item)
            changes[static_cast<size_t>(item->slot)] += others;
    });
    if (!finished) return;
    for (int32_t i = 1; i < run.dict.WordCount; ++i) {
        if (!run.VisitWord(i)) return;
        if (changes[static_cast<size_t>(i)] > 0) run.top.TopInsert(i, changes[static_cast<size_t>(i)]);
    }
    PrintTopList(run, true, "piu' cambi");
}

}  // namespace sillabor
