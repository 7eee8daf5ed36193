// The "Decrit" page's check of a cryptogram before the solver runs: it
// refuses exactly when the text breaks a rule, with the rule's lines; an
// accepted text comes back one word a line, as the field shows it, and reads
// the same when checked again; the reader's symbols are the text's: the same
// symbol for the same number or letter, a known letter among numbers fixed to
// itself, the joker where '*' stands. "Coppie?" takes any request as it is.
//
// Input: the page's text, cut to the field's length.

#include <algorithm>
#include <map>
#include <variant>

#include "cryptogram_model.h"
#include "decrit/cryptogram_reader.h"
#include "decrit/decrit_request.h"
#include "fuzz_support.h"

using namespace sillabor;
using namespace sillabor::fuzz;

namespace {

void CheckWordsShown(const std::string& shown, bool numeric) {
    if (shown.empty()) return;
    size_t start = 0;
    while (true) {
        const size_t end = std::min(shown.find('\n', start), shown.size());
        // A blank that opens the text stays with the first word, as it always has.
        const size_t from = start + (start == 0 && shown[0] == ' ');
        const std::string word = shown.substr(from, end - from);
        Require(!word.empty() && word.front() != ' ' && word.back() != ' ' && word.find("  ") == std::string::npos,
                "a word shown with stray blanks", word);
        for (const char c : word)
            Require((c >= 'a' && c <= 'z') || IsDigit(c) || c == '*' || (c == ' ' && numeric),
                    "a word shown with a character the reader drops", word);
        if (end == shown.size()) break;
        start = end + 1;
    }
}

// The reader's codes against the model's symbols: one code for each symbol and
// one symbol for each code.
void CheckSymbols(const Cryptogram& g, const std::vector<CryptoWord>& words, const Assignment& start) {
    Require(words.size() == g.words.size(), "words lost or added by the reader");
    std::map<int, int> codeOf, symbolOf;
    uint32_t known = 0;
    for (size_t w = 0; w < words.size(); ++w) {
        Require(words[w].symbols.size() == g.words[w].size() &&
                    words[w].length == static_cast<int32_t>(g.words[w].size()),
                "a word read to another length");
        for (size_t i = 0; i < g.words[w].size(); ++i) {
            const int s = g.words[w][i], code = words[w].symbols[i];
            if (s == kAny) {
                Require(code == kJoker, "a joker not read as one");
                continue;
            }
            Require(code < kAlphabetSize, "a symbol read out of range");
            Require(codeOf.emplace(s, code).first->second == code && symbolOf.emplace(code, s).first->second == s,
                    "two symbols read as one, or one as two");
            if (s >= kKnown) {
                Require(start.SymbolLetter[code] == 'a' + (s - kKnown), "a known letter not fixed to itself");
                known |= 1u << (s - kKnown);
            } else {
                Require(start.SymbolLetter[code] == 0, "a symbol fixed that is not a known letter");
                Require(code == (s >= kNumber ? s - kNumber - 1 : s), "a number or letter read as another");
            }
        }
    }
    Require(start.UsedLetters == known, "the known letters are not those of the text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string typed(reinterpret_cast<const char*>(data), std::min<size_t>(size, kCryptogramMaxLength));
    const Cryptogram g = Read(typed);

    DecritRequest request;
    request.cryptogram = typed;
    const Checked<DecritRequest> checked = CheckDecritRequest(request);
    if (!g.refusal.empty()) {
        const Refusal* refusal = std::get_if<Refusal>(&checked);
        Require(refusal != nullptr && refusal->lines == g.refusal, "a refusal that is not the rule's");
        return 0;
    }
    const DecritRequest* accepted = std::get_if<DecritRequest>(&checked);
    Require(accepted != nullptr, "a text within the rules refused");
    const bool numeric = std::any_of(typed.begin(), typed.end(), IsDigit);
    CheckWordsShown(accepted->cryptogram, numeric);
    Require(accepted->cryptogram == CryptogramLines(typed), "the field shows other words than the check accepted");

    const CryptogramText text = SplitCryptogram(typed);
    std::vector<CryptoWord> words;
    Assignment start;
    Require(!ReadCryptogram(text, words, start), "the reader refuses what the check accepted");
    CheckSymbols(g, words, start);

    // The field's words, checked again (the page does at every "Decritta").
    const Checked<DecritRequest> again = CheckDecritRequest(*accepted);
    const DecritRequest* same = std::get_if<DecritRequest>(&again);
    Require(same != nullptr && same->cryptogram == accepted->cryptogram, "the words shown read otherwise",
            accepted->cryptogram);

    DecritRequest pairs;
    pairs.search = kCoppieSearch;
    pairs.cryptogram = typed;
    const Checked<DecritRequest> pairsChecked = CheckDecritRequest(pairs);
    const DecritRequest* pairsAccepted = std::get_if<DecritRequest>(&pairsChecked);
    Require(pairsAccepted != nullptr && pairsAccepted->cryptogram == typed && pairsAccepted->boxes == pairs.boxes,
            "\"Coppie?\" not taken as it is");
    return 0;
}
