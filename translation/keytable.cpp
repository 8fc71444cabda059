#include "translation/keytable.h"

#include <algorithm>
#include <stdexcept>

namespace {

bool equalPadded(const char* a, const char* b, std::size_t size)
{
    for (; size >= 8; size -= 8, a += 8, b += 8) {
        if (KeyHash::word(a) != KeyHash::word(b))
            return false;
    }
    return ((KeyHash::word(a) ^ KeyHash::word(b)) & KeyHash::firstBytes(size)) == 0;
}

} // namespace

KeyTable::KeyTable(const std::vector<std::pair<std::string, std::string>>& keysAndTexts)
    : m_pieces(1)
{
    // The text first, whole, so that the pieces can point into it.
    std::size_t textSize = Padding;
    for (const auto& [key, text] : keysAndTexts)
        textSize += key.size() + text.size();
    m_text.reserve(textSize);
    std::vector<std::pair<std::size_t, std::size_t>> offsets;
    offsets.reserve(keysAndTexts.size());
    for (const auto& [key, text] : keysAndTexts) {
        offsets.emplace_back(m_text.size(), m_text.size() + key.size());
        m_text += key;
        m_text += text;
        m_longestKey = std::max(m_longestKey, key.size());
        m_plainKeys = m_plainKeys && std::all_of(key.begin(), key.end(), [](char c) { return (c & 0x80) == 0; });
    }
    m_text.append(Padding, '\0');
    m_pieces.front().text = m_text.data();
    if (keysAndTexts.size() >= UINT16_MAX)
        throw std::length_error("too many keys for the look-up table");

    m_pieces.reserve(keysAndTexts.size() + 1);
    m_hashes.reserve(keysAndTexts.size() + 1);
    for (std::size_t i = 0; i < keysAndTexts.size(); ++i) {
        const auto& [key, text] = keysAndTexts[i];
        const std::size_t kept = text.find_last_not_of(' ') + 1; // 0 when only spaces
        const std::size_t leading = std::min(text.find_first_not_of(' '), kept);
        m_pieces.push_back({m_text.data() + offsets[i].second, std::uint32_t(kept), std::uint32_t(leading),
                            key.size() <= ShortKeyMax ? tag(KeyHash::chunk(key.data(), key.size()), key.size()) : NoTag,
                            std::uint32_t(key.size()),
                            std::uint32_t(offsets[i].first)});
    }

    // At most one key in four slots, where cuckoo hashing nearly always succeeds; where it
    // does not, another seed and, now and then, a table twice the size.
    int bits = 6;
    while ((std::size_t(1) << bits) < 4 * keysAndTexts.size())
        ++bits;
    for (int attempt = 0;; ++attempt) {
        m_bits = std::min(bits + attempt / 4, 20);
        m_seed = KeyHash::Start + std::uint64_t(attempt) * 0x9E3779B97F4A7C15ull;
        m_slots.assign(std::size_t(1) << m_bits, 0);
        m_mask = m_slots.size() - 1;
        m_shift = 64 - m_bits;
        m_hashes.assign(1, 0);
        for (std::size_t i = 1; i < m_pieces.size(); ++i)
            m_hashes.push_back(KeyHash::of(std::string_view(m_text.data() + m_pieces[i].keyOffset, m_pieces[i].keyLength), m_seed));
        std::size_t piece = 1;
        while (piece < m_pieces.size() && place(piece))
            ++piece;
        if (piece < m_pieces.size() || !hashesDistinct())
            continue;
        std::fill(m_filter.begin(), m_filter.end(), 0);
        for (const std::uint64_t hash : m_hashes)
            m_filter[hash >> (64 - FilterBits + 6)] |= std::uint64_t(1) << (hash >> (64 - FilterBits) & 63);
        fillFoldedFilter();
        for (const std::uint16_t slotPiece : m_slots)
            m_slotTags.push_back(m_pieces[slotPiece].tag);
        return;
    }
}

void KeyTable::fillFoldedFilter()
{
    m_foldedFilter[ItemFilter::indexOf(m_text.data(), 0)] = 1; // the empty item, and every item too long for the look
    for (std::size_t i = 1; i < m_pieces.size(); ++i)
        markSpellings({}, std::string_view(m_text.data() + m_pieces[i].keyOffset, m_pieces[i].keyLength));
}

// Marks the key `spelled` + `rest` in the first look's table, in every spelling of up to
// FoldedBytes bytes where any of the k's of `rest` is a Kelvin sign (a longer item is kept
// whatever it is).
void KeyTable::markSpellings(std::string spelled, std::string_view rest)
{
    if (spelled.size() + rest.size() > ItemFilter::FoldedBytes)
        return;
    const std::size_t k = rest.find('k');
    if (k == std::string_view::npos) {
        spelled += rest;
        const std::size_t length = spelled.size();
        spelled.resize(ItemFilter::FoldedBytes, '\0'); // the look reads FoldedBytes bytes
        m_foldedFilter[ItemFilter::indexOf(spelled.data(), length)] = 1;
        return;
    }
    spelled += rest.substr(0, k);
    markSpellings(spelled + 'k', rest.substr(k + 1));
    markSpellings(spelled + std::string(ItemFilter::KelvinSign), rest.substr(k + 1));
}

// Once every piece is placed: two keys with one hash have the same two slots, so they can
// both be placed only as one in each. Comparing each key's hash with that of the piece in its
// other slot therefore finds every shared hash, with no copy and no sort.
bool KeyTable::hashesDistinct() const
{
    for (std::size_t piece = 1; piece < m_pieces.size(); ++piece) {
        const std::uint64_t hash = m_hashes[piece];
        const std::size_t first = m_slots[firstSlot(hash)];
        const std::size_t other = first == piece ? m_slots[secondSlot(hash)] : first;
        if (other != 0 && other != piece && m_hashes[other] == hash)
            return false;
    }
    return true;
}

// Puts a piece into one of its key's two slots, moving the pieces in its way to their other
// slots; false when that goes round in circles. A piece moved out goes on to its other slot,
// never back to the one it was moved out of.
bool KeyTable::place(std::size_t piece)
{
    std::size_t left = SIZE_MAX; // the slot the piece in hand was moved out of
    for (int moves = 0; moves < 500; ++moves) {
        const std::uint64_t hash = m_hashes[piece];
        const std::size_t first = firstSlot(hash);
        const std::size_t second = secondSlot(hash);
        for (const std::size_t slot : {first, second}) {
            if (m_slots[slot] == 0) {
                m_slots[slot] = std::uint16_t(piece);
                return true;
            }
        }
        left = left == first ? second : first;
        piece = std::exchange(m_slots[left], std::uint16_t(piece));
    }
    return false;
}

const KeyTable::Piece* KeyTable::find(const char* key, std::size_t length, std::uint64_t hash) const
{
    if (length <= ShortKeyMax)
        return shortKeys().find(tag(KeyHash::word(key) & KeyHash::firstBytes(length), length));
    for (const std::size_t slot : {firstSlot(hash), secondSlot(hash)}) {
        const Piece* const piece = &m_pieces[m_slots[slot]];
        if (m_hashes[m_slots[slot]] == hash && piece->keyLength == length && equalPadded(key, m_text.data() + piece->keyOffset, length))
            return piece;
    }
    return noMatch();
}

const KeyTable::Piece* KeyTable::find(std::string_view key) const
{
    std::string padded(key);
    padded.append(8, '\0');
    return find(padded.data(), key.size(), KeyHash::of(key, m_seed));
}
