// The reports on single words: shapes, letter counts, palindromes, vowels and
// consonants, the dictionary's statistics and its biggest anagram classes.

#include <gtest/gtest.h>

#include "curio/curio_reports.h"
#include "curio/curio_fixture.h"

namespace sillabor {
namespace {

using test::ReportCase;

struct WordReportsTest : test::CurioTest, ::testing::WithParamInterface<ReportCase> {};

TEST_P(WordReportsTest, PrintsTheReportsLines) {
    EXPECT_EQ(Report(GetParam().words, GetParam().code), GetParam().lines);
}

const std::vector<std::string> kShapes = {"a",    "ai",   "ed",    "oca",  "abc",   "cba", "aaa", "bab",  "abca",
                                          "abcab", "acbd", "dente", "ego", "tutto", "biro", "zona", "mimo"};
const std::vector<std::string> kLetters = {"a",     "ah",    "ha",     "ala", "lama",    "mala", "alma", "casa",
                                           "cassa", "sacca", "scassa", "bob", "ottetto", "zz"};
const std::vector<std::string> kMirrors = {"a",   "e",     "ad",   "da",  "io",   "ala",  "anna", "roma",  "amor",
                                           "oro", "radar", "otto", "tot", "elle", "ramo", "omar", "rosso", "sasso"};
const std::vector<std::string> kVowelSets = {"mamma",  "banana",  "otto",     "zz",      "ehm",    "yacht",
                                             "aiuole", "aiuoley", "ayiuoyle", "sequoia", "eunoia", "equivoca",
                                             "nonna",  "nano",    "anta",     "nota",    "note",   "tana"};

INSTANTIATE_TEST_SUITE_P(
    Shapes, WordReportsTest,
    ::testing::Values(
        // One letter counts as increasing and decreasing, never as rising and falling.
        ReportCase{kCurioIncreasing, kShapes,
                   "5 parole con lettere in ordine crescente|--| 3 AAA| 3 ABC| 3 EGO| 2 AI| 1 A|--"},
        ReportCase{kCurioDecreasing, kShapes,
                   "6 parole con lettere in ordine decrescente|--| 4 ZONA| 3 AAA| 3 CBA| 3 OCA| 2 ED| 1 A|--"},
        // Only rising (abc) or only falling (cba) counts; aaa and abcab do not.
        ReportCase{kCurioRiseFall, kShapes,
                   "11 parole con lettere che salgono poi scendono o viceversa (alfabet.)|--| 5 DENTE| 5 TUTTO|"
                   " 4 ABCA| 4 BIRO| 4 MIMO| 4 ZONA| 3 ABC| 3 BAB| 3 CBA| 3 EGO| 3 OCA|--"},
        ReportCase{kCurioAlternating, kShapes, "2 parole con caratteri alternanti (alfabetic.)|--| 4 ACBD| 3 BAB|--"},
        // An empty list has one separator: a separator never follows a separator.
        ReportCase{kCurioAlternating, {"a", "ab", "ba"}, "NESSUNA PAROLA con caratteri alternanti (alfabetic.)|--"},
        ReportCase{kCurioVowelConsonant, kShapes,
                   "8 parole con alternanza vocale/consonante|--| 4 BIRO| 4 MIMO| 4 ZONA| 3 BAB| 3 EGO| 3 OCA|"
                   " 2 ED| 1 A|--"}));

INSTANTIATE_TEST_SUITE_P(
    Letters, WordReportsTest,
    ::testing::Values(
        ReportCase{kCurioRepeats, kLetters,
                   "14 parole con lettere ripetute|--| 4 OTTETTO| 3 SCASSA| 2 ALA| 2 ALMA| 2 BOB| 2 CASA| 2 CASSA|"
                   " 2 LAMA| 2 MALA| 2 SACCA| 2 ZZ| 1 A| 1 AH| 1 HA|--"},
        ReportCase{kCurioDifferentLetters, kLetters,
                   "Le 14 parole con piu' caratteri diversi|--| 3 ALMA| 3 CASA| 3 CASSA| 3 LAMA| 3 MALA| 3 OTTETTO|"
                   " 3 SACCA| 3 SCASSA| 2 AH| 2 ALA| 2 BOB| 2 HA| 1 A| 1 ZZ|--"},
        // ottetto has three letters but never three different ones in a row; zz has 1.
        ReportCase{kCurioConsecutiveDifferent, kLetters,
                   "Le 14 parole con piu' caratteri diversi consecutivi|--| 3 ALMA| 3 CASA| 3 CASSA| 3 LAMA|"
                   " 3 MALA| 3 SACCA| 3 SCASSA| 2 AH| 2 ALA| 2 BOB| 2 HA| 2 OTTETTO| 1 A| 1 ZZ|--"},
        // Each class by its first word; single-word classes in the class order.
        ReportCase{kCurioMostAnagrams, kLetters,
                   "Le 11 parole con piu' anagrammi|--| 3 ALMA| 2 AH| 1 OTTETTO| 1 SCASSA| 1 SACCA| 1 CASSA|"
                   " 1 CASA| 1 ALA| 1 BOB| 1 ZZ| 1 A|--"},
        ReportCase{kCurioCounts, kLetters,
                   "Conteggi e statistiche|--|14 parole, da A a ZZ|--|"
                   "Lun.  1:      1 parole, A - A|Lun.  2:      3 parole, AH - ZZ|Lun.  3:      2 parole, ALA - BOB|"
                   "Lun.  4:      4 parole, ALMA - MALA|Lun.  5:      2 parole, CASSA - SACCA|"
                   "Lun.  6:      1 parole, SCASSA - SCASSA|Lun.  7:      1 parole, OTTETTO - OTTETTO|--|"
                   "A:      4 parole, A - ALMA|B:      1 parole, BOB - BOB|C:      2 parole, CASA - CASSA|"
                   "H:      1 parole, HA - HA|L:      1 parole, LAMA - LAMA|M:      1 parole, MALA - MALA|"
                   "O:      1 parole, OTTETTO - OTTETTO|S:      2 parole, SACCA - SCASSA|Z:      1 parole, ZZ - ZZ|--|"
                   "Frequenze relative delle lettere nelle parole del dizionario|A 36.538%|B  3.846%|C  9.615%|"
                   "D  0.000%|E  1.923%|F  0.000%|G  0.000%|H  3.846%|I  0.000%|J  0.000%|K  0.000%|L  7.692%|"
                   "M  5.769%|N  0.000%|O  5.769%|P  0.000%|Q  0.000%|R  0.000%|S 13.462%|T  7.692%|U  0.000%|"
                   "V  0.000%|W  0.000%|X  0.000%|Y  0.000%|Z  3.846%|--"}));

INSTANTIATE_TEST_SUITE_P(
    Mirrors, WordReportsTest,
    ::testing::Values(
        ReportCase{kCurioPalindromes, kMirrors, "Palindromi|--|a|ala|anna|e|elle|oro|otto|radar|tot"},
        // Each pair once, from its first word; palindromes find only themselves.
        ReportCase{kCurioBifronti, kMirrors, "Bifronti|--|ad <-> da|amor <-> roma|omar <-> ramo"},
        // Twelve letters pack into keys, thirteen do not; the pairs still come in array order.
        ReportCase{kCurioBifronti, {"ab", "abcdefghijklm", "abcdefghijkl", "ba", "lkjihgfedcba", "mlkjihgfedcba"},
                   "Bifronti|--|ab <-> ba|abcdefghijkl <-> lkjihgfedcba|abcdefghijklm <-> mlkjihgfedcba"},
        ReportCase{kCurioVowelPalindromes, kMirrors,
                   "12 parole con vocali palindrome|--| 5 RADAR| 5 ROSSO| 4 ANNA| 4 ELLE| 4 OTTO| 3 ALA| 3 ORO|"
                   " 3 TOT| 2 AD| 2 DA| 1 A| 1 E|--"},
        // io has no consonant at all.
        ReportCase{kCurioConsonantPalindromes, kMirrors,
                   "13 parole con consonanti palindrome|--| 5 RADAR| 5 SASSO| 4 ANNA| 4 ELLE| 4 OTTO| 3 ALA| 3 ORO|"
                   " 3 TOT| 2 AD| 2 DA| 2 IO| 1 A| 1 E|--"}));

INSTANTIATE_TEST_SUITE_P(
    VowelsAndConsonants, WordReportsTest,
    ::testing::Values(
        // yacht has two vowels, a and y.
        ReportCase{kCurioMonovocalic, kVowelSets,
                   "Parole monovocaliche|--|A : banana / banana|E : ehm / ehm|O : otto / otto|--| 3/ 6 BANANA|"
                   " 2/ 5 MAMMA| 2/ 4 ANTA| 2/ 4 OTTO| 2/ 4 TANA| 1/ 3 EHM|--"},
        ReportCase{kCurioMonoconsonantal, kVowelSets,
                   "Parole monoconsonantiche|--|L : aiuole / ayiuoyle|M : mamma / mamma|N : nonna / eunoia|"
                   "T : otto / otto|Z : zz / zz|--| 3/ 5 MAMMA| 3/ 5 NONNA| 2/ 4 NANO| 2/ 4 OTTO| 2/ 2 ZZ|"
                   " 1/ 8 AYIUOYLE| 1/ 7 AIUOLEY| 1/ 6 AIUOLE| 1/ 6 EUNOIA|--"},
        ReportCase{kCurioMonovocalic, {"yy", "tram", "aiuole"}, "Parole monovocaliche|--|A : tram / tram|Y : yy / yy|--|"
                   " 2/ 2 YY| 1/ 4 TRAM|--"},
        // The words of a pair from the last one backwards.
        ReportCase{kCurioBiconsonantal, kVowelSets,
                   "Parole biconsonantiche|--|BN : banana|HM : ehm|NT : tana note nota anta|QS : sequoia|--"},
        // One y: only in brackets, the first of its order; two: not at all.
        ReportCase{kCurioPanvocalic, kVowelSets,
                   "Esempi delle possibili parole panvocaliche|--|AIUOE = aiuole  [aiuoley]|EUIOA = equivoca |"
                   "EUOIA = eunoia - sequoia "},
        ReportCase{kCurioPanvocalic, {"aeiouy", "uoiea", "zz"},
                   "Esempi delle possibili parole panvocaliche|--|AEIOU = --  [aeiouy]|UOIEA = uoiea "}));

}  // namespace
}  // namespace sillabor
