// The maker's panel of the "Decrit" page: the 26 boxes as typed, the buttons,
// and the page's text written as a numeric cryptogram. Each button keeps its
// promise ("Specchio" twice and "Ruota" 26 times give the boxes back,
// "Inverti" only on a permutation and then undoing it, "A Caso" a permutation,
// the first of each two keeping vowels and XYWHJK among themselves); "Numeri
// 1" numbers the letters in order of first appearance, "Numeri 2" by their
// images, so both agree with the text enciphered first; every letter becomes
// a number or "?"; the printed lines are the numeric ones.
//
// Input: one byte, the seed of "A Caso"; then the panel's line (up to 26 typed
// boxes, then buttons by byte value modulo 5: "A = A", "Specchio", "Ruota",
// "Inverti", "A Caso"); then the text.

#include <algorithm>
#include <string_view>

#include "base/random_source.h"
#include "decrit/cipher_boxes.h"
#include "decrit/cipher_text.h"
#include "dictionary/letter_count.h"
#include "fuzz_support.h"

using namespace sillabor;
using namespace sillabor::fuzz;

namespace {

using Lines = std::vector<std::string>;

bool InGroup(std::string_view group, char a, char b) {
    return (group.find(a) != std::string_view::npos) == (group.find(b) != std::string_view::npos);
}

CipherBoxes Press(int button, const CipherBoxes& boxes, int& randomKind, RandomSource& random) {
    switch (button) {
        case 0: return kIdentityBoxes;
        case 1: {
            const CipherBoxes mirrored = MirrorBoxes(boxes);
            Require(MirrorBoxes(mirrored) == boxes, "\"Specchio\" twice changes the boxes");
            return mirrored;
        }
        case 2: {
            const CipherBoxes rotated = RotateBoxes(boxes);
            CipherBoxes round = rotated;
            for (int i = 1; i < kAlphabetSize; ++i) round = RotateBoxes(round);
            Require(round == boxes && std::is_permutation(rotated.begin(), rotated.end(), boxes.begin()),
                    "\"Ruota\" is not a rotation of the boxes");
            return rotated;
        }
        case 3: {
            const CipherBoxes inverse = InvertBoxes(boxes);
            if (!IsPermutation(boxes)) {
                Require(inverse == boxes, "\"Inverti\" changed boxes that are no permutation");
                return inverse;
            }
            Require(IsPermutation(inverse), "the inverse is not a permutation");
            for (int i = 0; i < kAlphabetSize; ++i)
                Require(inverse[static_cast<size_t>(boxes[static_cast<size_t>(i)] - 'A')] == 'A' + i,
                        "the inverse does not undo the boxes");
            return inverse;
        }
        default: {
            const int lastKind = randomKind;
            const CipherBoxes shuffled = PressRandom(randomKind, random);
            Require(randomKind == 1 - lastKind && IsPermutation(shuffled), "\"A Caso\" gave no permutation in turn");
            if (randomKind == 1)
                for (int i = 0; i < kAlphabetSize; ++i) {
                    const char plain = static_cast<char>('A' + i), image = shuffled[static_cast<size_t>(i)];
                    Require(InGroup("AEIOU", plain, image) && InGroup("XYWHJK", plain, image),
                            "\"A Caso\" took a vowel or a rare letter out of its group");
                }
            return shuffled;
        }
    }
}

bool AllFull(const CipherBoxes& boxes) {
    return std::none_of(boxes.begin(), boxes.end(), [](char b) { return b == '\0'; });
}

Lines Enciphered(const Lines& lines, const CipherBoxes& boxes) {
    Lines out;
    for (const std::string& line : lines) out.push_back(EncipherLine(line, boxes));
    return out;
}

// The boxes that give each letter the number of its first appearance.
CipherBoxes AppearanceBoxes(const Lines& lines) {
    CipherBoxes boxes{};
    char next = 'A';
    for (const std::string& line : lines)
        for (const char c : line)
            if (IsAsciiLetter(c) && boxes[static_cast<size_t>(ToLowerAscii(c) - 'a')] == '\0')
                boxes[static_cast<size_t>(ToLowerAscii(c) - 'a')] = next++;
    return boxes;
}

void CheckNumbered(const Lines& lines, const Lines& numeric, const CipherBoxes* boxes) {
    Require(numeric.size() == lines.size(), "numeric lines lost or added");
    size_t questions = 0, expected = 0;
    for (size_t k = 0; k < lines.size(); ++k) {
        Require(std::none_of(numeric[k].begin(), numeric[k].end(), IsAsciiLetter), "a letter left unnumbered",
                numeric[k]);
        questions += static_cast<size_t>(std::count(numeric[k].begin(), numeric[k].end(), '?'));
        for (const char c : lines[k])
            expected += c == '?' || (boxes != nullptr && IsAsciiLetter(c) &&
                                     (*boxes)[static_cast<size_t>(ToLowerAscii(c) - 'a')] == '\0');
    }
    Require(questions == expected, "a \"?\" for a letter with its box filled, or none for an empty one");
}

void CheckPrinted(App& app, const std::string& text, const CipherBoxes& boxes, NumericForm form, Lines numeric) {
    for (std::string& line : numeric)
        std::replace_if(line.begin(), line.end(), [](char c) { return c == '\r' || c == '\0'; }, ' ');
    Sink().Reset();
    PrintNumeric(app.out, text, boxes, form);
    Require(Sink().Lines() == numeric, "the printed numbers are not the text's");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    App& app = LoadedApp();
    if (size == 0) return 0;
    RandomSource random;
    random.Seed(data[0]);
    const std::vector<std::string> f = Fields(data + 1, size - 1, 2);
    const std::string text = f[1].substr(0, kCryptogramMaxLength);

    CipherBoxes boxes = kIdentityBoxes;
    int randomKind = 0;
    for (size_t i = 0; i < f[0].size(); ++i) {
        if (i < kAlphabetSize) {
            boxes[i] = BoxLetter(f[0][i]);
            Require(boxes[i] == '\0' || (boxes[i] >= 'A' && boxes[i] <= 'Z'), "a box that holds no letter");
            continue;
        }
        boxes = Press(static_cast<unsigned char>(f[0][i]) % 5, boxes, randomKind, random);
    }

    const Lines lines = FieldLines(text);
    const Lines numeri1 = NumericLines(lines, nullptr), numeri2 = NumericLines(lines, &boxes);
    CheckNumbered(lines, numeri1, nullptr);
    CheckNumbered(lines, numeri2, &boxes);
    const CipherBoxes appearance = AppearanceBoxes(lines);
    Require(NumericLines(lines, &appearance) == numeri1, "\"Numeri 1\" does not number by first appearance");
    if (AllFull(boxes))
        Require(NumericLines(Enciphered(lines, boxes), &kIdentityBoxes) == numeri2,
                "\"Numeri 2\" does not number the images");
    if (IsPermutation(boxes))
        Require(NumericLines(Enciphered(lines, boxes), nullptr) == numeri1,
                "\"Numeri 1\" changes when the text is enciphered first");
    CheckPrinted(app, text, boxes, kNumeri1, numeri1);
    CheckPrinted(app, text, boxes, kNumeri2, numeri2);
    return 0;
}
