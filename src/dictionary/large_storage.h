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

// An array of the same kind that either owns its block or borrows one kept
// alive by `keeper` (a mapped cache file, say), so that a table read from a
// file is used where it lies instead of being copied.
template <typename T>
class LargeArray {
    static_assert(std::is_trivially_copyable_v<T>);

public:
    LargeArray() = default;
    LargeArray(LargeArray&& other) noexcept { *this = std::move(other); }
    LargeArray& operator=(LargeArray&& other) noexcept {
        if (this != &other) {
            Release();
            data_ = std::exchange(other.data_, nullptr);
            size_ = std::exchange(other.size_, 0);
            keeper_ = std::move(other.keeper_);
        }
        return *this;
    }
    LargeArray(const LargeArray&) = delete;
    LargeArray& operator=(const LargeArray&) = delete;
    ~LargeArray() { Release(); }

    // Fresh storage for n elements, left uninitialised; the old contents go.
    void Allocate(size_t n) {
        T* fresh = n != 0 ? static_cast<T*>(AllocateLarge(n * sizeof(T))) : nullptr;
        Release();
        data_ = fresh;
        size_ = n;
    }
    // Uses n elements at `data`, which `keeper` keeps valid and writable.
    void Borrow(T* data, size_t n, std::shared_ptr<const void> keeper) {
        Release();
        data_ = data;
        size_ = n;
        keeper_ = std::move(keeper);
    }
    bool Borrowed() const { return keeper_ != nullptr; }

    T* data() { return data_; }
    const T* data() const { return data_; }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    T& operator[](size_t i) { return data_[i]; }
    const T& operator[](size_t i) const { return data_[i]; }
    T* begin() { return data_; }
    T* end() { return data_ + size_; }
    const T* begin() const { return data_; }
    const T* end() const { return data_ + size_; }

private:
    void Release() noexcept {
        if (keeper_ == nullptr) FreeLarge(data_, size_ * sizeof(T));
        keeper_.reset();
        data_ = nullptr;
        size_ = 0;
    }
    T* data_ = nullptr;
    size_t size_ = 0;
    std::shared_ptr<const void> keeper_;
};

// A byte buffer of the same kind, for the word text.
struct LargeBlock {
    void operator()(char* p) const noexcept { FreeLarge(p, size); }
    size_t size = 0;
};
using LargeText = std::unique_ptr<char[], LargeBlock>;
LargeText MakeLargeText(size_t bytes);

}  // namespace sillabor
