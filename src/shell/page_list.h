#pragma once
// The pages of the window, in tab order.

#include <vector>

namespace sillabor {
class App;
}

namespace sillabor::shell {

class GamePage;

// One new page for each registered game, in tab order; the window takes ownership.
std::vector<GamePage*> MakePages(App& app);

}  // namespace sillabor::shell
