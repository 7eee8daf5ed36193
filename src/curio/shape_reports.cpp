#include "curio/shape_reports.h"

#include "curio/curio_reports.h"

namespace sillabor {

namespace {

// -1, 0 or 1: how letter k + 1 stands to letter k.
int Step(const char* word, int k) { return (word[k + 1] > word[k]) - (word[k + 1] < word[k]); }

bool NeverSteps(const char* word, int from, int length, int forbidden) {
    for (int k = from; k + 1 < length; ++k)
        if (Step(word, k) == forbidden) return false;
    return true;
}

// A first strict step in direction `turn`, and no strict step back after it
// (whatever came before the turn went the other way or stayed).
bool TurnsOnce(const char* word, int length, int turn) {
    for (int k = 0; k + 1 < length; ++k)
        if (Step(word, k) == turn) return NeverSteps(word, k + 1, length, -turn);
    return false;
}

bool Alternates(const char* word, int length) {
    int previous = Step(word, 0);
    if (previous == 0) return false;
    for (int k = 1; k + 1 < length; ++k) {
        const int step = Step(word, k);
        if (step != -previous) return false;
        previous = step;
    }
    return true;
}

bool VowelsAlternate(const char* word, int length) {
    for (int k = 0; k + 1 < length; ++k)
        if (VowelTable.IsVowel(word[k]) == VowelTable.IsVowel(word[k + 1])) return false;
    return true;
}

const char* ShapeText(int code) {
    switch (code) {
        case kCurioIncreasing: return "lettere in ordine crescente";
        case kCurioDecreasing: return "lettere in ordine decrescente";
        case kCurioRiseFall: return "lettere che salgono poi scendono o viceversa (alfabet.)";
        case kCurioAlternating: return "caratteri alternanti (alfabetic.)";
        default: return "alternanza vocale/consonante";
    }
}

// Whether a word has the shape of report `code`.
bool HasShape(int code, const char* word, int length) {
    switch (code) {
        case kCurioIncreasing: return NeverSteps(word, 0, length, -1);
        case kCurioDecreasing: return NeverSteps(word, 0, length, 1);
        // Rising then falling: falling is the turn; falling then rising: rising is.
        case kCurioRiseFall: return length >= 3 && (TurnsOnce(word, length, -1) || TurnsOnce(word, length, 1));
        case kCurioAlternating: return length >= 3 && Alternates(word, length);
        case kCurioVowelConsonant: return VowelsAlternate(word, length);
        default: return false;
    }
}

}  // namespace

void ShapeReport(CurioRun& run, int code) {
    for (int32_t i = 1; i < run.dict.WordCount; ++i) {
        if (!run.VisitWord(i)) return;
        const char* word = run.Word(i);
        const int length = WordLength(word);
        if (HasShape(code, word, length)) run.top.TopInsert(i, length);
    }
    PrintTopList(run, false, ShapeText(code));
}

}  // namespace sillabor
