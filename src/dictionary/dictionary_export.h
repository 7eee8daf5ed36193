#pragma once
// Writing the loaded dictionary as a plain word list.

namespace sillabor {

struct DictionaryJob;

// The orders of an export.
enum ExportOrder : int { kExportAlphabetical = 0, kExportByLength = 1, kExportRhymes = 2 };

// The export's fixed file, in Salvataggi/.
inline constexpr const char* kExportFileName = "Dizionario.txt";

// Writes every word of the loaded dictionary, one per line, to
// "Salvataggi/Dizionario.txt" in `order` (an ExportOrder: alphabetical, by
// length or by rhyme), then puts the words back in byte order. The file is
// replaced only once complete. 0 on success, 1 when it cannot be written.
int ExportDictionary(const DictionaryJob& job, int order);

}  // namespace sillabor
