#include "dictionary/dictionary_loader.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <new>
#include <system_error>

#include "dictionary/dictionary_builder.h"
#include "dictionary/prepared_file.h"
#include "dictionary/word_orders.h"
#include "search/workbench.h"

namespace sillabor {

namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

void FailLoad(Workbench& wb) {
    FatalStop(wb);
    wb.SetDictionaryState("Dizionario: (FALLITO!)");
}

// A failed load: another dictionary falls back to "Default", "Default" itself is fatal.
int FallBackOrFail(Workbench& wb, const std::string& messageForOther, const std::string& messageForDefault) {
    if (wb.dict.DictionaryName != kDefaultDictionary) {
        if (!messageForOther.empty()) wb.out.PrintLine(messageForOther);
        wb.out.PrintLine("Fallito caricamento: tento di caricare");
        wb.out.PrintLine("il dizionario di Default");
        wb.dict.DictionaryName = kDefaultDictionary;
        return LoadDictionary(wb);
    }
    if (!messageForDefault.empty()) wb.out.PrintLine(messageForDefault);
    FailLoad(wb);
    return 1;
}

int RefuseCorrupt(Workbench& wb, const std::string& name, const std::string& why) {
    wb.dict.Clear();
    std::string line = "Errore: il file " + std::string(kPreparedPrefix) + name + " e' danneggiato (" + why +
                       "): ricrealo con <Aggiorna e Carica>";
    return FallBackOrFail(wb, line, line);
}

void WarnCrowdedClass(Workbench& wb, const char* word) {
    wb.out.PrintLine(std::string("Apparentemente la parola <") + word + ">");
    wb.out.PrintLine("possiede piu' di 127 anagrammi.");
    wb.out.PrintLine("Solo i primi 127 verranno considerati (questo puo'");
    wb.out.PrintLine("creare qualche discrepanza durante l'uso del programma).");
}

// ComputeLetterCount for a word known to hold only a-z, which also finds the
// word's end: the class pass runs over every word of the text.
inline char* CountCheckedLetters(char* word, LetterCount& lc) {
    std::memset(&lc, 0, sizeof lc);
    char* p = word;
    for (; *p != '\0'; ++p) {
        assert(*p >= 'a' && *p <= 'z');
        ++lc.counts[*p - 'a'];
    }
    lc.total = static_cast<int16_t>(p - word);
    return p;
}

}  // namespace

int ScanDictionaries(Workbench& wb) {
    wb.dictionaryList.clear();
    wb.selectedDictionary = -1;
    std::error_code ec;
    const auto dir = wb.DictionariesDir();
    if (!std::filesystem::is_directory(dir, ec)) {
        wb.out.PrintLine("ERRORE: Cartella 'Dizionari' non trovata!");
        FatalStop(wb);
        return 1;
    }
    std::filesystem::directory_iterator it(dir, ec);
    if (ec) {
        wb.out.PrintLine("ERRORE: Nessun Dizionario trovato");
        FatalStop(wb);
        return 1;
    }
    for (const auto& entry : it) {
        std::error_code typeError;
        if (entry.is_directory(typeError)) wb.dictionaryList.push_back(entry.path().filename().string());
    }
    std::sort(wb.dictionaryList.begin(), wb.dictionaryList.end());
    for (size_t i = 0; i < wb.dictionaryList.size(); ++i) {
        if (SameIgnoringCase(wb.dictionaryList[i], kDefaultDictionary)) {
            wb.selectedDictionary = static_cast<int>(i);
            wb.dict.DictionaryName = wb.dictionaryList[i];
            return 0;
        }
    }
    wb.out.PrintLine("ERRORE: Non c'e' il dizionario 'Default'");
    FatalStop(wb);
    return 1;
}

std::string BuildIndexes(Workbench& wb) {
    Dictionary& d = wb.dict;
    char* text = d.WordText.get();
    const int32_t words = d.WordCount;  // words in the file, before slot 0 is counted
    d.Words[0] = text;
    d.WordCount = words + 1;
    d.Words[d.WordCount] = text + 1;
    wb.state.FoundCount = 1;

    // Classes, in the text's order, which is the class order.
    int32_t cls = 0;
    int32_t inClass = 1;
    char* p = text + 2;
    d.Words[1] = p;
    p = CountCheckedLetters(p, d.Classes[0].letters) + 1;
    d.Classes[0].ClassWords = 2;
    for (int32_t slot = 2; slot < d.WordCount; ++slot) {
        d.Words[slot] = p;
        AnagramClass& next = d.Classes[cls + 1];
        char* end = CountCheckedLetters(p, next.letters);
        const uint32_t offset = static_cast<uint32_t>(p - text);
        if (std::memcmp(&next.letters, &d.Classes[cls].letters, sizeof(LetterCount)) == 0) {
            if (inClass >= kMaxClassWords)
                WarnCrowdedClass(wb, p);
            else
                ++inClass;
        } else {
            if (CompareLetterCounts(next.letters, d.Classes[cls].letters) > 0)
                return "classi non in ordine";
            d.Classes[cls].ClassWords |= static_cast<uint32_t>(inClass) << 24;
            if (cls + 1 >= d.ClassCount) return "piu' classi di quelle dichiarate";
            if (offset > 0xFFFFFFu) return "testo troppo lungo";
            ++cls;
            d.Classes[cls].ClassWords = offset;
            inClass = 1;
        }
        p = end + 1;
        wb.state.FoundCount.store(slot, std::memory_order_relaxed);
    }
    d.Classes[cls].ClassWords |= static_cast<uint32_t>(inClass) << 24;
    if (cls + 1 != d.ClassCount) return "meno classi di quelle dichiarate";

    wb.out.PrintLine("Caricate " + std::to_string(words) + " parole. Le ordino....");
    std::vector<uint16_t> firstTwo(static_cast<size_t>(words));
    SortByteOrder(d.Words.data() + 1, static_cast<size_t>(words), firstTwo.data());
    d.BuildLookupTables(firstTwo.data());
    return "";
}

int LoadDictionary(Workbench& wb) {
    const std::string name = wb.dict.DictionaryName;
    wb.state.StatusMode = kStatusLoading;
    wb.dict.NotAlphabetical = false;
    wb.SetDictionaryState("Dizionario: LETTURA....");
    wb.out.PrintLine("");

    const auto path = PreparedFilePath(wb.DictionariesDir(), name);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        wb.out.PrintLine("Attendere: creazione del dizionario");
        if (BuildDictionary(wb, name) != 0) {
            if (wb.fatal) {
                wb.SetDictionaryState("Dizionario: (FALLITO!)");
                return 1;
            }
            return FallBackOrFail(wb, "", "");
        }
        if (wb.state.StatusMode != kStatusLoading) {
            wb.state.StatusMode = kStatusLoading;
            wb.SetDictionaryState("Dizionario: LETTURA....");
        }
    }

    wb.out.PrintLine("Attendere : Carico il Dizionario " + name);
    PreparedHeader header;
    uint64_t fileSize = 0;
    if (!ReadPreparedHeader(path, header, fileSize)) {
        wb.dict.Clear();
        std::string line = "Errore: impossibile leggere il file " + std::string(kPreparedPrefix) + name;
        return FallBackOrFail(wb, line, line);
    }
    if (header.words < 0 || header.classes < 0 || header.textLength < 0)
        return RefuseCorrupt(wb, name, "intestazione con valori negativi");
    if (header.words < 3)
        return FallBackOrFail(wb, "Errore: il dizionario  contiene meno di 3 parole!!",
                              "Errore: il dizionario di Default contiene meno di 3 parole!!");
    if (header.textLength >= kMaxTextLength)
        return FallBackOrFail(wb, "Errore: il dizionario e' piu' lungo di 16 Mega !!",
                              "Errore: il dizionario di Default e' piu' lungo di 16 Mega");
    if (std::string why = CheckPreparedHeader(header, fileSize); !why.empty())
        return RefuseCorrupt(wb, name, why);

    Dictionary& d = wb.dict;
    d.Clear();
    if (wb.fatal) return 1;
    try {
        // Filled before use, so not cleared here.
        d.ClassScratch.resize(static_cast<size_t>(header.classes));
        wb.cernMasksStale = true;
        d.Classes.resize(static_cast<size_t>(header.classes) + 1);
        d.Words.resize(static_cast<size_t>(header.words) + 2);
        d.WordMarks.resize(static_cast<size_t>(header.words) + 1);
        d.WordText = MakeLargeText(static_cast<size_t>(header.textLength) + 4);
    } catch (const std::bad_alloc&) {
        d.Clear();
        wb.out.PrintLine("OUT OF MEMORY ERROR!!!");
        FatalStop(wb);
        return 1;
    }
    char* text = d.WordText.get();
    text[0] = '`';
    text[1] = '\0';
    const int64_t got = ReadPreparedText(path, text + 2, header.textLength);
    if (got < 0) {
        d.Clear();
        std::string line = "Errore: impossibile leggere il file " + std::string(kPreparedPrefix) + name;
        return FallBackOrFail(wb, line, line);
    }
    // What the file did not hold (at most the accepted slack) and the spare bytes read as NULs.
    std::memset(text + 2 + got, 0, static_cast<size_t>(header.textLength - got) + 2);
    if (std::string why = CheckPreparedWords(text + 2, header.textLength, header.words); !why.empty())
        return RefuseCorrupt(wb, name, why);

    d.TextLength = header.textLength;
    d.WordCount = header.words;
    d.ClassCount = header.classes;
    if (std::string why = BuildIndexes(wb); !why.empty()) return RefuseCorrupt(wb, name, why);

    wb.out.PrintLine("Dizionario caricato e ordinato");
    wb.out.PrintLine("Per istruzioni: bottone <?>  o file <leggimi.txt>");
    wb.SetDictionaryState("Dizionario: " + name);
    return 0;
}

}  // namespace sillabor
