#pragma once
// An argument as a message may repeat it.

#include <algorithm>
#include <string>

namespace sillabor::cli {

// A short, plain argument as it is; anything longer than 20 characters or
// outside printable ASCII by its length only, so that a message never carries
// control characters or invalid text to the terminal.
inline std::string ShownArgument(const std::string& argument) {
    const bool plain = argument.size() <= 20 &&
                       std::all_of(argument.begin(), argument.end(), [](char c) { return c >= ' ' && c <= '~'; });
    return plain ? argument : "(" + std::to_string(argument.size()) + " caratteri)";
}

}  // namespace sillabor::cli
