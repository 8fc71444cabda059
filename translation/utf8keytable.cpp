#include "translation/utf8keytable.h"

#include <algorithm>
#include <bit>

Utf8KeyTable::Utf8KeyTable(const Pairs& pairs)
{
    std::size_t textSize = 0;
    for (const auto& [key, value] : pairs)
        textSize += key.size() + value.size();
    m_text.reserve(textSize); // never reallocates below, so the views stay valid

    m_slots.resize(std::bit_ceil(std::max<std::size_t>(16, pairs.size() * 2)));
    m_mask = m_slots.size() - 1;
    for (const auto& [key, value] : pairs) {
        const std::size_t keyAt = m_text.size();
        m_text += key;
        const std::size_t valueAt = m_text.size();
        m_text += value;

        const std::uint64_t keyHash = hash(key);
        std::size_t at = keyHash & m_mask;
        while (m_slots[at].used)
            at = (at + 1) & m_mask;
        m_slots[at] = {keyHash, std::string_view(m_text).substr(keyAt, key.size()),
                       std::string_view(m_text).substr(valueAt, value.size()), true};
        m_longestKey = std::max(m_longestKey, key.size());
    }
}

std::uint64_t Utf8KeyTable::hash(std::string_view key)
{
    std::uint64_t result = HashStart;
    for (const char c : key)
        result = hashStep(result, static_cast<unsigned char>(c));
    return result;
}

const std::string_view* Utf8KeyTable::find(std::string_view key, std::uint64_t keyHash) const
{
    for (std::size_t at = keyHash & m_mask; m_slots[at].used; at = (at + 1) & m_mask) {
        const Slot& slot = m_slots[at];
        if (slot.hash == keyHash && slot.key == key)
            return &slot.value;
    }
    return nullptr;
}
