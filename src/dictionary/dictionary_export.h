#pragma once
// Writing the loaded dictionary as a plain word list.

namespace sillabor {

class Workbench;

// Writes every word of the loaded dictionary, one per line, to
// "Salvataggi/Dizionario.txt" in the workbench's export order (alphabetical,
// by length or by rhyme), then puts the words back in byte order. 0 on
// success, 1 when the file cannot be written.
int ExportDictionary(Workbench& wb);

}  // namespace sillabor
