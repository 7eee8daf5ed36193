#pragma once
// Stand-ins for the few C++20 library parts that not every standard library we
// build with has (the WebAssembly one lacks them); each uses the real one
// where it exists, so the native build is unchanged.

#include <charconv>
#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <type_traits>

namespace sillabor {

// An array whose elements are left uninitialised, for buffers that are filled
// at once.
template <typename T>
std::unique_ptr<T> MakeUninitializedArray(size_t count) {
#if defined(__cpp_lib_smart_ptr_for_overwrite)
    return std::make_unique_for_overwrite<T>(count);
#else
    return std::unique_ptr<T>(new std::remove_extent_t<T>[count]);
#endif
}

// `value` with `decimals` digits after a point, whatever the locale.
inline std::string FixedDecimals(double value, int decimals) {
    char digits[400];
#if defined(__cpp_lib_to_chars)
    const auto result = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
    return std::string(digits, result.ptr);
#else
    // The C library's formatting rounds exactly as to_chars does; only the
    // decimal point may follow the locale.
    const int length = std::snprintf(digits, sizeof digits, "%.*f", decimals, value);
    if (length < 0) return {};
    std::string text(digits, static_cast<size_t>(length) < sizeof digits ? static_cast<size_t>(length) : sizeof digits - 1);
    for (char& c : text)
        if (c == ',') c = '.';
    return text;
#endif
}

}  // namespace sillabor
