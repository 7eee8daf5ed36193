#include "dictionary/dictionary_export.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "base/file_writer.h"
#include "dictionary/dictionary_job.h"
#include "dictionary/word_orders.h"

namespace sillabor {

namespace {

void ReverseEveryWord(Dictionary& dict) {
    for (int32_t slot = 1; slot < dict.WordCount; ++slot) {
        char* word = dict.Words[slot];
        std::reverse(word, word + std::strlen(word));
    }
}

bool WriteWordList(const Dictionary& dict, const std::filesystem::path& file) {
    AtomicFile out(file);
    if (!out.Open()) return false;
    std::string line;
    for (int32_t slot = 1; slot < dict.WordCount; ++slot) {
        // Dictionary words are a-z: the same bytes in UTF-8.
        line.assign(dict.Words[slot]);
        line.push_back('\n');
        if (!out.Write(line)) return false;
    }
    return out.Commit();
}

}  // namespace

int ExportDictionary(const DictionaryJob& job, int order) {
    job.state.StatusMode = kStatusExporting;
    Dictionary& dict = job.dict;
    char** words = dict.WordCount > 1 ? dict.Words.data() + 1 : nullptr;
    size_t n = dict.WordCount > 1 ? static_cast<size_t>(dict.WordCount - 1) : 0;

    if (order == kExportByLength) {
        job.out.PrintLine("Ordino le parole per lunghezza");
        SortByLength(words, n);
        dict.NotAlphabetical = true;
    } else if (order == kExportRhymes) {
        job.out.PrintLine("Inverto le parole");
        ReverseEveryWord(dict);
        job.out.PrintLine("Ordino le parole");
        SortByteOrder(words, n);
        job.out.PrintLine("Re-inverto le parole");
        ReverseEveryWord(dict);
        dict.NotAlphabetical = true;
    } else if (dict.NotAlphabetical) {
        RestoreByteOrder(dict);
    }

    job.out.PrintLine("Scrivo il file Salvataggi/Dizionario.txt");
    std::error_code ec;
    std::filesystem::create_directories(job.SavesDir(), ec);
    bool written = WriteWordList(dict, job.SavesDir() / kExportFileName);
    if (!written) job.out.PrintLine("Errore: impossibile scrivere il file Salvataggi/Dizionario.txt");

    if (order == kExportByLength || order == kExportRhymes) {
        job.out.PrintLine("Ri-ordino le parole");
        RestoreByteOrder(dict);
    }
    if (!written) return 1;
    job.out.PrintLine("Fatto !");
    return 0;
}

}  // namespace sillabor
