#include "cerca/base_word.h"

#include <utility>

#include "base/output.h"
#include "dictionary/letter_count.h"

namespace sillabor {

NormalisedBase NormaliseBaseText(std::string_view typed, int category) {
    const bool brackets = category == kCercaIncluded || category == kCercaGrid;
    NormalisedBase result;
    std::string& out = result.text;
    out.reserve(typed.size());
    for (char ch : typed) {
        FoldAccent(ch);
        if (ch == '*') {
            ++result.jokers;
            if (category == kCercaGrid) out.push_back('*');
        } else if (IsAsciiLetter(ch)) {
            out.push_back(ToLowerAscii(ch));
        } else if (brackets) {
            if (ch == '(' || ch == '[' || ch == '{')
                out.push_back('[');
            else if (ch == ')' || ch == ']' || ch == '}')
                out.push_back(']');
        } else if (category == kCercaSizigie && ch == ' ' && !out.empty() && out.back() != ' ') {
            out.push_back(' ');
        }
    }
    return result;
}

int NormaliseBase(CercaState& state, Output& out) {
    const int c = state.page.Categoria;
    NormalisedBase base = NormaliseBaseText(state.page.LaBase, c);
    state.JokerCount = base.jokers;

    const char* refusal = nullptr;
    if (base.jokers > 2)
        refusal = "Sono ammessi al massimo due Jolly ";
    else if (base.jokers > 0 && c == kCercaGrid && (state.ReuseLetters || state.GridMode != kGridSolve))
        refusal = "I Jolly e le opzioni <Riuso> o <Disponi> sono incompatibili";
    else if (base.jokers > 0 && c != kCercaIncluded && c != kCercaGrid && c != kCercaConsonando)
        refusal = "I Jolly (*) non sono ammessi in questa ricerca";
    if (refusal != nullptr) {
        out.PrintLine(refusal);
        out.RefreshOutput();
        return kBaseRefused;
    }
    if (base.text.empty()) return kBaseEmpty;
    state.BaseWord = std::move(base.text);
    return kBaseReady;
}

}  // namespace sillabor
