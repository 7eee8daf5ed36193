#include "dictionary/byte_hash.h"

namespace sillabor {

uint64_t HashBytes(const void* data, size_t size) {
    const auto* p = static_cast<const unsigned char*>(data);
    byte_hash::Hasher hasher(size);
    const size_t whole = size / hasher.kBlock * hasher.kBlock;
    for (size_t at = 0; at < whole; at += hasher.kBlock) hasher.Block(p + at);
    return hasher.Finish(p + whole, size - whole);
}

}  // namespace sillabor
