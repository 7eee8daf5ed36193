#pragma once
// The word pairs behind the "+ cambi", "tutticambi" and "tuttiscarti" reports,
// found once by sorting every word's keys and then kept in cache files beside
// the prepared file ("cambi", "scarti"), so that the next process reads a few
// megabytes instead of sorting twelve million keys. A file is taken only when
// it was made from exactly the words in memory and holds together (see
// index_cache.h); its slots and letters are checked before any is used.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace sillabor {

// The change groups of every length and position: groups of two words or
// more that differ at that position only.
struct ChangeGroupTable {
    // The groups of one length and position, which follow those of the shape before.
    struct Shape {
        uint32_t length;
        uint32_t position;
        uint32_t groups;
    };
    std::vector<Shape> shapes;
    std::vector<uint8_t> sizes;     // the words of each group, 2..26
    std::vector<uint32_t> members;  // slot << 5 | the word's letter at the position (0..25)
};

// Every word and position whose letter removed leaves a word.
struct RemovalTable {
    std::vector<uint32_t> slots;
    std::vector<uint16_t> places;  // position << 5 | the letter there (0..25)
};

inline constexpr int kMaxGroupWords = 26;

std::vector<std::byte> PackChangeGroups(const ChangeGroupTable& table);
std::vector<std::byte> PackRemovals(const RemovalTable& table);
// False, with the table in no useful state, unless the payload holds a whole
// table whose every slot is one of the wordCount - 1 words (1..wordCount-1).
bool UnpackChangeGroups(std::span<const std::byte> payload, int32_t wordCount, ChangeGroupTable& table);
bool UnpackRemovals(std::span<const std::byte> payload, int32_t wordCount, RemovalTable& table);

}  // namespace sillabor
