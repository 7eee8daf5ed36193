#pragma once
// The ruled table of a letter grid, as the grid searches print it.

namespace sillabor {

class Output;
struct CercaState;

// Prints cells 0 to n*n - 1 of the state, n to a row, right-aligned in
// columns as wide as the longest cell, in capitals, between rules.
void PrintGrid(Output& out, const CercaState& state, int n);

}  // namespace sillabor
