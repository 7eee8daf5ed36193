#include "patterns/pattern_matcher.h"

#include <algorithm>
#include <cstring>

#include "dictionary/dictionary.h"
#include "dictionary/letter_count.h"

namespace sillabor {

namespace {

bool IsGroup(uint8_t c) { return c > kCodeGroup && c <= kCodeGroup + kPatternGroups; }
bool IsReversedGroup(uint8_t c) { return c > kCodeGroupReversed && c <= kCodeGroupReversed + kPatternGroups; }
bool IsSet(uint8_t c) { return c >= kCodeSet && c < kCodeSet + kMaxLetterSets; }

// The word's last characters against the one-character codes of the pattern's
// tail, jokers taken as any character. False only when no match is possible.
bool TailFits(const CompiledPattern& p, const char* word, int length) {
    if (length < p.tailLength) return false;
    const char* w = word + length - p.tailLength;
    for (int i = p.tailStart; i < p.codeCount; ++i) {
        uint8_t c = p.codes[i];
        if (c == kCodeSegmentStart || c == kCodeSegmentEnd || c == kCodeDerived) continue;
        char ch = *w++;
        if (c >= 'a' && c <= 'z') {
            if (ch != static_cast<char>(c)) return false;
        } else if (c == kCodeVowel) {
            if (!VowelTable.IsVowel(ch)) return false;
        } else if (c == kCodeConsonant) {
            if (VowelTable.IsVowel(ch)) return false;
        } else if (IsSet(c)) {
            unsigned k = static_cast<unsigned char>(ch) - 'a';
            if (k >= 26 || !((p.letterSets[c - kCodeSet] >> k) & 1u)) return false;
        }
    }
    return true;
}

class Matcher {
public:
    Matcher(CompiledPattern& pattern, const char* word, int length, const Dictionary& dict)
        : p_(pattern), w_(word), n_(length), dict_(dict) {}

    // Codes from `ci` against the word from `wi`.
    bool From(int ci, int wi) {
        for (;;) {
            int left = n_ - wi;
            // Neither bound changes which match is found first: a branch cut
            // here could not have succeeded.
            if (left < p_.minRest[ci] || left > p_.maxRest[ci]) return false;
            uint8_t c = p_.codes[ci];
            switch (c) {
                case 0:
                    return left == 0;
                case kCodeVowel:
                    if (!VowelTable.IsVowel(w_[wi])) return false;
                    break;
                case kCodeConsonant:
                    if (VowelTable.IsVowel(w_[wi])) return false;
                    break;
                case kCodeAny:
                    break;
                case kCodeRun:
                    if (left == 0) {
                        ++ci;
                        continue;
                    }
                    if (p_.codes[ci + 1] == 0) return true;
                    return Run(ci + 1, wi);
                case kCodeSegmentStart:
                    p_.segmentStart[p_.segmentOf[ci]] = wi;
                    ++ci;
                    continue;
                case kCodeSegmentEnd:
                    p_.segmentEnd[p_.segmentOf[ci]] = wi;
                    ++ci;
                    continue;
                case kCodeDerived:
                    return left == 0 && LookUpDerived() != 0;
                default:
                    if (c >= 'a' && c <= 'z') {
                        if (w_[wi] != static_cast<char>(c)) return false;
                    } else if (c <= kCodeJoker + kPatternGroups) {
                        char& bound = p_.jokers[c];
                        if (bound == 0) {
                            bound = w_[wi];
                            if (From(ci + 1, wi + 1)) return true;
                            bound = 0;
                            return false;
                        }
                        if (w_[wi] != bound) return false;
                    } else if (IsSet(c)) {
                        unsigned k = static_cast<unsigned char>(w_[wi]) - 'a';
                        if (k >= 26 || !((p_.letterSets[c - kCodeSet] >> k) & 1u)) return false;
                    } else if (IsGroup(c)) {
                        int g = c - kCodeGroup - 1;
                        int len = p_.captureLength[g];
                        if (len == 0) return Capture(g, ci + 1, wi);
                        if (len > left) return false;
                        if (std::memcmp(w_ + wi, w_ + p_.captureStart[g], len) != 0) return false;
                        wi += len;
                        ++ci;
                        continue;
                    } else if (IsReversedGroup(c)) {
                        int g = c - kCodeGroupReversed - 1;
                        int len = p_.captureLength[g];
                        if (len > left) return false;
                        const char* last = w_ + p_.captureStart[g] + len - 1;
                        for (int k = 0; k < len; ++k)
                            if (w_[wi + k] != last[-k]) return false;
                        wi += len;
                        ++ci;
                        continue;
                    } else {
                        return false;
                    }
                    break;
            }
            // A one-character element matched.
            ++ci;
            ++wi;
        }
    }

private:
    // A run before code `ci`: the shortest skip first.
    bool Run(int ci, int wi) {
        int left = n_ - wi;
        int first = std::max(0, left - p_.maxRest[ci]);
        int last = left - p_.minRest[ci];
        for (int skip = first; skip <= last; ++skip)
            if (From(ci, wi + skip)) return true;
        return false;
    }

    // The first use of group g, before code `ci`: the shortest capture first.
    bool Capture(int g, int ci, int wi) {
        int left = n_ - wi;
        int most = std::min(left - p_.minRest[ci], p_.groupMax[g]);
        p_.captureStart[g] = wi;
        for (int len = p_.groupMin[g]; len <= most; ++len) {
            p_.captureLength[g] = len;
            if (From(ci, wi + len)) return true;
        }
        p_.captureLength[g] = 0;
        return false;
    }

    int32_t LookUpDerived() {
        char derived[kMaxDerivedLength + 1];
        int len = 0;
        auto put = [&](char ch) {
            if (len < kMaxDerivedLength) derived[len++] = ch;
        };
        auto putRange = [&](int from, int count, bool reversed) {
            for (int k = 0; k < count; ++k) put(reversed ? w_[from + count - 1 - k] : w_[from + k]);
        };
        for (int i = 0; i < p_.derivedCount; ++i) {
            uint8_t c = p_.derivedCodes[i];
            if (c >= 'a' && c <= 'z') {
                put(static_cast<char>(c));
            } else if (c <= kCodeJoker + kPatternGroups) {
                // A joker the main pattern never binds adds nothing.
                if (p_.jokers[c] != 0) put(p_.jokers[c]);
            } else if (IsGroup(c) || IsReversedGroup(c)) {
                int g = IsGroup(c) ? c - kCodeGroup - 1 : c - kCodeGroupReversed - 1;
                putRange(p_.captureStart[g], p_.captureLength[g], IsReversedGroup(c));
            } else {
                bool reversed = c > kCodeSegmentReversed;
                int s = c - (reversed ? kCodeSegmentReversed : kCodeSegment) - 1;
                putRange(p_.segmentStart[s], p_.segmentEnd[s] - p_.segmentStart[s], reversed);
            }
        }
        derived[len] = '\0';
        p_.derivedWord = len == 0 ? 0 : dict_.FindWord(derived);
        return p_.derivedWord;
    }

    CompiledPattern& p_;
    const char* w_;
    int n_;
    const Dictionary& dict_;
};

}  // namespace

int32_t MatchPattern(CompiledPattern& pattern, const char* word, const Dictionary& dict) {
    std::memset(pattern.jokers, 0, sizeof pattern.jokers);
    std::memset(pattern.captureLength, 0, sizeof pattern.captureLength);
    if (pattern.hasDerived) pattern.derivedWord = 0;
    int length = static_cast<int>(std::strlen(word));
    if (pattern.tailLength > 0 && !TailFits(pattern, word, length)) return 0;
    Matcher matcher(pattern, word, length, dict);
    if (!matcher.From(0, 0)) return 0;
    return pattern.hasDerived ? pattern.derivedWord : 1;
}

}  // namespace sillabor
