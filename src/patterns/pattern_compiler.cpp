#include "patterns/pattern_compiler.h"

#include <algorithm>
#include <string>

#include "base/output.h"

namespace sillabor {

namespace {

// The keypad groups, in key order.
constexpr std::string_view kT9Keys[8] = {"[abc]", "[def]", "[ghi]", "[jkl]",
                                         "[mno]", "[pqrs]", "[tuv]", "[wxyz]"};

constexpr std::string_view kTooLongMessage = "Pattern troppo lungo: sono ammessi al massimo 99 elementi";

std::string_view T9KeyOf(char upper) {
    static constexpr char kKeyOfLetter[27] = "00011122233344455556667777";
    return kT9Keys[kKeyOfLetter[upper - 'A'] - '0'];
}

bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsJokerDigit(char c) { return c >= '1' && c <= '9'; }
bool IsGroupCode(uint8_t c) {
    return (c > kCodeGroup && c <= kCodeGroup + kPatternGroups) ||
           (c > kCodeGroupReversed && c <= kCodeGroupReversed + kPatternGroups);
}

// Every upper-case letter becomes the bracket text of its keypad key.
std::string ExpandKeypadLetters(std::string_view text) {
    std::string expanded;
    expanded.reserve(text.size() * 2);
    for (char c : text) {
        if (IsUpper(c))
            expanded += T9KeyOf(c);
        else
            expanded.push_back(c);
    }
    return expanded;
}

enum class OpenSet { kNone, kExcluding, kIncluding };

class Compiler {
public:
    Compiler(CompiledPattern& pattern, std::string_view text, Output& out)
        : p_(pattern), text_(ExpandKeypadLetters(text)), out_(out) {}

    int Run() {
        Reset();
        int result = CompileMain();
        if (result >= 0) result = CompileOptions();
        if (result < 0) {
            // A refused pattern matches only the empty word, should anyone try it.
            p_.codeCount = 0;
            p_.codes[0] = 0;
            p_.hasDerived = false;
        }
        Prepare();
        return result;
    }

private:
    char At(size_t i) const { return i < text_.size() ? text_[i] : '\0'; }

    void Reset() {
        p_.codeCount = 0;
        p_.setCount = 0;
        p_.derivedCount = 0;
        p_.segmentCount = 0;
        p_.hasDerived = false;
        std::fill(std::begin(p_.codes), std::end(p_.codes), 0);
        std::fill(std::begin(p_.derivedCodes), std::end(p_.derivedCodes), 0);
        std::fill(std::begin(p_.letterSets), std::end(p_.letterSets), 0u);
        std::fill(std::begin(p_.groupMin), std::end(p_.groupMin), 1);
        std::fill(std::begin(p_.groupMax), std::end(p_.groupMax), kMaxGroupLength);
        p_.derivedWord = 0;
    }

    bool Emit(uint8_t code) {
        if (p_.codeCount >= kMaxPatternCodes) return false;
        p_.codes[p_.codeCount++] = code;
        return true;
    }

    int TooLong() {
        out_.PrintLine(kTooLongMessage);
        return kPatternTooLong;
    }

    // The main pattern, up to the first comma.
    int CompileMain() {
        OpenSet open = OpenSet::kNone;
        uint32_t current = 0;
        int sets = 0;
        int bars = 0;
        for (; pos_ < text_.size(); ++pos_) {
            char c = text_[pos_];
            if (c == ' ') continue;
            if (c == ',') {
                ++pos_;
                break;
            }
            if (c == '?') c = '.';
            switch (c) {
                case '*':
                case '.':
                case '+':
                case '-':
                    if (open != OpenSet::kNone) return kPatternMisplacedInSet;
                    if (c == '*' && p_.codeCount > 0 && p_.codes[p_.codeCount - 1] == kCodeRun) break;
                    if (!Emit(static_cast<uint8_t>(c))) return TooLong();
                    break;
                case '@':
                case '#': {
                    if (open != OpenSet::kNone) return kPatternMisplacedInSet;
                    char digit = At(pos_ + 1);
                    if (!IsJokerDigit(digit)) {
                        out_.PrintLine(c == '@' ? "@ deve essere seguito da un numero da 1 a 9"
                                                : "# deve essere seguito da un numero da 1 a 9");
                        return kPatternBadGroupNumber;
                    }
                    ++pos_;
                    int g = digit - '1';
                    bool reversed = c == '#';
                    uint8_t code;
                    if (!seen_[g]) {
                        seen_[g] = true;
                        reversedFirst_[g] = reversed;
                        code = static_cast<uint8_t>(kCodeGroup + g + 1);
                    } else if (reversed == reversedFirst_[g]) {
                        code = static_cast<uint8_t>(kCodeGroup + g + 1);
                    } else {
                        code = static_cast<uint8_t>(kCodeGroupReversed + g + 1);
                    }
                    if (!Emit(code)) return TooLong();
                    break;
                }
                case '(':
                case '[':
                    if (open != OpenSet::kNone) return kPatternBadBrackets;
                    open = c == '(' ? OpenSet::kExcluding : OpenSet::kIncluding;
                    current = c == '(' ? (1u << 26) - 1 : 0u;
                    break;
                case ')':
                case ']':
                    if (open != (c == ')' ? OpenSet::kExcluding : OpenSet::kIncluding))
                        return kPatternUnopenedBracket;
                    if (sets < kMaxLetterSets) p_.letterSets[sets] = current;
                    // Beyond the last set the code is never used: the count is refused below.
                    if (!Emit(static_cast<uint8_t>(kCodeSet + std::min(sets, kMaxLetterSets - 1))))
                        return TooLong();
                    ++sets;
                    open = OpenSet::kNone;
                    break;
                case '|':
                    if (open != OpenSet::kNone) return kPatternUnopenedBracket;
                    if (!Emit(bars % 2 == 0 ? kCodeSegmentStart : kCodeSegmentEnd)) return TooLong();
                    ++bars;
                    break;
                default:
                    if (IsJokerDigit(c)) {
                        // Also inside brackets: a digit is never part of a set.
                        if (!Emit(static_cast<uint8_t>(c - '0'))) return TooLong();
                    } else if (IsLower(c)) {
                        uint32_t bit = 1u << (c - 'a');
                        if (open == OpenSet::kExcluding)
                            current &= ~bit;
                        else if (open == OpenSet::kIncluding)
                            current |= bit;
                        else if (!Emit(static_cast<uint8_t>(c)))
                            return TooLong();
                    } else {
                        return kPatternBadCharacter;
                    }
                    break;
            }
        }
        p_.segmentCount = bars / 2;
        p_.setCount = sets;
        if (open != OpenSet::kNone || bars % 2 != 0) return kPatternBadBrackets;
        if (sets > kMaxLetterSets) {
            out_.PrintLine("Troppi gruppi di lettere nel pattern");
            return kPatternBadCharacter;
        }
        return kPatternCompiled;
    }

    // After the comma: @pxy length limits and the derived pattern.
    int CompileOptions() {
        for (; pos_ < text_.size(); ++pos_) {
            char c = text_[pos_];
            if (c == ',' || c == ' ') continue;
            if (c == '@') {
                char p = At(pos_ + 1), x = At(pos_ + 2), y = At(pos_ + 3);
                bool ok = IsJokerDigit(p) && seen_[p - '1'] && IsJokerDigit(x) && y >= '0' && y <= '9';
                int most = y == '0' ? kMaxGroupLength : y - '0';
                if (!ok || x - '0' > most) {
                    out_.PrintLine("Le limitazioni sulle lunghezze dei pattern vanno indicate");
                    out_.PrintLine("con  @pxy (es. @124) dove p e' il numero del pattern e");
                    out_.PrintLine("x e y tra 1 e 9 sono lunghezza min e max (max=0 indica max=40)");
                    return kPatternBadOption;
                }
                p_.groupMin[p - '1'] = x - '0';
                p_.groupMax[p - '1'] = most;
                pos_ += 3;
            } else if (c == 'e') {
                p_.hasDerived = true;
                ++pos_;
                int result = CompileDerived();
                if (result == kPatternTooLong) return result;
                if (result < 0) return kPatternBadOption;
                if (!Emit(kCodeDerived)) return TooLong();
                return kPatternWithDerived;
            } else {
                out_.PrintLine("Qualcosa di errato dopo la virgola");
                return kPatternBadAfterComma;
            }
        }
        return kPatternCompiled;
    }

    bool EmitDerived(int code) {
        if (p_.derivedCount >= kMaxPatternCodes) return false;
        p_.derivedCodes[p_.derivedCount++] = static_cast<uint8_t>(code);
        return true;
    }

    // The derived pattern, to the end of the text.
    int CompileDerived() {
        for (; pos_ < text_.size(); ++pos_) {
            char c = text_[pos_];
            if (c == ' ') continue;
            int code = -1;
            char next = At(pos_ + 1);
            auto segmentNumber = [this](char d) {
                return IsJokerDigit(d) && d - '0' <= p_.segmentCount ? d - '0' : 0;
            };
            if ((c == '@' || c == '#') && IsJokerDigit(next)) {
                code = (c == '@' ? kCodeGroup : kCodeGroupReversed) + (next - '0');
                ++pos_;
            } else if (c == '|' && next == 'r' && segmentNumber(At(pos_ + 2)) > 0) {
                code = kCodeSegmentReversed + segmentNumber(At(pos_ + 2));
                pos_ += 2;
            } else if (c == '|' && segmentNumber(next) > 0) {
                code = kCodeSegment + segmentNumber(next);
                ++pos_;
            } else if (IsJokerDigit(c)) {
                code = kCodeJoker + (c - '0');
            } else if (IsLower(c)) {
                code = c;
            }
            if (code < 0) {
                out_.PrintLine("Il pattern che segue la E puo' composto da :");
                out_.PrintLine("lettere, numeri, @n, #n, |n e |rn dove n=1..9");
                return kPatternBadDerived;
            }
            if (!EmitDerived(code)) return TooLong();
        }
        return kPatternCompiled;
    }

    // What the matcher needs beyond the codes.
    void Prepare() {
        int closed = 0;
        for (int i = 0; i < p_.codeCount; ++i) {
            if (p_.codes[i] == kCodeSegmentStart) p_.segmentOf[i] = static_cast<uint8_t>(closed);
            if (p_.codes[i] == kCodeSegmentEnd) p_.segmentOf[i] = static_cast<uint8_t>(closed++);
        }
        const int32_t unbounded = CompiledPattern::kUnbounded;
        p_.minRest[p_.codeCount] = 0;
        p_.maxRest[p_.codeCount] = 0;
        for (int i = p_.codeCount - 1; i >= 0; --i) {
            uint8_t c = p_.codes[i];
            int lo = 1, hi = 1;
            if (c == kCodeRun) {
                lo = 0;
                hi = unbounded;
            } else if (c == kCodeSegmentStart || c == kCodeSegmentEnd || c == kCodeDerived) {
                lo = hi = 0;
            } else if (c > kCodeGroup && c <= kCodeGroup + kPatternGroups) {
                lo = p_.groupMin[c - kCodeGroup - 1];
                hi = p_.groupMax[c - kCodeGroup - 1];
            } else if (c > kCodeGroupReversed && c <= kCodeGroupReversed + kPatternGroups) {
                lo = p_.groupMin[c - kCodeGroupReversed - 1];
                hi = p_.groupMax[c - kCodeGroupReversed - 1];
            }
            p_.minRest[i] = p_.minRest[i + 1] + lo;
            p_.maxRest[i] = std::min(unbounded, p_.maxRest[i + 1] + hi);
        }
        p_.prefixLength = 0;
        for (int k = 0; k < p_.codeCount; ++k) {
            uint8_t c = p_.codes[k];
            if (c == kCodeSegmentStart || c == kCodeSegmentEnd) continue;
            if (c < 'a' || c > 'z') break;
            p_.prefix[p_.prefixLength++] = static_cast<char>(c);
        }
        p_.prefix[p_.prefixLength] = '\0';
        // The tail is worth checking only behind a code of variable length.
        p_.tailStart = p_.codeCount;
        p_.tailLength = 0;
        int i = p_.codeCount;
        while (i > 0 && p_.codes[i - 1] != kCodeRun && !IsGroupCode(p_.codes[i - 1])) --i;
        if (i > 0) {
            p_.tailStart = i;
            p_.tailLength = p_.minRest[i];
        }
    }

    CompiledPattern& p_;
    std::string text_;
    Output& out_;
    size_t pos_ = 0;
    bool seen_[kPatternGroups] = {};
    bool reversedFirst_[kPatternGroups] = {};
};

}  // namespace

int CompilePattern(CompiledPattern& pattern, std::string_view text, Output& out) {
    return Compiler(pattern, text, out).Run();
}

}  // namespace sillabor
