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
void WordTrie::Build(const Dictionary& dict) { BuildFrom(dict); }

void WordTrie::BuildFrom(const Dictionary& dict) const {
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
    // Where each node's children go: blocks in the preorder of their parents,
    // a word's block after one more entry for its slot.
    std::vector<uint32_t> childCount(n, 0);
    for (size_t i = 1; i < n; ++i) ++childCount[parent[i]];
    std::vector<uint32_t> firstChild(n);
    uint32_t next = 1;
    for (size_t i = 0; i < n; ++i) {
        if (childCount[i] != 0 && slot[i] != 0) ++next;
        firstChild[i] = next;
        next += childCount[i];
    }
    // A node's new number; children come in letter order in the preorder.
    std::vector<uint32_t> number(n);
    number[0] = kRoot;
    std::vector<uint32_t>& cursor = childCount;
    for (size_t i = 0; i < n; ++i) cursor[i] = firstChild[i];
    for (size_t i = 1; i < n; ++i) number[i] = cursor[parent[i]]++;

    file_.reset();
    built_ = {};
    built_.resize(next);
    // Leaves keep their slot; the others are given their links below.
    for (size_t i = 0; i < n; ++i) built_[number[i]] = Entry{0, static_cast<uint32_t>(slot[i])};
    for (size_t i = 1; i < n; ++i) built_[number[parent[i]]].bits |= 1u << letter[i];
    for (size_t i = 0; i < n; ++i) {
        Entry& e = built_[number[i]];
        if (e.bits == 0) continue;
        e.link = firstChild[i];
        if (slot[i] != 0) {
            e.bits |= kWord;
            built_[firstChild[i] - 1] = Entry{0, static_cast<uint32_t>(slot[i])};
        }
    }
    nodes_ = built_.data();
    count_ = next;
    MarkAllChecked();
}

void WordTrie::Clear() {
    built_ = {};
    file_.reset();
    nodes_ = nullptr;
    count_ = 0;
    MarkAllChecked();
}

void WordTrie::MarkAllChecked() const {
    checked_.assign(count_ / kPieceEntries / 64 + 1, ~uint64_t{0});
}

bool WordTrie::WriteFile(const std::filesystem::path& path, const WordsFingerprint& fingerprint) const {
    return !Empty() && WritePiecewiseIndexCacheFile(path, fingerprint, Bytes(), kFileLayout);
}

// Child() reads link + (children before the letter): the last child must be
// an entry. Slot() reads a leaf's link, or that of the entry before a word's
// children when it is a leaf's: such a link must be a word of the dictionary.
// Entries are first looked at four at a time, without branches, in vector
// registers, for what holds in nearly every tree: no bit past kWord; a leaf's
// link a slot; another's link from 1 to where 26 children still fit. A piece
// where any of these fails is looked at entry by entry.
class WordTrie::FileCheck {
public:
    explicit FileCheck(int32_t words) : slots_(static_cast<uint32_t>(words)) {}

    // False when the payload cannot hold a tree at all.
    bool Start(std::span<const std::byte> payload) {
        const size_t bytes = payload.size();
        if (bytes == 0 || bytes % sizeof(Entry) != 0 || bytes / sizeof(Entry) >= kNone || slots_ == 0) return false;
        n_ = bytes / sizeof(Entry);
        const auto roomy = static_cast<uint32_t>(n_ > 26 ? n_ - 26 : 0);
        mostSlot_ = Splat(slots_ - 1);
        mostLink_ = Splat(roomy - 1);
        everyPiece_ = roomy == 0;
        return true;
    }
    // Whether every entry of a piece of the payload lies within bounds.
    bool Piece(std::span<const std::byte> piece) {
        if (piece.size() != IndexCacheFile::kPieceBytes || everyPiece_) return Exact(piece);
        Words4 over{};
        const auto* p = reinterpret_cast<const unsigned char*>(piece.data());
        for (size_t at = 0; at < piece.size(); at += 4 * sizeof(Entry)) over |= Four(p + at);
        return (over[0] | over[1] | over[2] | over[3]) == 0 || Exact(piece);
    }

private:
    static Words4 Splat(uint32_t v) { return Words4{v, v, v, v}; }
    Words4 Four(const unsigned char* p) const {
        Words4 lo, hi;
        std::memcpy(&lo, p, sizeof lo);
        std::memcpy(&hi, p + sizeof lo, sizeof hi);
        const Words4 bits = __builtin_shufflevector(lo, hi, 0, 2, 4, 6);
        const Words4 links = __builtin_shufflevector(lo, hi, 1, 3, 5, 7);
        const auto leaf = reinterpret_cast<Words4>((bits & Splat(kLetters)) == 0);
        const Words4 most = (leaf & mostSlot_) | (~leaf & mostLink_);
        return reinterpret_cast<Words4>(bits > Splat(kLetters | kWord)) |
               reinterpret_cast<Words4>(links - (~leaf & Splat(1)) > most);
    }
    bool Exact(std::span<const std::byte> piece) const {
        const auto* e = reinterpret_cast<const Entry*>(piece.data());
        for (size_t k = 0; k < piece.size() / sizeof(Entry); ++k) {
            const uint32_t mask = e[k].bits & kLetters;
            if ((e[k].bits & ~(kLetters | kWord)) != 0) return false;
            if (mask == 0 ? e[k].link >= slots_ : e[k].link == 0 || e[k].link + uint64_t{CountBits(mask)} > n_)
                return false;
        }
        return true;
    }

    uint32_t slots_;
    uint64_t n_ = 0;
    bool everyPiece_ = false;
    Words4 mostSlot_{}, mostLink_{};
};

bool WordTrie::Adopt(const std::filesystem::path& path, const WordsFingerprint& fingerprint, const Dictionary& dict) {
    Clear();
    auto file = IndexCacheFile::OpenPiecewise(path, fingerprint, kFileLayout);
    if (!file || !FileCheck(dict.WordCount).Start(file->Payload())) return false;
    nodes_ = reinterpret_cast<const Entry*>(file->Payload().data());
    count_ = file->Payload().size() / sizeof(Entry);
    file_ = std::move(file);
    checked_.assign((count_ + kPieceEntries - 1) / kPieceEntries / 64 + 1, 0);
    dict_ = &dict;
    path_ = path;
    fingerprint_ = fingerprint;
    return true;
}

void WordTrie::CheckPiece(size_t piece) const {
    const std::span<const std::byte> payload = file_->Payload();
    FileCheck check(dict_->WordCount);
    const size_t at = piece * IndexCacheFile::kPieceBytes;
    if (check.Start(payload) && file_->PieceIntact(piece) &&
        check.Piece(payload.subspan(at, std::min(IndexCacheFile::kPieceBytes, payload.size() - at)))) {
        checked_[piece / 64] |= uint64_t{1} << (piece % 64);
        return;
    }
    // The file was made from these very words by Build, so the tree built
    // again has the nodes it had wherever it was intact: a node a walk took
    // from a checked piece means the same in it.
    const size_t held = count_;
    BuildFrom(*dict_);
    // A folder that cannot take the file only costs the next process the build.
    WriteFile(path_, fingerprint_);
    // A crafted file may have been larger: a node a walk took from it reads
    // as a leaf that is no word.
    if (held > count_) {
        built_.resize(held, Entry{0, 0});
        nodes_ = built_.data();
        checked_.assign(held / kPieceEntries / 64 + 1, ~uint64_t{0});
    }
}

}  // namespace sillabor
