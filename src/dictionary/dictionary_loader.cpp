#include "dictionary/dictionary_loader.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <new>
#include <system_error>

#include "dictionary/class_table_cache.h"
#include "dictionary/dictionary_builder.h"
#include "dictionary/index_cache.h"
#include "dictionary/dictionary_job.h"
#include "dictionary/prepared_file.h"
#include "dictionary/word_text_scan.h"
#include "dictionary/word_orders.h"

namespace sillabor {

namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

void FailLoad(const DictionaryJob& job) {
    job.events.FatalStop();
    job.events.ShowDictionaryState("Dizionario: (FALLITO!)");
}

// A failed load: another dictionary falls back to "Default", "Default" itself is fatal.
int FallBackOrFail(const DictionaryJob& job, const std::string& messageForOther, const std::string& messageForDefault) {
    if (job.dict.DictionaryName != kDefaultDictionary) {
        if (!messageForOther.empty()) job.out.PrintLine(messageForOther);
        job.out.PrintLine("Fallito caricamento: tento di caricare");
        job.out.PrintLine("il dizionario di Default");
        job.dict.DictionaryName = kDefaultDictionary;
        return LoadDictionary(job);
    }
    if (!messageForDefault.empty()) job.out.PrintLine(messageForDefault);
    FailLoad(job);
    return 1;
}

int RefuseCorrupt(const DictionaryJob& job, const std::string& name, const std::string& why) {
    job.dict.Clear();
    std::string line = "Errore: il file " + std::string(kPreparedPrefix) + name + " e' danneggiato (" + why +
                       "): ricrealo con <Aggiorna e Carica>";
    return FallBackOrFail(job, line, line);
}

// A scan that fails at start-up leaves nothing to work with; once a dictionary
// is in memory (the folder went away later), the window goes on with it.
void ScanFailed(const DictionaryJob& job) {
    if (!job.dict.IsLoaded()) job.events.FatalStop();
}

void WarnCrowdedClass(const DictionaryJob& job, const char* word) {
    job.out.PrintLine(std::string("Apparentemente la parola <") + word + ">");
    job.out.PrintLine("possiede piu' di 127 anagrammi.");
    job.out.PrintLine("Solo i primi 127 verranno considerati (questo puo'");
    job.out.PrintLine("creare qualche discrepanza durante l'uso del programma).");
}

// NULs after the text: a class's words are walked from its offset, at most
// kMaxClassWords of them, so even a class table read from a damaged cache file
// never walks out of the block.
constexpr size_t kTextSlack = kMaxClassWords + 3;

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

int ScanDictionaries(const DictionaryJob& job, DictionaryList& list) {
    list.names.clear();
    list.selected = -1;
    std::error_code ec;
    const auto dir = job.DictionariesDir();
    if (!std::filesystem::is_directory(dir, ec)) {
        job.out.PrintLine("ERRORE: Cartella 'Dizionari' non trovata!");
        ScanFailed(job);
        return 1;
    }
    std::filesystem::directory_iterator it(dir, ec);
    if (ec) {
        job.out.PrintLine("ERRORE: Nessun Dizionario trovato");
        ScanFailed(job);
        return 1;
    }
    for (const auto& entry : it) {
        std::error_code typeError;
        std::string name = entry.path().filename().string();
        // A name with a line break or another control character could not be
        // shown in the list nor in a message line.
        const bool printable = std::none_of(name.begin(), name.end(), [](char c) {
            return static_cast<unsigned char>(c) < 32 || c == 127;
        });
        if (printable && entry.is_directory(typeError)) list.names.push_back(std::move(name));
    }
    std::sort(list.names.begin(), list.names.end());
    for (size_t i = 0; i < list.names.size(); ++i) {
        if (SameIgnoringCase(list.names[i], kDefaultDictionary)) {
            list.selected = static_cast<int>(i);
            job.dict.DictionaryName = list.names[i];
            return 0;
        }
    }
    job.out.PrintLine("ERRORE: Non c'e' il dizionario 'Default'");
    ScanFailed(job);
    return 1;
}

std::string BuildIndexes(const DictionaryJob& job) {
    Dictionary& d = job.dict;
    char* text = d.WordText.get();
    const int32_t words = d.WordCount;  // words in the file, before slot 0 is counted
    d.Words[0] = text;
    d.WordCount = words + 1;
    d.Words[d.WordCount] = text + 1;
    job.state.FoundCount = 1;

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
            // The words of a class are in byte order, each once.
            if (std::strcmp(d.Words[slot - 1], p) >= 0) return "parole ripetute o non in ordine";
            if (inClass >= kMaxClassWords)
                WarnCrowdedClass(job, p);
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
        job.state.FoundCount.store(slot, std::memory_order_relaxed);
    }
    d.Classes[cls].ClassWords |= static_cast<uint32_t>(inClass) << 24;
    if (cls + 1 != d.ClassCount) return "meno classi di quelle dichiarate";

    job.out.PrintLine("Caricate " + std::to_string(words) + " parole. Le ordino....");
    std::vector<uint16_t> firstTwo(static_cast<size_t>(words));
    SortByteOrder(d.Words.data() + 1, static_cast<size_t>(words), firstTwo.data());
    d.BuildLookupTables(firstTwo.data());
    return "";
}

int LoadDictionary(const DictionaryJob& job) {
    const std::string name = job.dict.DictionaryName;
    job.state.StatusMode = kStatusLoading;
    job.dict.NotAlphabetical = false;
    job.events.ShowDictionaryState("Dizionario: LETTURA....");
    job.out.PrintLine("");

    const auto path = PreparedFilePath(job.DictionariesDir(), name);
    std::error_code ec;
    if (!std::filesystem::exists(path, ec) && !std::filesystem::is_directory(path.parent_path(), ec) &&
        job.dict.IsLoaded()) {
        // The folder went away after the list was made: there is nothing to
        // build from, and building would first drop the dictionary in use.
        job.out.PrintLine("Errore: la cartella Dizionari/" + name + " non esiste piu'");
        job.out.PrintLine("Resta in uso il dizionario " + job.dict.LoadedName);
        job.dict.DictionaryName = job.dict.LoadedName;
        job.events.ShowDictionaryState("Dizionario: " + job.dict.LoadedName);
        return 1;
    }
    // A build whose folder could not store its prepared file left it in memory.
    std::vector<char> unsaved;
    if (job.dict.UnsavedName == name) unsaved = std::move(job.dict.UnsavedPrepared);
    job.dict.UnsavedName.clear();
    job.dict.UnsavedPrepared = {};
    if (unsaved.empty() && !std::filesystem::exists(path, ec)) {
        job.out.PrintLine("Attendere: creazione del dizionario");
        if (BuildDictionary(job, name) != 0) {
            if (job.events.IsFatal()) {
                job.events.ShowDictionaryState("Dizionario: (FALLITO!)");
                return 1;
            }
            return FallBackOrFail(job, "", "");
        }
        if (job.dict.UnsavedName == name) {
            unsaved = std::move(job.dict.UnsavedPrepared);
            job.dict.UnsavedName.clear();
            job.dict.UnsavedPrepared = {};
        }
        if (job.state.StatusMode != kStatusLoading) {
            job.state.StatusMode = kStatusLoading;
            job.events.ShowDictionaryState("Dizionario: LETTURA....");
        }
    }

    job.out.PrintLine("Attendere : Carico il Dizionario " + name);
    PreparedFileReader file;
    PreparedHeader header;
    uint64_t fileSize = 0;
    const bool opened = unsaved.empty() ? file.Open(path) : file.OpenBytes(unsaved);
    if (!opened || !file.ReadHeader(header, fileSize)) {
        job.dict.Clear();
        std::string line = "Errore: impossibile leggere il file " + std::string(kPreparedPrefix) + name;
        return FallBackOrFail(job, line, line);
    }
    if (header.words < 0 || header.classes < 0 || header.textLength < 0)
        return RefuseCorrupt(job, name, "intestazione con valori negativi");
    if (header.words < 3)
        return FallBackOrFail(job, "Errore: il dizionario  contiene meno di 3 parole!!",
                              "Errore: il dizionario di Default contiene meno di 3 parole!!");
    if (header.textLength >= kMaxTextLength)
        return FallBackOrFail(job, "Errore: il dizionario e' piu' lungo di 16 Mega !!",
                              "Errore: il dizionario di Default e' piu' lungo di 16 Mega");
    if (std::string why = CheckPreparedHeader(header, fileSize); !why.empty())
        return RefuseCorrupt(job, name, why);

    Dictionary& d = job.dict;
    d.Clear();
    if (job.events.IsFatal()) return 1;
    try {
        // Filled before use, so not cleared here.
        d.ClassScratch.resize(static_cast<size_t>(header.classes));
        d.Classes.Allocate(static_cast<size_t>(header.classes) + 1);
        d.Words.resize(static_cast<size_t>(header.words) + 2);
        d.WordMarks.resize(static_cast<size_t>(header.words) + 1);
        d.WordText = MakeLargeText(static_cast<size_t>(header.textLength) + 2 + kTextSlack);
    } catch (const std::bad_alloc&) {
        d.Clear();
        job.out.PrintLine("OUT OF MEMORY ERROR!!!");
        job.events.FatalStop();
        return 1;
    }
    char* text = d.WordText.get();
    text[0] = '`';
    text[1] = '\0';
    const int64_t got = file.ReadText(text + 2, header.textLength);
    if (got < 0) {
        d.Clear();
        std::string line = "Errore: impossibile leggere il file " + std::string(kPreparedPrefix) + name;
        return FallBackOrFail(job, line, line);
    }
    // What the file did not hold (at most the accepted slack) and the spare bytes read as NULs.
    std::memset(text + 2 + got, 0, static_cast<size_t>(header.textLength - got) + kTextSlack);
    // The fast scan accepts the texts prepared files hold; anything else gets
    // the full check, which says what is wrong.
    std::vector<uint64_t> wordStarts;
    uint64_t textHash = 0;
    const bool exactText = ScanWordText(text + 2, header.textLength, header.words, wordStarts, &textHash);
    if (!exactText) {
        if (std::string why = CheckPreparedWords(text + 2, header.textLength, header.words); !why.empty())
            return RefuseCorrupt(job, name, why);
    }

    d.TextLength = header.textLength;
    d.WordCount = header.words;
    d.ClassCount = header.classes;
    d.TextHash = exactText ? textHash : TextHashOf(text, header.textLength);
    const auto cacheFile =
        unsaved.empty() && exactText ? ClassTableCachePath(path) : std::filesystem::path();
    if (TakeCachedClassTable(d, cacheFile, wordStarts)) {
        job.out.PrintLine("Caricate " + std::to_string(header.words) + " parole. Le ordino....");
        job.state.FoundCount = d.WordCount - 1;
    } else {
        if (std::string why = BuildIndexes(job); !why.empty()) return RefuseCorrupt(job, name, why);
        // A class cut at 127 words warned while it was built: the file would
        // spare the next load the warning, so it is not kept.
        const bool crowded = std::any_of(d.Classes.begin(), d.Classes.begin() + d.ClassCount,
                                         [](const AnagramClass& c) { return c.WordsInClass() == kMaxClassWords; });
        if (!crowded) WriteClassTableCache(d, cacheFile);
    }

    d.LoadedName = name;
    if (unsaved.empty()) d.PreparedPath = path;
    job.out.PrintLine("Dizionario caricato e ordinato");
    job.out.PrintLine("Per istruzioni: bottone <?>  o file <leggimi.txt>");
    job.events.ShowDictionaryState("Dizionario: " + name);
    return 0;
}

}  // namespace sillabor
