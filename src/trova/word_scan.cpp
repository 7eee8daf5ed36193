#include "trova/word_scan.h"

#include "base/random_source.h"
#include "trova/trova_state.h"

namespace sillabor {

WordScan WordScan::ForLetterGame(int32_t wordCount, const TrovaParams& params) {
    return params.AnyLetter ? Scrambled(wordCount, params.ScanStart, params.ScanStep) : Sequential(wordCount);
}

int32_t RandomPick(RandomSource& random, int32_t wordCount) {
    if (wordCount < 2) return 0;
    return random.Next() % (wordCount - 1) + 1;
}

}  // namespace sillabor
