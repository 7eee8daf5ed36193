// The cache files of the dictionary's indexes, as a damaged, stale or crafted
// file would hold them: the letter tree, the rhyme order, the ladder's groups
// of moves, the word hash table and the endings order. Whatever a file holds,
// taking an index from it never reads out of bounds, never loops for ever,
// and every word an index gives is a word of the dictionary; once the file is
// gone, the index built again gives what the first build gave.
//
// Input: one byte of choices (the index, modulo 5; bit 7: the bytes are the
// whole file, header included, rather than a payload under a header that fits
// the dictionary), then the bytes.

#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "cerca/cerca_indexes.h"
#include "dictionary/index_cache.h"
#include "fuzz_support.h"
#include "metagr/neighbour_index.h"
#include "trova/word_endings.h"
#include "trova/word_hash.h"

using namespace sillabor;
using namespace sillabor::fuzz;

namespace {

const char* const kKinds[] = {"albero", "rime", "metagrammi", "tabella-parole", "finali"};
const char* const kProbes[] = {"a", "ma", "mar", "mare", "re", "ra", "ora", "zz", "precipitevolissimevolmente", "q"};

void RequireWord(const Dictionary& dict, int32_t slot, const char* what) {
    Require(slot >= 0 && slot < dict.WordCount, what, std::to_string(slot));
}

// What the index gives for the probes, as lines; every slot checked.
std::vector<std::string> Answers(int kind, const Dictionary& dict) {
    std::vector<std::string> out;
    switch (kind) {
        case 0: {
            CercaIndexes indexes;
            const WordTrie& trie = indexes.Trie(dict);
            for (const std::string& w : TinyWords()) {
                const int32_t slot = trie.FindWord(w.c_str());
                RequireWord(dict, slot, "a tree slot out of the dictionary");
                out.push_back(w + "=" + std::to_string(slot));
            }
            for (const char* probe : kProbes) out.push_back(std::to_string(trie.FindWord(probe)));
            break;
        }
        case 1: {
            CercaIndexes indexes;
            const SuffixIndex& rhymes = indexes.Suffixes(dict);
            for (const char* probe : kProbes) {
                const WordRun run = rhymes.Run(dict, probe, static_cast<int>(std::string(probe).size()));
                for (int32_t p = run.first; p < run.last; ++p) {
                    RequireWord(dict, rhymes.Slot(p), "a rhyme slot out of the dictionary");
                    out.emplace_back(dict.Words[rhymes.Slot(p)]);
                }
                out.emplace_back("|");
            }
            break;
        }
        case 2: {
            NeighbourIndex index;
            index.Prepare(dict);
            index.BeginSearch();
            const LadderMoves moves{true, true, 1};
            for (int32_t slot = 1; slot < dict.WordCount; ++slot) {
                std::set<int32_t> found;
                index.ForEachNeighbour(dict, moves, slot, [&](int32_t n) {
                    RequireWord(dict, n, "a neighbour out of the dictionary");
                    found.insert(n);
                });
                for (int32_t n : found) out.push_back(std::to_string(slot) + ">" + std::to_string(n));
            }
            break;
        }
        case 3: {
            WordHash hash;
            hash.Prepare(dict);
            for (const std::string& w : TinyWords()) out.push_back(std::to_string(hash.Find(w.c_str())));
            for (const char* probe : kProbes) {
                const int32_t slot = hash.Find(probe);
                RequireWord(dict, slot, "a hashed slot out of the dictionary");
                out.push_back(std::to_string(slot));
            }
            break;
        }
        default: {
            WordEndings endings;
            Require(endings.Prepare(dict), "no endings order for a loaded dictionary");
            for (const char* probe : kProbes) {
                const SlotRange run = endings.Ending(probe, static_cast<int>(std::string(probe).size()));
                Require(run.first >= 0 && run.first <= run.end && run.end < dict.WordCount, "an endings run out of bounds");
                for (int32_t p = run.first; p < run.end; ++p) out.emplace_back(endings.Word(p));
                out.emplace_back("|");
            }
            break;
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    App& app = LoadedApp();
    const Dictionary& dict = app.dict;
    if (size == 0) return 0;
    const int kind = (data[0] & 0x7F) % 5;
    const bool wholeFile = (data[0] & 0x80) != 0;
    const std::filesystem::path file = IndexCachePath(dict, kKinds[kind]);
    Require(!file.empty(), "no cache file for a dictionary read from disk");

    // A fresh build, which writes the index's own file.
    static std::vector<std::string> built[5];
    if (built[kind].empty()) {
        std::filesystem::remove(file);
        built[kind] = Answers(kind, dict);
        std::error_code ec;
        Require(std::filesystem::exists(file, ec), "the index's file was not written");
    }

    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    if (kind == 0 && !wholeFile) {
        // The tree's file is read a piece at a time, each piece checked when a walk first reaches it.
        std::vector<std::byte> payload(bytes.size());
        if (!bytes.empty()) std::memcpy(payload.data(), bytes.data(), bytes.size());
        Require(WritePiecewiseIndexCacheFile(file, FingerprintOf(dict), payload, WordTrie::kFileLayout),
                "the cache file could not be written");
    } else {
        WriteFuzzedCacheFile(file, bytes, wholeFile, FingerprintOf(dict), kind == 0 ? WordTrie::kFileLayout : 0);
    }
    // An accepted file may hold any index that holds together: only the
    // bounds of what it gives are checked. Without it, the build comes back.
    Answers(kind, dict);
    std::filesystem::remove(file);
    Require(Answers(kind, dict) == built[kind], "a rebuilt index gives other answers");
    return 0;
}
