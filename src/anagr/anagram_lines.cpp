#include "anagr/anagram_lines.h"

#include <algorithm>
#include <cstring>

#include "anagr/anagr_run.h"

namespace sillabor {

namespace {

using Group = AnagrState::Group;

int64_t ProductOfWordCounts(const AnagrRun& run, const int32_t* positions, int n) {
    int64_t product = 1;
    for (int i = 0; i < n; ++i) product *= run.dict.ClassScratch[positions[i]]->WordsInClass();
    return product;
}

// Two positions with equal schema lengths must not hold increasing candidates,
// so that each set of words comes out once per schema.
bool RepeatsAnEarlierSchemaChoice(const AnagrState& st, int n) {
    for (int j = 0; j < n; ++j)
        for (int k = j + 1; k < n; ++k)
            if (st.SchemaLengths[j] == st.SchemaLengths[k] && st.Chosen[k] > st.Chosen[j]) return true;
    return false;
}

void AppendGroup(AnagrState& st, const char* const* words, int count) {
    Group& g = st.groups.emplace_back();
    g.count = count;
    if (count == 1) {
        st.LineText += words[0];
        st.LineText += ' ';
        g.words[0] = words[0];
        return;
    }
    st.LineText += '[';
    for (int i = 0; i < count; ++i) {
        if (i > 0) st.LineText += ' ';
        st.LineText += words[i];
        g.words[i] = words[i];
    }
    st.LineText += "] ";
}

// The front of every line: "- " when lines wrap, then the fixed part and a space.
void StartLine(const AnagrState& st, std::string& line) {
    line.clear();
    if (st.WrapLines) line += "- ";
    if (!st.FixedText.empty()) {
        line += st.FixedText;
        line += ' ';
    }
}

// Lines go to the printer in blocks of about this size.
constexpr size_t kLineBlockBytes = 32 * 1024;

// Most copies that make the lines are short: two overlapping moves of a
// fixed size copy them without a call.
inline void CopyText(char* to, const char* from, size_t n) {
    if (n >= 16 && n <= 32) {
        std::memcpy(to, from, 16);
        std::memcpy(to + n - 16, from + n - 16, 16);
    } else if (n >= 8 && n < 16) {
        std::memcpy(to, from, 8);
        std::memcpy(to + n - 8, from + n - 8, 8);
    } else if (n >= 4 && n < 8) {
        std::memcpy(to, from, 4);
        std::memcpy(to + n - 4, from + n - 4, 4);
    } else if (n > 0 && n < 4) {
        to[0] = from[0];
        to[n / 2] = from[n / 2];
        to[n - 1] = from[n - 1];
    } else {
        std::memcpy(to, from, n);
    }
}

inline void AddLine(AnagrRun& run, std::string_view line) {
    AnagrState& st = run.anagramState;
    const size_t end = st.pendingSize + line.size() + 1;
    if (end > st.pendingLines.size()) st.pendingLines.resize(std::max(end, kLineBlockBytes + 1024));
    char* to = st.pendingLines.data() + st.pendingSize;
    CopyText(to, line.data(), line.size());
    to[line.size()] = '\n';
    st.pendingSize = end;
    if (end >= st.pendingLimit) {
        FlushAnagramLines(run);
        st.pendingLimit = kLineBlockBytes;
    }
}

// Prints every choice of one word per group, the first group varying slowest.
// Returns false once the expansion must stop.
bool ExpandGroups(AnagrRun& run, size_t group, std::string& line) {
    AnagrState& st = run.anagramState;
    if (group == st.groups.size()) {
        const bool overLimit = run.state.FoundCount.load(std::memory_order_relaxed) > st.ResultLimit;
        AddLine(run, line);
        run.state.CountOne();
        return !overLimit;
    }
    const Group& g = st.groups[group];
    const size_t mark = line.size();
    for (int i = 0; i < g.count; ++i) {
        if (run.state.Stopping()) return false;
        line.resize(mark);
        line += g.words[i];
        line += ' ';
        if (!ExpandGroups(run, group + 1, line)) return false;
    }
    return true;
}

// Without a filter every word of each chosen class goes into the lines, read
// straight from the word text: the words of a class lie one after the other,
// each followed by its NUL, and all have the class's length, so each group
// keeps one place in the line whatever word fills it.
void ComposeUnfiltered(AnagrRun& run, int n) {
    AnagrState& st = run.anagramState;
    const AnagrState::WordRun* words[kAnagramMaxDepth * 2];
    int64_t multiplicity = 1;
    for (int p = 0; p < n; ++p) {
        words[p] = &st.candidateWords[static_cast<size_t>(st.Chosen[p])];
        multiplicity *= words[p]->count;
    }
    // The line is made in a room kept large enough for the longest line of
    // these groups, without a call for each piece.
    size_t room = st.FixedText.size() + 3;
    for (int p = 0; p < n; ++p) room += static_cast<size_t>(words[p]->count * (words[p]->length + 1) + 2);
    if (st.lineRoom.size() < room) st.lineRoom.resize(room);
    char* const line = st.lineRoom.data();
    size_t size = 0;
    if (st.WrapLines) {
        line[size++] = '-';
        line[size++] = ' ';
    }
    if (!st.FixedText.empty()) {
        CopyText(line + size, st.FixedText.data(), st.FixedText.size());
        size += st.FixedText.size();
        line[size++] = ' ';
    }
    if (st.CompactOutput || multiplicity == 1) {
        for (int p = 0; p < n; ++p) {
            const AnagrState::WordRun& w = *words[p];
            if (w.count == 1) {
                CopyText(line + size, w.first, static_cast<size_t>(w.length));
                size += static_cast<size_t>(w.length);
                line[size++] = ' ';
                continue;
            }
            line[size++] = '[';
            const size_t span = static_cast<size_t>(w.count * (w.length + 1) - 1);
            CopyText(line + size, w.first, span);
            for (size_t k = size; k < size + span; ++k)
                if (line[k] == '\0') line[k] = ' ';
            size += span;
            line[size++] = ']';
            line[size++] = ' ';
        }
        if (st.CompactOutput) {
            run.state.FoundCount.fetch_add(static_cast<int32_t>(multiplicity));
            AddLine(run, std::string_view(line, size));
        } else {
            AddLine(run, std::string_view(line, size));
            run.state.CountOne();
        }
        return;
    }
    // Every choice of one word per group, the first group varying slowest.
    size_t at[kAnagramMaxDepth * 2];
    int chosen[kAnagramMaxDepth * 2];
    for (int p = 0; p < n; ++p) {
        at[p] = size;
        chosen[p] = 0;
        CopyText(line + size, words[p]->first, static_cast<size_t>(words[p]->length));
        size += static_cast<size_t>(words[p]->length);
        line[size++] = ' ';
    }
    // A line is printed while the count before it is within the limit, and
    // one more; the count goes up once for all of them.
    const int64_t before = run.state.FoundCount.load(std::memory_order_relaxed);
    const int64_t allowed = before > st.ResultLimit ? 1 : st.ResultLimit - before + 2;
    int64_t printed = 0;
    for (;;) {
        if (run.state.Stopping()) break;
        AddLine(run, std::string_view(line, size));
        if (++printed == allowed) break;
        int p = n - 1;
        while (p >= 0 && ++chosen[p] == words[p]->count) {
            chosen[p] = 0;
            CopyText(line + at[p], words[p]->first, static_cast<size_t>(words[p]->length));
            --p;
        }
        if (p < 0) break;
        const AnagrState::WordRun& w = *words[p];
        CopyText(line + at[p], w.first + chosen[p] * (w.length + 1), static_cast<size_t>(w.length));
    }
    run.state.FoundCount.fetch_add(static_cast<int32_t>(printed), std::memory_order_relaxed);
}

// The lines of the combination of the n classes in Chosen.
void ComposeCombination(AnagrRun& run, int n) {
    AnagrState& st = run.anagramState;
    if (st.FilterMode == kFilterNone) {
        ComposeUnfiltered(run, n);
        return;
    }
    st.LineText.clear();
    st.groups.clear();
    ComposeLine(run, 0, n, false, 1);
}

}  // namespace

void PrintAnagramLine(AnagrRun& run) {
    AnagrState& st = run.anagramState;
    StartLine(st, st.expanded);
    bool hasGroups = false;
    for (const Group& g : st.groups) hasGroups |= g.count > 1;
    if (!st.CompactOutput && hasGroups) {
        ExpandGroups(run, 0, st.expanded);
        return;
    }
    st.expanded += st.LineText;
    AddLine(run, st.expanded);
    if (!st.CompactOutput) run.state.CountOne();
}

void FlushAnagramLines(AnagrRun& run) {
    AnagrState& st = run.anagramState;
    const size_t size = st.pendingSize;
    st.pendingSize = 0;
    run.out.PrintLines(std::string_view(st.pendingLines.data(), size));
}

void ComposeLine(AnagrRun& run, int p, int n, bool used, int64_t multiplicity) {
    AnagrState& st = run.anagramState;
    const size_t textMark = st.LineText.size();
    const size_t groupMark = st.groups.size();
    if (p == n) {
        if (!used && st.FilterMode != kFilterAtMostOneWord) return;
        if (st.CompactOutput) run.state.FoundCount.fetch_add(static_cast<int32_t>(multiplicity));
        PrintAnagramLine(run);
        return;
    }
    const AnagramClass& cls = *run.dict.ClassScratch[st.Chosen[p]];
    const char* passing[128];
    const char* failing[128];
    int passingCount = 0, failingCount = 0;
    run.dict.ForEachWordOfClass(cls, [&](const char* word) {
        if (st.FilterMode == kFilterNone || WordPassesFilter(run.filter, word, run.dict))
            passing[passingCount++] = word;
        else
            failing[failingCount++] = word;
    });

    if (st.FilterMode == kFilterNone || (st.FilterMode == kFilterSomeWord && used)) {
        for (int i = 0; i < failingCount; ++i) passing[passingCount + i] = failing[i];
        AppendGroup(st, passing, passingCount + failingCount);
        ComposeLine(run, p + 1, n, true, multiplicity * (passingCount + failingCount));
    } else {
        if (passingCount > 0 && (st.FilterMode == kFilterEveryWord || st.FilterMode == kFilterSomeWord || !used)) {
            AppendGroup(st, passing, passingCount);
            ComposeLine(run, p + 1, n, true, multiplicity * passingCount);
        }
        if (failingCount > 0 && st.FilterMode != kFilterEveryWord) {
            st.LineText.resize(textMark);
            st.groups.resize(groupMark);
            AppendGroup(st, failing, failingCount);
            ComposeLine(run, p + 1, n, used, multiplicity * failingCount);
        }
    }
    st.LineText.resize(textMark);
    st.groups.resize(groupMark);
}

bool EmitCombination(AnagrRun& run, int n) {
    AnagrState& st = run.anagramState;
    if (st.SchemaMode && RepeatsAnEarlierSchemaChoice(st, n)) return false;
    if (st.ShortPhrase) {
        ComposeCombination(run, n);
        return run.state.FoundCount.load(std::memory_order_relaxed) > st.ResultLimit;
    }
    if (st.HalfPhase == 1) {
        st.ComboCount += ProductOfWordCounts(run, st.Chosen, n);
        if (st.SavedCount < kMaxSavedHalves) {
            for (int i = 0; i < n; ++i) st.SavedHalves[st.SavedCount][i] = st.Chosen[i];
            st.SavedLengths[st.SavedCount] = n;
            ++st.SavedCount;
        }
        return st.ComboCount > st.HalfComboLimit;
    }
    st.ComboCount += ProductOfWordCounts(run, st.Chosen, n);
    for (int s = 0; s < st.SavedCount; ++s) {
        const int total = n + st.SavedLengths[s];
        if (total > kAnagramMaxDepth * 2) continue;
        for (int i = 0; i < st.SavedLengths[s]; ++i) st.Chosen[n + i] = st.SavedHalves[s][i];
        ComposeCombination(run, total);
        if (run.state.FoundCount.load(std::memory_order_relaxed) >= st.ResultLimit) return true;
    }
    return st.ComboCount > st.HalfComboLimit;
}

}  // namespace sillabor
