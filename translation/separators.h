#pragma once

#include <cstdint>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define VERBOLET_SEPARATORS_SSE2 1
#endif

// Where items end in 64 bytes of text, as a mask: bit i is set when byte i is a space or, when
// `lineFeeds` is set, an LF. All 64 bytes must be readable. With SSE2 (every x86-64 processor)
// that is four comparisons of 16 bytes; elsewhere a plain loop that compilers vectorise.
inline std::uint64_t separatorMask(const char* bytes, bool lineFeeds)
{
    const char lineEnd = lineFeeds ? '\n' : ' ';
#ifdef VERBOLET_SEPARATORS_SSE2
    const __m128i spaces = _mm_set1_epi8(' ');
    const __m128i lineEnds = _mm_set1_epi8(lineEnd);
    const auto part = [&](int at) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * at));
        const __m128i found = _mm_or_si128(_mm_cmpeq_epi8(block, spaces), _mm_cmpeq_epi8(block, lineEnds));
        return std::uint64_t(std::uint16_t(_mm_movemask_epi8(found))) << (16 * at);
    };
    return part(0) | part(1) | part(2) | part(3); // written out: compilers leave a loop of four
#else
    std::uint64_t mask = 0;
    for (int i = 0; i < 64; ++i)
        mask |= std::uint64_t(bytes[i] == ' ' || bytes[i] == lineEnd) << i;
    return mask;
#endif
}

// Whether any of the 64 bytes from `bytes` is `byte`. All 64 must be readable.
inline bool hasByte(const char* bytes, char byte)
{
#ifdef VERBOLET_SEPARATORS_SSE2
    const __m128i wanted = _mm_set1_epi8(byte);
    const auto part = [&](int at) {
        return _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * at)), wanted);
    };
    return _mm_movemask_epi8(_mm_or_si128(_mm_or_si128(part(0), part(1)), _mm_or_si128(part(2), part(3)))) != 0;
#else
    bool found = false;
    for (int i = 0; i < 64; ++i)
        found |= bytes[i] == byte;
    return found;
#endif
}
