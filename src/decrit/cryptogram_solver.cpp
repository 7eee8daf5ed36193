#include "decrit/cryptogram_solver.h"

#include <algorithm>
#include <cassert>
#include <bit>
#include <cstring>
#include <numeric>
#include <string>
#include <unordered_map>

#include "decrit/cryptogram_reader.h"
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
bool FillLengthBuckets(const Dictionary& dict, DecritState& s) {
    std::memset(s.LengthBucket, 0, sizeof s.LengthBucket);
    size_t previous = 0;
    for (int32_t slot = 1; slot < dict.WordCount; ++slot) {
        const size_t length = std::strlen(dict.Words[slot]);
        if (length < previous) return false;
        previous = length;
        if (length >= kLengthSlots) continue;
        if (s.LengthBucket[length][1] == 0) s.LengthBucket[length][0] = slot;
        s.LengthBucket[length][1] = slot + 1;
    }
    return true;
}

// An order-dependent hash of the word array: it changes when anyone re-sorts it.
uint64_t OrderFingerprint(const Dictionary& dict) {
    uint64_t hash = static_cast<uint64_t>(dict.WordCount);
    for (int32_t slot = 1; slot < dict.WordCount; ++slot)
        hash = hash * 0x9E3779B97F4A7C15ull + reinterpret_cast<uintptr_t>(dict.Words[slot]);
    return hash;
}

// Puts the word array in length order unless it is there already, and fills
// LengthBucket. When the array is still as the last search left it, the
// buckets stand; another page's order that is not by length is sorted anew.
void PrepareLengthOrder(Dictionary& dict, DecritState& s) {
    DecritState::LengthOrder& left = s.leftInLengthOrder;
    if (dict.NotAlphabetical && left.known && left.generation == dict.Generation.load() &&
        left.fingerprint == OrderFingerprint(dict))
        return;
    if (dict.WordCount > 2) {
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
    } else {
        FillLengthBuckets(dict, s);
    }
    left = {true, dict.Generation.load(), OrderFingerprint(dict)};
    for (std::vector<uint8_t>& packed : s.BucketLetters) packed.clear();
}

// The letters of the words of one length, read from the word text once: the
// later scans of that length run over contiguous bytes. A word with anything
// but a-z starts with kNotALetter and is never a candidate.
constexpr uint8_t kNotALetter = 0xFF;

const std::vector<uint8_t>& PackedLetters(const Dictionary& dict, DecritState& s, int32_t length) {
    std::vector<uint8_t>& packed = s.BucketLetters[length];
    const int32_t first = s.LengthBucket[length][0], end = s.LengthBucket[length][1];
    if (!packed.empty() || end <= first) return packed;
    packed.resize(static_cast<size_t>(end - first) * static_cast<size_t>(length));
    uint8_t* out = packed.data();
    for (int32_t slot = first; slot < end; ++slot, out += length) {
        const char* text = dict.Words[slot];
        bool lettersOnly = true;
        for (int32_t i = 0; i < length; ++i) {
            out[i] = static_cast<uint8_t>(text[i] - 'a');
            lettersOnly &= out[i] < kAlphabetSize;
        }
        if (!lettersOnly) out[0] = kNotALetter;
    }
    return packed;
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

// For each symbol of the word, its candidates grouped by the letter they give it.
void IndexBySymbol(const CryptoWord& word, WordCandidates& c) {
    const int32_t length = word.length;
    const auto count = static_cast<int32_t>(c.words.size());
    c.all.resize(static_cast<size_t>(count));
    std::iota(c.all.begin(), c.all.end(), 0);
    bool seen[kAlphabetSize] = {};
    for (int32_t position = 0; position < length; ++position) {
        const uint8_t symbol = word.symbols[static_cast<size_t>(position)];
        if (symbol == kJoker || seen[symbol]) continue;
        seen[symbol] = true;
        WordCandidates::SymbolIndex& index = c.symbols.emplace_back();
        index.symbol = symbol;
        index.position = position;
        int32_t counts[kAlphabetSize + 1] = {};
        const uint8_t* letter = c.letters.data() + position;
        for (int32_t k = 0; k < count; ++k) ++counts[letter[static_cast<size_t>(k) * length] + 1];
        for (int L = 0; L < kAlphabetSize; ++L) counts[L + 1] += counts[L];
        std::memcpy(index.first, counts, sizeof counts);
        index.order.resize(static_cast<size_t>(count));
        for (int32_t k = 0; k < count; ++k)
            index.order[static_cast<size_t>(counts[letter[static_cast<size_t>(k) * length]]++)] = k;
    }
    c.sameLetters.clear();
    c.sameLetterGroups = 0;
    if (std::find(word.symbols.begin(), word.symbols.end(), kJoker) == word.symbols.end()) return;
    if (c.symbols.empty()) {  // jokers only: one group
        c.sameLetters.assign(static_cast<size_t>(count), 0);
        c.sameLetterGroups = count > 0 ? 1 : 0;
        return;
    }
    // The letters a candidate gives the symbols, five bits each; a word with
    // more symbols than a key holds is not grouped (its search is as before).
    if (c.symbols.size() > 12) return;
    std::unordered_map<uint64_t, int32_t> groups;
    groups.reserve(static_cast<size_t>(count));
    c.sameLetters.resize(static_cast<size_t>(count));
    for (int32_t k = 0; k < count; ++k) {
        const uint8_t* letters = c.letters.data() + static_cast<size_t>(k) * length;
        uint64_t key = 0;
        for (const WordCandidates::SymbolIndex& index : c.symbols) key = key << 5 | letters[index.position];
        c.sameLetters[static_cast<size_t>(k)] = groups.try_emplace(key, c.sameLetterGroups).first->second;
        if (c.sameLetters[static_cast<size_t>(k)] == c.sameLetterGroups) ++c.sameLetterGroups;
    }
}

// The candidates of every cryptogram word: the words of its length that fit it
// under the start assignment. Each length's words are read once, for all the
// cryptogram words of that length.
void CollectCandidates(const Dictionary& dict, DecritState& s, const SearchState& state) {
    for (WordCandidates& c : s.candidates) {
        c.words.clear();
        c.letters.clear();
        c.all.clear();
        c.symbols.clear();
    }
    std::vector<int32_t> sameLength;
    for (int32_t length = 1; length < kLengthSlots && !state.Stopping(); ++length) {
        sameLength.clear();
        for (int32_t w = 0; w < s.WordTotal; ++w)
            if (s.CryptoWords[static_cast<size_t>(w)].length == length) sameLength.push_back(w);
        if (sameLength.empty()) continue;
        const std::vector<uint8_t>& packed = PackedLetters(dict, s, length);
        const int32_t first = s.LengthBucket[length][0];
        const size_t count = packed.size() / static_cast<size_t>(length);
        for (size_t k = 0; k < count; ++k) {
            const uint8_t* letters = packed.data() + k * static_cast<size_t>(length);
            if (letters[0] == kNotALetter) continue;
            for (int32_t w : sameLength) {
                const CryptoWord& word = s.CryptoWords[static_cast<size_t>(w)];
                Assignment a = s.StartAssignment;
                if (!Fits(word.symbols.data(), length, letters, a)) continue;
                WordCandidates& c = s.candidates[static_cast<size_t>(w)];
                c.words.push_back(dict.Words[first + static_cast<int32_t>(k)]);
                c.letters.insert(c.letters.end(), letters, letters + length);
            }
        }
    }
}

// The letters each symbol can still take, narrowed until nothing changes: a
// letter stays when every word holding the symbol has a candidate giving it
// that letter, and a letter that is the only one left to a symbol leaves the
// others. Candidates that give a symbol a letter it lost are dropped. False
// when some symbol is left without letters.
bool NarrowLetters(DecritState& s) {
    uint32_t* letters = s.SymbolLetters;
    const uint32_t all = (1u << kAlphabetSize) - 1;
    for (int symbol = 0; symbol < kAlphabetSize; ++symbol) letters[symbol] = all;
    for (int symbol = 0; symbol < kAlphabetSize; ++symbol) {
        if (const char known = s.StartAssignment.SymbolLetter[symbol]; known != 0) letters[symbol] = 1u << (known - 'a');
    }
    for (bool changed = true; changed;) {
        changed = false;
        uint32_t seen[kAlphabetSize];
        for (int32_t w = 0; w < s.WordTotal; ++w) {
            const CryptoWord& word = s.CryptoWords[static_cast<size_t>(w)];
            WordCandidates& c = s.candidates[static_cast<size_t>(w)];
            const auto length = static_cast<size_t>(word.length);
            size_t kept = 0;
            for (const uint8_t symbol : word.symbols)
                if (symbol != kJoker) seen[symbol] = 0;
            for (size_t k = 0; k < c.words.size(); ++k) {
                const uint8_t* candidate = c.letters.data() + k * length;
                bool fits = true;
                for (size_t i = 0; i < length && fits; ++i)
                    fits = word.symbols[i] == kJoker || (letters[word.symbols[i]] >> candidate[i] & 1u) != 0;
                if (!fits) continue;
                for (size_t i = 0; i < length; ++i)
                    if (word.symbols[i] != kJoker) seen[word.symbols[i]] |= 1u << candidate[i];
                if (kept != k) {
                    c.words[kept] = c.words[k];
                    std::memmove(c.letters.data() + kept * length, candidate, length);
                }
                ++kept;
            }
            changed |= kept != c.words.size();
            c.words.resize(kept);
            c.letters.resize(kept * length);
            for (const uint8_t symbol : word.symbols) {
                if (symbol == kJoker || (letters[symbol] & ~seen[symbol]) == 0) continue;
                letters[symbol] &= seen[symbol];
                changed = true;
            }
        }
        for (int symbol = 0; symbol < kAlphabetSize; ++symbol) {
            const uint32_t only = letters[symbol];
            if (only == 0) return false;
            if ((only & (only - 1)) != 0) continue;
            for (int other = 0; other < kAlphabetSize; ++other) {
                if (other == symbol || (letters[other] & only) == 0 || !s.SymbolInUse[other]) continue;
                letters[other] &= ~only;
                changed = true;
            }
        }
    }
    return true;
}

// The depth-first search. At each level it takes the unsolved word with the
// fewest candidates left, found through the letters its symbols already have:
// the most constrained word first, so that dead ends show early. A word whose
// symbols all have letters (or are jokers) binds nothing more: it only has to
// keep one fitting candidate, and it waits until no other word is left, else
// twenty words of jokers would multiply the tries before a later dead end.
class Solver {
public:
    explicit Solver(DecritRun& run)
        : run_(run), fruitless_(static_cast<size_t>(run.crypto.WordTotal)), s_(run.crypto) {}

    // False when the search must end (a stop, or past the cap).
    bool Descend(int32_t depth, const Assignment& a) {
        if (run_.state.Stopping()) return false;
        if (depth == s_.WordTotal) return Report();
        if (!EnoughLetters(a)) return true;
        int32_t best = -1;
        const int32_t* bestList = nullptr;
        size_t bestCount = 0;
        bool bestSettled = true;
        for (int32_t w = 0; w < s_.WordTotal; ++w) {
            if (s_.solved[static_cast<size_t>(w)] != 0) continue;
            const WordCandidates& c = s_.candidates[static_cast<size_t>(w)];
            const int32_t* list = c.all.data();
            size_t count = c.all.size();
            bool settled = true;
            for (const WordCandidates::SymbolIndex& index : c.symbols) {
                const char letter = a.SymbolLetter[index.symbol];
                if (letter == 0) {
                    settled = false;
                    continue;
                }
                const int L = letter - 'a';
                const auto k = static_cast<size_t>(index.first[L + 1] - index.first[L]);
                if (k < count) {
                    count = k;
                    list = index.order.data() + index.first[L];
                }
            }
            if (count == 0 || (settled && !AnyFits(w, list, count, a))) return true;
            const bool better = best < 0 || (bestSettled && !settled) ||
                                (settled == bestSettled &&
                                 (count < bestCount ||
                                  (count == bestCount && s_.CryptoWords[static_cast<size_t>(w)].length >
                                                             s_.CryptoWords[static_cast<size_t>(best)].length)));
            if (better) {
                best = w;
                bestList = list;
                bestCount = count;
                bestSettled = settled;
            }
        }

        const CryptoWord& word = s_.CryptoWords[static_cast<size_t>(best)];
        const WordCandidates& c = s_.candidates[static_cast<size_t>(best)];
        s_.solved[static_cast<size_t>(best)] = 1;
        // Candidates of a word with jokers that differ only under the jokers
        // lead to the same place: once one found nothing there, the others
        // are not tried (twenty such words would multiply the dead ends).
        const bool grouped = !c.sameLetters.empty();
        // Sized once for every depth: a reference into it outlives the recursion.
        std::vector<uint8_t>& fruitless = fruitless_[static_cast<size_t>(depth)];
        if (grouped) fruitless.assign(static_cast<size_t>(c.sameLetterGroups), 0);
        bool goOn = true;
        for (size_t i = 0; i < bestCount && goOn; ++i) {
            const int32_t k = bestList[i];
            if (grouped && fruitless[static_cast<size_t>(c.sameLetters[static_cast<size_t>(k)])] != 0) continue;
            Assignment next = a;
            if (!Fits(word.symbols.data(), word.length, c.letters.data() + static_cast<size_t>(k) * word.length, next))
                continue;
            s_.ChosenWord[static_cast<size_t>(best)] = k;
            const int32_t solutionsBefore = s_.Solutions;
            goOn = Descend(depth + 1, next);
            if (grouped && s_.Solutions == solutionsBefore)
                fruitless[static_cast<size_t>(c.sameLetters[static_cast<size_t>(k)])] = 1;
        }
        s_.solved[static_cast<size_t>(best)] = 0;
        return goOn;
    }

private:
    // Whether one of the listed candidates of word w fits under the assignment.
    bool AnyFits(int32_t w, const int32_t* list, size_t count, const Assignment& a) const {
        const CryptoWord& word = s_.CryptoWords[static_cast<size_t>(w)];
        const WordCandidates& c = s_.candidates[static_cast<size_t>(w)];
        for (size_t i = 0; i < count; ++i) {
            Assignment copy = a;
            if (Fits(word.symbols.data(), word.length, c.letters.data() + static_cast<size_t>(list[i]) * word.length,
                     copy))
                return true;
        }
        return false;
    }

    // The symbols still without a letter need as many letters among those they
    // can take and no other symbol has.
    bool EnoughLetters(const Assignment& a) const {
        uint32_t open = 0;
        int needed = 0;
        for (int symbol = 0; symbol < kAlphabetSize; ++symbol) {
            if (!s_.SymbolInUse[symbol] || a.SymbolLetter[symbol] != 0) continue;
            const uint32_t free = s_.SymbolLetters[symbol] & ~a.UsedLetters;
            if (free == 0) return false;
            open |= free;
            ++needed;
        }
        return std::popcount(open) >= needed;
    }

    // One line: the chosen words in the cryptogram's order, each followed by a space.
    bool Report() {
        if (++s_.Solutions > kMaxSolutions) return false;
        run_.state.CountOne();
        line_.clear();
        for (int32_t w = 0; w < s_.WordTotal; ++w) {
            const WordCandidates& c = s_.candidates[static_cast<size_t>(w)];
            const char* text = c.words[static_cast<size_t>(s_.ChosenWord[static_cast<size_t>(w)])];
            const auto length = static_cast<size_t>(s_.CryptoWords[static_cast<size_t>(w)].length);
            line_.append(text, length).push_back(' ');
        }
        run_.out.PrintLine(line_);
        return true;
    }

    DecritRun& run_;
    // The solution line being composed.
    std::string line_;
    // At each depth, the groups of same-letter candidates already found fruitless.
    std::vector<std::vector<uint8_t>> fruitless_;
    DecritState& s_;
};

}  // namespace

int DecrittaSearch(DecritRun& run, const Checked<DecritRequest>& checked) {
    DecritState& s = run.crypto;
    s.StartAssignment = Assignment{};
    PrepareLengthOrder(run.dict, s);
    s.Solutions = 0;
    s.WordTotal = 0;
    run.state.FoundCount = 0;

    if (const auto* refusal = std::get_if<Refusal>(&checked)) {
        for (const std::string& line : refusal->lines) run.out.PrintLine(line);
        return 1;
    }
    const CryptogramText text = SplitCryptogram(std::get<DecritRequest>(checked).cryptogram);
    [[maybe_unused]] const bool refused = ReadCryptogram(text, s.CryptoWords, s.StartAssignment).has_value();
    assert(!refused);  // the check read it already
    s.WordTotal = static_cast<int32_t>(text.words.size());

    const auto words = static_cast<size_t>(s.WordTotal);
    s.candidates.resize(words);
    s.ChosenWord.assign(words, 0);
    s.solved.assign(words, 0);
    CollectCandidates(run.dict, s, run.state);
    std::fill(std::begin(s.SymbolInUse), std::end(s.SymbolInUse), false);
    for (const CryptoWord& word : s.CryptoWords)
        for (const uint8_t symbol : word.symbols)
            if (symbol != kJoker) s.SymbolInUse[symbol] = true;
    if (words > 0 && NarrowLetters(s)) {
        for (size_t w = 0; w < words; ++w) IndexBySymbol(s.CryptoWords[w], s.candidates[w]);
        Solver(run).Descend(0, s.StartAssignment);
    }

    if (run.state.Stopping()) return 0;
    if (s.Solutions == 0) run.out.PrintLine("NESSUNA SOLUZIONE TROVATA !");
    run.out.PrintSeparator();
    return 0;
}

}  // namespace sillabor
