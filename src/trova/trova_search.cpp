#include "trova/trova_search.h"

#include "dictionary/random_choices.h"
#include "trova/trova_generators.h"
#include "trova/trova_run.h"

namespace sillabor {

namespace {

void SetParams(const TrovaRequest& request, TrovaParams& p) {
    p.MinLength = request.minLength;
    p.MaxLength = request.maxLength;
    p.AnyLetter = !request.lettersGiven;
    p.ChangeLast = request.alsoLast;
    // Letters not asked for keep those of the last run that had them.
    if (request.lettersGiven) {
        p.Letter1 = request.letter1;
        if (IsTwoLetterGame(request.game)) p.Letter2 = request.letter2;
    }
}

}  // namespace

int TrovaSearch(TrovaRun& run, const TrovaRequest& request) {
    const int option = request.game;
    TrovaParams& p = run.params();
    if (option < kTrovaListGames) SetParams(request, p);
    run.trova.words.Prepare(run.dict);
    const int32_t wordCount = run.dict.WordCount;
    p.ScanStep = RandomCoprimeStep(run.random, wordCount);
    p.ScanStart = wordCount > 0 ? run.random.Next() % wordCount : 0;
    switch (option) {
        case kTrovaScambi: Scambi(run); break;
        case kTrovaCambi: Cambi(run); break;
        case kTrovaAntipodiIniziali: Antipodi(run, kKeepInitial); break;
        case kTrovaAntipodiFinali: Antipodi(run, kKeepFinal); break;
        case kTrovaMetatesi: Metatesi(run); break;
        case kTrovaScarti: Scarti(run); break;
        case kTrovaCambiAntipodo: CambiAntipodo(run); break;
        case kTrovaBifrontiIniziale: BifrontiConScarto(run, kDropInitial); break;
        case kTrovaBifrontiFinale: BifrontiConScarto(run, kDropFinal); break;
        case kTrovaBifrontiEntrambe: BifrontiConScarto(run, kDropBoth); break;
        case kTrovaSciarade: Sciarade(run); break;
        case kTrovaSciaradeIncatenate: SciaradeIncatenate(run); break;
        case kTrovaAnagrammi: RandomAnagrams(run); break;
        case kTrovaIntarsi: Intarsi(run); break;
        case kTrovaLucchetti: Lucchetti(run); break;
        case kTrovaCerniere: Cerniere(run); break;
        default: break;
    }
    return 0;
}

}  // namespace sillabor
