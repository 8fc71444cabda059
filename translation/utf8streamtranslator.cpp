#include "translation/utf8streamtranslator.h"

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

} // namespace

Utf8StreamTranslator::Utf8StreamTranslator(const Dictionary& dictionary)
    : m_items(dictionary)
{
}

void Utf8StreamTranslator::feed(std::string_view input, std::string& output)
{
    if (!m_atStreamStart) {
        consume(input, output);
        return;
    }
    m_streamStart.append(input);
    if (m_streamStart.size() < ByteOrderMark.size() && ByteOrderMark.starts_with(m_streamStart))
        return;
    m_atStreamStart = false;
    const std::string start = std::move(m_streamStart);
    m_streamStart.clear();
    consume(std::string_view(start).substr(start.starts_with(ByteOrderMark) ? ByteOrderMark.size() : 0), output);
}

void Utf8StreamTranslator::finish(std::string& output)
{
    if (m_atStreamStart) {
        m_atStreamStart = false;
        consume(m_streamStart, output);
    }
    if (m_lineOpen) {
        const std::string lastItem = std::move(m_pendingItem);
        m_pendingItem.clear();
        endLine(lastItem, output);
    }
}

void Utf8StreamTranslator::consume(std::string_view input, std::string& output)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < input.size(); ++i) {
        const char c = input[i];
        if (c != ' ' && c != '\n')
            continue;
        std::string_view item = input.substr(start, i - start);
        if (!m_pendingItem.empty()) {
            m_pendingItem.append(item);
            item = m_pendingItem;
        }
        if (c == ' ')
            endItem(item, output);
        else
            endLine(item, output);
        m_pendingItem.clear();
        start = i + 1;
        m_lineOpen = c == ' ';
    }
    if (start < input.size()) {
        m_pendingItem.append(input.substr(start));
        m_lineOpen = true;
    }
}

void Utf8StreamTranslator::endItem(std::string_view item, std::string& output)
{
    const std::string_view result = m_items.translate(item);
    m_joiner.append(output, result.data(), result.size());
}

void Utf8StreamTranslator::endLine(std::string_view lastItem, std::string& output)
{
    if (lastItem.ends_with('\r'))
        lastItem.remove_suffix(1);
    endItem(lastItem, output);
    endItem({}, output); // the item after the space that Translate appends
    output.push_back('\n');
    m_joiner.startLine();
    m_lineOpen = false;
}
