#pragma once
// What the fuzz targets share: a private working folder, a tiny dictionary
// loaded through the real path, a printer whose every line is checked as it
// comes, the cutting of an input into fields, and the dictionary's invariants.
// A broken invariant aborts with a line that says which: the fuzzer keeps the input.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/app.h"
#include "base/output.h"
#include "base/search_state.h"
#include "dictionary/dictionary.h"
#include "dictionary/dictionary_job.h"
#include "dictionary/index_cache.h"

namespace sillabor::fuzz {

[[noreturn]] void Fail(std::string_view what, std::string_view detail = {});
inline void Require(bool condition, std::string_view what, std::string_view detail = {}) {
    if (!condition) Fail(what, detail);
}

// Every printed line must be one whole line (no line break, no NUL inside)
// and turn into valid UTF-8, as the window, the command line and the save
// files write it.
class CheckedSink : public LineSink {
public:
    void WriteLine(std::string_view line) override;
    const std::vector<std::string>& Lines() const { return lines_; }
    void Reset() { lines_.clear(); }

private:
    std::vector<std::string> lines_;
};

// A fresh folder for this process, removed when it exits.
const std::filesystem::path& WorkFolder();

// The words of the tiny dictionary: a-z, each once.
const std::vector<std::string>& TinyWords();

// An application on WorkFolder() whose "Default" holds TinyWords(), loaded
// once; its lines go to Sink().
App& LoadedApp();
CheckedSink& Sink();

// A dictionary, a checked printer and a search state of their own, for loads
// and builds that may end in the fatal state (which an App keeps for good).
struct DictionaryBench : DictionaryEvents {
    explicit DictionaryBench(const std::filesystem::path& root, int* buildOptions = nullptr)
        : job{dict, out, state, *this, root, buildOptions} {
        out.SetSink(&sink);
    }
    void FatalStop() override { fatal = true; }
    bool IsFatal() const override { return fatal; }

    Dictionary dict;
    CheckedSink sink;
    Output out;
    SearchState state;
    bool fatal = false;
    DictionaryJob job;
};

// The input cut at its first `count - 1` newlines; the last field keeps the
// rest, newlines included. Missing fields are empty.
std::vector<std::string> Fields(const uint8_t* data, size_t size, size_t count);

// What a loaded dictionary guarantees every search: words of 1..39 letters
// a-z, in byte order without repeats, each found by FindWord; classes in
// descending letter order, each word in the class of its own letters, and
// together covering every word.
void CheckDictionary(const Dictionary& dict);

// Writes a file whole, failing the run when it cannot.
void WriteWholeFile(const std::filesystem::path& path, std::string_view bytes);

// Puts the fuzzer's bytes where an index cache file is read: as the whole
// file (`wholeFile`), or as the payload under a header that fits
// `fingerprint` and `layout`, so that only the payload's own checks stand.
void WriteFuzzedCacheFile(const std::filesystem::path& path, std::string_view bytes, bool wholeFile,
                          const WordsFingerprint& fingerprint, uint64_t layout = 0);

}  // namespace sillabor::fuzz
