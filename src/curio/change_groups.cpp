#include "curio/change_groups.h"

#include <vector>

#include "curio/word_lengths.h"

namespace sillabor {

namespace {

// Two words of one length equal but at `position`.
bool SameBut(const char* a, const char* b, int length, int position) {
    for (int k = 0; k < length; ++k)
        if (k != position && a[k] != b[k]) return false;
    return true;
}

}  // namespace

bool ForEachChangeGroup(CurioRun& run, int minLength, const std::function<void(const ChangeGroup&)>& fn) {
    const WordsByLength byLength(run.dict);
    int64_t total = 0;
    for (int length = minLength; length <= byLength.MaxLength(); ++length)
        total += static_cast<int64_t>(length) * byLength.Count(length);

    std::vector<KeyedItem> items;
    std::vector<KeyedItem> scratch;
    int64_t done = 0;
    for (int length = minLength; length <= byLength.MaxLength(); ++length) {
        const int64_t count = byLength.Count(length);
        for (int position = 0; position < length && count >= 2; ++position) {
            if (run.state.Stopping()) return false;
            byLength.KeysWithout(run.dict, length, position, items);
            SortByKeyWithinRuns(items, scratch, BlankedKeyPrefixShift(length, position));
            ForEachKeyGroup(
                items.data(), items.data() + items.size(),
                [&](const KeyedItem& a, const KeyedItem& b) {
                    return SameBut(run.Word(a.slot), run.Word(b.slot), length, position);
                },
                [&](KeyedItem* first, KeyedItem* last) {
                    if (last - first < 2) return;
                    uint32_t letters = 0;
                    for (const KeyedItem* item = first; item != last; ++item) letters |= 1u << item->tag;
                    fn(ChangeGroup{position, first, last, letters});
                });
            done += count;
            run.ShowProgress(done, total, run.LastSlot());
        }
        if (count < 2) done += static_cast<int64_t>(length) * count;
    }
    return !run.state.Stopping();
}

}  // namespace sillabor
