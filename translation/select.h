#pragma once

#include <cstdint>
#include <type_traits>

// `x == y ? a : b` as a conditional move, never a branch: for choices that go either way as
// often as not, where the compiler may pick a branch that is then mispredicted.
template <typename T>
inline T selectIfEqual(std::uintptr_t x, std::uintptr_t y, T a, T b)
{
    static_assert(sizeof(T) == sizeof(std::uintptr_t) && (std::is_integral_v<T> || std::is_pointer_v<T>));
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    __asm__("cmp %[x], %[y]\n\tcmove %[a], %[b]" : [b] "+r"(b) : [a] "r"(a), [x] "rm"(x), [y] "r"(y) : "cc");
    return b;
#else
    return x == y ? a : b;
#endif
}
