// The load's class table, byte order and lookup tables kept beside the
// prepared file: the next load takes them instead of computing them, with
// the same dictionary and the same lines; a file that does not belong to the
// text or does not hold together is ignored, and the load computes and
// rewrites it. The fast text scan that guards it agrees with the full check.

#include "dictionary/class_table_cache.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "dictionary/dictionary_loader.h"
#include "dictionary/index_cache.h"
#include "dictionary/prepared_file.h"
#include "dictionary/word_text_scan.h"
#include "support/fixture_dictionary.h"

namespace sillabor {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

const Strings kWords = {"mare", "marea", "amare", "ma", "rema", "re", "are", "z", "arem", "ramea"};

// Everything a search reads of the loaded dictionary, as text.
std::string Snapshot(const Dictionary& d) {
    std::string s;
    for (int32_t slot = 0; slot <= d.WordCount; ++slot) s += std::string(d.Words[slot]) + ",";
    for (int32_t c = 0; c < d.ClassCount; ++c) {
        const AnagramClass& cls = d.Classes[c];
        s += "|" + std::to_string(cls.ClassWords) + ":" + std::to_string(cls.letters.total);
        for (int k = 0; k < 26; ++k) s += std::to_string(cls.letters.counts[k]);
    }
    s += std::string(reinterpret_cast<const char*>(d.PairBounds), sizeof d.PairBounds);
    s += std::string(reinterpret_cast<const char*>(d.SingleLetterWord), sizeof d.SingleLetterWord);
    s += std::string(reinterpret_cast<const char*>(d.FirstWordOfLetter), sizeof d.FirstWordOfLetter);
    return s;
}

struct ClassTableCacheTest : ::testing::Test {
    test::Fixture f;
    std::string built;     // the dictionary as the first load computed it
    std::string goodFile;  // the cache file that load wrote
    fs::path file;

    virtual Strings Words() const { return kWords; }
    void SetUp() override {
        f.LoadDefault(Words());
        built = Snapshot(f.app->dict);
        file = ClassTableCachePath(f.app->dict.PreparedPath);
        goodFile = test::ReadFile(file);
    }
    // Loads again and returns the lines it printed.
    Strings Reload() {
        f.sink.Reset();
        DictionaryJob job = f.Job();
        EXPECT_EQ(LoadDictionary(job), 0);
        return f.sink.Lines();
    }
    // A file that hashes right but holds `change`d arrays.
    void WriteChanged(const std::function<void(std::vector<uint32_t>& words32)>& change) {
        std::vector<uint32_t> words32((goodFile.size() - 72) / 4);
        std::memcpy(words32.data(), goodFile.data() + 72, words32.size() * 4);
        change(words32);
        std::vector<std::byte> payload(words32.size() * 4);
        std::memcpy(payload.data(), words32.data(), payload.size());
        ASSERT_TRUE(WriteIndexCacheFile(file, FingerprintOf(f.app->dict), payload));
    }
};

TEST_F(ClassTableCacheTest, TheNextLoadTakesTheFileAndGivesTheSameDictionaryAndLines) {
    ASSERT_FALSE(goodFile.empty());
    const auto written = fs::last_write_time(file);
    const Strings lines = Reload();
    EXPECT_TRUE(f.app->dict.Classes.Borrowed());
    EXPECT_EQ(Snapshot(f.app->dict), built);
    EXPECT_EQ(fs::last_write_time(file), written);
    fs::remove(file);
    EXPECT_EQ(Reload(), lines);  // computed again, the same lines
    EXPECT_FALSE(f.app->dict.Classes.Borrowed());
    EXPECT_EQ(test::ReadFile(file), goodFile);
}

TEST_F(ClassTableCacheTest, AFileThatDoesNotHoldTogetherIsComputedAndWrittenAgain) {
    const Dictionary& d = f.app->dict;
    // The payload as 32-bit words: [0,1] the class count, then 8 words a class.
    const size_t firstClass = 2, classWords = 8, offsetAt = 7;
    const size_t slotsAt = firstClass + classWords * static_cast<size_t>(d.ClassCount + 1) + 2;
    const std::vector<std::pair<const char*, std::function<void()>>> damages = {
        {"a byte changed", [&] {
             std::string bytes = goodFile;
             bytes[bytes.size() / 2] ^= 0x10;
             test::WriteFile(file, bytes);
         }},
        {"cut short", [&] { test::WriteFile(file, goodFile.substr(0, goodFile.size() - 8)); }},
        {"a slot in the middle of a word", [&] { WriteChanged([&](auto& w) { w[slotsAt + 2] += 1; }); }},
        {"a slot past the text", [&] { WriteChanged([&](auto& w) { w[slotsAt] = 1u << 20; }); }},
        {"classes out of order",
         [&] { WriteChanged([&](auto& w) { std::swap(w[firstClass + offsetAt], w[firstClass + classWords + offsetAt]); }); }},
        {"a class of 127 words", [&] { WriteChanged([&](auto& w) { w[firstClass + offsetAt] |= 127u << 24; }); }},
        {"a lookup entry past the slots", [&] { WriteChanged([&](auto& w) { w[w.size() - 1] = 1000; }); }},
        {"made for other words", [&] {
             std::vector<std::byte> payload(goodFile.size() - 72);
             std::memcpy(payload.data(), goodFile.data() + 72, payload.size());
             WordsFingerprint other = FingerprintOf(d);
             other.textHash ^= 1;
             ASSERT_TRUE(WriteIndexCacheFile(file, other, payload));
         }},
    };
    for (const auto& [what, damage] : damages) {
        SCOPED_TRACE(what);
        damage();
        Reload();
        EXPECT_FALSE(d.Classes.Borrowed());
        EXPECT_EQ(Snapshot(d), built);
        EXPECT_EQ(test::ReadFile(file), goodFile);
    }
}

// A list whose file is checked piece by piece as it is hashed: every word of
// four letters of "aeimnorst", 495 classes of up to 24 words.
struct LargeClassTableCacheTest : ClassTableCacheTest {
    Strings Words() const override {
        const std::string letters = "aeimnorst";
        Strings words;
        for (char a : letters)
            for (char b : letters)
                for (char c : letters)
                    for (char d : letters) words.push_back({a, b, c, d});
        return words;
    }
};

TEST_F(LargeClassTableCacheTest, DamageFarIntoTheFileIsFoundAndTheFileWrittenAgain) {
    const Dictionary& d = f.app->dict;
    ASSERT_GT(goodFile.size(), 8 * IndexCacheFile::kPieceBytes);
    Reload();
    ASSERT_TRUE(d.Classes.Borrowed());
    ASSERT_EQ(Snapshot(d), built);
    const size_t firstClass = 2, classWords = 8, offsetAt = 7;
    const size_t classes = static_cast<size_t>(d.ClassCount);
    const size_t slotsAt = firstClass + classWords * (classes + 1) + 2;
    const auto countAt = [&](size_t c) { return firstClass + classWords * c + offsetAt; };
    size_t shared = 100;  // a class of several words, far from the last
    while (d.Classes[shared].WordsInClass() < 2) ++shared;
    ASSERT_LT(shared, classes / 2);
    const std::vector<std::pair<const char*, std::function<void(std::vector<uint32_t>&)>>> damages = {
        {"a slot in the middle of a word", [&](auto& w) { w[slotsAt + 5000] += 1; }},
        {"classes out of order", [&](auto& w) { std::swap(w[countAt(400)], w[countAt(401)]); }},
        // The words still add up, but the last class runs past the end of the text.
        {"the last class one word longer, another one shorter",
         [&](auto& w) {
             w[countAt(classes - 1)] += 1u << 24;
             w[countAt(shared)] -= 1u << 24;
         }},
    };
    for (const auto& [what, change] : damages) {
        SCOPED_TRACE(what);
        WriteChanged(change);
        Reload();
        EXPECT_FALSE(d.Classes.Borrowed());
        EXPECT_EQ(Snapshot(d), built);
        EXPECT_EQ(test::ReadFile(file), goodFile);
    }
}

// A scalar reading of what ScanWordText accepts and marks.
bool ReferenceScan(const std::string& text, int32_t words, std::vector<uint64_t>& starts) {
    starts.assign((text.size() + 63) / 64, 0);
    int32_t nuls = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        nuls += text[i] == '\0';
        if (text[i] != '\0' && (i == 0 || text[i - 1] == '\0')) starts[i / 64] |= uint64_t{1} << (i % 64);
    }
    const bool exact = !text.empty() && text.back() == '\0' && nuls == words &&
                       CheckPreparedWords(text.data(), static_cast<int32_t>(text.size()), words).empty();
    if (!exact) starts.clear();
    return exact;
}

TEST(WordTextScanTest, AgreesWithTheFullCheckOnRandomTexts) {
    std::mt19937 random(7);
    const std::string alphabet = std::string("abmz") + '\0' + "A{`\x80";
    for (int round = 0; round < 20000; ++round) {
        // Mostly well-made texts of words of 1 to 41 letters, sometimes one stray byte.
        std::string text;
        int32_t words = 0;
        const int wanted = static_cast<int>(random() % 40);
        for (int w = 0; w < wanted; ++w) {
            const int length = random() % 8 == 0 ? static_cast<int>(random() % 42) : 1 + static_cast<int>(random() % 12);
            for (int k = 0; k < length; ++k) text += static_cast<char>('a' + random() % 26);
            text += '\0';
            ++words;
        }
        if (!text.empty() && random() % 4 == 0) text[random() % text.size()] = alphabet[random() % alphabet.size()];
        if (random() % 16 == 0) words += static_cast<int32_t>(random() % 3) - 1;
        std::vector<uint64_t> expected, got;
        const bool exact = ReferenceScan(text, words, expected);
        uint64_t hash = 0;
        ASSERT_EQ(ScanWordText(text.data(), static_cast<int32_t>(text.size()), words, got, &hash), exact) << round;
        ASSERT_EQ(got, expected) << round;
        // The hash taken along must be the one the cache files' fingerprints use.
        if (exact) {
            ASSERT_EQ(hash, HashBytes(text.data(), text.size())) << round;
        }
    }
}

TEST(WordTextScanTest, WordsOf39LettersPassAndOf40FailWhereverTheyStart) {
    for (int lead : {0, 10, 30, 60, 120}) {  // the long word starts at byte `lead`
        for (int length : {39, 40}) {
            std::string text;
            for (int k = 0; k < lead / 10; ++k) text += std::string(9, 'a') + '\0';
            text += std::string(static_cast<size_t>(length), 'q') + '\0' + "bbbbb" + '\0';
            std::vector<uint64_t> starts;
            EXPECT_EQ(ScanWordText(text.data(), static_cast<int32_t>(text.size()), lead / 10 + 2, starts), length == 39)
                << lead << " " << length;
        }
    }
}

}  // namespace
}  // namespace sillabor
