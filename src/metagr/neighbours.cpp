#include "metagr/neighbours.h"

#include <cstring>

#include "dictionary/letter_count.h"

namespace sillabor {

size_t NeighbourCapacity(size_t length) {
    return kMaxClassWords + 25 * length + 26 * (length + 1) + length;
}

int FindNeighbours(const Dictionary& dict, const LadderMoves& moves, std::string_view word, MoveDirection direction,
                   std::vector<int32_t>& out, std::string& scratch) {
    out.clear();
    const size_t length = word.size();
    auto add = [&](const std::string& candidate) {
        if (const int32_t slot = dict.FindWord(candidate.c_str())) out.push_back(slot);
    };

    if (moves.Rearrange) {
        scratch.assign(word);
        LetterCount letters;
        ComputeLetterCount(scratch.c_str(), letters);
        const int32_t cls = dict.FindClass(letters);
        if (cls >= 0) {
            dict.ForEachWordOfClass(dict.Classes[cls], [&](const char* other) {
                if (word != other) {
                    if (const int32_t slot = dict.FindWord(other)) out.push_back(slot);
                }
            });
        }
    }

    // No dictionary word is longer than kMaxWordLength: longer candidates need no lookup.
    if (length <= static_cast<size_t>(kMaxWordLength)) {
        scratch.assign(word);
        for (size_t p = 0; p < length; ++p) {
            const char own = scratch[p];
            for (char c = 'a'; c <= 'z'; ++c) {
                if (c == own) continue;
                scratch[p] = c;
                add(scratch);
            }
            scratch[p] = own;
        }
    }

    if (!moves.AddRemove) return static_cast<int>(out.size());
    const auto longerThanMinimum = [&](size_t letters) { return letters > static_cast<size_t>(moves.MinInterLength); };
    const bool insertions = direction == MoveDirection::kFrom || longerThanMinimum(length + 1);
    const bool removals = direction == MoveDirection::kTo || longerThanMinimum(length);

    if (insertions && length + 1 <= static_cast<size_t>(kMaxWordLength)) {
        for (size_t p = 0; p <= length; ++p) {
            scratch.assign(word.substr(0, p));
            scratch.push_back('a');
            scratch.append(word.substr(p));
            for (char c = 'a'; c <= 'z'; ++c) {
                scratch[p] = c;
                add(scratch);
            }
        }
    }
    if (removals && length >= 1 && length - 1 <= static_cast<size_t>(kMaxWordLength)) {
        for (size_t p = 0; p < length; ++p) {
            scratch.assign(word.substr(0, p));
            scratch.append(word.substr(p + 1));
            add(scratch);
        }
    }
    return static_cast<int>(out.size());
}

}  // namespace sillabor
