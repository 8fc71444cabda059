#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A fixed table from lower-cased UTF-8 keys to UTF-8 values, built once and then only read:
// open addressing over a power-of-two array, keys and values packed in one string.
class Utf8KeyTable final {
public:
    using Pairs = std::vector<std::pair<std::string, std::string>>;

    explicit Utf8KeyTable(const Pairs& pairs); // keys must be distinct

    // FNV-1a, so that a caller can hash a key while it lower-cases it, one byte at a time.
    static constexpr std::uint64_t HashStart = 14695981039346656037ull;
    static constexpr std::uint64_t hashStep(std::uint64_t hash, unsigned char byte)
    {
        return (hash ^ byte) * 1099511628211ull;
    }
    static std::uint64_t hash(std::string_view key);

    // The value stored for `key`, whose hash is `keyHash`; nullptr when there is none.
    const std::string_view* find(std::string_view key, std::uint64_t keyHash) const;

    std::size_t longestKey() const { return m_longestKey; }

private:
    struct Slot final {
        std::uint64_t hash = 0;
        std::string_view key;
        std::string_view value;
        bool used = false;
    };

    std::string m_text;
    std::vector<Slot> m_slots;
    std::size_t m_mask = 0;
    std::size_t m_longestKey = 0;
};
