#pragma once
// The longest words a grid walk has found: an ordered set of keys with a size
// limit, the smallest key leaving when the limit is passed. Keys order words
// by length, then by slot. The set lives in a fixed array, so a walk adds and
// removes keys without allocating.

#include <algorithm>
#include <cstdint>

namespace sillabor {

class KeptWordSet {
public:
    static constexpr int kMaxLimit = 500;

    void Clear(int limit) {
        limit_ = std::min(limit, kMaxLimit);
        size_ = 0;
    }
    int Size() const { return size_; }
    // Keys in increasing order.
    const int32_t* begin() const { return keys_; }
    const int32_t* end() const { return keys_ + size_; }

    // Adds the key unless it is held already; true when it was added (and
    // then, past the limit, the smallest key has left).
    bool Add(int32_t key) {
        if (size_ == limit_ && (size_ == 0 || key < keys_[0])) return true;  // it would leave at once
        int32_t* at = std::lower_bound(keys_, keys_ + size_, key);
        if (at != keys_ + size_ && *at == key) return false;
        std::copy_backward(at, keys_ + size_, keys_ + size_ + 1);
        *at = key;
        if (++size_ > limit_) {
            std::copy(keys_ + 1, keys_ + size_, keys_);
            --size_;
        }
        return true;
    }

private:
    int32_t keys_[kMaxLimit + 1] = {};
    int limit_ = kMaxLimit;
    int size_ = 0;
};

}  // namespace sillabor
