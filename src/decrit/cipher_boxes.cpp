#include "decrit/cipher_boxes.h"
#include "base/letter_case.h"

#include <string>
#include <string_view>
#include <utility>

#include "base/random_source.h"
#include "dictionary/random_choices.h"

namespace sillabor {

namespace {

constexpr std::string_view kVowels = "AEIOU";
constexpr std::string_view kRareLetters = "XYWHJK";

bool KeepsItsGroup(int32_t letter) {
    return kVowels.find(static_cast<char>(letter)) != std::string_view::npos ||
           kRareLetters.find(static_cast<char>(letter)) != std::string_view::npos;
}

// The letters of the group shuffled among their own places.
void ShuffleGroup(RandomSource& random, std::string_view group, int32_t* letters) {
    int32_t shuffled[kAlphabetSize];
    const auto n = static_cast<int32_t>(group.size());
    for (int32_t i = 0; i < n; ++i) shuffled[i] = group[static_cast<size_t>(i)];
    ShuffleArray(random, n, shuffled);
    for (int32_t i = 0; i < n; ++i) letters[group[static_cast<size_t>(i)] - 'A'] = shuffled[i];
}

CipherBoxes RandomBoxes(RandomSource& random, int kind) {
    int32_t letters[kAlphabetSize];
    for (int i = 0; i < kAlphabetSize; ++i) letters[i] = 'A' + i;
    if (kind == 0) {
        ShuffleArray(random, kAlphabetSize, letters);
    } else {
        ShuffleGroup(random, kVowels, letters);
        ShuffleGroup(random, kRareLetters, letters);
        for (int i = 0; i < kAlphabetSize; ++i) {
            if (KeepsItsGroup(letters[i])) continue;
            int32_t j;
            do j = random.Below(kAlphabetSize);
            while (KeepsItsGroup(letters[j]));
            std::swap(letters[i], letters[j]);
        }
    }
    CipherBoxes boxes;
    for (int i = 0; i < kAlphabetSize; ++i) boxes[static_cast<size_t>(i)] = static_cast<char>(letters[i]);
    return boxes;
}

}  // namespace

char BoxLetter(char typed) {
    if (IsLowerAscii(typed)) return ToUpperAscii(typed);
    return (typed >= 'A' && typed <= 'Z') ? typed : '\0';
}

CipherBoxes MirrorBoxes(const CipherBoxes& boxes) {
    CipherBoxes mirrored;
    for (size_t i = 0; i < boxes.size(); ++i) mirrored[i] = boxes[boxes.size() - 1 - i];
    return mirrored;
}

CipherBoxes RotateBoxes(const CipherBoxes& boxes) {
    CipherBoxes rotated;
    for (size_t i = 0; i < boxes.size(); ++i) rotated[i] = boxes[(i + 1) % boxes.size()];
    return rotated;
}

bool IsPermutation(const CipherBoxes& boxes) {
    uint32_t seen = 0;
    for (char box : boxes) {
        if (box < 'A' || box > 'Z') return false;
        seen |= 1u << (box - 'A');
    }
    return seen == (1u << kAlphabetSize) - 1;
}

CipherBoxes InvertBoxes(const CipherBoxes& boxes) {
    if (!IsPermutation(boxes)) return boxes;
    CipherBoxes inverse;
    for (size_t i = 0; i < boxes.size(); ++i) inverse[static_cast<size_t>(boxes[i] - 'A')] = static_cast<char>('A' + i);
    return inverse;
}

CipherBoxes PressRandom(int& lastKind, RandomSource& random) {
    lastKind = 1 - lastKind;
    return RandomBoxes(random, lastKind);
}

std::string RandomCaption(int kind) { return "A caso " + std::to_string(kind + 1); }

}  // namespace sillabor
