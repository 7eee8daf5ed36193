#include "curio/mirror_reports.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "curio/key_groups.h"

namespace sillabor {

namespace {

// The words' starts in the bifronti's bitmap: the highest bits of their keys.
constexpr int kStartBits = 24;
constexpr int kStartShift = 5 * kPackedCodes - kStartBits;

bool IsPalindrome(const char* word, int length) {
    for (int a = 0, b = length - 1; a < b; ++a, --b)
        if (word[a] != word[b]) return false;
    return true;
}

// Whether the word's vowels (or its consonants), in order, read the same backwards.
bool LettersArePalindromic(const char* word, int length, bool vowels) {
    int a = 0;
    int b = length - 1;
    for (;;) {
        while (a < b && VowelTable.IsVowel(word[a]) != vowels) ++a;
        while (a < b && VowelTable.IsVowel(word[b]) != vowels) --b;
        if (a >= b) return true;
        if (word[a] != word[b]) return false;
        ++a;
        --b;
    }
}

}  // namespace

void PalindromesReport(CurioRun& run) {
    run.PrintTitle("Palindromi");
    for (int32_t i = 1; i < run.dict.WordCount; ++i) {
        if (!run.VisitWord(i)) return;
        const char* word = run.Word(i);
        if (IsPalindrome(word, WordLength(word))) run.out.PrintLine(word);
    }
}

void BifrontiReport(CurioRun& run) {
    run.PrintTitle("Bifronti");
    // A lookup per word costs a dozen cache misses. Packed keys keep byte
    // order, so the words' keys in slot order come sorted: the keys of the
    // reversed words, sorted once, are merged with them.
    const int32_t wordCount = run.dict.WordCount;
    std::vector<uint64_t> forward;
    std::vector<int32_t> forwardSlots;
    std::vector<KeyedItem> reversed;
    forward.reserve(static_cast<size_t>(wordCount));
    forwardSlots.reserve(static_cast<size_t>(wordCount));
    reversed.reserve(static_cast<size_t>(wordCount));
    std::vector<std::pair<int32_t, int32_t>> pairs;
    char backwards[kMaxWordLength + 1];
    for (int32_t i = 1; i < wordCount; ++i) {
        if (!run.VisitWord(i)) return;
        const char* word = run.Word(i);
        const int length = WordLength(word);
        if (length > kPackedCodes) {
            std::reverse_copy(word, word + length, backwards);
            backwards[length] = '\0';
            // A palindrome finds itself, which is not after itself.
            if (const int32_t j = run.dict.FindWord(backwards); j > i) pairs.emplace_back(i, j);
            continue;
        }
        // Both keys in one reading: the first letter highest forwards, lowest backwards.
        uint64_t ahead = 0;
        uint64_t back = 0;
        for (int k = 0; k < length; ++k) {
            const auto code = static_cast<uint64_t>(word[k] - 'a' + 1);
            ahead = ahead << 5 | code;
            back |= code << (5 * k);
        }
        const int unused = 5 * (kPackedCodes - length);
        forward.push_back(ahead << unused);
        forwardSlots.push_back(i);
        if (length >= 2) reversed.push_back({back << unused, i, 0});
    }
    if (!std::is_sorted(forward.begin(), forward.end())) {
        std::vector<KeyedItem> items(forward.size());
        for (size_t k = 0; k < forward.size(); ++k) items[k] = {forward[k], forwardSlots[k], 0};
        std::vector<KeyedItem> scratch;
        SortByKey(items, scratch);
        for (size_t k = 0; k < items.size(); ++k) {
            forward[k] = items[k].key;
            forwardSlots[k] = items[k].slot;
        }
    }
    // Most words read backwards do not even start as a word does: a bitmap of
    // the words' first letters turns them away before the sort.
    std::vector<uint64_t> starts(size_t{1} << (kStartBits - 6), 0);
    for (const uint64_t key : forward) starts[key >> (kStartShift + 6)] |= uint64_t{1} << ((key >> kStartShift) & 63);
    std::erase_if(reversed, [&](const KeyedItem& item) {
        return (starts[item.key >> (kStartShift + 6)] >> ((item.key >> kStartShift) & 63) & 1) == 0;
    });
    {
        std::vector<KeyedItem> scratch;
        SortByKey(reversed, scratch);
    }
    size_t at = 0;
    for (const KeyedItem& item : reversed) {
        while (at < forward.size() && forward[at] < item.key) ++at;
        if (at == forward.size()) break;
        if (forward[at] == item.key && forwardSlots[at] > item.slot) pairs.emplace_back(item.slot, forwardSlots[at]);
    }
    std::sort(pairs.begin(), pairs.end());
    run.state.FoundCount = run.LastSlot();
    for (const auto& [i, j] : pairs) {
        if (run.state.Stopping()) return;
        run.PrintFormatted("%s <-> %s", run.Word(i), run.Word(j));
    }
}

void LetterPalindromesReport(CurioRun& run, bool vowels) {
    for (int32_t i = 1; i < run.dict.WordCount; ++i) {
        if (!run.VisitWord(i)) return;
        const char* word = run.Word(i);
        const int length = WordLength(word);
        if (LettersArePalindromic(word, length, vowels)) run.top.TopInsert(i, length);
    }
    PrintTopList(run, false, vowels ? "vocali palindrome" : "consonanti palindrome");
}

}  // namespace sillabor
