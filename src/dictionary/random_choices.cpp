#include "dictionary/random_choices.h"

#include <cstring>
#include <utility>

#include "base/random_source.h"
#include "dictionary/dictionary.h"

namespace sillabor {

int32_t Gcd(int32_t a, int32_t b) {
    if (a < 2 || b < 2) return 1;
    if (a < b) std::swap(a, b);
    while (b != 0) {
        int32_t r = a % b;
        a = b;
        b = r;
    }
    return a;
}

int32_t RandomCoprimeStep(RandomSource& random, int32_t n) {
    if (n < 4) return 1;
    for (;;) {
        int32_t s = random.Next() % (n / 2 - 1) + 1;
        if (Gcd(n, s) == 1) return s;
    }
}

void ShuffleArray(RandomSource& random, int32_t n, int32_t* values) {
    for (int32_t i = n - 1; i >= 1; --i) {
        int32_t j = random.Next() % (i + 1);
        std::swap(values[i], values[j]);
    }
}

const char* RandomWordOfLength(const Dictionary& dict, RandomSource& random, int min, int max) {
    if (dict.WordCount < 3 || min > max) return nullptr;
    int32_t lengths[kLengthFieldTop];
    int32_t n = 0;
    for (int len = min; len <= max && n < kLengthFieldTop; ++len) lengths[n++] = len;
    ShuffleArray(random, n, lengths);
    const int32_t last = dict.WordCount - 1;
    for (int32_t k = 0; k < n; ++k) {
        const size_t wanted = static_cast<size_t>(lengths[k]);
        const int32_t start = random.Next() % (dict.WordCount - 2) + 1;
        // From the slot after the start, wrapping before the last slot, back to the start.
        for (int32_t slot = start + 1;; ++slot) {
            if (slot >= last) slot = 1;
            if (slot == start) break;
            if (std::strlen(dict.Words[slot]) == wanted) return dict.Words[slot];
        }
    }
    return nullptr;
}

}  // namespace sillabor
