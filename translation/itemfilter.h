#pragma once

#include "translation/keyhash.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#if defined(__x86_64__) || defined(_M_X64)
#include <emmintrin.h>
#define VERBOLET_ITEMFILTER_SSE2 1
#endif

// The first, branch-free look at an item in text where few items are keys: whether it may be
// anything but a word that matches nothing and goes out as it came.
//
// It reads an item's bytes with each byte's 0x20 bit set, which a capital and its small letter
// share, so that no item needs lower-casing to be looked at, and zero bytes after them; their
// hash picks a byte of a table (KeyTable::firstLook), 1 where a key of up to FoldedBytes
// bytes, folded the same way, has that hash, and for the empty item. An item longer than
// FoldedBytes is read as no bytes at all, so that it takes the empty item's byte and is kept.
// Bytes rather than bits: the first look reads one for every item, and adds it up.
//
// Text that is not plain ASCII lower-cases to text that is not either, but for the Kelvin
// sign (U+212A, bytes E2 84 AA), which becomes "k". So where every key is plain ASCII, the
// table also has each key spelled with Kelvin signs for its k's, and an item that is not
// plain ASCII is looked at like any other; where some key is not, every such item is kept.
namespace ItemFilter {

inline constexpr std::size_t FoldedBytes = 16;
inline constexpr int IndexBits = 16;
inline constexpr std::size_t TableSize = std::size_t(1) << IndexBits;

inline constexpr std::uint64_t FoldBits = 0x2020202020202020ull;
inline constexpr std::uint64_t HighBits = 0x8080808080808080ull;
inline constexpr std::string_view KelvinSign = "\xE2\x84\xAA";

// What the first look knows of a dictionary's keys.
struct Keys final {
    const std::uint8_t* table = nullptr;
    std::uint64_t notPlain = 0; // all ones where some key is not plain ASCII, else none

    static constexpr Keys of(const std::uint8_t* table, bool plain) { return {table, plain ? 0 : ~std::uint64_t(0)}; }
};

// Up to FoldedBytes bytes as two words, the bytes past them zero.
struct Words final {
    std::uint64_t first = 0;
    std::uint64_t second = 0;
};

// The bytes read of an item of each length up to FoldedBytes, and (the last) of any longer.
inline constexpr auto KeptBytes = [] {
    std::array<Words, FoldedBytes + 2> masks{};
    for (std::size_t length = 0; length <= FoldedBytes; ++length)
        masks[length] = {KeyHash::firstBytes(length < 8 ? length : 8), KeyHash::firstBytes(length > 8 ? length - 8 : 0)};
    return masks;
}();

inline constexpr std::size_t keptBytesIndex(std::size_t length) { return length <= FoldedBytes ? length : FoldedBytes + 1; }

constexpr std::size_t indexOf(std::uint64_t first, std::uint64_t second)
{
    return std::size_t((first * 0x9E3779B97F4A7C15ull ^ second * 0xC2B2AE3D27D4EB4Full) >> (64 - IndexBits));
}

// The bytes read of `length` bytes from `bytes`, 16 of them readable, folded.
inline Words folded(const char* bytes, std::size_t length)
{
    const Words& kept = KeptBytes[keptBytesIndex(length)];
    return {(KeyHash::word(bytes) | FoldBits) & kept.first, (KeyHash::word(bytes + 8) | FoldBits) & kept.second};
}

// The table's index for those bytes.
inline std::size_t indexOf(const char* bytes, std::size_t length)
{
    const Words words = folded(bytes, length);
    return indexOf(words.first, words.second);
}

// 1 where the item is longer than FoldedBytes, has a byte of 1 in the table, or is not plain
// ASCII while some key is not either; else 0. Reads 16 bytes from `item`, whatever its
// length: padding follows every item.
inline std::size_t mayNeedAttentionPortably(const char* item, std::size_t length, const Keys& keys)
{
    const Words words = folded(item, length);
    const std::uint64_t notPlain = (words.first | words.second) & HighBits & keys.notPlain;
    return keys.table[indexOf(words.first, words.second)] | std::size_t(notPlain != 0);
}

// The same, the folding and masking done on 16 bytes at once where the processor can.
inline std::size_t mayNeedAttention(const char* item, std::size_t length, const Keys& keys)
{
#ifdef VERBOLET_ITEMFILTER_SSE2
    const __m128i keep = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&KeptBytes[keptBytesIndex(length)]));
    const __m128i loaded = _mm_loadu_si128(reinterpret_cast<const __m128i*>(item));
    const __m128i bytes = _mm_and_si128(_mm_or_si128(loaded, _mm_set1_epi8(0x20)), keep);
    const std::uint64_t first = std::uint64_t(_mm_cvtsi128_si64(bytes));
    const std::uint64_t second = std::uint64_t(_mm_cvtsi128_si64(_mm_unpackhi_epi64(bytes, bytes)));
    const std::uint64_t notPlain = std::uint64_t(_mm_movemask_epi8(bytes)) & keys.notPlain;
    return keys.table[indexOf(first, second)] | std::size_t(notPlain != 0);
#else
    return mayNeedAttentionPortably(item, length, keys);
#endif
}

} // namespace ItemFilter
