#include "curio/change_groups.h"

#include <vector>

#include "curio/curio_cache.h"
#include "curio/word_lengths.h"
#include "dictionary/index_cache.h"

namespace sillabor {

namespace {

constexpr const char* kCacheFile = "cambi";

// Two words of one length equal but at `position`.
bool SameBut(const char* a, const char* b, int length, int position) {
    for (int k = 0; k < length; ++k)
        if (k != position && a[k] != b[k]) return false;
    return true;
}

// Every group of every length, by one sort of the keys per length and
// position. False when a stop cut it short.
bool BuildChangeGroups(const Dictionary& dict, SearchState& state, ChangeGroupTable& table) {
    const WordsByLength byLength(dict);
    int64_t total = 0;
    for (int length = 1; length <= byLength.MaxLength(); ++length)
        total += static_cast<int64_t>(length) * byLength.Count(length);

    std::vector<KeyedItem> items;
    std::vector<KeyedItem> scratch;
    int64_t done = 0;
    for (int length = 1; length <= byLength.MaxLength(); ++length) {
        const int64_t count = byLength.Count(length);
        for (int position = 0; position < length && count >= 2; ++position) {
            if (state.Stopping()) return false;
            byLength.KeysWithout(dict, length, position, items);
            SortByKeyWithinRuns(items, scratch, BlankedKeyPrefixShift(length, position));
            uint32_t groups = 0;
            ForEachKeyGroup(
                items.data(), items.data() + items.size(),
                [&](const KeyedItem& a, const KeyedItem& b) {
                    return SameBut(dict.Words[static_cast<size_t>(a.slot)], dict.Words[static_cast<size_t>(b.slot)],
                                   length, position);
                },
                [&](KeyedItem* first, KeyedItem* last) {
                    if (last - first < 2) return;
                    ++groups;
                    table.sizes.push_back(static_cast<uint8_t>(last - first));
                    for (const KeyedItem* item = first; item != last; ++item)
                        table.members.push_back(static_cast<uint32_t>(item->slot) << 5 | static_cast<uint32_t>(item->tag));
                });
            if (groups > 0)
                table.shapes.push_back({static_cast<uint32_t>(length), static_cast<uint32_t>(position), groups});
            done += count;
            ShowPassProgress(state, done, total, dict.WordCount - 1);
        }
        if (count < 2) done += static_cast<int64_t>(length) * count;
    }
    return !state.Stopping();
}

// The groups from the cache file, or built and written to it. False when a
// stop cut the build short.
bool TakeOrBuildChangeGroups(const Dictionary& dict, SearchState& state, ChangeGroupTable& table) {
    const auto file = IndexCachePath(dict, kCacheFile);
    const WordsFingerprint fingerprint = file.empty() ? WordsFingerprint{} : FingerprintOf(dict);
    const auto cache = IndexCacheFile::Open(file, fingerprint);
    if (cache && UnpackChangeGroups(cache->Payload(), dict.WordCount, table)) return true;
    table = {};
    if (!BuildChangeGroups(dict, state, table)) return false;
    // A folder that cannot take the file only costs the next process the build.
    if (!file.empty()) WriteIndexCacheFile(file, fingerprint, PackChangeGroups(table));
    return true;
}

}  // namespace

void PrepareChangeGroupsFile(const Dictionary& dict) {
    if (!IndexCacheFileNeeded(IndexCachePath(dict, kCacheFile), dict)) return;
    SearchState unstopped;
    ChangeGroupTable table;
    TakeOrBuildChangeGroups(dict, unstopped, table);
}

bool ForEachChangeGroup(CurioRun& run, int minLength, const std::function<void(const ChangeGroup&)>& fn) {
    ChangeGroupTable table;
    if (!TakeOrBuildChangeGroups(run.dict, run.state, table)) return false;

    KeyedItem items[kMaxGroupWords];
    size_t group = 0;
    size_t member = 0;
    for (const ChangeGroupTable::Shape& shape : table.shapes) {
        if (run.state.Stopping()) return false;
        for (uint32_t g = 0; g < shape.groups; ++g, ++group) {
            const int size = table.sizes[group];
            uint32_t letters = 0;
            for (int k = 0; k < size; ++k) {
                const uint32_t m = table.members[member + static_cast<size_t>(k)];
                items[k] = {0, static_cast<int32_t>(m >> 5), static_cast<int32_t>(m & 31)};
                letters |= 1u << (m & 31);
            }
            member += static_cast<size_t>(size);
            if (static_cast<int>(shape.length) >= minLength)
                fn(ChangeGroup{static_cast<int>(shape.position), items, items + size, letters});
        }
        run.ShowProgress(static_cast<int64_t>(member), static_cast<int64_t>(table.members.size()), run.LastSlot());
    }
    return !run.state.Stopping();
}

}  // namespace sillabor
