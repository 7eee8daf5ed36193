#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "dictionary/word_orders.h"

namespace sillabor {
namespace {

std::vector<std::string> SortedCopy(std::vector<std::string> storage) {
    std::vector<char*> words;
    for (std::string& s : storage) words.push_back(s.data());
    SortByteOrder(words.data(), words.size());
    return std::vector<std::string>(words.begin(), words.end());
}

// Lower-case words around twelve letters: shared prefixes of every length up
// to and past twelve, duplicates, one-letter words.
std::vector<std::string> LetterWords() {
    const std::vector<std::string> stems = {"a", "ab", "abbandonar", "abbandonarono", "precipitevol",
                                            "precipitevolissimevolmente", "z", "zz", "rosa"};
    std::vector<std::string> words;
    for (int i = 0; i < 4000; ++i) {
        std::string w = stems[static_cast<size_t>(i) % stems.size()];
        unsigned x = static_cast<unsigned>(i) * 2654435761u;
        for (int k = static_cast<int>(x % 5); k > 0; --k, x /= 26) w += static_cast<char>('a' + x % 26);
        words.push_back(w);
    }
    return words;
}

TEST(WordOrders, ByteOrderOfLetterWordsMatchesStringOrder) {
    std::vector<std::string> words = LetterWords();
    std::vector<std::string> expected = words;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(SortedCopy(words), expected);
}

TEST(WordOrders, OneWordOutsideAToZStillSortsEveryWordByBytes) {
    std::vector<std::string> words = LetterWords();
    words.push_back("abbandon\xE0");
    words.push_back("Zeta");
    words.push_back("abbandonar0");
    std::vector<std::string> expected = words;
    std::sort(expected.begin(), expected.end(), [](const std::string& a, const std::string& b) {
        return std::strcmp(a.c_str(), b.c_str()) < 0;
    });
    EXPECT_EQ(SortedCopy(words), expected);
}

TEST(WordOrders, LengthAndRhymeOrders) {
    std::vector<std::string> storage = {"casa", "rosa", "cane", "re", "abaco", "b"};
    std::vector<char*> words;
    for (std::string& s : storage) words.push_back(s.data());
    SortByLength(words.data(), words.size());
    EXPECT_EQ(std::vector<std::string>(words.begin(), words.end()),
              (std::vector<std::string>{"b", "re", "cane", "casa", "rosa", "abaco"}));
    SortRhymeOrder(words.data(), words.size());
    EXPECT_EQ(std::vector<std::string>(words.begin(), words.end()),
              (std::vector<std::string>{"casa", "rosa", "b", "cane", "re", "abaco"}));
}

}  // namespace
}  // namespace sillabor
