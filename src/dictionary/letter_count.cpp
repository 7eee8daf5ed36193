#include "dictionary/letter_count.h"

#include <cstring>

namespace sillabor {

namespace {

// Folding table for the whole byte range, built once.
struct FoldTable {
    char map[256];
    FoldTable() {
        for (int i = 0; i < 256; ++i) map[i] = static_cast<char>(i);
        auto set = [this](std::initializer_list<int> codes, char to) {
            for (int code : codes) map[code] = to;
        };
        set({0xE0, 0xE1, 0xE2, 0xE4, 0xE5}, 'a');
        set({0xC0, 0xC1, 0xC2, 0xC4, 0xC5}, 'A');
        set({0xE7}, 'c');
        set({0xC7}, 'C');
        set({0xE8, 0xE9, 0xEA, 0xEB}, 'e');
        set({0xC8, 0xC9, 0xCA, 0xCB}, 'E');
        set({0xEC, 0xED, 0xEE, 0xEF}, 'i');
        set({0xCC, 0xCD, 0xCE, 0xCF}, 'I');
        set({0xF1}, 'n');
        set({0xD1}, 'N');
        set({0xF2, 0xF3, 0xF4, 0xF5, 0xF6}, 'o');
        set({0xD2, 0xD3, 0xD4, 0xD5, 0xD6}, 'O');
        set({0x9A}, 's');
        set({0x8A}, 'S');
        set({0xF9, 0xFA, 0xFB, 0xFC}, 'u');
        set({0xD9, 0xDA, 0xDB, 0xDC}, 'U');
        set({0xFD, 0xFF}, 'y');
        set({0x9F, 0xDD}, 'Y');
    }
};

const FoldTable kFold;

// Letter index 0..25 of a byte after folding and lowering, or -1.
struct LetterIndexTable {
    int8_t index[256];
    LetterIndexTable() {
        for (int i = 0; i < 256; ++i) {
            char c = kFold.map[i];
            c = ToLowerAscii(c);
            index[i] = (c >= 'a' && c <= 'z') ? static_cast<int8_t>(c - 'a') : -1;
        }
    }
};

const LetterIndexTable kLetterIndex;

}  // namespace

VowelTableType::VowelTableType() {
    std::memset(entries, 0, sizeof entries);
    for (char v : std::string_view("aeiouy")) entries[v - 'a'] = 1;
}

const VowelTableType VowelTable;

void ClearLetterCount(LetterCount& lc) { std::memset(&lc, 0, sizeof lc); }

void ComputeLetterCount(const char* word, LetterCount& out) { out = ComputeLetterCount(std::string_view(word)); }

LetterCount ComputeLetterCount(std::string_view word) {
    LetterCount out;
    ClearLetterCount(out);
    for (char ch : word) {
        int idx = kLetterIndex.index[static_cast<unsigned char>(ch)];
        if (idx >= 0) {
            ++out.counts[idx];
            ++out.total;
        }
    }
    return out;
}

int CompareLetterCounts(const LetterCount& a, const LetterCount& b) {
    if (a.total != b.total) return a.total < b.total ? -1 : 1;
    int c = std::memcmp(a.counts, b.counts, 26);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

bool LetterCountFits(const LetterCount& small, const LetterCount& big) {
    if (small.total > big.total) return false;
    for (int i = 0; i < 26; ++i)
        if (small.counts[i] > big.counts[i]) return false;
    return true;
}

void FoldAccent(char& c) { c = kFold.map[static_cast<unsigned char>(c)]; }

char FoldedAccent(char c) { return kFold.map[static_cast<unsigned char>(c)]; }

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

void ToUpperLetters(char* s) {
    for (; *s; ++s)
        *s = ToUpperAscii(*s);
}

void ToUpperLetters(std::string& s) {
    for (char& c : s)
        c = ToUpperAscii(c);
}

char* NormalizeWord(char* destination, const char* source, bool lower, const char* keep) {
    if (destination != source) std::strcpy(destination, source);
    char* out = destination;
    for (const char* in = destination; *in; ++in) {
        char c = FoldedAccent(*in);
        if (lower && c >= 'A' && c <= 'Z') {
            *out++ = ToLowerAscii(c);
        } else if (IsAsciiLetter(c)) {
            *out++ = c;
        } else if (keep && std::strchr(keep, c) != nullptr && c != '\0') {
            *out++ = c;
        }
    }
    *out = '\0';
    return destination;
}

std::string NormalizeWord(std::string_view source, bool lower, std::string_view keep) {
    std::string out;
    out.reserve(source.size());
    for (char raw : source) {
        if (raw == '\0') break;
        char c = FoldedAccent(raw);
        if (lower && c >= 'A' && c <= 'Z') {
            out.push_back(ToLowerAscii(c));
        } else if (IsAsciiLetter(c)) {
            out.push_back(c);
        } else if (keep.find(c) != std::string_view::npos) {
            out.push_back(c);
        }
    }
    return out;
}

}  // namespace sillabor
