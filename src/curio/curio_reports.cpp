#include "curio/curio_reports.h"

#include <cctype>
#include <string>

namespace sillabor {

namespace {

std::string Folded(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    std::string folded(text);
    for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

}  // namespace

const char* CurioCaption(int code) {
    for (const CurioButton& button : kCurioButtons)
        if (button.code == code) return button.caption;
    return "";
}

int CurioCodeOfCaption(std::string_view caption, int* microNumber) {
    const std::string wanted = Folded(caption);
    if (wanted == "micro") return kCurioMicro;
    if (wanted.size() == 7 && wanted.starts_with("micro ") && wanted[6] >= '1' && wanted[6] <= '5') {
        if (microNumber != nullptr) *microNumber = wanted[6] - '0';
        return kCurioMicro;
    }
    for (const CurioButton& button : kCurioButtons)
        if (button.code != kCurioMicro && Folded(button.caption) == wanted) return button.code;
    return 0;
}

}  // namespace sillabor
