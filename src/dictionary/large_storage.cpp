#include "dictionary/large_storage.h"

#include <sys/mman.h>

#include <cstdlib>

namespace sillabor {

namespace {

constexpr size_t kHugePage = size_t{2} << 20;
constexpr size_t kLargeFrom = size_t{4} << 20;

size_t RoundedUp(size_t bytes) { return (bytes + kHugePage - 1) / kHugePage * kHugePage; }

}  // namespace

void* AllocateLarge(size_t bytes) {
    if (bytes < kLargeFrom) return ::operator new(bytes);
    void* p = std::aligned_alloc(kHugePage, RoundedUp(bytes));
    if (p == nullptr) throw std::bad_alloc();
    // Only advice: without transparent huge pages the block works the same.
    madvise(p, RoundedUp(bytes), MADV_HUGEPAGE);
    return p;
}

void FreeLarge(void* p, size_t bytes) noexcept {
    if (p == nullptr) return;
    if (bytes < kLargeFrom)
        ::operator delete(p);
    else
        std::free(p);
}

LargeText MakeLargeText(size_t bytes) {
    return LargeText(static_cast<char*>(AllocateLarge(bytes)), LargeBlock{bytes});
}

}  // namespace sillabor
