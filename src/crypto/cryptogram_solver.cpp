#include "crypto/cryptogram_solver.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "crypto/cryptogram_reader.h"
#include "dictionary/word_orders.h"

namespace sillabor {

namespace {

// Lengths of at least this many letters share the last count of the sort.
constexpr size_t kLongWord = 255;

// A stable distribution by length of words in byte order: the export's length
// order (shorter first, byte order within a length), in linear time.
void DistributeByLength(char** words, size_t n) {
    std::vector<uint8_t> lengths(n);
    size_t counts[kLongWord + 2] = {};
    for (size_t i = 0; i < n; ++i) {
        lengths[i] = static_cast<uint8_t>(std::min(std::strlen(words[i]), kLongWord));
        ++counts[lengths[i] + 1];
    }
    for (size_t k = 1; k <= kLongWord + 1; ++k) counts[k] += counts[k - 1];
    std::vector<char*> sorted(n);
    for (size_t i = 0; i < n; ++i) sorted[counts[lengths[i]]++] = words[i];
    std::memcpy(words, sorted.data(), n * sizeof(char*));
}

// LengthBucket from one pass over the words; false when they are not in length order.
bool FillLengthBuckets(const Dictionary& dict, DecrittaState& s) {
    std::memset(s.LengthBucket, 0, sizeof s.LengthBucket);
    size_t previous = 0;
    for (int32_t slot = 1; slot < dict.WordCount; ++slot) {
        const size_t length = std::strlen(dict.Words[slot]);
        if (length < previous) return false;
        previous = length;
        if (length >= kLengthBuckets) continue;
        if (s.LengthBucket[length][1] == 0) s.LengthBucket[length][0] = slot;
        s.LengthBucket[length][1] = slot + 1;
    }
    return true;
}

// Puts the word array in length order unless it is there already. Another
// page may have left it in an order of its own: then it is sorted anew.
void PrepareLengthOrder(Dictionary& dict, DecrittaState& s) {
    if (dict.WordCount <= 2) {
        FillLengthBuckets(dict, s);
        return;
    }
    char** words = dict.Words.data() + 1;
    const auto n = static_cast<size_t>(dict.WordCount - 1);
    if (!dict.NotAlphabetical) {
        DistributeByLength(words, n);
        dict.NotAlphabetical = true;
    }
    if (!FillLengthBuckets(dict, s)) {
        SortByLength(words, n);
        FillLengthBuckets(dict, s);
    }
}

// Whether a candidate's letters (0..25) fit the word under the assignment,
// extending it: a joker takes any letter, a symbol with a letter must meet it,
// a symbol without one takes a letter no other symbol has.
inline bool Fits(const uint8_t* symbols, int32_t length, const uint8_t* letters, Assignment& a) {
    for (int32_t i = 0; i < length; ++i) {
        const uint8_t symbol = symbols[i];
        if (symbol == kJoker) continue;
        const char letter = static_cast<char>('a' + letters[i]);
        const char has = a.SymbolLetter[symbol];
        if (has != 0) {
            if (has != letter) return false;
            continue;
        }
        const uint32_t bit = 1u << letters[i];
        if ((a.UsedLetters & bit) != 0) return false;
        a.UsedLetters |= bit;
        a.SymbolLetter[symbol] = letter;
    }
    return true;
}

// The words of the word's length that fit it under the start assignment, and
// for each of its symbols the candidates grouped by the letter they give it.
void CollectCandidates(const Dictionary& dict, const DecrittaState& s, const CryptoWord& word, WordCandidates& c) {
    c.words.clear();
    c.letters.clear();
    c.all.clear();
    c.symbols.clear();
    const int32_t length = word.length;
    if (length == 0 || length >= kLengthBuckets) return;
    uint8_t letters[kLengthBuckets];
    for (int32_t slot = s.LengthBucket[length][0]; slot < s.LengthBucket[length][1]; ++slot) {
        const char* text = dict.Words[slot];
        bool lettersOnly = true;
        for (int32_t i = 0; i < length; ++i) {
            letters[i] = static_cast<uint8_t>(text[i] - 'a');
            lettersOnly &= letters[i] < kAlphabetSize;
        }
        Assignment a = s.StartAssignment;
        if (!lettersOnly || !Fits(word.symbols.data(), length, letters, a)) continue;
        c.words.push_back(text);
        c.letters.insert(c.letters.end(), letters, letters + length);
    }
    const auto count = static_cast<int32_t>(c.words.size());
    c.all.resize(static_cast<size_t>(count));
    std::iota(c.all.begin(), c.all.end(), 0);

    bool seen[kAlphabetSize] = {};
    for (int32_t position = 0; position < length; ++position) {
        const uint8_t symbol = word.symbols[position];
        if (symbol == kJoker || seen[symbol]) continue;
        seen[symbol] = true;
        WordCandidates::SymbolIndex& index = c.symbols.emplace_back();
        index.symbol = symbol;
        index.position = position;
        int32_t counts[kAlphabetSize + 1] = {};
        for (int32_t k = 0; k < count; ++k) ++counts[c.letters[static_cast<size_t>(k * length + position)] + 1];
        for (int L = 0; L < kAlphabetSize; ++L) counts[L + 1] += counts[L];
        std::memcpy(index.first, counts, sizeof counts);
        index.order.resize(static_cast<size_t>(count));
        for (int32_t k = 0; k < count; ++k)
            index.order[static_cast<size_t>(counts[c.letters[static_cast<size_t>(k * length + position)]]++)] = k;
    }
}

// The depth-first search. At each level it takes the unsolved word with the
// fewest candidates left, found through the letters its symbols already have:
// the most constrained word first, so that dead ends show early.
class Solver {
public:
    explicit Solver(CryptoRun& run) : run_(run), s_(run.crypto) {}

    // False when the search must end (a stop, or past the cap).
    bool Descend(int32_t depth, const Assignment& a) {
        if (run_.state.Stopping()) return false;
        if (depth == s_.WordTotal) return Report();
        int32_t best = -1;
        const int32_t* bestList = nullptr;
        size_t bestCount = 0;
        for (int32_t w = 0; w < s_.WordTotal; ++w) {
            if (s_.solved[static_cast<size_t>(w)] != 0) continue;
            const WordCandidates& c = s_.candidates[static_cast<size_t>(w)];
            const int32_t* list = c.all.data();
            size_t count = c.all.size();
            for (const WordCandidates::SymbolIndex& index : c.symbols) {
                const char letter = a.SymbolLetter[index.symbol];
                if (letter == 0) continue;
                const int L = letter - 'a';
                const auto k = static_cast<size_t>(index.first[L + 1] - index.first[L]);
                if (k < count) {
                    count = k;
                    list = index.order.data() + index.first[L];
                }
            }
            if (count == 0) return true;
            if (best < 0 || count < bestCount ||
                (count == bestCount && s_.CryptoWords[static_cast<size_t>(w)].length >
                                           s_.CryptoWords[static_cast<size_t>(best)].length)) {
                best = w;
                bestList = list;
                bestCount = count;
            }
        }

        const CryptoWord& word = s_.CryptoWords[static_cast<size_t>(best)];
        const WordCandidates& c = s_.candidates[static_cast<size_t>(best)];
        s_.solved[static_cast<size_t>(best)] = 1;
        bool goOn = true;
        for (size_t i = 0; i < bestCount && goOn; ++i) {
            const int32_t k = bestList[i];
            Assignment next = a;
            if (!Fits(word.symbols.data(), word.length, c.letters.data() + static_cast<size_t>(k) * word.length, next))
                continue;
            s_.ChosenWord[static_cast<size_t>(best)] = k;
            goOn = Descend(depth + 1, next);
        }
        s_.solved[static_cast<size_t>(best)] = 0;
        return goOn;
    }

private:
    // One line: the chosen words in the cryptogram's order, each followed by a space.
    bool Report() {
        if (++s_.Solutions > kMaxSolutions) return false;
        run_.state.CountOne();
        char* line = run_.out.LineBuffer;
        size_t n = 0;
        for (int32_t w = 0; w < s_.WordTotal; ++w) {
            const WordCandidates& c = s_.candidates[static_cast<size_t>(w)];
            const char* text = c.words[static_cast<size_t>(s_.ChosenWord[static_cast<size_t>(w)])];
            const auto length = static_cast<size_t>(s_.CryptoWords[static_cast<size_t>(w)].length);
            std::memcpy(line + n, text, length);
            n += length;
            line[n++] = ' ';
        }
        line[n] = '\0';
        run_.out.PrintLineBuffer();
        return true;
    }

    CryptoRun& run_;
    DecrittaState& s_;
};

}  // namespace

int DecrittaSearch(CryptoRun& run) {
    DecrittaState& s = run.crypto;
    s.StartAssignment = Assignment{};
    PrepareLengthOrder(run.dict, s);
    s.Solutions = 0;
    s.WordTotal = 0;
    run.state.FoundCount = 0;

    const CryptogramText text = SplitCryptogram(run.page.DecriMe);
    run.page.DecriMe = JoinLines(text.words);
    run.page.DecriMeRewritten = true;
    if (ReadCryptogram(text, s, run.out) != 0) return 1;

    const auto words = static_cast<size_t>(s.WordTotal);
    s.candidates.resize(words);
    s.ChosenWord.assign(words, 0);
    s.solved.assign(words, 0);
    for (size_t w = 0; w < words && !run.state.Stopping(); ++w)
        CollectCandidates(run.dict, s, s.CryptoWords[w], s.candidates[w]);
    if (words > 0) Solver(run).Descend(0, s.StartAssignment);

    if (run.state.Stopping()) return 0;
    if (s.Solutions == 0) run.out.PrintLine("NESSUNA SOLUZIONE TROVATA !");
    run.out.PrintSeparator();
    return 0;
}

}  // namespace sillabor
