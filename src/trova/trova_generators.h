#pragma once
// The generators of the "Trova" page. Each prints its title, then its result
// lines, counting each in FoundCount, until its cap, its end or a stop.

namespace sillabor {

struct TrovaRun;

// Ends that bifronti con scarto drop.
enum BifrontiMode : int { kDropInitial = 0, kDropFinal = 1, kDropBoth = 2 };
// The end letter that antipodi keep in place.
enum AntipodiMode : int { kKeepInitial = 0, kKeepFinal = 1 };

// One word into another by a change of letters, over the length range, with
// the page's letters.
void Scambi(TrovaRun& run);
void Cambi(TrovaRun& run);
void Scarti(TrovaRun& run);
void Metatesi(TrovaRun& run);
void BifrontiConScarto(TrovaRun& run, int mode);

// The rest of a word read backwards.
void Antipodi(TrovaRun& run, int mode);
void CambiAntipodo(TrovaRun& run);

// Random pairs of anagrams.
void RandomAnagrams(TrovaRun& run);

// A word composed from two others, from words drawn at random (cerniere scan
// the dictionary); they ignore the length range and the letters.
void Sciarade(TrovaRun& run);
void SciaradeIncatenate(TrovaRun& run);
void Intarsi(TrovaRun& run);
void Lucchetti(TrovaRun& run);
void Cerniere(TrovaRun& run);

}  // namespace sillabor
