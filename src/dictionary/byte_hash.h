#pragma once
// The hash that tells a cache file's contents (and the word text they were
// made from) apart from damaged or other ones. Not for security.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace sillabor {

// A fast hash for telling files apart, not for security. Its value is the
// same on every machine and in every build (a file written by one build may be
// read by another): byte_hash::PortableHasher defines it.
uint64_t HashBytes(const void* data, size_t size);

namespace byte_hash {

constexpr uint64_t SplitMix64(uint64_t& state) {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// The hash's keys: 8 lanes, a block's keys start one further on for each
// block of a round (16 blocks), and the last 8 also serve the scramble.
struct HashKeys {
    uint64_t k[24];
};
constexpr HashKeys MakeHashKeys() {
    HashKeys keys{};
    uint64_t state = 0x5111AB0CAC4Eull;
    for (uint64_t& k : keys.k) k = SplitMix64(state);
    return keys;
}
inline constexpr HashKeys kHashKeys = MakeHashKeys();
inline constexpr int kHashLanes = 8;
inline constexpr int kHashRound = 16;
inline constexpr uint64_t kHashScramble = 0x9E3779B1u;  // odd, 32 bits

inline uint64_t LoadLittle64(const unsigned char* p) {
    uint64_t w = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&w, p, sizeof w);
    } else {
        for (int b = 7; b >= 0; --b) w = w << 8 | p[b];
    }
    return w;
}

inline uint64_t FoldLanes(const uint64_t (&lane)[kHashLanes]) {
    uint64_t h = 0x27D4EB2F165667C5ull;
    for (uint64_t x : lane) {
        h = (h ^ x) * 0x9E3779B97F4A7C15ull;
        h = h << 31 | h >> 33;
    }
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    return h ^ h >> 29;
}

// HashBytes a block at a time, so that a reader can look at each block while
// it is in cache. Each of the 8 words w of a 64-byte block adds, to its lane,
// the product of the two 32-bit halves of (w ^ key) and the word of the
// neighbouring lane: every byte counts in full (the plain sum), the products
// mix. The key shifts with the block's place in its round, and every round
// scrambles each lane (xor-shift, key, times an odd number), so that blocks
// count in their order. Every step is a bijection of a lane given the data, so
// a lane that differs stays different until the lanes are folded into one.
// The products are 32 x 32 -> 64 bits, which SSE2 takes two at a time
// (VectorHasher); 64-bit lanes in plain C++ are its definition.
class PortableHasher {
public:
    static constexpr size_t kBlock = 64;
    explicit PortableHasher(size_t total) {
        for (int i = 0; i < kHashLanes; ++i) lane_[i] = kHashKeys.k[i] + total;
    }
    void Block(const unsigned char* p) {
        const uint64_t* key = kHashKeys.k + round_;
        uint64_t w[kHashLanes];
        for (int i = 0; i < kHashLanes; ++i) w[i] = LoadLittle64(p + 8 * i);
        for (int i = 0; i < kHashLanes; ++i) {
            const uint64_t d = w[i] ^ key[i];
            lane_[i] += w[i ^ 1] + (d & 0xFFFFFFFFu) * (d >> 32);
        }
        if (++round_ == kHashRound) Scramble();
    }
    // The bytes past the last whole block, fewer than kBlock (the length
    // counted from the start tells them from zeros).
    uint64_t Finish(const unsigned char* p, size_t size) {
        unsigned char tail[kBlock] = {};
        if (size != 0) std::memcpy(tail, p, size);  // an empty block may have no address
        Block(tail);
        Scramble();
        return FoldLanes(lane_);
    }

private:
    void Scramble() {
        for (int i = 0; i < kHashLanes; ++i) {
            uint64_t a = lane_[i];
            a ^= a >> 47;
            a ^= kHashKeys.k[kHashRound + i];
            lane_[i] = a * kHashScramble;
        }
        round_ = 0;
    }
    uint64_t lane_[kHashLanes];
    int round_ = 0;
};

#if defined(__SSE2__)
// PortableHasher's value, two lanes to a register.
class VectorHasher {
public:
    static constexpr size_t kBlock = 64;
    explicit VectorHasher(size_t total) {
        const __m128i t = _mm_set1_epi64x(static_cast<long long>(total));
        for (int v = 0; v < 4; ++v) lane_[v] = _mm_add_epi64(Keys(2 * v), t);
    }
    void Block(const unsigned char* p) {
        for (int v = 0; v < 4; ++v) {
            const __m128i w = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * v));
            const __m128i d = _mm_xor_si128(w, Keys(round_ + 2 * v));
            const __m128i product = _mm_mul_epu32(d, _mm_shuffle_epi32(d, _MM_SHUFFLE(3, 3, 1, 1)));
            const __m128i neighbour = _mm_shuffle_epi32(w, _MM_SHUFFLE(1, 0, 3, 2));
            lane_[v] = _mm_add_epi64(lane_[v], _mm_add_epi64(product, neighbour));
        }
        if (++round_ == kHashRound) Scramble();
    }
    uint64_t Finish(const unsigned char* p, size_t size) {
        alignas(16) unsigned char tail[kBlock] = {};
        if (size != 0) std::memcpy(tail, p, size);
        Block(tail);
        Scramble();
        uint64_t lanes[kHashLanes];
        std::memcpy(lanes, lane_, sizeof lanes);
        return FoldLanes(lanes);
    }

private:
    static __m128i Keys(int first) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(kHashKeys.k + first));
    }
    void Scramble() {
        const __m128i by = _mm_set1_epi64x(static_cast<long long>(kHashScramble));
        for (int v = 0; v < 4; ++v) {
            __m128i a = lane_[v];
            a = _mm_xor_si128(a, _mm_srli_epi64(a, 47));
            a = _mm_xor_si128(a, Keys(kHashRound + 2 * v));
            const __m128i low = _mm_mul_epu32(a, by);
            const __m128i high = _mm_mul_epu32(_mm_srli_epi64(a, 32), by);
            lane_[v] = _mm_add_epi64(low, _mm_slli_epi64(high, 32));
        }
        round_ = 0;
    }
    __m128i lane_[4];
    int round_ = 0;
};
using Hasher = VectorHasher;
#else
using Hasher = PortableHasher;
#endif

}  // namespace byte_hash

}  // namespace sillabor
