// The prepared-file reader: any bytes as "Dizionari/Default/j_r_Default",
// loaded through the real path. A file it takes must give a dictionary that
// keeps every invariant of the store; one it refuses must say why and leave
// no dictionary behind.
//
// Input: the file's bytes.

#include <string>

#include "dictionary/dictionary_loader.h"
#include "fuzz_support.h"

using namespace sillabor;
using namespace sillabor::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::filesystem::path root = WorkFolder() / "prepared";
    WriteWholeFile(root / "Dizionari" / "Default" / "j_r_Default",
                   std::string_view(reinterpret_cast<const char*>(data), size));
    DictionaryBench bench(root);
    const Dictionary& dict = bench.dict;
    const int status = LoadDictionary(bench.job);
    if (status == 0) {
        Require(!bench.fatal, "a fatal stop on a load that succeeded");
        CheckDictionary(dict);
        int32_t declared = 0;
        for (int i = 0; i < 4; ++i) declared |= static_cast<int32_t>(static_cast<uint32_t>(data[i]) << (8 * i));
        Require(dict.WordCount - 1 == declared, "a word count other than the header's");
        return 0;
    }
    Require(status == 1, "the load returned neither success nor failure");
    Require(bench.fatal && !dict.IsLoaded(), "a failed load of Default left a dictionary or no fatal state");
    bool said = false;
    for (const std::string& line : bench.sink.Lines()) said |= line.rfind("Errore", 0) == 0 || line == "OUT OF MEMORY ERROR!!!";
    Require(said, "a refused prepared file without an error line");
    return 0;
}
