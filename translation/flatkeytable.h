#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A fixed table from keys to texts (runs of UTF-16 or UTF-8 code units), built once and then
// only read.
//
// Open addressing over a power-of-two array of 16-byte buckets, indexed by the top bits of
// the key's hash, with at most one key in eight buckets: a look-up then nearly always settles
// at its first bucket, which spares the processor mispredicted probe loops. In front of the
// buckets, one bit per bucket tells whether any key starts its search there; those 2 KiB stay
// in the nearest cache, so most keys that are not in the table never touch the buckets. A bucket holds the first eight bytes of its key, the key's length and the
// number of its entry, so a key that is not in the table (most words of a message) is turned
// away by the bucket alone, and a key of up to eight bytes is recognised by it. Entries, keys
// and texts sit apart in dense arrays; a key is followed by its text unless an earlier key
// shares that text, so a text that many keys share is stored once.
//
// Look-ups take a hash that the caller may have computed on the way; `Hash::of(key)` gives
// the hash of a whole key.
template <typename Char, typename Hash>
class FlatKeyTable final {
public:
    using View = std::basic_string_view<Char>;

    // Every text it gives is followed by this many readable code units.
    static constexpr std::size_t Padding = 16;

    static std::uint64_t hash(View key) { return Hash::of(key); }

    // Each entry is a key (all distinct) and the number of its text in `texts`.
    FlatKeyTable(const std::vector<View>& texts, const std::vector<std::pair<View, int>>& entries)
        : m_buckets(std::bit_ceil(std::max<std::size_t>(16, entries.size() * BucketsPerKey)))
        , m_mask(m_buckets.size() - 1)
        , m_shift(64 - std::countr_zero(m_buckets.size()))
        , m_homes((m_buckets.size() + 63) / 64)
    {
        std::vector<std::uint32_t> textOffsets(texts.size(), Free);
        m_entries.reserve(entries.size());
        for (const auto& [key, textNumber] : entries) {
            std::size_t at = indexOf(hash(key));
            m_homes[at / 64] |= std::uint64_t(1) << (at % 64);
            while (m_buckets[at].entry != Free)
                at = (at + 1) & m_mask;
            m_buckets[at] = {headOf(key), std::uint32_t(key.size()), std::uint32_t(m_entries.size())};

            const View text = texts[std::size_t(textNumber)];
            m_entries.push_back({std::uint32_t(m_text.size()), 0, std::uint32_t(text.size())});
            m_text += key;
            std::uint32_t& textOffset = textOffsets[std::size_t(textNumber)];
            if (textOffset == Free) {
                textOffset = std::uint32_t(m_text.size());
                m_text += text;
            }
            m_entries.back().textOffset = textOffset;
            m_longestKey = std::max(m_longestKey, key.size());
        }
        m_text.append(Padding, Char());
    }

    // The text stored for `key`, whose hash is `keyHash`; nothing when the key is absent.
    std::optional<View> find(View key, std::uint64_t keyHash) const
    {
        return findWith(key, keyHash, headOf(key), [](View wanted, const Char* stored) {
            return std::equal(wanted.begin(), wanted.end(), stored);
        });
    }

    std::optional<View> find(View key) const { return find(key, hash(key)); }

    // The same for a key followed by at least eight readable bytes: it is read and compared
    // eight bytes at a time.
    std::optional<View> findPadded(View key, std::uint64_t keyHash) const
    {
        const std::size_t bytes = key.size() * sizeof(Char);
        const std::uint64_t head = bytes >= 8 ? word(key.data()) : word(key.data()) & firstBytes(bytes);
        return findWith(key, keyHash, head, [](View wanted, const Char* stored) {
            return equalPadded(wanted.data(), stored, wanted.size() * sizeof(Char));
        });
    }

    std::size_t longestKey() const { return m_longestKey; }

private:
    static constexpr std::size_t BucketsPerKey = 8;
    static constexpr std::uint32_t Free = UINT32_MAX;

    struct Bucket final {
        std::uint64_t head = 0; // the key's first eight bytes, zero bytes after a shorter key
        std::uint32_t keyLength = 0;
        std::uint32_t entry = Free;
    };

    // Offsets and lengths count code units; a dictionary's first 1622 lines are far below 4 Gi.
    struct Entry final {
        std::uint32_t keyOffset = 0;
        std::uint32_t textOffset = 0;
        std::uint32_t textLength = 0;
    };

    std::size_t indexOf(std::uint64_t keyHash) const { return std::size_t(keyHash >> m_shift) & m_mask; }

    template <typename Equal>
    std::optional<View> findWith(View key, std::uint64_t keyHash, std::uint64_t head, Equal equal) const
    {
        constexpr std::size_t HeadLength = 8 / sizeof(Char);
        const std::size_t home = indexOf(keyHash);
        if ((m_homes[home / 64] >> (home % 64) & 1) == 0)
            return std::nullopt;
        for (std::size_t at = home; m_buckets[at].entry != Free; at = (at + 1) & m_mask) {
            const Bucket& bucket = m_buckets[at];
            if (bucket.head != head || bucket.keyLength != key.size())
                continue;
            const Entry& entry = m_entries[bucket.entry];
            if (key.size() <= HeadLength || equal(key, m_text.data() + entry.keyOffset))
                return View(m_text.data() + entry.textOffset, entry.textLength);
        }
        return std::nullopt;
    }

    // The first eight bytes of `key`, as the bucket holds them.
    static std::uint64_t headOf(View key)
    {
        unsigned char bytes[8] = {};
        std::memcpy(bytes, key.data(), std::min(key.size() * sizeof(Char), sizeof bytes));
        return word(bytes);
    }

    // Whether `size` bytes at `a` and `b` are equal, both being followed by eight readable bytes.
    static bool equalPadded(const void* a, const void* b, std::size_t size)
    {
        const auto* x = static_cast<const unsigned char*>(a);
        const auto* y = static_cast<const unsigned char*>(b);
        for (; size >= 8; size -= 8, x += 8, y += 8) {
            if (word(x) != word(y))
                return false;
        }
        return size == 0 || ((word(x) ^ word(y)) & firstBytes(size)) == 0;
    }

    static std::uint64_t word(const void* bytes)
    {
        std::uint64_t value = 0;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }

    // The bits of the first `count` (0 to 7) bytes of a word loaded from memory.
    static std::uint64_t firstBytes(std::size_t count)
    {
        if (count == 0)
            return 0;
        if constexpr (std::endian::native == std::endian::little)
            return (std::uint64_t(1) << (count * 8)) - 1;
        else
            return ~((std::uint64_t(1) << (64 - count * 8)) - 1);
    }

    std::vector<Bucket> m_buckets;
    std::size_t m_mask = 0;
    int m_shift = 0;
    std::vector<std::uint64_t> m_homes; // bit i: some key's search starts at bucket i
    std::vector<Entry> m_entries;
    std::basic_string<Char> m_text;
    std::size_t m_longestKey = 0;
};
