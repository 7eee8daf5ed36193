#include "curio/removals.h"

#include <algorithm>
#include <vector>

#include "curio/key_groups.h"
#include "curio/word_lengths.h"

namespace sillabor {

bool ForEachRemoval(CurioRun& run, const std::function<void(int32_t slot, int position, int letter)>& fn) {
    const WordsByLength byLength(run.dict);
    int64_t total = 0;
    for (int length = 2; length <= byLength.MaxLength(); ++length)
        total += static_cast<int64_t>(length) * byLength.Count(length);

    std::vector<KeyedItem> items;
    std::vector<KeyedItem> scratch;
    std::vector<uint64_t> words;
    char shorter[kMaxWordLength + 1];
    int64_t done = 0;
    for (int length = 2; length <= byLength.MaxLength(); ++length) {
        const int64_t count = byLength.Count(length);
        if (count == 0 || byLength.Count(length - 1) == 0) {
            done += static_cast<int64_t>(length) * count;
            continue;
        }
        if (length - 1 > kPackedCodes) {
            // Few words are this long: look each shorter form up.
            for (int32_t slot : byLength.Slots(length)) {
                if (run.state.Stopping()) return false;
                const char* word = run.Word(slot);
                for (int position = 0; position < length; ++position) {
                    std::copy(word, word + position, shorter);
                    std::copy(word + position + 1, word + length + 1, shorter + position);
                    if (run.dict.FindWord(shorter) != 0) fn(slot, position, LetterIndex(word[position]));
                }
            }
            done += static_cast<int64_t>(length) * count;
            run.ShowProgress(done, total, run.LastSlot());
            continue;
        }
        // Words in byte order give their keys in order; a copy is sorted only
        // when some word holds other bytes.
        const std::vector<uint64_t>* sorted = &byLength.Packed(length - 1);
        if (!std::is_sorted(sorted->begin(), sorted->end())) {
            words = *sorted;
            std::sort(words.begin(), words.end());
            sorted = &words;
        }
        for (int position = 0; position < length; ++position) {
            if (run.state.Stopping()) return false;
            byLength.KeysWithout(run.dict, length, position, items);
            SortByKeyWithinRuns(items, scratch, BlankedKeyPrefixShift(length, position));
            auto word = sorted->begin();
            for (const KeyedItem& item : items) {
                while (word != sorted->end() && *word < item.key) ++word;
                if (word == sorted->end()) break;
                if (*word == item.key) fn(item.slot, position, item.tag);
            }
            done += count;
            run.ShowProgress(done, total, run.LastSlot());
        }
    }
    return !run.state.Stopping();
}

}  // namespace sillabor
