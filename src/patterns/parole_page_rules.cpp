#include "patterns/parole_page_rules.h"

namespace sillabor {

std::string_view ModeCaption(PatternMode mode) {
    if (mode == kMustSatisfy) return kModeSatisfies;
    if (mode == kMustNotSatisfy) return kModeNotSatisfies;
    return kModeIgnored;
}

PatternMode ModeOfCaption(std::string_view caption) {
    if (caption.empty()) return kPatternIgnored;
    if (caption[0] == 's') return kMustSatisfy;
    if (caption[0] == 'n') return kMustNotSatisfy;
    return kPatternIgnored;
}

PatternMode NextPatternMode(PatternMode mode) {
    if (mode == kMustSatisfy) return kMustNotSatisfy;
    if (mode == kMustNotSatisfy) return kPatternIgnored;
    return kMustSatisfy;
}

std::string PatternSyntaxWindow(int offset) {
    const int length = static_cast<int>(kPatternSyntaxText.size());
    offset = ((offset % length) + length) % length;
    std::string shown;
    shown.reserve(kPatternSyntaxWidth);
    for (int k = 0; k < kPatternSyntaxWidth; ++k) shown.push_back(kPatternSyntaxText[(offset + k) % length]);
    return shown;
}

int NextPatternSyntaxOffset(int offset) {
    return (offset + 1) % static_cast<int>(kPatternSyntaxText.size());
}

}  // namespace sillabor
