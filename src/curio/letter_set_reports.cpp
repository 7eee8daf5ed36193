#include "curio/letter_set_reports.h"
#include "base/letter_case.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>
#include <string_view>

namespace sillabor {

namespace {

constexpr std::string_view kVowelList = "aeiouy";
constexpr std::string_view kConsonantList = "bcdfghjklmnpqrstvwxz";
constexpr int kPairWords = 10;

// The one letter of the kind in the word, and how often; 0 when the word has
// none or two different ones.
int OnlyLetter(const char* word, int length, bool vowels, char& letter) {
    int count = 0;
    for (int k = 0; k < length; ++k) {
        if (VowelTable.IsVowel(word[k]) != vowels) continue;
        if (count > 0 && word[k] != letter) return 0;
        letter = word[k];
        ++count;
    }
    return count;
}

int CountOf(const char* word, char letter) { return static_cast<int>(std::count(word, word + std::strlen(word), letter)); }

}  // namespace

void SingleLetterReport(CurioRun& run, bool vowels) {
    int32_t longest[26] = {};
    int32_t most[26] = {};
    for (int32_t i = 1; i < run.dict.WordCount; ++i) {
        if (!run.VisitWord(i)) return;
        const char* word = run.Word(i);
        const int length = WordLength(word);
        char letter = 0;
        const int count = OnlyLetter(word, length, vowels, letter);
        if (count == 0) continue;
        const int l = LetterIndex(letter);
        if (longest[l] == 0 || length > WordLength(run.Word(longest[l]))) longest[l] = i;
        if (most[l] == 0 || count > CountOf(run.Word(most[l]), letter)) most[l] = i;
        run.top.TopInsert(i, 100 * count + length);
    }

    run.PrintTitle(vowels ? "Parole monovocaliche" : "Parole monoconsonantiche");
    for (char letter : vowels ? kVowelList : kConsonantList) {
        const int l = LetterIndex(letter);
        if (most[l] != 0)
            run.PrintFormatted("%c : %s / %s", letter - 32, run.Word(most[l]), run.Word(longest[l]));
    }
    run.out.PrintSeparator();
    if (run.top.TopCount == 0) {
        run.out.PrintLine("NESSUNA!");
    } else {
        for (int k = 0; k < run.top.TopCount; ++k) {
            const TopEntry& entry = run.top.entries[k];
            run.PrintFormatted("%2d/%2d %s", entry.score / 100, entry.score % 100, Upper(run.Word(entry.item)).c_str());
        }
    }
    run.out.PrintSeparator();
}

void BiconsonantalReport(CurioRun& run) {
    struct Pair {
        int count = 0;
        int32_t words[kPairWords];
    };
    Pair pairs[26][26];
    for (int32_t i = run.LastSlot(); i >= 1; --i) {
        if (!run.Visit(run.dict.WordCount - i)) return;
        run.PrefetchWord(i - CurioRun::kWordsAhead);
        const char* word = run.Word(i);
        uint32_t consonants = 0;
        for (const char* c = word; *c; ++c)
            if (!VowelTable.IsVowel(*c)) consonants |= 1u << LetterIndex(*c);
        if (std::popcount(consonants) != 2) continue;
        const int first = std::countr_zero(consonants);
        const int second = std::countr_zero(consonants & (consonants - 1));
        Pair& pair = pairs[first][second];
        if (pair.count < kPairWords) pair.words[pair.count++] = i;
    }

    run.PrintTitle("Parole biconsonantiche");
    for (size_t a = 0; a + 1 < kConsonantList.size(); ++a) {
        for (size_t b = a + 1; b < kConsonantList.size(); ++b) {
            const Pair& pair = pairs[LetterIndex(kConsonantList[a])][LetterIndex(kConsonantList[b])];
            if (pair.count == 0) continue;
            std::string line{ToUpperAscii(kConsonantList[a]), ToUpperAscii(kConsonantList[b])};
            line += " :";
            for (int k = 0; k < pair.count; ++k) (line += ' ') += run.Word(pair.words[k]);
            run.out.PrintLine(line);
        }
    }
    run.out.PrintSeparator();
}

void PanvocalicReport(CurioRun& run) {
    constexpr int kOrders = 120;
    struct Order {
        int32_t shortest = 0;
        int32_t longest = 0;
        int32_t withY = 0;
    };
    Order orders[kOrders];

    run.PrintTitle("Esempi delle possibili parole panvocaliche");
    for (int32_t i = 1; i < run.dict.WordCount; ++i) {
        if (!run.VisitWord(i)) return;
        const char* word = run.Word(i);
        const int length = WordLength(word);
        int seen[26] = {};
        int order[5];
        int found = 0;
        bool single = true;
        for (int k = 0; k < length && single; ++k) {
            const int letter = LetterIndex(word[k]);
            const size_t vowel = std::string_view("aeiou").find(word[k]);
            if (vowel != std::string_view::npos) {
                if (seen[letter]++ > 0) single = false;
                else order[found++] = static_cast<int>(vowel);
            } else if (word[k] == 'y') {
                ++seen[letter];
            }
        }
        if (!single || found != 5) continue;
        // The rank of the order among the 120 in lexicographic order.
        int rank = 0;
        for (int k = 0; k < 5; ++k) {
            int smaller = 0;
            for (int later = k + 1; later < 5; ++later) smaller += order[later] < order[k];
            static constexpr int kFactorial[5] = {24, 6, 2, 1, 1};
            rank += smaller * kFactorial[k];
        }
        Order& entry = orders[rank];
        const int ys = seen[LetterIndex('y')];
        if (ys > 0) {
            if (ys == 1 && entry.withY == 0) entry.withY = i;
            continue;
        }
        if (entry.shortest == 0 || WordLength(run.Word(entry.shortest)) > length) entry.shortest = i;
        if (entry.longest == 0 || WordLength(run.Word(entry.longest)) < length) entry.longest = i;
    }

    char vowels[] = "AEIOU";
    for (int rank = 0; rank < kOrders; ++rank, std::next_permutation(vowels, vowels + 5)) {
        const Order& entry = orders[rank];
        if (entry.shortest == 0 && entry.withY == 0) continue;
        std::string line = std::string(vowels) + " = ";
        if (entry.shortest == 0)
            line += "-- ";
        else if (entry.shortest == entry.longest)
            line += std::string(run.Word(entry.shortest)) + " ";
        else
            line += std::string(run.Word(entry.shortest)) + " - " + run.Word(entry.longest) + " ";
        if (entry.withY != 0) line += std::string(" [") + run.Word(entry.withY) + "]";
        run.out.PrintLine(line);
    }
}

}  // namespace sillabor
