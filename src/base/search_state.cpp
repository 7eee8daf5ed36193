#include "base/search_state.h"

#include <cstdio>

namespace sillabor {

std::string StatusText(int32_t mode, int32_t found, int64_t elapsedMs, int32_t wordCount,
                       int32_t classCount) {
    char elapsed[64];
    std::snprintf(elapsed, sizeof elapsed, "%.2f sec", static_cast<double>(elapsedMs) * 0.001);
    auto percentOf = [found](int64_t divisor) -> int {
        return divisor <= 0 ? 0 : static_cast<int>(static_cast<int64_t>(found) * 100 / divisor);
    };
    char text[160];
    switch (mode) {
        case kStatusLoading:
            std::snprintf(text, sizeof text, "Caricate %d parole %s", found, elapsed);
            break;
        case kStatusBuilding:
            std::snprintf(text, sizeof text, "Creazione diz. (%s)", elapsed);
            break;
        case kStatusExporting:
            std::snprintf(text, sizeof text, "Esporto diz. (%s)", elapsed);
            break;
        case kStatusInfoWords:
            std::snprintf(text, sizeof text, "Raccolta info al %d%% in %s",
                          percentOf(static_cast<int64_t>(wordCount) - 1), elapsed);
            break;
        case kStatusInfoClasses:
            std::snprintf(text, sizeof text, "Raccolta info al %d%% in %s",
                          percentOf(static_cast<int64_t>(classCount) - 1), elapsed);
            break;
        case kStatusPercent:
            std::snprintf(text, sizeof text, "Ricerca al %d%% in %s", found, elapsed);
            break;
        case kStatusFoundMale:
            std::snprintf(text, sizeof text, "Trovati %d in %s", found, elapsed);
            break;
        case kStatusFoundFemale:
            std::snprintf(text, sizeof text, "Trovate %d in %s", found, elapsed);
            break;
        default:
            std::snprintf(text, sizeof text, "Generati %d in %s", found, elapsed);
            break;
    }
    return text;
}

}  // namespace sillabor
