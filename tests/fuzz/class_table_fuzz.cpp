// The cache file of the load's class table, byte order and lookup tables, as a
// damaged, stale or crafted file would hold it. Whatever it holds, the load
// succeeds, every slot it gives starts a word of the text and every class's
// words lie in the text; once the file is gone, the load gives back the
// dictionary the first load computed.
//
// Input: one byte of choices (bit 0: the bytes are the whole file, header
// included, rather than a payload under a header that fits the words), then
// the bytes.

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "dictionary/class_table_cache.h"
#include "dictionary/dictionary_loader.h"
#include "dictionary/index_cache.h"
#include "fuzz_support.h"

using namespace sillabor;
using namespace sillabor::fuzz;

namespace {

// What searches read of the dictionary, as bytes.
std::string Snapshot(const Dictionary& d) {
    std::string s;
    for (int32_t slot = 0; slot <= d.WordCount; ++slot) s += std::string(d.Words[slot]) + ",";
    s.append(reinterpret_cast<const char*>(d.Classes.data()), static_cast<size_t>(d.ClassCount) * sizeof(AnagramClass));
    s.append(reinterpret_cast<const char*>(d.PairBounds), sizeof d.PairBounds);
    s.append(reinterpret_cast<const char*>(d.SingleLetterWord), sizeof d.SingleLetterWord);
    s.append(reinterpret_cast<const char*>(d.FirstWordOfLetter), sizeof d.FirstWordOfLetter);
    return s;
}

void Reload(App& app) {
    DictionaryJob job = app.Job();
    Require(LoadDictionary(job) == 0, "the tiny dictionary no longer loads");
    Sink().Reset();
}

// A word of the text: inside it, 1 to 39 letters a-z.
void RequireTextWord(const Dictionary& d, const char* w, const char* what) {
    const char* text = d.WordText.get();
    Require(w >= text + 2 && w < text + 2 + d.TextLength, what);
    const size_t n = std::strlen(w);
    Require(n >= 1 && n <= static_cast<size_t>(kMaxWordLength), what, w);
    for (size_t i = 0; i < n; ++i) Require(w[i] >= 'a' && w[i] <= 'z', what, w);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    App& app = LoadedApp();
    Dictionary& dict = app.dict;
    if (size == 0) return 0;
    static const std::string built = Snapshot(dict);
    static const WordsFingerprint fingerprint = FingerprintOf(dict);
    const std::filesystem::path file = ClassTableCachePath(dict.PreparedPath);
    Require(!file.empty(), "no cache file for a dictionary read from disk");

    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    WriteFuzzedCacheFile(file, bytes, (data[0] & 1) != 0, fingerprint);
    Reload(app);
    for (int32_t slot = 1; slot < dict.WordCount; ++slot) RequireTextWord(dict, dict.Words[slot], "a slot that is no word");
    for (int32_t c = 0; c < dict.ClassCount; ++c)
        dict.ForEachWordOfClass(dict.Classes[c], [&](const char* w) { RequireTextWord(dict, w, "a class word that is no word"); });
    for (const std::string& w : TinyWords()) {
        const int32_t slot = dict.FindWord(w.c_str());
        Require(slot >= 0 && slot < dict.WordCount, "FindWord out of the slots", w);
        Require(dict.FindPrefix(w.c_str(), 2) < dict.WordCount, "FindPrefix out of the slots", w);
    }

    std::filesystem::remove(file);
    Reload(app);
    Require(Snapshot(dict) == built, "the load computed without the file differs from the first");
    return 0;
}
