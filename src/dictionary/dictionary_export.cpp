#include "dictionary/dictionary_export.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "dictionary/word_orders.h"
#include "search/workbench.h"

namespace sillabor {

namespace {

void ReverseEveryWord(Dictionary& dict) {
    for (int32_t slot = 1; slot < dict.WordCount; ++slot) {
        char* word = dict.Words[slot];
        std::reverse(word, word + std::strlen(word));
    }
}

bool WriteWordList(const Dictionary& dict, const std::filesystem::path& file) {
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (out == nullptr) return false;
    bool ok = true;
    for (int32_t slot = 1; slot < dict.WordCount && ok; ++slot) {
        // Dictionary words are a-z: the same bytes in UTF-8.
        const char* word = dict.Words[slot];
        size_t length = std::strlen(word);
        ok = std::fwrite(word, 1, length, out) == length && std::fputc('\n', out) != EOF;
    }
    return (std::fclose(out) == 0) && ok;
}

}  // namespace

int ExportDictionary(Workbench& wb) {
    wb.state.StatusMode = kStatusExporting;
    Dictionary& dict = wb.dict;
    char** words = dict.WordCount > 1 ? dict.Words.data() + 1 : nullptr;
    size_t n = dict.WordCount > 1 ? static_cast<size_t>(dict.WordCount - 1) : 0;
    const int order = wb.exportOrder;

    if (order == kExportByLength) {
        wb.out.PrintLine("Ordino le parole per lunghezza");
        SortByLength(words, n);
        dict.NotAlphabetical = true;
    } else if (order == kExportRhymes) {
        wb.out.PrintLine("Inverto le parole");
        ReverseEveryWord(dict);
        wb.out.PrintLine("Ordino le parole");
        SortByteOrder(words, n);
        wb.out.PrintLine("Re-inverto le parole");
        ReverseEveryWord(dict);
        dict.NotAlphabetical = true;
    } else if (dict.NotAlphabetical) {
        RestoreByteOrder(dict);
    }

    wb.out.PrintLine("Scrivo il file Salvataggi/Dizionario.txt");
    std::error_code ec;
    std::filesystem::create_directories(wb.SavesDir(), ec);
    bool written = WriteWordList(dict, wb.SavesDir() / "Dizionario.txt");
    if (!written) wb.out.PrintLine("Errore: impossibile scrivere il file Salvataggi/Dizionario.txt");

    if (order == kExportByLength || order == kExportRhymes) {
        wb.out.PrintLine("Ri-ordino le parole");
        RestoreByteOrder(dict);
    }
    if (!written) return 1;
    wb.out.PrintLine("Fatto !");
    return 0;
}

}  // namespace sillabor
