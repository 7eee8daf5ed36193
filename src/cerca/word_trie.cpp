#include "cerca/word_trie.h"

#include <cstring>
#include <vector>

#include "dictionary/dictionary.h"
#include "dictionary/index_cache.h"

namespace sillabor {

namespace {

// Four words in a vector register (the compiler's portable vectors).
using Words4 = uint32_t __attribute__((vector_size(16)));

bool IsWordOfLetters(const char* w, int length) {
    for (int i = 0; i < length; ++i)
        if (w[i] < 'a' || w[i] > 'z') return false;
    return length > 0 && length <= kMaxWordLength;
}

}  // namespace

// Words in byte order give the tree's nodes in preorder: each word adds the
// letters past what it shares with the word before it. The nodes are then
// renumbered so that the children of each node lie side by side, which lets a
// node find the child of a letter from a bit mask.
void WordTrie::Build(const Dictionary& dict) {
    std::vector<uint32_t> parent{kNone};
    std::vector<uint8_t> letter{0};
    std::vector<int32_t> slot{0};
    const size_t guess = static_cast<size_t>(dict.WordCount) * 2 + 1;
    parent.reserve(guess);
    letter.reserve(guess);
    slot.reserve(guess);

    uint32_t path[kMaxWordLength + 1] = {0};
    const char* previous = "";
    int previousLength = 0;
    for (int32_t s = 1; s < dict.WordCount; ++s) {
        // The words lie in the text by class: ask for one some slots ahead.
        if (s + 16 < dict.WordCount) __builtin_prefetch(dict.Words[s + 16]);
        const char* w = dict.Words[s];
        const int length = static_cast<int>(std::strlen(w));
        if (!IsWordOfLetters(w, length)) continue;
        int shared = 0;
        while (shared < length && shared < previousLength && w[shared] == previous[shared]) ++shared;
        for (int d = shared; d < length; ++d) {
            path[d + 1] = static_cast<uint32_t>(parent.size());
            parent.push_back(path[d]);
            letter.push_back(static_cast<uint8_t>(w[d] - 'a'));
            slot.push_back(0);
        }
        slot[path[length]] = s;
        previous = w;
        previousLength = length;
    }

    const size_t n = parent.size();
    // Where each node's children go: blocks in the preorder of their parents.
    std::vector<uint32_t> childCount(n, 0);
    for (size_t i = 1; i < n; ++i) ++childCount[parent[i]];
    std::vector<uint32_t> firstChild(n);
    uint32_t next = 1;
    for (size_t i = 0; i < n; ++i) {
        firstChild[i] = next;
        next += childCount[i];
    }
    // A node's new number; children come in letter order in the preorder.
    std::vector<uint32_t> number(n);
    number[0] = kRoot;
    std::vector<uint32_t>& cursor = childCount;
    for (size_t i = 0; i < n; ++i) cursor[i] = firstChild[i];
    for (size_t i = 1; i < n; ++i) number[i] = cursor[parent[i]]++;

    Clear();
    built_.resize(n);
    for (size_t i = 0; i < n; ++i) built_[number[i]] = Entry{0, firstChild[i], slot[i]};
    for (size_t i = 1; i < n; ++i) built_[number[parent[i]]].childMask |= 1u << letter[i];
    nodes_ = built_.data();
    count_ = n;
}

void WordTrie::Clear() {
    built_ = {};
    file_.reset();
    nodes_ = nullptr;
    count_ = 0;
}

bool WordTrie::Adopt(const std::filesystem::path& path, const WordsFingerprint& fingerprint, const Dictionary& dict) {
    Clear();
    // Child() reads firstChild + (children before the letter): the last child
    // must be a node; a slot must be a word of the dictionary.
    const auto slots = static_cast<uint32_t>(dict.WordCount);
    const auto check = [slots](std::span<const std::byte> piece, size_t payloadBytes) {
        const uint64_t n = payloadBytes / sizeof(Entry);
        if (payloadBytes % sizeof(Entry) != 0 || piece.size() % sizeof(Entry) != 0 || n >= kNone || slots == 0)
            return false;
        const auto* e = reinterpret_cast<const Entry*>(piece.data());
        const size_t count = piece.size() / sizeof(Entry);
        // First, without branches, four nodes (twelve words) at a time in
        // vector registers: a mask with no bit past 'z', a first child from 1
        // to where 26 children still fit, a slot of the dictionary. A piece
        // where any of these fails is looked at node by node.
        const auto roomy = static_cast<uint32_t>(n > 26 ? n - 26 : 0);
        const uint32_t mask = (1u << 26) - 1, link = roomy - 1, slot = slots - 1;
        const Words4 sub[3] = {{0, 1, 0, 0}, {1, 0, 0, 1}, {0, 0, 1, 0}};
        const Words4 most[3] = {{mask, link, slot, mask}, {link, slot, mask, link}, {slot, mask, link, slot}};
        const auto* bytes = reinterpret_cast<const unsigned char*>(piece.data());
        const size_t blocks = count / 4;
        Words4 over = {roomy == 0 ? 1u : 0u, 0, 0, 0};
        for (size_t b = 0; b < blocks; ++b)
            for (int k = 0; k < 3; ++k) {
                Words4 w;
                std::memcpy(&w, bytes + (b * 3 + k) * sizeof w, sizeof w);
                over |= reinterpret_cast<Words4>(w - sub[k] > most[k]);
            }
        uint32_t unusual = over[0] | over[1] | over[2] | over[3] | static_cast<uint32_t>(blocks * 4 != count);
        if (unusual == 0) return true;
        for (size_t k = 0; k < count; ++k) {
            if (e[k].childMask >> 26 != 0 || static_cast<uint32_t>(e[k].slot) >= slots) return false;
            if (e[k].childMask != 0 && (e[k].firstChild == 0 || e[k].firstChild + uint64_t{CountBits(e[k].childMask)} > n))
                return false;
        }
        return true;
    };
    // Pieces of whole nodes and whole hash blocks that stay in the first-level cache.
    constexpr size_t kPieceBytes = sizeof(Entry) * 32 * 64;
    auto file = IndexCacheFile::OpenChecked(path, fingerprint, kPieceBytes, check);
    if (!file || file->Payload().empty()) return false;
    nodes_ = reinterpret_cast<const Entry*>(file->Payload().data());
    count_ = file->Payload().size() / sizeof(Entry);
    file_ = std::move(file);
    return true;
}

}  // namespace sillabor
