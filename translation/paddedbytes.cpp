#include "translation/paddedbytes.h"

#include <algorithm>

void PaddedBytes::reserve(std::size_t capacity)
{
    if (m_data && capacity <= m_capacity)
        return;
    const std::size_t grown = std::max({capacity, 2 * m_capacity, std::size_t(256)});
    auto data = std::make_unique<char[]>(FrontPadding + grown + Padding); // zeroed, so the padding is never unset memory
    if (m_size > 0)
        std::memcpy(data.get() + FrontPadding, this->data(), m_size);
    m_data = std::move(data);
    m_capacity = grown;
}
