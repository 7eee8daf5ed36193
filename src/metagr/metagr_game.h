#pragma once
// The "Metagr" page's game: word ladders between two words.

#include "game/game.h"
#include "game/search_job.h"
#include "metagr/metagr_state.h"
#include "metagr/neighbour_index.h"

namespace sillabor {

class MetagrGame : public Game {
public:
    GameInfo Info() const override { return {"metagr", "Metagr", "Metagram", "Metagr.txt"}; }
    std::vector<std::string> HelpKeys() const override { return {"METAGRAMMI"}; }
    // Option 0, the only one, with nothing asked for: the page's first search.
    int Run(GameContext& ctx, int option) override;
    // The ladder between the request's two words, once its check (normalised
    // words, neither equal nor of different lengths without additions and
    // removals) accepts it; else the refusal.
    SearchJob Job(const MetagrRequest& request);
    // The groups of moves are not kept ahead: at about 70 MB for a large list
    // they would double the window's memory. Their cache file is made ahead
    // instead, from which the first ladder search takes them in a few hundred ms.
    int IndexFileCount() const override { return 1; }
    void PrepareIndexFile(int /*file*/, const Dictionary& dict) override { NeighbourIndex::PrepareFile(dict); }

    MetagrState state;

private:
    // Built at the first search on a dictionary and kept while it stays loaded.
    NeighbourIndex index_;
};

}  // namespace sillabor
