#pragma once
// Storage for the dictionary's big arrays. They are filled right after they
// are made, so their elements are left uninitialised (zeroing them first would
// only double the memory traffic of a load), and blocks of several megabytes
// are asked for in huge pages, so that a load takes a few dozen page faults
// instead of tens of thousands.

#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

namespace sillabor {

// Raw storage: huge-page aligned for large sizes. Never returns null; throws
// std::bad_alloc.
void* AllocateLarge(size_t bytes);
void FreeLarge(void* p, size_t bytes) noexcept;

template <typename T>
class DefaultInitAllocator {
public:
    using value_type = T;
    template <typename U>
    struct rebind {
        using other = DefaultInitAllocator<U>;
    };
    DefaultInitAllocator() = default;
    template <typename U>
    DefaultInitAllocator(const DefaultInitAllocator<U>&) noexcept {}

    T* allocate(size_t n) { return static_cast<T*>(AllocateLarge(n * sizeof(T))); }
    void deallocate(T* p, size_t n) noexcept { FreeLarge(p, n * sizeof(T)); }

    template <typename U>
    void construct(U* p) noexcept(std::is_nothrow_default_constructible_v<U>) {
        ::new (static_cast<void*>(p)) U;
    }
    template <typename U, typename... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
    template <typename U>
    bool operator==(const DefaultInitAllocator<U>&) const noexcept {
        return true;
    }
};

template <typename T>
using UninitVector = std::vector<T, DefaultInitAllocator<T>>;

// A byte buffer of the same kind, for the word text.
struct LargeBlock {
    void operator()(char* p) const noexcept { FreeLarge(p, size); }
    size_t size = 0;
};
using LargeText = std::unique_ptr<char[], LargeBlock>;
LargeText MakeLargeText(size_t bytes);

}  // namespace sillabor
