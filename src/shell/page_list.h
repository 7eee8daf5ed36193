#pragma once
// The pages of the window's Gioco, in tab order.

#include <vector>

namespace sillabor {
class App;
}

namespace sillabor::shell {

class TGamePage;

// One new page for each registered game, in tab order; the window takes ownership.
std::vector<TGamePage*> MakePages(App& app);

}  // namespace sillabor::shell
