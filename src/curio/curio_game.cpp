#include "curio/curio_game.h"

#include "curio/alternate_reports.h"
#include "curio/change_groups.h"
#include "curio/count_reports.h"
#include "curio/curio_reports.h"
#include "curio/curio_run.h"
#include "curio/example_reports.h"
#include "curio/letter_set_reports.h"
#include "curio/micro_report.h"
#include "curio/mirror_reports.h"
#include "curio/most_changes_report.h"
#include "curio/removals.h"
#include "curio/rotation_reports.h"
#include "curio/same_consonants_report.h"
#include "curio/shape_reports.h"
#include "curio/t9_reports.h"

namespace sillabor {

namespace {

constexpr int kTopLimit = 500;
constexpr int kMostChangesLimit = 300;

void RunReport(CurioRun& run, int code) {
    switch (code) {
        case kCurioCounts: CountsReport(run); break;
        case kCurioMostChanges: MostChangesReport(run); break;
        case kCurioRotations26: Rotations26Report(run); break;
        case kCurioRotations21: Rotations21Report(run); break;
        case kCurioRepeats:
        case kCurioDifferentLetters:
        case kCurioConsecutiveDifferent: LetterScoreReport(run, code); break;
        case kCurioMostAnagrams: MostAnagramsReport(run); break;
        case kCurioVowelPalindromes: LetterPalindromesReport(run, true); break;
        case kCurioConsonantPalindromes: LetterPalindromesReport(run, false); break;
        case kCurioMonovocalic: SingleLetterReport(run, true); break;
        case kCurioMonoconsonantal: SingleLetterReport(run, false); break;
        case kCurioIncreasing:
        case kCurioDecreasing:
        case kCurioRiseFall:
        case kCurioAlternating:
        case kCurioVowelConsonant: ShapeReport(run, code); break;
        case kCurioPanvocalic: PanvocalicReport(run); break;
        case kCurioEveryChange: EveryChangeReport(run); break;
        case kCurioT9Equivalents: T9EquivalentsReport(run); break;
        case kCurioT9Multiples: T9MultiplesReport(run); break;
        case kCurioBiconsonantal: BiconsonantalReport(run); break;
        case kCurioPalindromes: PalindromesReport(run); break;
        case kCurioBifronti: BifrontiReport(run); break;
        case kCurioEveryRemoval: EveryRemovalReport(run); break;
        case kCurioEveryExchange: EveryExchangeReport(run); break;
        case kCurioMicro: MicroReport(run); break;
        case kCurioAlternateIntarsi: AlternateIntarsiReport(run); break;
        case kCurioAlternateScarti: AlternateScartiReport(run); break;
        case kCurioSameConsonants: SameConsonantsReport(run); break;
        default: break;
    }
}

}  // namespace

bool CurioGame::NeedsByteOrder(int option) const {
    switch (option) {
        case kCurioCounts:
        case kCurioMostChanges:
        case kCurioRotations26:
        case kCurioRotations21:
        case kCurioMostAnagrams:
        case kCurioEveryChange:
        case kCurioT9Equivalents:
        case kCurioT9Multiples:
        case kCurioBifronti:
        case kCurioEveryRemoval:
        case kCurioEveryExchange:
        case kCurioAlternateIntarsi:
        case kCurioAlternateScarti:
        case kCurioSameConsonants: return true;
        default: return false;
    }
}

int CurioGame::Run(GameContext& ctx, int option) {
    if (!IsCurioCode(option)) return kNoSuchSearch;
    // Only a failed start leaves no dictionary; there is nothing to report on.
    if (!ctx.dict.IsLoaded()) return 0;
    const bool overClasses = option == kCurioMostAnagrams || option == kCurioMicro;
    ctx.state.StatusMode = overClasses ? kStatusInfoClasses : kStatusInfoWords;
    ctx.state.FoundCount = 0;
    ctx.top.Reset(option == kCurioMostChanges ? kMostChangesLimit : kTopLimit);
    CurioRun run{ctx.dict, ctx.out, ctx.state, ctx.random, ctx.top, state};
    RunReport(run, option);
    return 0;
}

void CurioGame::PrepareIndexFile(int file, const Dictionary& dict) {
    if (file == 0)
        PrepareChangeGroupsFile(dict);
    else
        PrepareRemovalsFile(dict);
}

SearchJob CurioGame::Job(const CurioRequest& request, std::shared_ptr<CurioResult> result) {
    return {Id(), request.report, [this, request, result = std::move(result)](GameContext& ctx) {
                if (request.report == kCurioMicro && request.microMode) state.SetNextMicroMode(*request.microMode);
                const int status = Run(ctx, request.report);
                if (result) result->microCaption = state.MicroCaption();
                return status;
            }};
}

}  // namespace sillabor
