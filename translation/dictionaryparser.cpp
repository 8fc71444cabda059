#include "translation/dictionaryparser.h"

#include "translation/dictionaryformat.h"

namespace DictionaryParser {

std::variant<std::vector<DictionaryEntry>, DictionaryFault> parse(QStringView text, const QString& path)
{
    std::vector<DictionaryEntry> entries;
    entries.reserve(DictionaryFormat::LineCount);
    const char16_t* const chars = text.utf16();
    const qsizetype size = text.size();
    qsizetype pos = 0;
    while (int(entries.size()) < DictionaryFormat::LineCount && pos < size) {
        // One pass over the line finds its end, its first two TABs and how many there are.
        qsizetype firstTab = -1;
        qsizetype secondTab = -1;
        int tabs = 0;
        qsizetype end = pos;
        for (; end < size; ++end) {
            const char16_t c = chars[end];
            if (c > u'\r') // past TAB, LF and CR: nearly every character
                continue;
            if (c == u'\r' || c == u'\n')
                break;
            if (c == u'\t') {
                if (tabs == 0)
                    firstTab = end;
                else if (tabs == 1)
                    secondTab = end;
                ++tabs;
            }
        }
        if (tabs == 0)
            return DictionaryFault::noTab(path, int(entries.size()) + 1, end == pos);
        const qsizetype expansionEnd = tabs == 1 ? end : secondTab;
        entries.push_back({text.sliced(pos, firstTab - pos), text.sliced(firstTab + 1, expansionEnd - firstTab - 1), tabs + 1});

        pos = end;
        if (pos < size)
            pos += chars[pos] == u'\r' && pos + 1 < size && chars[pos + 1] == u'\n' ? 2 : 1;
    }
    if (int(entries.size()) < DictionaryFormat::LineCount)
        return DictionaryFault::tooFewLines(path, int(entries.size()));
    return entries;
}

} // namespace DictionaryParser
