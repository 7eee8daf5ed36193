#pragma once
// The page's rules for a typed cryptogram, written apart from the solver's
// reader so that the fuzz targets can hold the reader to them.

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "decrit/decrit_state.h"
#include "dictionary/letter_count.h"

namespace sillabor::fuzz {

// Symbols: a letter of the alphabetic notation (0..25), a number n (kNumber +
// n), a known letter among numbers (kKnown + letter), the joker.
inline constexpr int kNumber = 100, kKnown = 200, kAny = 255;

struct Cryptogram {
    std::vector<std::vector<int>> words;
    std::vector<std::string> refusal;  // the lines that must refuse it, if it breaks a rule
};

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The typed text read by the page's rules, not through the solver's reader.
inline Cryptogram Read(const std::string& typed) {
    const bool numeric = std::any_of(typed.begin(), typed.end(), IsDigit);
    std::vector<std::string> pieces(1);
    for (size_t i = 0; i < typed.size(); ++i) {
        const char c = ToLowerAscii(FoldedAccent(typed[i]));
        // Among numbers one blank parts two numbers, more part two words.
        const bool loneBlank = c == ' ' && numeric && (i == 0 || typed[i - 1] != ' ') &&
                               (i + 1 == typed.size() || typed[i + 1] != ' ');
        if ((c >= 'a' && c <= 'z') || IsDigit(c) || c == '*' || loneBlank)
            pieces.back() += c;
        else if (!pieces.back().empty())
            pieces.emplace_back();
    }
    Cryptogram g;
    bool badNumber = false;
    std::set<int> distinct;
    for (const std::string& piece : pieces) {
        std::vector<int> word;
        int number = -1;
        for (const char c : piece + ' ') {
            if (IsDigit(c)) {
                number = std::min(std::max(number, 0) * 10 + (c - '0'), 1000);
                continue;
            }
            if (number >= 0) word.push_back(kNumber + number);
            badNumber |= number == 0 || number > 26;
            number = -1;
            if (c == '*') word.push_back(kAny);
            else if (c != ' ') word.push_back(numeric ? kKnown + (c - 'a') : c - 'a');
        }
        for (int s : word)
            if (s != kAny) distinct.insert(s);
        if (!word.empty()) g.words.push_back(word);
    }
    if (g.words.size() > kMaxCryptoWords)
        g.refusal = {"Al massimo 20 parole!"};
    else if (badNumber)
        g.refusal = {"Errore :", "Puoi usare solo i numeri da 1 a 26!"};
    else if (distinct.size() > kAlphabetSize)
        g.refusal = {"Errore :", "Al massimo, tra lettere e numeri, si possono", "usare 26 simboli !"};
    return g;
}

}  // namespace sillabor::fuzz
