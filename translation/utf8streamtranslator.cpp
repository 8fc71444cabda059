#include "translation/utf8streamtranslator.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Items and results are copied into the output as whole 16-byte blocks where they are short.
static_assert(Utf8ItemTranslator::Padding >= PaddedBytes::Padding);

// Where the first space or LF at or after `from` stands in `bytes`, or bytes.size(). Words
// are short, so the search looks at eight bytes at a time rather than branching on each.
std::size_t findSeparator(std::string_view bytes, std::size_t from)
{
    constexpr std::uint64_t ones = 0x0101010101010101;
    constexpr std::uint64_t low7 = ones * 0x7F;
    // Exactly the zero bytes of `v` get their high bit set; the others none.
    const auto zeroBytes = [](std::uint64_t v) { return ~(((v & low7) + low7) | v | low7); };

    std::size_t at = from;
    for (; at + 8 <= bytes.size(); at += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + at, sizeof word);
        const std::uint64_t found = zeroBytes(word ^ (ones * ' ')) | zeroBytes(word ^ (ones * '\n'));
        if (found != 0) {
            const int bit = std::endian::native == std::endian::little ? std::countr_zero(found) : std::countl_zero(found);
            return at + std::size_t(bit / 8);
        }
    }
    for (; at < bytes.size(); ++at) {
        if (bytes[at] == ' ' || bytes[at] == '\n')
            return at;
    }
    return bytes.size();
}

} // namespace

Utf8StreamTranslator::Utf8StreamTranslator(const Dictionary& dictionary)
    : m_items(dictionary)
{
}

std::string_view Utf8StreamTranslator::feed(std::string_view input)
{
    m_output.clear();
    m_input.append(input);
    if (m_atStreamStart) {
        if (m_input.size() < ByteOrderMark.size() && ByteOrderMark.starts_with(m_input.view()))
            return {};
        m_atStreamStart = false;
        if (m_input.view().starts_with(ByteOrderMark))
            m_input.eraseFront(ByteOrderMark.size());
    }
    translateItems();
    return m_output.view();
}

std::string_view Utf8StreamTranslator::finish()
{
    m_output.clear();
    m_atStreamStart = false;
    translateItems();
    if (m_lineOpen || m_input.size() > 0)
        endLine(m_input.view());
    m_input.clear();
    return m_output.view();
}

// Translates every item that the input completes and keeps the start of the next one.
void Utf8StreamTranslator::translateItems()
{
    const std::string_view input = m_input.view();
    std::size_t start = 0;
    for (std::size_t end = findSeparator(input, start); end < input.size(); end = findSeparator(input, start)) {
        const std::string_view item = input.substr(start, end - start);
        if (input[end] == ' ')
            endItem(item);
        else
            endLine(item);
        start = end + 1;
    }
    m_input.eraseFront(start);
}

void Utf8StreamTranslator::endItem(std::string_view item)
{
    // Every piece is part of an item or a result, so it has its padding.
    const std::string_view result = m_items.translate(item);
    m_joiner.append(m_output, result.data(), result.size());
    m_lineOpen = true;
}

void Utf8StreamTranslator::endLine(std::string_view item)
{
    if (item.ends_with('\r'))
        item.remove_suffix(1);
    endItem(item);
    endItem({m_input.data(), 0}); // the item after the space that Translate appends
    m_output.push_back('\n');
    m_joiner.startLine();
    m_lineOpen = false;
}
