#include "dictionary/dictionary_builder.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fstream>
#include <memory>
#include <new>
#include <system_error>
#include <vector>

#include "base/file_size.h"
#include "base/file_writer.h"
#include "base/text_encoding.h"
#include "dictionary/character_map.h"
#include "dictionary/dictionary_job.h"
#include "dictionary/prepared_file.h"
#include "dictionary/run_files.h"
#include "dictionary/source_words.h"
#include "dictionary/word_orders.h"

namespace sillabor {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kExclusionList = "escludi.txt";

enum class ReadResult { kOk, kFailed };

// Reads at most `limit` bytes of a file.
ReadResult ReadFile(const fs::path& path, size_t limit, std::string& bytes) {
    bytes.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in) return ReadResult::kFailed;
    int32_t size = FileSize(path);
    bytes.resize(std::min(static_cast<size_t>(size), limit));
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(in.gcount()));
    if (in.bad()) return ReadResult::kFailed;
    return ReadResult::kOk;
}

// The sorted names of a dictionary folder; false when it cannot be listed.
bool ListFolder(const fs::path& folder, std::vector<std::string>& names) {
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) return false;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) return false;
        names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return true;
}

void PutInt32(std::vector<char>& out, size_t at, int32_t value) {
    auto v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>(v >> (8 * i));
}

class Build {
public:
    Build(const DictionaryJob& job, const std::string& name)
        : job_(job), name_(name), folder_(job.DictionariesDir() / name) {}

    int Run();

private:
    int BuildOptions() const { return job_.buildOptions != nullptr ? *job_.buildOptions : 0; }
    void PrintNoSources();
    int Fail(const std::string& why);
    bool MakeRun(const std::string& raw, const fs::path& file);

    const DictionaryJob& job_;
    std::string name_;
    fs::path folder_;
    CharacterMap map_{};
    ShortWordTable shortWords_;
    std::vector<fs::path> oldPrepared_;
};

void Build::PrintNoSources() {
    job_.out.PrintLine("Nessun file disponibile nella cartella " + name_);
    job_.out.PrintLine("Creazione del dizionario " + name_ + " : FALLITA");
}

int Build::Fail(const std::string& why) {
    job_.out.PrintLine(why);
    job_.out.PrintLine("Creazione del dizionario " + name_ + " : FALLITA");
    job_.out.RefreshOutput();
    return 1;
}

bool Build::MakeRun(const std::string& raw, const fs::path& file) {
    std::string text = DecodeSourceText(raw);
    std::vector<char*> words = CollectSourceWords(text, map_, BuildOptions(), shortWords_);
    return WriteSortedRun(words, file);
}

int Build::Run() {
    job_.state.StatusMode = kStatusBuilding;
    map_ = MakeCharacterMap(BuildOptions());
    job_.events.ShowDictionaryState("Dizionario: AGGIORNAMENTO...");
    shortWords_.Clear();
    job_.dict.Clear();

    job_.out.PrintLine("Path = Dizionari/" + name_ + "/*.*");
    std::vector<std::string> names;
    // A name is one folder under Dizionari/, never a path leading elsewhere.
    bool plainName = !name_.empty() && name_ != "." && name_ != ".." && name_.find('/') == std::string::npos;
    if (!plainName || !ListFolder(folder_, names)) {
        PrintNoSources();
        return 1;
    }
    std::vector<std::string> sources;
    for (const std::string& entry : names) {
        fs::path path = folder_ / entry;
        std::error_code ec;
        if (entry.starts_with(kPreparedPrefix)) {
            // Old prepared files go only once the new one is written: a build
            // that fails keeps the dictionary that worked.
            if (!fs::is_directory(path, ec)) oldPrepared_.push_back(path);
            continue;
        }
        // Regular files only: a pipe or device would never end.
        if (entry.starts_with('.') || entry == kExclusionList || !fs::is_regular_file(path, ec)) continue;
        sources.push_back(entry);
    }
    if (sources.empty()) {
        PrintNoSources();
        return 1;
    }
    if (job_.events.IsFatal()) return 1;

    TemporaryFolder temporary;
    if (temporary.Path().empty()) return Fail("Errore: impossibile creare la cartella dei file temporanei");
    const fs::path& work = temporary.Path();

    std::deque<fs::path> runs;
    std::string raw;
    for (size_t k = 0; k < sources.size(); ++k) {
        const std::string& source = sources[k];
        std::string shown = ExternalToCp1252(source);
        fs::path path = folder_ / source;
        if (FileSize(path) > kMaxSourceBytes) {
            job_.out.PrintLine("Il file <" + shown + "> eccede la lunghezza massima consentita");
            job_.out.PrintLine("(10 Mb). Ti consiglio di spezzarlo in piu' files");
            job_.out.PrintLine("Creazione del dizionario FALLITA");
            job_.out.RefreshOutput();
            return 1;
        }
        if (ReadFile(path, kMaxSourceBytes, raw) != ReadResult::kOk)
            return Fail("Errore: impossibile leggere il file " + shown);
        job_.out.PrintLine("Letto file " + shown + "  Bytes = " + std::to_string(raw.size()));
        fs::path run = work / ("tmp_tmp_" + std::to_string(k));
        if (!MakeRun(raw, run)) return Fail("Errore: impossibile scrivere i file temporanei");
        runs.push_back(run);
    }

    if (!MergeRuns(runs, work)) return Fail("Errore: impossibile scrivere i file temporanei");
    job_.out.PrintLine("Unione file sorgenti");

    fs::path exclusions = folder_ / kExclusionList;
    std::error_code ec;
    if (fs::is_regular_file(exclusions, ec)) {
        // The exclusion list is always read as it is, and the options stay cleared.
        shortWords_.Clear();
        if (job_.buildOptions != nullptr) *job_.buildOptions = 0;
        map_ = MakeCharacterMap(0);
        if (ReadFile(exclusions, kMaxSourceBytes, raw) != ReadResult::kOk)
            return Fail("Errore: impossibile leggere il file " + std::string(kExclusionList));
        fs::path excluded = work / "exc_tmp_0";
        if (!MakeRun(raw, excluded)) return Fail("Errore: impossibile scrivere i file temporanei");
        job_.out.PrintLine("Esclusione parole in escludi.txt");
        fs::path difference = work / "dif_tmp_0";
        if (!SubtractRun(runs.front(), excluded, difference))
            return Fail("Errore: impossibile scrivere i file temporanei");
        runs.front() = difference;
    }
    raw = std::string();

    job_.out.PrintLine("Salvataggio del dizionario " + name_);
    std::string prepared = std::string(kPreparedPrefix) + name_;
    std::vector<char> file;
    if (!MakePreparedFile(runs.front(), file))
        return Fail("Errore: impossibile scrivere il file Dizionari/" + name_ + "/" + prepared);
    if (!WriteFileAtomically(folder_ / prepared, std::string_view(file.data(), file.size()))) {
        // The words are all there: the dictionary is used from memory, and
        // built again at the next start.
        job_.out.PrintLine("Attenzione: impossibile scrivere il file Dizionari/" + name_ + "/" + prepared);
        job_.out.PrintLine("Il dizionario " + name_ + " resta solo in memoria, fino alla chiusura");
        job_.dict.UnsavedName = name_;
        job_.dict.UnsavedPrepared = std::move(file);
        return 0;
    }
    for (const fs::path& old : oldPrepared_)
        if (old.filename() != prepared) fs::remove(old, ec);
    job_.out.PrintLine("Fatto!");
    return 0;
}

}  // namespace

bool WritePreparedFile(const fs::path& run, const fs::path& target) {
    std::vector<char> file;
    // A failure never leaves a truncated prepared file.
    return MakePreparedFile(run, file) && WriteFileAtomically(target, std::string_view(file.data(), file.size()));
}

bool MakePreparedFile(const fs::path& run, std::vector<char>& file) {
    std::string words;
    if (ReadFile(run, SIZE_MAX, words) != ReadResult::kOk) return false;

    // Records: key byte 80 - length, the letters sorted, the word, a NUL. Their
    // byte order is the class order: longer words first, then by sorted letters
    // (more a's first, ...), and within a class the words in byte order.
    std::unique_ptr<char[]> records(new char[words.size() * 2]);
    std::vector<char*> order;
    order.reserve(words.size() / 8);
    size_t textLength = 0;
    char* out = records.get();
    bool ended = false;
    for (size_t at = 0; at < words.size();) {
        const char* word = words.data() + at;
        size_t length = strnlen(word, words.size() - at);
        if (at + length == words.size()) return false;  // no NUL: damaged run
        at += length + 1;
        if (std::string_view(word, length) == kRunEndWord) {
            ended = true;
            break;
        }
        if (length == 0 || length > 79) return false;
        order.push_back(out);
        *out++ = static_cast<char>(80 - length);
        // The letters sorted by insertion: words are short.
        for (size_t i = 0; i < length; ++i) {
            char c = word[i];
            if (c < 'a' || c > 'z') return false;
            size_t j = i;
            for (; j > 0 && out[j - 1] > c; --j) out[j] = out[j - 1];
            out[j] = c;
        }
        out += length;
        std::memcpy(out, word, length);
        out += length;
        *out++ = '\0';
        textLength += length + 1;
    }
    if (!ended || textLength > INT32_MAX) return false;
    SortByteOrder(order.data(), order.size());

    int32_t classCount = 0;
    const char* classStart = nullptr;
    for (const char* record : order) {
        size_t length = static_cast<size_t>(80 - record[0]);
        if (classStart == nullptr || std::memcmp(record, classStart, length + 1) != 0) {
            ++classCount;
            classStart = record;
        }
    }

    file.assign(12 + textLength, 0);
    PutInt32(file, 0, static_cast<int32_t>(order.size()));
    PutInt32(file, 4, classCount);
    PutInt32(file, 8, static_cast<int32_t>(textLength));
    char* text = file.data() + 12;
    for (const char* record : order) {
        size_t length = static_cast<size_t>(80 - record[0]);
        std::memcpy(text, record + 1 + length, length + 1);
        text += length + 1;
    }
    return true;
}

int BuildDictionary(const DictionaryJob& job, const std::string& name) {
    try {
        return Build(job, name).Run();
    } catch (const std::bad_alloc&) {
        job.out.PrintLine("OUT OF MEMORY ERROR!!!");
        job.events.FatalStop();
        return 1;
    }
}

}  // namespace sillabor
