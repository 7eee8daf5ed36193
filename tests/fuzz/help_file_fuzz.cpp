// The help-file reader: any bytes as "sillaboraiut.txt" (UTF-8 or
// Windows-1252, any line ends), one section asked for by its key. Printed
// lines are pieces of at most 249 characters, and no marker line of the
// section is ever printed (a later piece of a long line may start like one:
// it is text).
//
// Input: one byte choosing the key, then the file's bytes.

#include <iterator>
#include <string>

#include "base/help_file.h"
#include "fuzz_support.h"

using namespace sillabor;
using namespace sillabor::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::filesystem::path file = WorkFolder() / "help" / kHelpFileName;
    static const char* const kKeys[] = {"ANAGRAMMA", "PAROLE", "CERCA0", "CERCA5",   "CREA",  "SpiegaGiochi",
                                        "METAGRAMMI", "CRITTA", "DECRITTA", "CURIO", "CERNITA", "DIZIO",
                                        "SALVATAGGI", "", "A"};
    if (size == 0) return 0;
    const std::string key = kKeys[data[0] % std::size(kKeys)];
    WriteWholeFile(file, std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));

    CheckedSink sink;
    Output out;
    out.SetSink(&sink);
    Require(PrintHelpSection(out, file, key), "a readable help file was reported unreadable");
    bool continuesPiece = false;
    for (const std::string& line : sink.Lines()) {
        Require(line.size() <= 249, "a help line longer than a piece", line);
        Require(continuesPiece || line.rfind("**#", 0) != 0, "the closing marker was printed", line);
        continuesPiece = line.size() == 249;
    }
    return 0;
}
