// Building a dictionary from a source text: decoding (UTF-8 when valid,
// Windows-1252 otherwise), the character map and the three options, the
// exclusion list, the sorted runs and the prepared file, then loading it.
// Without options and exclusions the dictionary must hold exactly the runs of
// letters of the text, lowered, that are shorter than 40 letters.
//
// Input: one byte of choices (bits 0-2 the build options, bit 3: the second
// half of the text is "escludi.txt"), then the text.

#include <set>
#include <string>

#include "dictionary/build_options.h"
#include "dictionary/character_map.h"
#include "dictionary/dictionary_builder.h"
#include "dictionary/dictionary_loader.h"
#include "dictionary/source_words.h"
#include "fuzz_support.h"

using namespace sillabor;
using namespace sillabor::fuzz;

namespace {

// The words a build without options must keep: the runs of mapped letters.
std::set<std::string> RunsOfLetters(std::string_view raw) {
    const CharacterMap map = MakeCharacterMap(0);
    std::set<std::string> runs;
    std::string word;
    for (char c : DecodeSourceText(raw) + '\0') {
        const char mapped = map[static_cast<unsigned char>(c)];
        if (mapped != '\0') {
            word.push_back(mapped);
            continue;
        }
        if (!word.empty() && word.size() <= static_cast<size_t>(kMaxWordLength)) runs.insert(word);
        word.clear();
    }
    return runs;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::filesystem::path root = WorkFolder() / "build";
    if (size == 0) return 0;
    int options = data[0] & 7;
    const bool withExclusions = (data[0] & 8) != 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string_view source = withExclusions ? text.substr(0, text.size() / 2) : text;
    const std::filesystem::path folder = root / "Dizionari" / "Default";
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    WriteWholeFile(folder / "fonte.txt", source);
    if (withExclusions) WriteWholeFile(folder / "escludi.txt", text.substr(source.size()));

    DictionaryBench bench(root, &options);
    const DictionaryJob& job = bench.job;
    const Dictionary& dict = bench.dict;
    Require(BuildDictionary(job, "Default") == 0, "a build of a readable source failed");
    Require(!withExclusions || options == 0, "an exclusion list left the options set");

    const std::set<std::string> expected = RunsOfLetters(source);
    const int loaded = LoadDictionary(job);
    if (loaded != 0) {
        // Only a dictionary of fewer than three words is refused.
        Require(expected.size() < 3 || (data[0] & 15) != 0, "a built dictionary does not load");
        Require(!dict.IsLoaded(), "a refused dictionary stayed loaded");
        return 0;
    }
    CheckDictionary(dict);
    if ((data[0] & 15) != 0) return 0;
    Require(static_cast<size_t>(dict.WordCount - 1) == expected.size(), "a word count other than the text's");
    for (const std::string& word : expected) Require(dict.FindWord(word.c_str()) != 0, "a word of the text is missing", word);
    return 0;
}
