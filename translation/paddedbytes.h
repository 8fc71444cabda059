#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

// A growable run of bytes that always has Padding readable bytes after its end, so that short
// pieces can be read and written as whole words and blocks without checking their length,
// and one zero byte before its start, so that the byte before any position can be read.
class PaddedBytes final {
public:
    static constexpr std::size_t Padding = 64;
    static constexpr std::size_t FrontPadding = 1;

    PaddedBytes() { reserve(0); }

    char* data() { return m_data.get() + FrontPadding; }
    const char* data() const { return m_data.get() + FrontPadding; }
    std::size_t size() const { return m_size; }
    std::size_t capacity() const { return m_capacity; }
    std::string_view view() const { return {data(), m_size}; }

    void clear() { m_size = 0; }

    // Makes room for `capacity` bytes and the padding; the bytes kept stay.
    void reserve(std::size_t capacity);

    // Grows or shrinks to `size` bytes; new bytes are left as they are.
    void resize(std::size_t size)
    {
        reserve(size);
        m_size = size;
    }

    void append(std::string_view bytes)
    {
        reserve(m_size + bytes.size());
        std::memcpy(data() + m_size, bytes.data(), bytes.size());
        m_size += bytes.size();
    }

    // Drops the first `count` bytes.
    void eraseFront(std::size_t count)
    {
        std::memmove(data(), data() + count, m_size - count);
        m_size -= count;
    }

private:
    std::unique_ptr<char[]> m_data;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0; // not counting the padding
};
