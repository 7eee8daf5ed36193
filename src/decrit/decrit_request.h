#pragma once
// What a search of the "Decrit" page asks for, the page's check of it, and
// what the solver gives back to the page.

#include <optional>
#include <string>
#include <string_view>

#include "decrit/decrit_state.h"
#include "game/search_job.h"

namespace sillabor {

struct DecritRequest {
    // kDecrittaSearch or kCoppieSearch.
    int search = kDecrittaSearch;
    // "Decritta": the cryptogram as typed, Windows-1252, lines separated by
    // '\n', at most kCryptogramMaxLength characters.
    std::string cryptogram;
    // "Coppie?": the maker's substitution.
    CipherBoxes boxes = kIdentityBoxes;
};

struct DecritResult {
    // The cryptogram as the solver read it, one word a line, for the page's
    // text; empty when no solver ran.
    std::optional<std::string> cryptogram;
};

// The cryptogram one word a line, as the solver reads it.
std::string CryptogramLines(std::string_view typed);

// The page's check of a cryptogram to solve: at most kMaxCryptoWords words,
// numbers from 1 to 26, at most 26 symbols. The accepted request holds the
// cryptogram one word a line. "Coppie?" takes any boxes.
Checked<DecritRequest> CheckDecritRequest(const DecritRequest& request);

}  // namespace sillabor
