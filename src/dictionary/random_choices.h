#pragma once
// Random choices over numbers and dictionary words.

#include <cstdint>

namespace sillabor {

class Dictionary;
class RandomSource;

// Greatest common divisor; 1 when either is below 2.
int32_t Gcd(int32_t a, int32_t b);

// A step coprime with n, so that repeated steps modulo n visit every position once.
int32_t RandomCoprimeStep(RandomSource& random, int32_t n);

// Fisher-Yates shuffle of n values.
void ShuffleArray(RandomSource& random, int32_t n, int32_t* values);

// A random dictionary word with a length in min..max, or nullptr.
const char* RandomWordOfLength(const Dictionary& dict, RandomSource& random, int min, int max);

}  // namespace sillabor
