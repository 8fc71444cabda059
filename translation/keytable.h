#pragma once

#include "translation/itemfilter.h"
#include "translation/keyhash.h"
#include "translation/select.h"

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The dictionary's look-up table in UTF-8: each distinct lower-cased abbreviation to the
// piece of output that an item matching it ends as (the expansion at the end of its chain).
//
// In front, a filter of one bit for each value of a hash's top 16 bits, set where a key has
// it: 8 KiB that stay in the nearest cache and turn away nearly every word that is no key,
// for text where few words are keys.
//
// Behind it, cuckoo hashing: every key sits in one of two slots that its hash names, so a
// look-up reads both and compares both, with no loop and no branch on which it is. A
// slot holds the number of a piece. A key of up to ShortKeyMax bytes is settled by one word,
// its tag: the key's bytes, zero bytes after them, and its length in the top byte, kept
// beside each slot so that a look-up compares it before it reads any piece. A longer key is
// settled by its whole hash, kept beside the pieces (no two keys share a hash), and then its
// bytes.
class KeyTable final {
public:
    // Readable bytes after every piece's text and every key.
    static constexpr std::size_t Padding = 64;

    // A key's second slot is read from the hash's middle bits, the first from its top bits.
    static constexpr int SecondShift = 32;
    // The filter has a bit for each value of the hash's top FilterBits bits.
    static constexpr int FilterBits = 16;

    // Lower-casing can shrink text: the Kelvin sign (three bytes) becomes "k" (one). No code
    // point shrinks more, and an invalid byte becomes U+FFFD (three bytes), so an item longer
    // than MaxShrink times the longest key matches nothing.
    static constexpr std::size_t MaxShrink = 3;

    // The longest key that a tag holds: a tag's top byte is the length.
    static constexpr std::size_t ShortKeyMax = 7;
    static constexpr std::uint64_t tag(std::uint64_t word, std::size_t length) { return word | std::uint64_t(length) << 56; }
    // No item's tag: its length would be 255.
    static constexpr std::uint64_t NoTag = UINT64_MAX;

    // What an item turns into, as the joining of a line needs it: `length` bytes of `text`,
    // its trailing spaces already cut, the first `leadingSpaces` of them spaces.
    struct Piece final {
        const char* text = nullptr;
        std::uint32_t length = 0;
        std::uint32_t leadingSpaces = 0;
        std::uint64_t tag = NoTag;    // the key's tag, or NoTag for a longer key
        std::uint32_t keyLength = UINT32_MAX;
        std::uint32_t keyOffset = 0;  // where the key stands in the table's text
    };

    // Each key (all distinct, lower-cased) with the text an item matching it ends as.
    explicit KeyTable(const std::vector<std::pair<std::string, std::string>>& keysAndTexts);
    KeyTable(const KeyTable&) = delete; // pieces point into the table's own text
    KeyTable& operator=(const KeyTable&) = delete;

    // What a look-up of a short key needs, as a value that a translator keeps in registers
    // (the table's own members would be read again after every byte it writes).
    struct ShortKeys final {
        const std::uint64_t* filter = nullptr;
        const std::uint16_t* slotPieces = nullptr;
        const std::uint64_t* slotTags = nullptr;
        const Piece* pieces = nullptr;
        std::uint64_t seed = 0;
        int shift = 0;
        std::size_t mask = 0;
        // Whether the filter is asked first: worth a branch where words are seldom keys, a
        // loss where they often are (the branch could not be foretold).
        bool filtered = true;
        bool plainKeys = false; // see keysArePlain()

        // The piece for the tag of a lower-cased key of up to ShortKeyMax bytes; noMatch()
        // when no key matches. Chosen without a branch. The hash is the key's KeyHash: with
        // the top byte of the word zero, the length lands where KeyHash::first puts it.
        const Piece* find(std::uint64_t tag) const
        {
            const std::uint64_t hash = KeyHash::mix(seed, tag);
            if (filtered && !passes(filter, hash))
                return pieces;
            const std::size_t first = std::size_t(hash >> shift);
            const std::size_t second = std::size_t(hash >> SecondShift) & mask;
            std::size_t piece = 0; // noMatch(); a key is in one slot at most
            piece = selectIfEqual(slotTags[first], tag, std::size_t(slotPieces[first]), piece);
            piece = selectIfEqual(slotTags[second], tag, std::size_t(slotPieces[second]), piece);
            return pieces + piece;
        }
    };

    // Whether a key may have `hash`: false for nearly every hash that no key has.
    static bool passes(const std::uint64_t* filter, std::uint64_t hash)
    {
        return (filter[hash >> (64 - FilterBits + 6)] >> (hash >> (64 - FilterBits) & 63) & 1) != 0;
    }

    ShortKeys shortKeys() const
    {
        return {m_filter.data(), m_slots.data(), m_slotTags.data(), m_pieces.data(), m_seed, m_shift, m_mask, true, m_plainKeys};
    }

    // Whether any key may have the KeyHash `hash`: false for nearly every word that is no key.
    bool mayHave(std::uint64_t hash) const { return passes(m_filter.data(), hash); }

    // What ItemFilter's first look at an item needs (see there).
    const std::uint8_t* foldedFilter() const { return m_foldedFilter.data(); }
    ItemFilter::Keys firstLook() const { return ItemFilter::Keys::of(foldedFilter(), m_plainKeys); }

    // Whether every key is plain ASCII: then an item that is not matches only if it holds a
    // Kelvin sign, the byte E2 (see ItemFilter).
    bool keysArePlain() const { return m_plainKeys; }

    // The same for any lower-cased key followed by at least eight readable bytes.
    const Piece* find(const char* key, std::size_t length, std::uint64_t hash) const;
    const Piece* find(std::string_view key) const;

    // What a look-up gives when no key matches: a piece that matches no key.
    const Piece* noMatch() const { return m_pieces.data(); }

    // The piece of the empty key, or noMatch(): every empty item becomes it.
    const Piece* emptyItemPiece() const { return shortKeys().find(tag(0, 0)); }

    // Where the KeyHash of a look-up starts, in place of KeyHash::Start.
    std::uint64_t seed() const { return m_seed; }

    std::size_t longestKey() const { return m_longestKey; }
    std::size_t longestMatchable() const { return m_longestKey * MaxShrink; }

private:
    std::size_t firstSlot(std::uint64_t hash) const { return std::size_t(hash >> m_shift); }
    std::size_t secondSlot(std::uint64_t hash) const { return std::size_t(hash >> SecondShift) & m_mask; }
    bool place(std::size_t piece);
    bool hashesDistinct() const;
    void fillFoldedFilter();
    void markSpellings(std::string spelled, std::string_view rest);

    std::vector<std::uint16_t> m_slots; // numbers of pieces; 0, noMatch(), where free
    std::vector<std::uint64_t> m_slotTags; // the tag of each slot's piece, read without the piece
    std::size_t m_mask = 0;
    std::uint64_t m_seed = KeyHash::Start;
    int m_bits = 0;
    int m_shift = 0;
    std::vector<Piece> m_pieces; // noMatch(), then one piece for each key
    std::vector<std::uint64_t> m_hashes; // each piece's key's hash
    std::vector<std::uint64_t> m_filter = std::vector<std::uint64_t>(std::size_t(1) << (FilterBits - 6));
    std::vector<std::uint8_t> m_foldedFilter = std::vector<std::uint8_t>(ItemFilter::TableSize);
    std::string m_text;          // keys and texts, then Padding zero bytes
    std::size_t m_longestKey = 0;
    bool m_plainKeys = true;
};
