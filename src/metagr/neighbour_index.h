#pragma once
// The moves between dictionary words, grouped once per dictionary so that the
// labelling never tries a candidate word: every set of words that are all one
// change apart (same length, same letters but at one position) is one group,
// together with the shorter word, if any, that each of them gives when that
// letter is removed. A group is walked once per search: after that, every one
// of its words is labelled. Order is lost; the walk back, which prints, keeps
// to the lookups of FindNeighbours.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "dictionary/dictionary.h"
#include "dictionary/index_cache.h"
#include "metagr/metagr_state.h"
#include "metagr/neighbours.h"

namespace sillabor {

class NeighbourIndex {
public:
    // Builds the groups for the dictionary, in byte order, unless they were
    // built for it already.
    void Prepare(const Dictionary& dict);
    // Makes sure the cache file of the groups fits the dictionary, building an
    // index that writes it when its header does not; keeps nothing.
    static void PrepareFile(const Dictionary& dict);
    // Forgets which groups the last search walked.
    void BeginSearch();

    // Calls mark(slot) for each word one move from the word in `slot`; a word
    // may come more than once, or not at all when an earlier call of the same
    // search already gave it.
    template <typename Mark>
    void ForEachNeighbour(const Dictionary& dict, const LadderMoves& moves, int32_t slot, Mark&& mark);

private:
    // Words longer than this (or with other bytes than a-z) are left to the lookups.
    static constexpr int kIndexedLength = 24;

    // Fills textOrder_ and returns the words' offsets in that order.
    std::vector<uint32_t> SortTextOrder(const Dictionary& dict);
    void BuildClasses(const Dictionary& dict, const std::vector<uint32_t>& offsets);
    void BuildGroups(const Dictionary& dict, const std::vector<uint32_t>& offsets);
    // The groups from the dictionary's cache file; false when there is none
    // that fits it, or whose groups do not hold together.
    bool TakeCachedGroups(const Dictionary& dict, const std::filesystem::path& file, const WordsFingerprint& fingerprint);
    bool GroupsHoldTogether(const Dictionary& dict) const;
    void WriteCachedGroups(const std::filesystem::path& file, const WordsFingerprint& fingerprint) const;

    const Dictionary* dict_ = nullptr;
    uint32_t generation_ = 0;
    int32_t wordCount_ = 0;

    // By slot: the word's length, or 0 when the lookups handle it.
    std::vector<uint8_t> indexedLength_;
    // Group g: its words are members_[groupStart_[g] .. groupStart_[g + 1]),
    // and groupParent_[g] is the word they give with the letter removed, or 0.
    std::vector<uint32_t> groupStart_;
    std::vector<int32_t> groupParent_;
    std::vector<int32_t> members_;
    // By slot: refs_[refStart_[s] .. refStart_[s + 1]) are (group << 1) | 1
    // where the word is the group's parent, (group << 1) where it is a member.
    std::vector<uint32_t> refStart_;
    std::vector<uint32_t> refs_;
    // Anagram classes: slots in text order, the class of each slot and where
    // each class's counted words start in that order.
    std::vector<int32_t> textOrder_;
    std::vector<int32_t> classOf_;
    std::vector<uint32_t> classFirst_;

    // Per search: the groups and classes already walked.
    std::vector<uint8_t> groupDone_;
    std::vector<uint8_t> classDone_;
    std::vector<int32_t> lookedUp_;
    std::string scratch_;
};

template <typename Mark>
void NeighbourIndex::ForEachNeighbour(const Dictionary& dict, const LadderMoves& moves, int32_t slot, Mark&& mark) {
    const int length = indexedLength_[slot];
    if (length == 0) {
        FindNeighbours(dict, moves, dict.Words[slot], MoveDirection::kFrom, lookedUp_, scratch_);
        for (int32_t n : lookedUp_) mark(n);
        return;
    }
    if (moves.Rearrange) {
        const int32_t cls = classOf_[slot];
        if (cls >= 0 && !classDone_[cls]) {
            classDone_[cls] = 1;
            const int32_t* first = &textOrder_[classFirst_[cls]];
            for (int k = dict.Classes[cls].WordsInClass(); k > 0; --k) mark(*first++);
        }
    }
    const bool removals = moves.AddRemove && length > moves.MinInterLength;
    for (uint32_t r = refStart_[slot]; r < refStart_[slot + 1]; ++r) {
        const uint32_t group = refs_[r] >> 1;
        const bool parent = (refs_[r] & 1) != 0;
        if (parent) {
            // Insertions into the parent give every word of the group.
            if (!moves.AddRemove) continue;
        } else if (removals && groupParent_[group] != 0) {
            mark(groupParent_[group]);
        }
        // Once walked, every word of the group is labelled.
        if (groupDone_[group]) continue;
        groupDone_[group] = 1;
        for (uint32_t m = groupStart_[group]; m < groupStart_[group + 1]; ++m) mark(members_[m]);
    }
}

}  // namespace sillabor
