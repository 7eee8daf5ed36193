#pragma once
// A search as a front end hands it to the search session: its game, the
// game's search number, and, for a game that takes a typed request, the
// search bound to its checked request (or to the refusal of the request).

#include <functional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "game/game_context.h"

namespace sillabor {

// A request the game's check refused: the page's message, a line each.
struct Refusal {
    std::vector<std::string> lines;
};

// What a game's check returns: the request, ready to run, or its refusal.
template <typename Request>
using Checked = std::variant<Request, Refusal>;

struct SearchJob {
    int game = -1;
    int option = 0;
    // Empty: the game's own Run(ctx, option).
    std::function<int(GameContext&)> run;
};

// A job that prints a refusal as the search's output and fails, as a search
// that refused its input does.
inline SearchJob RefusedJob(int game, int option, Refusal refusal) {
    return {game, option, [lines = std::move(refusal.lines)](GameContext& ctx) {
                for (const std::string& line : lines) ctx.out.PrintLine(line);
                return 1;
            }};
}

}  // namespace sillabor
