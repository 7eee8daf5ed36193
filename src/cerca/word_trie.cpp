#include "cerca/word_trie.h"

#include <cstring>
#include <vector>

#include "dictionary/dictionary.h"
#include "dictionary/index_cache.h"

namespace sillabor {

namespace {

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

bool WordTrie::Adopt(std::shared_ptr<const IndexCacheFile> file, const Dictionary& dict) {
    Clear();
    if (!file) return false;
    const std::span<const std::byte> bytes = file->Payload();
    if (bytes.empty() || bytes.size() % sizeof(Entry) != 0) return false;
    const auto* nodes = reinterpret_cast<const Entry*>(bytes.data());
    const size_t n = bytes.size() / sizeof(Entry);
    // Child() reads firstChild + (children before the letter): the last child
    // must be a node; a slot must be a word of the dictionary.
    for (size_t i = 0; i < n; ++i) {
        const Entry& e = nodes[i];
        if (e.childMask >> 26 != 0 || e.slot < 0 || e.slot >= dict.WordCount) return false;
        if (e.childMask != 0 && (e.firstChild == 0 || e.firstChild + static_cast<uint64_t>(__builtin_popcount(e.childMask)) > n))
            return false;
    }
    file_ = std::move(file);
    nodes_ = nodes;
    count_ = n;
    return true;
}

}  // namespace sillabor
