#pragma once
// Widgets are made with the control names the pages and tests look them up by.

#include <utility>

namespace sillabor::shell {

// A new W(args...) whose object name is `name`.
template <typename W, typename... Args>
W* Named(const char* name, Args&&... args) {
    auto* widget = new W(std::forward<Args>(args)...);
    widget->setObjectName(name);
    return widget;
}

}  // namespace sillabor::shell
