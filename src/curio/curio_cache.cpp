#include "curio/curio_cache.h"

#include <algorithm>

#include "dictionary/dictionary.h"
#include "dictionary/index_cache.h"

namespace sillabor {

namespace {

bool IsWordSlot(uint32_t slot, int32_t wordCount) { return slot >= 1 && slot < static_cast<uint32_t>(wordCount); }

}  // namespace

std::vector<std::byte> PackChangeGroups(const ChangeGroupTable& table) {
    IndexPacker pack;
    pack.Add<ChangeGroupTable::Shape>(table.shapes);
    pack.Add<uint8_t>(table.sizes);
    pack.Add<uint32_t>(table.members);
    const auto bytes = pack.Bytes();
    return {bytes.begin(), bytes.end()};
}

std::vector<std::byte> PackRemovals(const RemovalTable& table) {
    IndexPacker pack;
    pack.Add<uint32_t>(table.slots);
    pack.Add<uint16_t>(table.places);
    const auto bytes = pack.Bytes();
    return {bytes.begin(), bytes.end()};
}

bool UnpackChangeGroups(std::span<const std::byte> payload, int32_t wordCount, ChangeGroupTable& table) {
    IndexUnpacker in(payload);
    if (!in.Take(table.shapes) || !in.Take(table.sizes) || !in.Take(table.members) || !in.Complete()) return false;
    uint64_t groups = 0;
    for (const ChangeGroupTable::Shape& shape : table.shapes) {
        if (shape.length < 1 || shape.length > static_cast<uint32_t>(kMaxWordLength) || shape.position >= shape.length)
            return false;
        groups += shape.groups;
    }
    if (groups != table.sizes.size()) return false;
    uint64_t members = 0;
    for (uint8_t size : table.sizes) {
        if (size < 2 || size > kMaxGroupWords) return false;
        members += size;
    }
    if (members != table.members.size()) return false;
    return std::all_of(table.members.begin(), table.members.end(),
                       [&](uint32_t m) { return IsWordSlot(m >> 5, wordCount) && (m & 31) < 26; });
}

bool UnpackRemovals(std::span<const std::byte> payload, int32_t wordCount, RemovalTable& table) {
    IndexUnpacker in(payload);
    if (!in.Take(table.slots) || !in.Take(table.places) || !in.Complete()) return false;
    if (table.slots.size() != table.places.size()) return false;
    for (size_t k = 0; k < table.slots.size(); ++k) {
        const uint16_t place = table.places[k];
        if (!IsWordSlot(table.slots[k], wordCount) || (place >> 5) >= kMaxWordLength || (place & 31) >= 26)
            return false;
    }
    return true;
}

}  // namespace sillabor
