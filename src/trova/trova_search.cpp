#include "trova/trova_search.h"

#include "dictionary/random_choices.h"
#include "trova/trova_generators.h"
#include "trova/trova_options.h"
#include "trova/trova_run.h"

namespace sillabor {

int TrovaSearch(TrovaRun& run, int option) {
    TrovaParams& p = run.params();
    if (option < kCreaQualeItems && !ReadLengthsAndLetters(run.trova.page, option, p, run.out)) return 1;
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
