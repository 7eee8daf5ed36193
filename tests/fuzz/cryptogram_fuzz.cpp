// The "Decrit" page on the tiny dictionary. The maker's panel (boxes as typed,
// then buttons) enciphers the page's text, writes it in numbers and pairs
// words ("Coppie?"); then the text is solved as a cryptogram. A refusal comes
// exactly when the text breaks a rule; every printed solution fits the
// cryptogram under one substitution and, when a brute force can tell, none is
// missing.
//
// Input: one byte of choices (bit 0: press "Coppie?" before solving; bit 1:
// "Numeri 2" rather than "Numeri 1"), then the panel's line (up to 26 typed
// boxes, then buttons by byte value modulo 5: "A = A", "Specchio", "Ruota",
// "Inverti", "A Caso"), then the text.

#include <algorithm>
#include <set>

#include "app/run_game.h"
#include "decrit/cipher_boxes.h"
#include "decrit/cipher_text.h"
#include "decrit/decrit_game.h"
#include "dictionary/letter_count.h"
#include "cryptogram_model.h"
#include "fuzz_support.h"

using namespace sillabor;
using namespace sillabor::fuzz;

namespace {

using Lines = std::vector<std::string>;
bool InDictionary(const std::string& w) {
    static const std::set<std::string> words(TinyWords().begin(), TinyWords().end());
    return words.count(w) == 1;
}

// One substitution: each symbol one letter, each letter one symbol; a known letter is its own.
struct Substitution {
    int letterOf[256], symbolOf[kAlphabetSize];
    explicit Substitution(const Cryptogram& g) {
        std::fill(std::begin(letterOf), std::end(letterOf), -1);
        std::fill(std::begin(symbolOf), std::end(symbolOf), -1);
        for (const auto& word : g.words)
            for (int s : word)
                if (s >= kKnown && s != kAny) letterOf[s] = s - kKnown, symbolOf[s - kKnown] = s;
    }
    bool Take(const std::vector<int>& symbols, const std::string& word) {
        if (word.size() != symbols.size()) return false;
        for (size_t i = 0; i < word.size(); ++i) {
            const int s = symbols[i], L = word[i] - 'a';
            if (s == kAny) continue;
            if (letterOf[s] < 0 && symbolOf[L] < 0) letterOf[s] = L, symbolOf[L] = s;
            if (letterOf[s] != L || symbolOf[L] != s) return false;
        }
        return true;
    }
};

// Brute force: every solution, up to one past the cap; false when the tries run out.
bool AllSolutions(const Cryptogram& g, size_t w, const Substitution& sub, const std::string& line, Lines& found,
                  int& tries) {
    if (w == g.words.size()) return found.push_back(line), true;
    for (const std::string& word : TinyWords()) {
        if (found.size() > kMaxSolutions) return true;
        if (word.size() != g.words[w].size()) continue;
        if (--tries < 0) return false;
        Substitution next = sub;
        if (next.Take(g.words[w], word) && !AllSolutions(g, w + 1, next, line + word + ' ', found, tries)) return false;
    }
    return true;
}

void CheckSolutions(const std::string& typed, int status, const Lines& lines) {
    const Cryptogram g = Read(typed);
    if (!g.refusal.empty()) return Require(status == 1 && lines == g.refusal, "a refusal that is not the rule's");
    Require(status == 0 && lines.size() >= 2 && lines.back() == kSeparatorLine, "a solved cryptogram without its end");
    Lines printed(lines.begin(), lines.end() - 1);
    if (printed == Lines{"NESSUNA SOLUZIONE TROVATA !"}) printed.clear();
    Require(printed.size() <= kMaxSolutions && LoadedApp().state.FoundCount == static_cast<int>(printed.size()),
            "the solutions are not those counted");
    for (const std::string& line : printed) {
        Substitution sub(g);
        size_t w = 0, start = 0;
        for (size_t end; (end = line.find(' ', start)) != std::string::npos; start = end + 1, ++w) {
            const std::string word = line.substr(start, end - start);
            Require(w < g.words.size() && InDictionary(word) && sub.Take(g.words[w], word),
                    "a solution that does not fit the cryptogram", line);
        }
        Require(w == g.words.size() && start == line.size(), "a solution of other words", line);
    }
    Lines all;
    int tries = 50000;
    if (g.words.empty() || !AllSolutions(g, 0, Substitution(g), "", all, tries)) return;
    std::sort(all.begin(), all.end());
    std::sort(printed.begin(), printed.end());
    Require(std::adjacent_find(printed.begin(), printed.end()) == printed.end(), "a solution printed twice");
    Require(all.size() > kMaxSolutions ? printed.size() == kMaxSolutions : printed == all, "solutions missing");
}

void CheckEnciphered(const std::string& text, const CipherBoxes& boxes, const Lines& printed) {
    const Lines plain = FieldLines(text);
    Require(printed.size() == plain.size(), "enciphered lines lost or added");
    for (size_t k = 0; k < plain.size(); ++k) {
        std::string shown = plain[k];  // as the printer keeps a line whole
        std::replace(shown.begin(), shown.end(), '\r', ' ');
        std::replace(shown.begin(), shown.end(), '\0', ' ');
        Require(printed[k].size() == shown.size(), "an enciphered line of another length", printed[k]);
        for (size_t i = 0; i < shown.size(); ++i) {
            const char c = shown[i], box = IsAsciiLetter(c) ? boxes[ToLowerAscii(c) - 'a'] : c;
            const char image = !IsAsciiLetter(c) ? c : box == '\0' ? ' ' : c >= 'a' ? ToLowerAscii(box) : box;
            Require(printed[k][i] == image, "a letter enciphered against its box", printed[k]);
        }
        if (IsPermutation(boxes))
            Require(EncipherLine(printed[k], InvertBoxes(boxes)) == shown, "the inverse does not decipher", shown);
    }
}

void CheckPairs(App& app, const CipherBoxes& boxes) {
    std::set<std::string> pairs;
    for (const std::string& word : TinyWords())
        if (const std::string image = EncipherLine(word, boxes); InDictionary(image))
            pairs.insert(word + " -> " + image);
    Sink().Reset();
    Require(RunGame(app, app.Get<DecritGame>().Job({kCoppieSearch, "", boxes}, nullptr)) == 0, "Coppie? failed");
    const Lines& lines = Sink().Lines();
    Require(lines.size() == pairs.size() && std::set<std::string>(lines.begin(), lines.end()) == pairs,
            "the pairs are not those of the boxes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    App& app = LoadedApp();
    if (size == 0) return 0;
    const std::vector<std::string> f = Fields(data + 1, size - 1, 2);
    const std::string text = f[1].substr(0, kCryptogramMaxLength);
    CipherBoxes boxes = kIdentityBoxes;
    int randomKind = 0;
    for (size_t i = 0; i < f[0].size(); ++i) {
        if (i < kAlphabetSize) {
            boxes[i] = BoxLetter(f[0][i]);
            continue;
        }
        switch (static_cast<unsigned char>(f[0][i]) % 5) {
            case 0: boxes = kIdentityBoxes; break;
            case 1: boxes = MirrorBoxes(boxes); break;
            case 2: boxes = RotateBoxes(boxes); break;
            case 3: boxes = InvertBoxes(boxes); break;  // disabled unless a permutation
            default: boxes = PressRandom(randomKind, app.random);
        }
    }

    Sink().Reset();
    PrintEnciphered(app.out, text, boxes);
    CheckEnciphered(text, boxes, Sink().Lines());
    Sink().Reset();
    PrintNumeric(app.out, text, boxes, (data[0] & 2) != 0 ? kNumeri2 : kNumeri1);  // lines whole, nothing more
    if (data[0] & 1) CheckPairs(app, boxes);  // restores byte order: the solver sorts anew

    Sink().Reset();
    CheckSolutions(text, RunGame(app, app.Get<DecritGame>().Job({kDecrittaSearch, text}, nullptr)), Sink().Lines());
    return 0;
}
