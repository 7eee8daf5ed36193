#pragma once
// The "Curio" page's game: thirty curiosities and statistics of the dictionary,
// each started by its own button; the option is the report's code.

#include <memory>

#include "curio/curio_request.h"
#include "curio/curio_state.h"
#include "game/game.h"
#include "game/search_job.h"

namespace sillabor {

class CurioGame : public Game {
public:
    GameInfo Info() const override { return {"curio", "Curio", "Info", "Curio.txt"}; }
    std::vector<std::string> HelpKeys() const override { return {"CURIO"}; }
    // The reports that look words up, or list the words in alphabetical order.
    bool NeedsByteOrder(int option) const override;
    // Runs report `option` (1..30).
    int Run(GameContext& ctx, int option) override;
    // The search of a request; the run leaves the "micro" button's next caption in `result`.
    SearchJob Job(const CurioRequest& request, std::shared_ptr<CurioResult> result);
    // The change groups and the removals: the reports that need them take them
    // from their cache files at each run and keep nothing, so only the files
    // are made ahead.
    int IndexFileCount() const override { return 2; }
    void PrepareIndexFile(int file, const Dictionary& dict) override;

    CurioState state;
};

}  // namespace sillabor
