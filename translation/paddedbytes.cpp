#include "translation/paddedbytes.h"

#include <algorithm>

PaddedBytes::PaddedBytes()
{
    grow(0);
}

void PaddedBytes::eraseFront(std::size_t count)
{
    if (count == 0)
        return;
    std::memmove(m_data.get(), m_data.get() + count, m_size - count);
    m_size -= count;
}

void PaddedBytes::grow(std::size_t needed)
{
    const std::size_t capacity = std::max(needed + Padding, std::max<std::size_t>(2 * m_capacity, 256));
    auto data = std::make_unique<char[]>(capacity); // zeroed, so the padding is never unset memory
    if (m_size > 0)
        std::memcpy(data.get(), m_data.get(), m_size);
    m_data = std::move(data);
    m_capacity = capacity;
}
