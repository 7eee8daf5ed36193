#include "decrit/cipher_text.h"

#include "base/output.h"
#include "dictionary/letter_count.h"

namespace sillabor {

std::vector<std::string> FieldLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::string EncipherLine(std::string_view line, const CipherBoxes& boxes) {
    std::string enciphered(line);
    for (char& c : enciphered) {
        if (!IsAsciiLetter(c)) continue;
        const char image = boxes[static_cast<size_t>(ToLowerAscii(c) - 'a')];
        if (image == '\0')
            c = ' ';
        else
            c = (c >= 'a') ? ToLowerAscii(image) : image;
    }
    return enciphered;
}

std::vector<std::string> NumericLines(const std::vector<std::string>& lines, const CipherBoxes* boxes) {
    int appearance[kAlphabetSize] = {};
    int nextNumber = 1;
    std::vector<std::string> numeric;
    for (const std::string& line : lines) {
        std::string out;
        bool afterBlank = false;
        for (char c : line) {
            if (c == ' ') {
                if (!afterBlank) out += " - ";
                afterBlank = true;
                continue;
            }
            afterBlank = false;
            if (!IsAsciiLetter(c)) {
                out.push_back(c);
                continue;
            }
            const int letter = ToLowerAscii(c) - 'a';
            if (!out.empty() && out.back() != ' ') out.push_back(' ');
            if (boxes == nullptr) {
                if (appearance[letter] == 0) appearance[letter] = nextNumber++;
                out += std::to_string(appearance[letter]);
            } else {
                const char image = (*boxes)[static_cast<size_t>(letter)];
                out += image == '\0' ? std::string("?") : std::to_string(image - 'A' + 1);
            }
        }
        numeric.push_back(std::move(out));
    }
    return numeric;
}

namespace {

void PrintAfresh(Output& out, const std::vector<std::string>& lines) {
    out.ClearOutput();
    for (const std::string& line : lines) out.PrintLine(line);
    out.RefreshOutput();
}

}  // namespace

void PrintEnciphered(Output& out, std::string_view text, const CipherBoxes& boxes) {
    std::vector<std::string> lines = FieldLines(text);
    for (std::string& line : lines) line = EncipherLine(line, boxes);
    PrintAfresh(out, lines);
}

void PrintNumeric(Output& out, std::string_view text, const CipherBoxes& boxes, NumericForm form) {
    PrintAfresh(out, NumericLines(FieldLines(text), form == kNumeri2 ? &boxes : nullptr));
}

}  // namespace sillabor
