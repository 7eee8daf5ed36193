#include "fuzz_support.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "base/text_encoding.h"
#include "dictionary/dictionary_loader.h"
#include "dizio/dizio_game.h"

namespace sillabor::fuzz {

namespace fs = std::filesystem;

void Fail(std::string_view what, std::string_view detail) {
    std::fprintf(stderr, "INVARIANT BROKEN: %.*s", static_cast<int>(what.size()), what.data());
    if (!detail.empty()) std::fprintf(stderr, " <%.*s>", static_cast<int>(detail.size()), detail.data());
    std::fprintf(stderr, "\n");
    std::abort();
}

void CheckedSink::WriteLine(std::string_view line) {
    Require(line.find_first_of(std::string_view("\n\r\0", 3)) == std::string_view::npos,
            "a printed line holds a line break or a NUL", line);
    Require(IsValidUtf8(Cp1252ToUtf8(line)), "a printed line is not valid UTF-8", line);
    lines_.emplace_back(line);
}

namespace {

struct Folder {
    fs::path path;
    Folder() {
        std::string pattern = (fs::temp_directory_path() / "sillabor-fuzz-XXXXXX").string();
        Require(mkdtemp(pattern.data()) != nullptr, "cannot make the working folder");
        path = pattern;
    }
    ~Folder() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

// The bytes of a prepared file for words a-z: classes longest first, then by
// sorted letters, the words of a class in byte order.
std::string PreparedBytes(std::vector<std::string> words) {
    auto key = [](const std::string& w) {
        std::string letters = w;
        std::sort(letters.begin(), letters.end());
        return std::string(1, static_cast<char>(80 - w.size())) + letters;
    };
    std::sort(words.begin(), words.end(), [&](const std::string& a, const std::string& b) {
        const std::string ka = key(a), kb = key(b);
        return ka != kb ? ka < kb : a < b;
    });
    std::string text;
    int32_t classes = 0;
    for (size_t i = 0; i < words.size(); ++i) {
        if (i == 0 || key(words[i]) != key(words[i - 1])) ++classes;
        text += words[i];
        text.push_back('\0');
    }
    std::string out;
    for (int32_t value : {static_cast<int32_t>(words.size()), classes, static_cast<int32_t>(text.size())})
        for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF));
    return out + text;
}

}  // namespace

const fs::path& WorkFolder() {
    static Folder folder;
    return folder.path;
}

const std::vector<std::string>& TinyWords() {
    static const std::vector<std::string> words = {
        "a",     "e",     "i",     "o",      "ab",     "ba",     "re",     "er",     "se",     "tu",
        "amor",  "mora",  "roma",  "ramo",   "orma",   "mare",   "rame",   "male",   "lame",   "amare",
        "casa",  "asca",  "cane",  "nace",   "sacca",  "arco",   "orca",   "roca",   "remo",   "more",
        "abba",  "otto",  "anna",  "alla",   "ala",    "oro",    "ora",    "era",    "are",    "rea",
        "pizza", "zuppa", "quale", "acqua",  "chiesa", "ghiro",  "gnomo",  "sciare", "vedere", "fiume",
        "jolly", "kiwi",  "whisky","xilofono","yogurt", "bue",   "due",    "tre",    "dieci",  "venti",
        "ancora","carona","macero","romano", "morena", "piccolo","grande", "mela",   "lama",   "alma",
        "precipitevolissimevolmente"};
    return words;
}

CheckedSink& Sink() {
    static CheckedSink sink;
    return sink;
}

App& LoadedApp() {
    static App* app = [] {
        const fs::path root = WorkFolder() / "app";
        WriteWholeFile(root / "Dizionari" / "Default" / "j_r_Default", PreparedBytes(TinyWords()));
        auto* made = new App(root);
        made->out.SetSink(&Sink());
        made->random.SeedFrom(1);
        DictionaryJob job = made->Job();
        Require(ScanDictionaries(job, made->Get<DizioGame>().dictionaries) == 0 && LoadDictionary(job) == 0,
                "the tiny dictionary does not load");
        CheckDictionary(made->dict);
        Sink().Reset();
        return made;
    }();
    return *app;
}

std::vector<std::string> Fields(const uint8_t* data, size_t size, size_t count) {
    std::vector<std::string> fields(count);
    const char* p = reinterpret_cast<const char*>(data);
    const char* end = p + size;
    for (size_t i = 0; i < count && p < end; ++i) {
        const char* stop = i + 1 == count ? end : std::find(p, end, '\n');
        fields[i].assign(p, stop);
        p = stop == end ? end : stop + 1;
    }
    return fields;
}

void CheckDictionary(const Dictionary& d) {
    Require(d.IsLoaded() && d.WordCount >= 1 && d.ClassCount >= 1, "a loaded dictionary is empty");
    for (int32_t slot = 1; slot < d.WordCount; ++slot) {
        const char* w = d.Words[slot];
        const size_t n = std::strlen(w);
        Require(n >= 1 && n <= static_cast<size_t>(kMaxWordLength), "a word of a bad length", w);
        Require(std::all_of(w, w + n, [](char c) { return c >= 'a' && c <= 'z'; }), "a word outside a-z", w);
        if (slot > 1) Require(std::strcmp(d.Words[slot - 1], w) < 0, "words out of byte order or repeated", w);
        Require(d.FindWord(w) == slot, "FindWord misses a word", w);
    }
    int64_t covered = 0;
    for (int32_t c = 0; c < d.ClassCount; ++c) {
        const AnagramClass& cls = d.Classes[c];
        Require(cls.WordsInClass() >= 1, "an empty class");
        if (c > 0) Require(CompareLetterCounts(d.Classes[c - 1].letters, cls.letters) > 0, "classes out of order");
        Require(d.FindClass(cls.letters) == c, "FindClass misses a class");
        d.ForEachWordOfClass(cls, [&](const char* w) {
            const LetterCount lc = ComputeLetterCount(w);
            Require(std::memcmp(&lc, &cls.letters, sizeof lc) == 0, "a word outside the class of its letters", w);
        });
        covered += cls.WordsInClass();
    }
    // A class keeps at most 127 words: only a crowded class leaves words uncovered.
    Require(covered <= d.WordCount - 1, "classes hold more words than the dictionary");
    bool crowded = false;
    for (int32_t c = 0; c < d.ClassCount; ++c) crowded |= d.Classes[c].WordsInClass() == kMaxClassWords;
    Require(covered == d.WordCount - 1 || crowded, "classes do not cover every word");
}

void WriteWholeFile(const fs::path& path, std::string_view bytes) {
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    Require(static_cast<bool>(file), "cannot write a file of the working folder", path.string());
}

void WriteFuzzedCacheFile(const fs::path& path, std::string_view bytes, bool wholeFile,
                          const WordsFingerprint& fingerprint, uint64_t layout) {
    if (wholeFile) {
        WriteWholeFile(path, bytes);
        return;
    }
    std::vector<std::byte> payload(bytes.size());
    if (!bytes.empty()) std::memcpy(payload.data(), bytes.data(), bytes.size());
    Require(WriteIndexCacheFile(path, fingerprint, payload, layout), "the cache file could not be written");
}

}  // namespace sillabor::fuzz
