#include "curio/removals.h"

#include <algorithm>
#include <vector>

#include "curio/curio_cache.h"
#include "curio/key_groups.h"
#include "curio/word_lengths.h"
#include "dictionary/index_cache.h"

namespace sillabor {

namespace {

constexpr const char* kCacheFile = "scarti";

// Every removal, by one sort of the keys per length and position merged with
// the sorted keys of the words one letter shorter.
bool BuildRemovals(const Dictionary& dict, SearchState& state,
                   const std::function<void(int32_t slot, int position, int letter)>& fn) {
    const WordsByLength byLength(dict);
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
                if (state.Stopping()) return false;
                const char* word = dict.Words[static_cast<size_t>(slot)];
                for (int position = 0; position < length; ++position) {
                    std::copy(word, word + position, shorter);
                    std::copy(word + position + 1, word + length + 1, shorter + position);
                    if (dict.FindWord(shorter) != 0) fn(slot, position, LetterIndex(word[position]));
                }
            }
            done += static_cast<int64_t>(length) * count;
            ShowPassProgress(state, done, total, dict.WordCount - 1);
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
            if (state.Stopping()) return false;
            byLength.KeysWithout(dict, length, position, items);
            SortByKeyWithinRuns(items, scratch, BlankedKeyPrefixShift(length, position));
            auto word = sorted->begin();
            for (const KeyedItem& item : items) {
                while (word != sorted->end() && *word < item.key) ++word;
                if (word == sorted->end()) break;
                if (*word == item.key) fn(item.slot, position, item.tag);
            }
            done += count;
            ShowPassProgress(state, done, total, dict.WordCount - 1);
        }
    }
    return !state.Stopping();
}

// The removals from the cache file, or found and written to it. False when a
// stop cut the build short.
bool TakeOrBuildRemovals(const Dictionary& dict, SearchState& state, RemovalTable& table) {
    const auto file = IndexCachePath(dict, kCacheFile);
    const WordsFingerprint fingerprint = file.empty() ? WordsFingerprint{} : FingerprintOf(dict);
    const auto cache = IndexCacheFile::Open(file, fingerprint);
    if (cache && UnpackRemovals(cache->Payload(), dict.WordCount, table)) return true;
    table = {};
    const bool built = BuildRemovals(dict, state, [&](int32_t slot, int position, int letter) {
        table.slots.push_back(static_cast<uint32_t>(slot));
        table.places.push_back(static_cast<uint16_t>(position << 5 | letter));
    });
    if (!built) return false;
    // A folder that cannot take the file only costs the next process the build.
    if (!file.empty()) WriteIndexCacheFile(file, fingerprint, PackRemovals(table));
    return true;
}

}  // namespace

void PrepareRemovalsFile(const Dictionary& dict) {
    if (!IndexCacheFileNeeded(IndexCachePath(dict, kCacheFile), dict)) return;
    SearchState unstopped;
    RemovalTable table;
    TakeOrBuildRemovals(dict, unstopped, table);
}

bool ForEachRemoval(CurioRun& run, const std::function<void(int32_t slot, int position, int letter)>& fn) {
    RemovalTable table;
    if (!TakeOrBuildRemovals(run.dict, run.state, table)) return false;
    for (size_t k = 0; k < table.slots.size(); ++k) {
        if ((k & 0xFFFF) == 0) {
            if (run.state.Stopping()) return false;
            run.ShowProgress(static_cast<int64_t>(k), static_cast<int64_t>(table.slots.size()), run.LastSlot());
        }
        fn(static_cast<int32_t>(table.slots[k]), table.places[k] >> 5, table.places[k] & 31);
    }
    return !run.state.Stopping();
}

}  // namespace sillabor
