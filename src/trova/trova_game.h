#pragma once
// The "Trova" page's game: lists of word games drawn from the whole dictionary.

#include "game/game.h"
#include "game/search_job.h"
#include "trova/trova_request.h"
#include "trova/trova_state.h"

namespace sillabor {

class TrovaGame : public Game {
public:
    GameInfo Info() const override { return {"trova", "Trova", "Crealo", "Trova.txt"}; }
    std::vector<std::string> HelpKeys() const override { return {"CREA", "SpiegaGiochi"}; }
    // The option is a game of the list (0-9) or of a button (100-105), with
    // the page's first values (lengths 3 to 40, no letters).
    int Run(GameContext& ctx, int option) override;
    // The search of a request, checked here: its refusal when the check refuses it.
    SearchJob Job(const TrovaRequest& request);
    // Trova's tables are not kept ahead: with Cerca's they would more than
    // double the window's memory for a large list (about 80 MB more). Their
    // cache files are made ahead instead (the two hash tables and the endings
    // order), from which a first search reads them in under 0.3 s.
    int IndexFileCount() const override { return 3; }
    void PrepareIndexFile(int file, const Dictionary& dict) override;

    TrovaState state;
};

}  // namespace sillabor
