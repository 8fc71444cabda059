#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

// The hash of a look-up key (UTF-8 bytes), shaped so that a translator can compute it on the
// way through an item: each chunk of eight bytes (the last one filled up with zero bytes) is
// mixed in with one multiplication, the first together with the key's length, so that keys
// ending in NUL bytes still differ; the empty key is one chunk of zero bytes. A key of up to
// eight bytes, a typical word, costs one multiplication; the table indexes by the top bits,
// which the multiplications mix best.
struct KeyHash final {
    static constexpr std::uint64_t Start = 0x243F6A8885A308D3ull;

    static constexpr std::uint64_t mix(std::uint64_t hash, std::uint64_t chunk) { return (hash ^ chunk) * 0x9E3779B97F4A7C15ull; }
    static constexpr std::uint64_t first(std::uint64_t start, std::uint64_t chunk, std::size_t length)
    {
        return mix(start ^ (std::uint64_t(length) << 56), chunk);
    }

    // Eight bytes at `bytes` as one word in memory order.
    static std::uint64_t word(const char* bytes)
    {
        std::uint64_t value = 0;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }

    // The bits of the first `count` (0 to 8) bytes of a word loaded from memory.
    static constexpr std::uint64_t firstBytes(std::size_t count)
    {
        static_assert(std::endian::native == std::endian::little || std::endian::native == std::endian::big);
        if (count >= 8)
            return ~std::uint64_t(0);
        if constexpr (std::endian::native == std::endian::little)
            return (std::uint64_t(1) << (count * 8)) - 1;
        else
            return count == 0 ? 0 : ~((std::uint64_t(1) << (64 - count * 8)) - 1);
    }

    // The same for 0 to 8 bytes from a table: one load in place of a branch or a shift by 64.
    static std::uint64_t firstBytesOf(std::size_t count)
    {
        static constexpr std::uint64_t masks[9] = {firstBytes(0), firstBytes(1), firstBytes(2), firstBytes(3), firstBytes(4),
                                                   firstBytes(5), firstBytes(6), firstBytes(7), firstBytes(8)};
        return masks[count];
    }

    // Up to eight bytes from `bytes` as one chunk, zero bytes after them; reads only `count`.
    static std::uint64_t chunk(const char* bytes, std::size_t count)
    {
        char padded[8] = {};
        std::memcpy(padded, bytes, count < 8 ? count : 8);
        return word(padded);
    }

    // Whether any of the eight bytes of `word` is `byte`.
    static constexpr bool hasByte(std::uint64_t word, std::uint8_t byte)
    {
        constexpr std::uint64_t low7 = 0x7F7F7F7F7F7F7F7Full;
        const std::uint64_t x = word ^ (0x0101010101010101ull * byte); // zero bytes where `byte` was
        return ~(((x & low7) + low7) | x | low7) != 0; // a byte's top bit: it was zero (no carry crosses)
    }

    static std::uint64_t of(std::string_view key, std::uint64_t start = Start)
    {
        std::uint64_t hash = first(start, chunk(key.data(), key.size()), key.size()); // the empty key has one chunk too
        for (std::size_t at = 8; at < key.size(); at += 8)
            hash = mix(hash, chunk(key.data() + at, key.size() - at));
        return hash;
    }
};
