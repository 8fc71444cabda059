#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

// Hashes of look-up keys, shaped so that a translator can compute them on the way through
// an item instead of in a pass of its own.

// Over UTF-16 code units, one unit at a time, each mixed in with one multiplication by an odd
// constant that carries every bit upwards (the table indexes by the top bits).
struct Utf16KeyHash final {
    static constexpr std::uint64_t Start = 0x243F6A8885A308D3ull;

    static constexpr std::uint64_t step(std::uint64_t hash, char16_t unit) { return (hash ^ unit) * 0x9E3779B97F4A7C15ull; }

    static std::uint64_t of(std::u16string_view key)
    {
        std::uint64_t hash = Start;
        for (const char16_t unit : key)
            hash = step(hash, unit);
        return hash;
    }
};

// Over bytes, eight at a time: each chunk of eight (the last one filled up with zero bytes)
// is mixed in with one multiplication, then the length, so that keys ending in NUL bytes
// still differ. A key of up to eight bytes, a typical word, thus costs one multiplication on
// the way to its bucket; the table indexes by the top bits, which the multiplications mix best.
struct ByteKeyHash final {
    static constexpr std::uint64_t Start = 0x243F6A8885A308D3ull;

    static constexpr std::uint64_t mix(std::uint64_t hash, std::uint64_t chunk)
    {
        return (hash ^ chunk) * 0x9E3779B97F4A7C15ull;
    }

    static constexpr std::uint64_t finish(std::uint64_t hash, std::size_t length)
    {
        return hash ^ (length * 0xBF58476D1CE4E5B9ull);
    }

    // Up to eight bytes from `bytes` as one chunk, in memory order, zero bytes after them.
    static std::uint64_t chunk(const char* bytes, std::size_t count)
    {
        std::uint64_t value = 0;
        if (count >= 8) {
            std::memcpy(&value, bytes, 8);
        } else {
            char padded[8] = {};
            for (std::size_t i = 0; i < count; ++i)
                padded[i] = bytes[i];
            std::memcpy(&value, padded, 8);
        }
        return value;
    }

    // The same for bytes that are followed by at least eight readable bytes: one load and a mask.
    static std::uint64_t chunkOfPadded(const char* bytes, std::size_t count)
    {
        std::uint64_t value = 0;
        std::memcpy(&value, bytes, 8);
        if (count >= 8)
            return value;
        const unsigned keptBits = unsigned(count) * 8;
        if constexpr (std::endian::native == std::endian::little)
            return value & ((std::uint64_t(1) << keptBits) - 1);
        else
            return keptBits == 0 ? 0 : value & ~((std::uint64_t(1) << (64 - keptBits)) - 1);
    }

    static std::uint64_t of(std::string_view key)
    {
        std::uint64_t hash = Start;
        for (std::size_t at = 0; at < key.size(); at += 8)
            hash = mix(hash, chunk(key.data() + at, key.size() - at));
        return finish(hash, key.size());
    }
};
