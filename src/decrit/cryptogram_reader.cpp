#include "decrit/cryptogram_reader.h"

#include <algorithm>

#include "dictionary/letter_count.h"

namespace sillabor {

namespace {

constexpr char kBreak = '$';
// Letters written among numbers, while the words are read: code kKnownLetter + letter.
constexpr uint8_t kKnownLetter = 200;
// Numbers grow no further once they are out of range.
constexpr int kNumberCap = 1000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLower(char c) { return c >= 'a' && c <= 'z'; }

// Replaces every `from` (two characters) with kBreak; true when one was found.
bool ReplaceAll(std::string& text, std::string_view from) {
    bool changed = false;
    size_t at;
    while ((at = text.find(from)) != std::string::npos) {
        text.replace(at, from.size(), 1, kBreak);
        changed = true;
    }
    return changed;
}

Refusal Error(std::initializer_list<const char*> lines) {
    Refusal refusal{{"Errore :"}};
    refusal.lines.insert(refusal.lines.end(), lines.begin(), lines.end());
    return refusal;
}

}  // namespace

CryptogramText SplitCryptogram(std::string_view typed) {
    CryptogramText result;
    std::string text(typed);
    result.numeric = std::any_of(text.begin(), text.end(), IsDigit);
    for (char& c : text) {
        if (c == '\n') {
            c = kBreak;
            continue;
        }
        c = ToLowerAscii(FoldedAccent(c));
        if (!IsLower(c) && !IsDigit(c) && c != ' ' && c != '*') c = kBreak;
    }
    text.push_back(kBreak);  // the last line ends like the others
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != ' ') continue;
        if (!result.numeric || (i + 1 < text.size() && text[i + 1] == ' ')) text[i] = kBreak;
    }
    bool changed = true;
    while (changed) {
        changed = ReplaceAll(text, " $");
        changed |= ReplaceAll(text, "$$");
        changed |= ReplaceAll(text, "$ ");
    }
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(kBreak, start);
        if (end == std::string::npos) end = text.size();
        if (end > start) result.words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return result;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string joined;
    for (const std::string& line : lines) {
        if (!joined.empty()) joined.push_back('\n');
        joined += line;
    }
    return joined;
}

std::optional<Refusal> ReadCryptogram(const CryptogramText& text, std::vector<CryptoWord>& words, Assignment& start) {
    start = Assignment{};
    if (text.words.size() > static_cast<size_t>(kMaxCryptoWords))
        return Refusal{{"Al massimo " + std::to_string(kMaxCryptoWords) + " parole!"}};
    words.resize(text.words.size());
    if (!text.numeric) {
        for (size_t w = 0; w < text.words.size(); ++w) {
            std::vector<uint8_t>& symbols = words[w].symbols;
            symbols.clear();
            for (char c : text.words[w]) symbols.push_back(c == '*' ? kJoker : static_cast<uint8_t>(c - 'a'));
            words[w].length = static_cast<int32_t>(symbols.size());
        }
        return std::nullopt;
    }

    bool numberUsed[kAlphabetSize] = {};
    bool letterUsed[kAlphabetSize] = {};
    for (size_t w = 0; w < text.words.size(); ++w) {
        std::vector<uint8_t>& symbols = words[w].symbols;
        symbols.clear();
        int number = -1;  // none being read
        auto endNumber = [&] {
            if (number < 0) return true;
            if (number == 0 || number > kAlphabetSize) return false;
            numberUsed[number - 1] = true;
            symbols.push_back(static_cast<uint8_t>(number - 1));
            number = -1;
            return true;
        };
        const std::string& word = text.words[w];
        for (size_t i = 0; i <= word.size(); ++i) {
            const char c = i < word.size() ? word[i] : ' ';
            if (IsDigit(c)) {
                number = std::min((number < 0 ? 0 : number) * 10 + (c - '0'), kNumberCap);
                continue;
            }
            if (!endNumber()) return Error({"Puoi usare solo i numeri da 1 a 26!"});
            if (IsLower(c)) {
                letterUsed[c - 'a'] = true;
                symbols.push_back(static_cast<uint8_t>(kKnownLetter + (c - 'a')));
            } else if (c == '*') {
                symbols.push_back(kJoker);
            }
        }
        words[w].length = static_cast<int32_t>(symbols.size());
    }
    const auto distinct = std::count(std::begin(numberUsed), std::end(numberUsed), true) +
                          std::count(std::begin(letterUsed), std::end(letterUsed), true);
    if (distinct > kAlphabetSize) return Error({"Al massimo, tra lettere e numeri, si possono", "usare 26 simboli !"});

    // Each known letter takes the lowest code that no number and no earlier
    // known letter uses: two known letters never share a symbol.
    uint8_t codeOfLetter[kAlphabetSize] = {};
    bool codeTaken[kAlphabetSize];
    std::copy(std::begin(numberUsed), std::end(numberUsed), codeTaken);
    for (int letter = 0; letter < kAlphabetSize; ++letter) {
        if (!letterUsed[letter]) continue;
        const int code = static_cast<int>(std::find(codeTaken, codeTaken + kAlphabetSize, false) - codeTaken);
        if (code == kAlphabetSize) continue;  // cannot happen within 26 symbols
        codeTaken[code] = true;
        codeOfLetter[letter] = static_cast<uint8_t>(code);
        start.SymbolLetter[code] = static_cast<char>('a' + letter);
        start.UsedLetters |= 1u << letter;
    }
    for (CryptoWord& word : words)
        for (uint8_t& symbol : word.symbols)
            if (symbol >= kKnownLetter) symbol = codeOfLetter[symbol - kKnownLetter];
    return std::nullopt;
}

}  // namespace sillabor
