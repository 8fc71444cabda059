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
// only read. Open addressing over a power-of-two array of 8-byte buckets, each holding the
// upper half of its key's hash and the number of its entry; the entries, the keys and the
// texts sit apart in dense arrays. A key that is not in the table (most words of a message)
// therefore costs a look at one or two neighbouring buckets, and the whole array stays in
// the processor's nearest cache. A key is followed by its text unless an earlier key shares
// that text, so a text that many keys share is stored once. Look-ups take a hash that the
// caller may have computed on the way; `Hash::of(key)` gives the hash of a whole key.
template <typename Char, typename Hash>
class FlatKeyTable final {
public:
    using View = std::basic_string_view<Char>;

    static std::uint64_t hash(View key) { return Hash::of(key); }

    // Each entry is a key (all distinct) and the number of its text in `texts`.
    FlatKeyTable(const std::vector<View>& texts, const std::vector<std::pair<View, int>>& entries)
        : m_buckets(std::bit_ceil(std::max<std::size_t>(16, entries.size() * 2)))
        , m_mask(m_buckets.size() - 1)
    {
        std::vector<std::uint32_t> textOffsets(texts.size(), Free);
        m_entries.reserve(entries.size());
        for (const auto& [key, textNumber] : entries) {
            const std::uint64_t keyHash = hash(key);
            std::size_t at = keyHash & m_mask;
            while (m_buckets[at].entry != Free)
                at = (at + 1) & m_mask;
            m_buckets[at] = {std::uint32_t(keyHash >> 32), std::uint32_t(m_entries.size())};

            const View text = texts[std::size_t(textNumber)];
            Entry entry{std::uint32_t(m_text.size()), std::uint32_t(key.size()), 0, std::uint32_t(text.size())};
            m_text += key;
            std::uint32_t& textOffset = textOffsets[std::size_t(textNumber)];
            if (textOffset == Free) {
                textOffset = std::uint32_t(m_text.size());
                m_text += text;
            }
            entry.textOffset = textOffset;
            m_entries.push_back(entry);
            m_longestKey = std::max(m_longestKey, key.size());
        }
        m_text.append(Padding, Char());
    }

    // Every text it gives is followed by this many readable code units.
    static constexpr std::size_t Padding = 16;

    // The text stored for `key`, whose hash is `keyHash`; nothing when the key is absent.
    std::optional<View> find(View key, std::uint64_t keyHash) const
    {
        return findWith(key, keyHash, [](View wanted, const Char* stored) {
            return std::equal(wanted.begin(), wanted.end(), stored);
        });
    }

    std::optional<View> find(View key) const { return find(key, hash(key)); }

    // The same for a key followed by at least eight readable bytes: keys are compared eight
    // bytes at a time.
    std::optional<View> findPadded(View key, std::uint64_t keyHash) const
    {
        return findWith(key, keyHash, [](View wanted, const Char* stored) {
            return equalPadded(wanted.data(), stored, wanted.size() * sizeof(Char));
        });
    }

    std::size_t longestKey() const { return m_longestKey; }

private:
    static constexpr std::uint32_t Free = UINT32_MAX;

    struct Bucket final {
        std::uint32_t hashTag = 0;
        std::uint32_t entry = Free;
    };

    // Offsets and lengths count code units; a dictionary's first 1622 lines are far below 4 Gi.
    struct Entry final {
        std::uint32_t keyOffset = 0;
        std::uint32_t keyLength = 0;
        std::uint32_t textOffset = 0;
        std::uint32_t textLength = 0;
    };

    template <typename Equal>
    std::optional<View> findWith(View key, std::uint64_t keyHash, Equal equal) const
    {
        const auto tag = std::uint32_t(keyHash >> 32);
        for (std::size_t at = keyHash & m_mask; m_buckets[at].entry != Free; at = (at + 1) & m_mask) {
            if (m_buckets[at].hashTag != tag)
                continue;
            const Entry& entry = m_entries[m_buckets[at].entry];
            if (entry.keyLength == key.size() && equal(key, m_text.data() + entry.keyOffset))
                return View(m_text.data() + entry.textOffset, entry.textLength);
        }
        return std::nullopt;
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
    static std::uint64_t word(const unsigned char* bytes)
    {
        std::uint64_t value = 0;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }
    // The bits of the first `count` (1 to 7) bytes of a word loaded from memory.
    static std::uint64_t firstBytes(std::size_t count)
    {
        if constexpr (std::endian::native == std::endian::little)
            return (std::uint64_t(1) << (count * 8)) - 1;
        else
            return ~((std::uint64_t(1) << (64 - count * 8)) - 1);
    }

    std::vector<Bucket> m_buckets;
    std::size_t m_mask = 0;
    std::vector<Entry> m_entries;
    std::basic_string<Char> m_text;
    std::size_t m_longestKey = 0;
};
