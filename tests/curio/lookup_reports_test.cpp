// The reports that relate words to other words: rotations, phone-pad
// equivalents, alternate letters, cambi and shared consonants. The longer
// words (over twelve letters) take the grouping's hashed keys.

#include <gtest/gtest.h>

#include "curio/curio_reports.h"
#include "curio/curio_fixture.h"

namespace sillabor {
namespace {

using test::ReportCase;

struct LookupReportsTest : test::CurioTest, ::testing::WithParamInterface<ReportCase> {};

TEST_P(LookupReportsTest, PrintsTheReportsLines) {
    EXPECT_EQ(Report(GetParam().words, GetParam().code), GetParam().lines);
}

const std::vector<std::string> kRotations = {"a",  "m",  "ab", "bc", "cd", "an",
                                             "na", "abcdefghijklmn", "bcdefghijklmno"};
const std::vector<std::string> kPhone = {"aaa", "abc", "bca", "cab", "dog", "fog",
                                         "aaaaaaaaaaaaa", "bbbbbbbbbbbbb", "ad", "be"};
const std::vector<std::string> kAlternate = {"alto", "at", "lo", "lago", "ao", "sacri", "crea", "scarcerai", "ala", "aa"};
// Halves of thirteen letters, longer than the short words kept for the lookups.
const std::vector<std::string> kLongHalves = {"anbocpdqerfsgthuivjwkxlymz", "abcdefghijklm", "nopqrstuvwxyz"};
const std::vector<std::string> kChanges = {"da",   "di",   "casa", "cosa", "case", "caso", "cast", "cose",
                                           "aaaaaaaaaaaab", "aaaaaaaaaaaac", "aaaaaaaaaaaad",
                                           "babababababab", "bebebebebebeb"};

INSTANTIATE_TEST_SUITE_P(
    Rotations, LookupReportsTest,
    ::testing::Values(
        // Longest first, then the smaller shift; shift 13 once, from the earlier word.
        ReportCase{kCurioRotations26, kRotations,
                   "Parole ruotabili sull'alfabeto di 26 lettere|--|[ 1] abcdefghijklmn -> bcdefghijklmno|"
                   "[ 1] ab -> bc|[ 1] bc -> cd|[ 2] ab -> cd|[13] an -> na|[12] a -> m"},
        // No j, k, w, x or y; shifts 10 and 11 undo each other, so both words list the pair.
        ReportCase{kCurioRotations21, kRotations,
                   "Parole ruotabili sull'alfabeto di 21 lettere|--|[ 1] ab -> bc|[ 1] bc -> cd|[ 2] ab -> cd|"
                   "[10] a -> m|[11] m -> a"}));

INSTANTIATE_TEST_SUITE_P(
    PhonePad, LookupReportsTest,
    ::testing::Values(
        // dog and fog differ in one letter: not listed.
        ReportCase{kCurioT9Equivalents, kPhone,
                   "Parole con equivalente T9 con (molte) lettere diverse|--|[13 / 13] bbbbbbbbbbbbb = aaaaaaaaaaaaa|"
                   "[3 / 3] cab = bca|[3 / 3] bca = abc|[3 / 3] cab = abc|[2 / 3] abc = aaa|[2 / 3] bca = aaa|"
                   "[2 / 3] cab = aaa"},
        // Sixteen letters are compared letter by letter, fewer by their packed choices.
        ReportCase{kCurioT9Equivalents, {"aaaaaaaaaaaaaaaa", "bbbbbbbbbbbbbbbb", "abababababababab", "cacacacacacacaca"},
                   "Parole con equivalente T9 con (molte) lettere diverse|--|"
                   "[16 / 16] cacacacacacacaca = bbbbbbbbbbbbbbbb|[16 / 16] cacacacacacacaca = abababababababab|"
                   "[16 / 16] bbbbbbbbbbbbbbbb = aaaaaaaaaaaaaaaa|[8 / 16] bbbbbbbbbbbbbbbb = abababababababab|"
                   "[8 / 16] abababababababab = aaaaaaaaaaaaaaaa|[8 / 16] cacacacacacacaca = aaaaaaaaaaaaaaaa"},
        // Two-letter words have no equivalents.
        ReportCase{kCurioT9Multiples, kPhone,
                   "Parole con piu' equivalenti nel T9|--| 4 cab aaa abc bca| 3 bca aaa abc| 2 abc aaa|"
                   " 2 bbbbbbbbbbbbb aaaaaaaaaaaaa| 2 fog dog"}));

INSTANTIATE_TEST_SUITE_P(
    AlternateLetters, LookupReportsTest,
    ::testing::Values(ReportCase{kCurioAlternateIntarsi, kAlternate,
                                 "Parole che sono intarsi alternati perfetti|--|[ 9] scarcerai -> sacri + crea|"
                                 "[ 4] alto -> at + lo"},
                      // Odd letters before even ones of the same length; ala is too short.
                      ReportCase{kCurioAlternateScarti, kAlternate,
                                 "Parole con scarti alternati perfetti|--|scarcerai -> sacri|scarcerai -> crea|"
                                 "alto -> lo|lago -> ao|alto -> at"},
                      ReportCase{kCurioAlternateIntarsi, kLongHalves,
                                 "Parole che sono intarsi alternati perfetti|--|"
                                 "[26] anbocpdqerfsgthuivjwkxlymz -> abcdefghijklm + nopqrstuvwxyz"},
                      ReportCase{kCurioAlternateScarti, kLongHalves,
                                 "Parole con scarti alternati perfetti|--|anbocpdqerfsgthuivjwkxlymz -> nopqrstuvwxyz|"
                                 "anbocpdqerfsgthuivjwkxlymz -> abcdefghijklm"}));

INSTANTIATE_TEST_SUITE_P(
    Changes, LookupReportsTest,
    ::testing::Values(
        // da and di are too short to count.
        ReportCase{kCurioMostChanges, kChanges,
                   "Le 9 parole con piu' cambi|--| 4 CASA| 4 CASE| 3 CASO| 3 CAST| 2 AAAAAAAAAAAAB| 2 AAAAAAAAAAAAC|"
                   " 2 AAAAAAAAAAAAD| 2 COSA| 2 COSE|--"},
        // Each pair once, at its later word; casa and case share an a.
        ReportCase{kCurioSameConsonants, kChanges,
                   "Coppie di parole che hanno le stesse consonanti e vocali|"
                   "tutte diverse (posizione per posizione).|--|[13] bebebebebebeb <> babababababab|"
                   "[ 4] cosa <> caso|[ 4] cose <> caso|[ 4] cosa <> case|[ 4] cose <> casa|[ 2] di <> da"},
        // Eleven vowels are compared letter by letter, fewer by their packed codes; babe and bebe share an e.
        ReportCase{kCurioSameConsonants, {"aaaaaaaaaaa", "eeeeeeeeeee", "iiiiiiiiiie", "bab", "beb", "bib", "babe", "bebe"},
                   "Coppie di parole che hanno le stesse consonanti e vocali|"
                   "tutte diverse (posizione per posizione).|--|[11] eeeeeeeeeee <> aaaaaaaaaaa|"
                   "[11] iiiiiiiiiie <> aaaaaaaaaaa|[ 3] bib <> beb|[ 3] beb <> bab|[ 3] bib <> bab"}));

}  // namespace
}  // namespace sillabor
