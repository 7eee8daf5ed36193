#include "curio/example_reports.h"

#include <algorithm>
#include <bit>
#include <memory>
#include <utility>
#include <vector>

#include "curio/change_groups.h"
#include "curio/example_lists.h"
#include "curio/removals.h"

namespace sillabor {

namespace {

// The examples of each pair of letters x before y.
struct PairLists {
    ExampleList of[26][26];
};

// One line per pair of letters with examples: the heading with the letters in
// capitals, then each example with its letters in capitals.
void PrintPairLists(CurioRun& run, const PairLists& lists, const char* arrow) {
    for (int x = 0; x < 26; ++x) {
        for (int y = x + 1; y < 26; ++y) {
            const ExampleList& list = lists.of[x][y];
            if (list.Count() == 0) continue;
            std::string line{static_cast<char>('A' + x)};
            ((line += arrow) += static_cast<char>('A' + y)) += " :";
            for (int k = 0; k < list.Count(); ++k)
                (line += ' ') += MarkLetters(list[k].word, list[k].first, list[k].second);
            run.out.PrintLine(line);
        }
    }
}

// Two words of one anagram class that are the same but for two letters
// exchanged: the two positions, or false.
bool OneExchange(const char* a, const char* b, int& first, int& second) {
    first = second = -1;
    for (int k = 0; a[k]; ++k) {
        if (a[k] == b[k]) continue;
        if (second >= 0) return false;
        (first < 0 ? first : second) = k;
    }
    return second >= 0;
}

// The inverse of a modulo n (a and n coprime), in 0..n-1.
int64_t ModularInverse(int64_t a, int64_t n) {
    int64_t r0 = n, r1 = a % n, t0 = 0, t1 = 1;
    while (r1 != 0) {
        const int64_t quotient = r0 / r1;
        r0 = std::exchange(r1, r0 - quotient * r1);
        t0 = std::exchange(t1, t0 - quotient * t1);
    }
    return n > 1 ? (t0 % n + n) % n : 0;
}

// The first five exchanges of each pair of letters, by the order the walk
// meets them.
struct FirstExchanges {
    struct Exchange {
        uint64_t order;
        const char* word;
        int8_t first;
        int8_t second;
    };
    Exchange of[26][26][kExamplesPerList];
    int count[26][26] = {};

    void Offer(int x, int y, const Exchange& e) {
        Exchange* list = of[x][y];
        int& n = count[x][y];
        if (n == kExamplesPerList && e.order >= list[n - 1].order) return;
        int k = n == kExamplesPerList ? n - 1 : n++;
        for (; k > 0 && e.order < list[k - 1].order; --k) list[k] = list[k - 1];
        list[k] = e;
    }
};

}  // namespace

void EveryChangeReport(CurioRun& run) {
    const std::vector<int32_t> ranks = ScrambledRanks(run.random, run.dict.WordCount, true);
    auto lists = std::make_unique<PairLists>();
    const bool finished = ForEachChangeGroup(run, 1, [&](const ChangeGroup& group) {
        const auto position = static_cast<int8_t>(group.position);
        for (const KeyedItem* item = group.first; item != group.last; ++item) {
            const int x = item->tag;
            const int32_t rank = ranks[static_cast<size_t>(item->slot)];
            // The words of the group with a later letter there.
            for (uint32_t later = group.letters & ~((2u << x) - 1); later != 0; later &= later - 1) {
                ExampleList& list = lists->of[x][std::countr_zero(later)];
                if (list.Wants(rank, position)) list.Offer({rank, run.Word(item->slot), position, -1});
            }
        }
    });
    if (!finished) return;
    run.state.FoundCount = run.LastSlot();
    run.PrintTitle("Esempi dei cambi possibili");
    PrintPairLists(run, *lists, " -> ");
}

void EveryExchangeReport(CurioRun& run) {
    run.state.StatusMode = kStatusInfoClasses;
    const Dictionary& dict = run.dict;
    const ScrambledWalk walk(run.random, dict.ClassCount);
    // The walk meets class c at rank (c - start) / step, modulo the count of
    // classes. They are read in their own order instead, which is the text's,
    // and each list keeps its five examples the walk meets first.
    const int64_t classes = dict.ClassCount;
    const int64_t inverse = ModularInverse(walk.step, classes);
    auto found = std::make_unique<FirstExchanges>();
    const char* words[kMaxClassWords];
    for (int32_t c = 0; c < dict.ClassCount; ++c) {
        if (!run.Visit(c)) return;
        const AnagramClass& cls = dict.Classes[static_cast<size_t>(c)];
        if (cls.WordsInClass() < 2 || cls.letters.total < 2) continue;
        int count = 0;
        dict.ForEachWordOfClass(cls, [&](const char* word) { words[count++] = word; });
        const auto rank = static_cast<uint64_t>((c - walk.start + classes) % classes * inverse % classes);
        for (int a = 0; a < count; ++a) {
            for (int b = a + 1; b < count; ++b) {
                int p = 0;
                int q = 0;
                if (!OneExchange(words[a], words[b], p, q)) continue;
                const int x = std::min(words[a][p], words[a][q]) - 'a';
                const int y = std::max(words[a][p], words[a][q]) - 'a';
                // Within a class the walk meets the pairs in this order.
                const uint64_t order = rank << 14 | static_cast<uint64_t>(a) << 7 | static_cast<uint64_t>(b);
                found->Offer(x, y, {order, words[a], static_cast<int8_t>(p), static_cast<int8_t>(q)});
            }
        }
    }
    auto lists = std::make_unique<PairLists>();
    for (int x = 0; x < 26; ++x)
        for (int y = x + 1; y < 26; ++y)
            for (int k = 0; k < found->count[x][y]; ++k) {
                const FirstExchanges::Exchange& e = found->of[x][y][k];
                lists->of[x][y].Offer({k, e.word, e.first, e.second});
            }
    run.PrintTitle("Esempi degli scambi possibili");
    PrintPairLists(run, *lists, " <-> ");
}

void EveryRemovalReport(CurioRun& run) {
    const std::vector<int32_t> ranks = ScrambledRanks(run.random, run.dict.WordCount, true);
    ExampleList lists[26];
    const bool finished = ForEachRemoval(run, [&](int32_t slot, int position, int letter) {
        const int32_t rank = ranks[static_cast<size_t>(slot)];
        if (lists[letter].Wants(rank, static_cast<int8_t>(position)))
            lists[letter].Offer({rank, run.Word(slot), static_cast<int8_t>(position), -1});
    });
    if (!finished) return;
    run.state.FoundCount = run.LastSlot();
    run.PrintTitle("Esempi dei possibili scarti");
    for (int x = 0; x < 26; ++x) {
        if (lists[x].Count() == 0) continue;
        std::string line{'[', static_cast<char>('A' + x), ']'};
        for (int k = 0; k < lists[x].Count(); ++k)
            (line += ' ') += MarkLetters(lists[x][k].word, lists[x][k].first);
        run.out.PrintLine(line);
    }
}

}  // namespace sillabor
