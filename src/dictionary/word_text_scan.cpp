#include "dictionary/word_text_scan.h"

#include "dictionary/dictionary.h"
#include "dictionary/byte_hash.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace sillabor {

namespace {

// The state of the scan between blocks of 64 bytes.
struct ScanState {
    uint64_t afterNul = 1;  // whether the byte before the block ends a word (the text's start does)
    uint32_t run = 0;       // letters since the last NUL
    int64_t nuls = 0;
    bool bad = false;
};

#if defined(__SSE2__)
// A run of at least 40 letters inside one block.
inline bool HasLongRun(uint64_t letters) {
    uint64_t x = letters;
    x &= x >> 1;   // runs of 2
    x &= x >> 2;   // 4
    x &= x >> 4;   // 8
    x &= x >> 8;   // 16
    x &= x >> 16;  // 32
    x &= x >> 8;   // 40
    return x != 0;
}

// One block of 64 bytes given as its masks: bit i of `nul` / `letter` for byte i.
inline uint64_t TakeBlock(ScanState& s, uint64_t nul, uint64_t letter) {
    if ((nul | letter) != ~uint64_t{0} || (nul & (nul << 1 | s.afterNul)) != 0 || HasLongRun(letter)) s.bad = true;
    const uint64_t starts = (nul << 1 | s.afterNul) & ~nul;
    if (nul == 0) {
        s.run += 64;
        if (s.run > static_cast<uint32_t>(kMaxWordLength)) s.bad = true;
    } else {
        if (s.run + static_cast<uint32_t>(__builtin_ctzll(nul)) > static_cast<uint32_t>(kMaxWordLength)) s.bad = true;
        s.run = static_cast<uint32_t>(__builtin_clzll(nul));
    }
    s.afterNul = nul >> 63;
    return starts;
}
#endif

}  // namespace

bool ScanWordText(const char* text, int32_t length, int32_t words, std::vector<uint64_t>& wordStarts,
                  uint64_t* hash) {
    wordStarts.clear();
    if (length <= 0 || words <= 0 || text[length - 1] != '\0') return false;
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    const size_t n = static_cast<size_t>(length);
    wordStarts.resize((n + 63) / 64);
    ScanState s;
    size_t at = 0;
    byte_hash::Hasher hasher(n);
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128(), a = _mm_set1_epi8('a'), z = _mm_set1_epi8(25);
    __m128i counted = _mm_setzero_si128();  // NULs per byte lane, folded before a lane can overflow
    int blocksCounted = 0;
    const auto fold = [&] {
        const __m128i sums = _mm_sad_epu8(counted, zero);
        s.nuls += _mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_srli_si128(sums, 8));
        counted = zero;
        blocksCounted = 0;
    };
    for (; at + 64 <= n; at += 64) {
        uint64_t nul = 0, letter = 0;
        for (int k = 0; k < 4; ++k) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at + 16 * k));
            const __m128i isNul = _mm_cmpeq_epi8(v, zero);
            const __m128i t = _mm_sub_epi8(v, a);
            const __m128i isLetter = _mm_cmpeq_epi8(_mm_min_epu8(t, z), t);
            counted = _mm_sub_epi8(counted, isNul);
            nul |= static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(isNul))) << (16 * k);
            letter |= static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(isLetter))) << (16 * k);
        }
        wordStarts[at / 64] = TakeBlock(s, nul, letter);
        if (++blocksCounted == 63) fold();  // at most 4 NULs a lane a block
        static_assert(byte_hash::Hasher::kBlock == 64);
        hasher.Block(p + at);
    }
    fold();
#endif
    const size_t hashed = at;
    // The rest (all of it without SSE2), a byte at a time by the same rules.
    for (; at < n; ++at) {
        const unsigned char c = p[at];
        if (c == 0) {
            if (s.afterNul != 0) s.bad = true;
            s.afterNul = 1;
            s.run = 0;
            ++s.nuls;
        } else {
            if (c < 'a' || c > 'z' || ++s.run > static_cast<uint32_t>(kMaxWordLength)) s.bad = true;
            if (s.afterNul != 0) wordStarts[at / 64] |= uint64_t{1} << (at % 64);
            s.afterNul = 0;
        }
    }
    if (s.bad || s.nuls != words) {
        wordStarts.clear();
        return false;
    }
    if (hash != nullptr) {
        size_t b = hashed;
        for (; n - b >= hasher.kBlock; b += hasher.kBlock) hasher.Block(p + b);
        *hash = hasher.Finish(p + b, n - b);
    }
    return true;
}

}  // namespace sillabor
