#include "crypto/crypto_game.h"

#include "crypto/coppie_search.h"
#include "crypto/cryptogram_solver.h"

namespace sillabor {

std::vector<std::string> CryptoGame::HelpKeys() const { return {page.RadioCri ? "CRITTA" : "DECRITTA"}; }

int CryptoGame::Run(GameContext& ctx, int option) {
    CryptoRun run{ctx.dict, ctx.out, ctx.state, page, state};
    switch (option) {
        case kDecrittaSearch:
            return DecrittaSearch(run);
        case kCoppieSearch:
            return CoppieSearch(run);
        default:
            return kNoSuchSearch;
    }
}

}  // namespace sillabor
