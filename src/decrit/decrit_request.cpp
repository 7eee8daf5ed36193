#include "decrit/decrit_request.h"

#include "decrit/cryptogram_reader.h"

namespace sillabor {

std::string CryptogramLines(std::string_view typed) { return JoinLines(SplitCryptogram(typed).words); }

Checked<DecritRequest> CheckDecritRequest(const DecritRequest& request) {
    if (request.search != kDecrittaSearch) return request;
    const CryptogramText text = SplitCryptogram(request.cryptogram);
    std::vector<CryptoWord> words;
    Assignment start;
    if (std::optional<Refusal> refusal = ReadCryptogram(text, words, start)) return *std::move(refusal);
    DecritRequest accepted = request;
    accepted.cryptogram = JoinLines(text.words);
    return accepted;
}

}  // namespace sillabor
