#include "patterns/parole_page_record.h"

namespace sillabor {

std::string NextModeCaption(std::string_view caption) {
    if (caption == kModeSatisfies) return std::string(kModeNotSatisfies);
    if (caption == kModeNotSatisfies) return std::string(kModeIgnored);
    return std::string(kModeSatisfies);
}

std::string ToggledEOCaption(std::string_view caption) { return caption == "e" ? "o" : "e"; }

void ClearParolePage(ParoleControls& page) { page = ParoleControls{}; }

std::string SpiegaParWindow(int offset) {
    const int length = static_cast<int>(kSpiegaParText.size());
    offset = ((offset % length) + length) % length;
    std::string shown;
    shown.reserve(kSpiegaParWidth);
    for (int k = 0; k < kSpiegaParWidth; ++k) shown.push_back(kSpiegaParText[(offset + k) % length]);
    return shown;
}

int NextSpiegaParOffset(int offset) {
    return (offset + 1) % static_cast<int>(kSpiegaParText.size());
}

}  // namespace sillabor
