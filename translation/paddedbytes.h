#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

// A growable run of bytes that always has Padding readable bytes after its end, so that
// short pieces can be read and written as whole words without checking their length.
class PaddedBytes final {
public:
    static constexpr std::size_t Padding = 16;

    PaddedBytes();

    const char* data() const { return m_data.get(); }
    std::size_t size() const { return m_size; }
    std::string_view view() const { return {m_data.get(), m_size}; }

    void clear() { m_size = 0; }

    void push_back(char byte)
    {
        makeRoomFor(1);
        m_data[m_size++] = byte;
    }

    void append(std::string_view bytes)
    {
        makeRoomFor(bytes.size());
        std::memcpy(m_data.get() + m_size, bytes.data(), bytes.size());
        m_size += bytes.size();
    }

    // Appends a space when `spaceBefore` is set, then `piece`, which must be followed by
    // Padding readable bytes of its own (as the bytes of another PaddedBytes are): a short
    // piece is copied as one 16-byte block, and the space costs no branch.
    void appendPiece(bool spaceBefore, const char* piece, std::size_t size)
    {
        makeRoomFor(size + 1);
        char* out = m_data.get() + m_size; // a local: stores through `out` could alias m_size
        *out = ' ';
        out += spaceBefore;
        if (size <= Padding)
            std::memcpy(out, piece, Padding);
        else
            std::memcpy(out, piece, size);
        m_size += std::size_t(spaceBefore) + size;
    }

    // Drops the first `count` bytes.
    void eraseFront(std::size_t count);

private:
    void makeRoomFor(std::size_t extra)
    {
        if (m_size + extra + Padding > m_capacity)
            grow(m_size + extra);
    }
    void grow(std::size_t needed);

    std::unique_ptr<char[]> m_data;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};
