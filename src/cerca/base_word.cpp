#include "cerca/base_word.h"

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

}  // namespace sillabor
