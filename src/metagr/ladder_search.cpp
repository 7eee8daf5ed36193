#include "metagr/ladder_search.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/letter_count.h"

namespace sillabor {

namespace {

// True when `longer` is `shorter` with one letter more.
bool OneLetterMore(std::string_view longer, std::string_view shorter) {
    if (longer.size() != shorter.size() + 1) return false;
    size_t p = 0;
    while (p < shorter.size() && longer[p] == shorter[p]) ++p;
    return longer.substr(p + 1) == shorter.substr(p);
}

int DifferingPositions(std::string_view a, std::string_view b) {
    int count = 0;
    for (size_t p = 0; p < a.size(); ++p) count += a[p] != b[p];
    return count;
}

// True when the word at `at` came earlier in the list: a word beside a double
// letter is listed once for each, and its chains are printed once.
bool Repeated(const std::vector<int32_t>& list, std::vector<int32_t>::const_iterator at) {
    return std::find(list.begin(), at, *at) != at;
}

// The messages that end the search before any labelling: -1 when none applies,
// else what LadderSearch returns.
int EarlyAnswer(const MetagrState& s, Output& out) {
    const std::string& from = s.StartWord;
    const std::string& to = s.EndWord;
    if (from == to) {
        out.PrintLine("Le due parole sono uguali !");
        return 1;
    }
    if (s.moves.Rearrange &&
        CompareLetterCounts(ComputeLetterCount(from), ComputeLetterCount(to)) == 0) {
        out.PrintLine("Le due parole sono una l'anagramma dell'altra !");
        return 0;
    }
    if (from.size() != to.size()) {
        if (!s.moves.AddRemove) {
            out.PrintLine("Le due parole hanno lunghezze diverse!");
            out.PrintLine("Correggi, oppure usa l'opzione Scarto/Aggiunta");
            return 1;
        }
        if (OneLetterMore(from, to) || OneLetterMore(to, from)) {
            out.PrintLine("Le parole differiscono per una sola lettera!");
            return 0;
        }
        return -1;
    }
    if (DifferingPositions(from, to) == 1) {
        out.PrintLine("Basta un solo cambio!");
        return 0;
    }
    return -1;
}

class Ladder {
public:
    explicit Ladder(MetagrRun& run)
        : run_(run), dict_(run.dict), s_(run.ladder), marks_(run.dict.WordMarks.data()) {
        startSlot_ = dict_.FindWord(s_.StartWord.c_str());
        endSlot_ = dict_.FindWord(s_.EndWord.c_str());
        const size_t longest = std::max<size_t>({static_cast<size_t>(kMaxWordLength), s_.StartWord.size(),
                                                 s_.EndWord.size()});
        scratch_.reserve(longest + 2);
        // One list per level of the walk, which recurses from the highest.
        backLists_.resize(kMaxLevel + 1);
    }

    // Labels level by level and walks back from the end word's neighbours as
    // they are reached. False when the walk asked to stop.
    bool Run();

private:
    void Mark(int32_t slot) {
        if (marks_[slot] != 0) return;
        marks_[slot] = static_cast<uint8_t>(level_ + 1);
        next_.push_back(slot);
    }
    // The words from which one move reaches the word of `slot`, in printing
    // order; one list per level of the walk.
    const std::vector<int32_t>& BackFrom(int32_t slot, int level);
    // Walks back from the word of `slot` to the words labelled `level`; true
    // asks to stop.
    bool WalkBack(int32_t slot, int level);
    bool PrintChain();
    void PrintStep(int level, const char* word);

    MetagrRun& run_;
    const Dictionary& dict_;
    MetagrState& s_;
    uint8_t* marks_;
    int32_t startSlot_ = 0;
    int32_t endSlot_ = 0;
    int level_ = 1;
    std::vector<int32_t> frontier_, next_;
    std::vector<std::vector<int32_t>> backLists_;
    std::string scratch_;
};

const std::vector<int32_t>& Ladder::BackFrom(int32_t slot, int level) {
    std::vector<int32_t>& list = backLists_[level];
    if (list.capacity() == 0) list.reserve(NeighbourCapacity(scratch_.capacity()));
    FindNeighbours(dict_, s_.moves, dict_.Words[slot], MoveDirection::kTo, list, scratch_);
    return list;
}

bool Ladder::WalkBack(int32_t slot, int level) {
    if (run_.state.Stopping()) return true;
    if (level == 1) return PrintChain();
    const std::vector<int32_t>& back = BackFrom(slot, level);
    for (auto n = back.begin(); n != back.end(); ++n) {
        // A chain through the end word is never printed: no need to walk it.
        if (marks_[*n] != level || *n == endSlot_ || Repeated(back, n)) continue;
        s_.Path[level] = *n;
        if (WalkBack(*n, level - 1)) return true;
    }
    return false;
}

void Ladder::PrintStep(int level, const char* word) {
    run_.out.PrintFormatted("%2d %s", level, word);
}

bool Ladder::PrintChain() {
    for (int k = 2; k <= s_.FoundLevel; ++k) {
        const int32_t w = s_.Path[k];
        if (w == startSlot_ || w == endSlot_) return false;
        for (int earlier = 2; earlier < k; ++earlier)
            if (s_.Path[earlier] == w) return false;
    }
    PrintStep(1, s_.StartWord.c_str());
    for (int k = 2; k <= s_.FoundLevel; ++k) PrintStep(k, dict_.Words[s_.Path[k]]);
    PrintStep(s_.FoundLevel + 1, s_.EndWord.c_str());
    run_.out.PrintLine("  ");
    run_.state.CountOne();
    return run_.state.FoundCount.load(std::memory_order_relaxed) >= kMaxChains;
}

bool Ladder::Run() {
    SearchState& state = run_.state;
    NeighbourIndex& index = run_.index;
    std::memset(marks_, 0, static_cast<size_t>(dict_.WordCount) + 1);
    frontier_.reserve(static_cast<size_t>(dict_.WordCount));
    next_.reserve(static_cast<size_t>(dict_.WordCount));

    // Level 1: the start word, when it is a word; level 2: its neighbours.
    level_ = 1;
    if (startSlot_ != 0) {
        marks_[startSlot_] = 1;
        next_.push_back(startSlot_);
    }
    std::vector<int32_t> startNeighbours;
    startNeighbours.reserve(NeighbourCapacity(scratch_.capacity()));
    FindNeighbours(dict_, s_.moves, s_.StartWord, MoveDirection::kFrom, startNeighbours, scratch_);
    size_t fresh = next_.size();
    next_.clear();
    for (int32_t n : startNeighbours) Mark(n);
    fresh += next_.size();

    index.Prepare(dict_);
    index.BeginSearch();
    while (fresh != 0 && !state.Stopping()) {
        ++level_;
        frontier_.swap(next_);
        next_.clear();
        const std::vector<int32_t>& ends = s_.EndNeighbours;
        for (auto e = ends.begin(); e != ends.end(); ++e) {
            if (marks_[*e] != level_) continue;
            ++s_.EndNeighboursReached;
            if (Repeated(ends, e)) continue;
            s_.FoundLevel = level_;
            s_.Path[level_] = *e;
            if (WalkBack(*e, level_ - 1)) return false;
        }
        if (s_.EndNeighboursReached == s_.EndNeighbourCount) break;
        // Chains longer than the levels a byte holds are not followed.
        if (level_ == kMaxLevel) break;
        for (int32_t w : frontier_) {
            if (state.Stopping()) break;
            index.ForEachNeighbour(dict_, s_.moves, w, [this](int32_t n) { Mark(n); });
        }
        fresh = next_.size();
    }
    return true;
}

}  // namespace

int LadderSearch(MetagrRun& run) {
    MetagrState& s = run.ladder;
    const MetagrRequest& request = run.request;
    s.StartWord = request.startWord;
    s.EndWord = request.endWord;
    s.moves.AddRemove = request.addRemove;
    s.moves.Rearrange = request.rearrange;
    s.moves.MinInterLength = request.minInterLength;
    s.FoundLevel = 0;
    s.EndLength = static_cast<int32_t>(s.EndWord.size());
    s.EndNeighbourCount = 0;
    s.EndNeighboursReached = 0;
    s.EndNeighbours.clear();

    const int early = EarlyAnswer(s, run.out);
    if (early >= 0) return early;

    // The words from which one move reaches the end word. The minimum length
    // is for the words in between: the end word may be reached by removing a
    // letter from a word of any length, as by adding one.
    LadderMoves toEnd = s.moves;
    toEnd.MinInterLength = 0;
    std::string scratch;
    scratch.reserve(std::max<size_t>(s.EndWord.size(), kMaxWordLength) + 2);
    s.EndNeighbours.reserve(NeighbourCapacity(s.EndWord.size()));
    s.EndNeighbourCount = FindNeighbours(run.dict, toEnd, s.EndWord, MoveDirection::kTo, s.EndNeighbours, scratch);
    if (s.EndNeighbourCount > 0) {
        if (run.dict.WordMarks.size() < static_cast<size_t>(run.dict.WordCount) + 1)
            run.dict.WordMarks.resize(static_cast<size_t>(run.dict.WordCount) + 1);
        Ladder ladder(run);
        if (!ladder.Run()) return 0;
    }
    run.out.PrintSeparator();
    run.out.PrintLine("F I N E");
    return 0;
}

}  // namespace sillabor
