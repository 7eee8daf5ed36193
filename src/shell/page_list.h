#pragma once
// The pages of the window's Gioco, in tab order.

#include <vector>

namespace sillabor {
class App;
}

namespace sillabor::shell {

class TGamePage;

// A new page for every position of Gioco; the window takes ownership.
std::vector<TGamePage*> MakePages(App& app);

}  // namespace sillabor::shell
