// The "Cerca" page's base: the typed text within the category's length limit,
// normalised and checked as "Genera" does, split into cells, and searched by
// the categories that exist.
//
// Input: one byte of choices (bits 0-2 the category, bit 3 without diagonals,
// bit 4 "Riuso lettere", bits 5-6 the grid mode), then the typed base.

#include <cstring>

#include "app/run_game.h"
#include "cerca/base_word.h"
#include "cerca/cells.h"
#include "cerca/cerca_game.h"
#include "cerca/cerca_search.h"
#include "fuzz_support.h"

using namespace sillabor;
using namespace sillabor::fuzz;

namespace {

bool AllowedInBase(char c, int category) {
    if (c >= 'a' && c <= 'z') return true;
    if (c == '[' || c == ']') return category == kCercaIncluded || category == kCercaGrid;
    if (c == '*') return category == kCercaGrid;
    return c == ' ' && category == kCercaSizigie;
}

void CheckCells(CercaState& cerca, const CercaRequest& accepted) {
    Sink().Reset();
    cerca.Start(accepted);
    const int n = ParseCells(cerca, LoadedApp().out, cerca.BaseWord);
    if (n < 0) {
        Require(!Sink().Lines().empty(), "refused cells printed no message");
        return;
    }
    Require(n <= kMaxCells && n == cerca.CellCount, "a bad cell count");
    for (int k = 0; k < n; ++k) {
        const size_t length = strnlen(cerca.Cells[k], kMaxCellLength + 1);
        Require(length >= 1 && length <= static_cast<size_t>(kMaxCellLength), "a cell of a bad length", cerca.Cells[k]);
        Require(cerca.CellLength[k] == static_cast<int32_t>(length), "a cell length that is not its own");
        Require(std::strpbrk(cerca.Cells[k], "[]") == nullptr, "a bracket inside a cell", cerca.Cells[k]);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    App& app = LoadedApp();
    if (size == 0) return 0;
    const uint8_t choices = data[0];
    CercaGame& game = app.Get<CercaGame>();
    CercaRequest request;
    request.category = static_cast<CercaCategory>(choices & 7);
    request.diagonals = (choices & 8) == 0;
    request.reuseLetters = (choices & 0x10) != 0;
    request.gridMode = static_cast<CercaGridMode>(((choices >> 5) & 3) % 3);
    request.base.assign(reinterpret_cast<const char*>(data) + 1, size - 1);
    const size_t limit = static_cast<size_t>(CercaPageLook(request).baseMaxLength);
    if (request.base.size() > limit) request.base.resize(limit);

    const Checked<CercaRequest> checked = CheckCercaRequest(request);
    if (const auto* refusal = std::get_if<Refusal>(&checked)) {
        Require(!refusal->lines.empty() || NormaliseBaseText(request.base, request.category).text.empty(),
                "a base refused without a message");
        return 0;
    }
    const CercaRequest& accepted = std::get<CercaRequest>(checked);
    Require(!accepted.base.empty() && accepted.base.size() <= 511, "a base of a bad length");
    Require(accepted.jokers >= 0 && accepted.jokers <= 2, "more jokers than allowed");
    for (char c : accepted.base)
        Require(AllowedInBase(c, accepted.category), "a base character the category does not keep", accepted.base);
    CheckCells(game.state, accepted);

    if (!CercaCategoryBuilt(accepted.category)) return 0;
    Sink().Reset();
    const int searched = RunGame(app, game.Job(request));
    Require(searched == 0 || searched == 1, "the search returned neither success nor failure");
    Require(!Sink().Lines().empty() && Sink().Lines().back() == "Fine Ricerca",
            "the search did not close with Fine Ricerca");
    return 0;
}
