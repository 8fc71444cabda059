#include "translation/dictionaryparser.h"

#include "translation/dictionaryformat.h"

#include <optional>

namespace DictionaryParser {

namespace {

constexpr QChar Tab = u'\t';

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

std::optional<DictionaryEntry> parseLine(QStringView line)
{
    const qsizetype firstTab = line.indexOf(Tab);
    if (firstTab < 0)
        return std::nullopt;
    const QStringView rest = line.sliced(firstTab + 1);
    const qsizetype secondTab = rest.indexOf(Tab);
    return DictionaryEntry{line.first(firstTab).toString(),
                           (secondTab < 0 ? rest : rest.first(secondTab)).toString(),
                           int(line.count(Tab)) + 1};
}

} // namespace

std::variant<std::vector<DictionaryEntry>, DictionaryFault> parse(QStringView text, const QString& path)
{
    std::vector<DictionaryEntry> entries;
    entries.reserve(DictionaryFormat::LineCount);
    qsizetype pos = 0;
    while (int(entries.size()) < DictionaryFormat::LineCount && pos < text.size()) {
        qsizetype end = pos;
        while (end < text.size() && !isLineEnd(text[end]))
            ++end;
        const QStringView line = text.sliced(pos, end - pos);
        auto entry = parseLine(line);
        if (!entry)
            return DictionaryFault::noTab(path, int(entries.size()) + 1, line.isEmpty());
        entries.push_back(std::move(*entry));

        pos = end;
        if (pos < text.size())
            pos += text.sliced(pos).startsWith(u"\r\n") ? 2 : 1;
    }
    if (int(entries.size()) < DictionaryFormat::LineCount)
        return DictionaryFault::tooFewLines(path, int(entries.size()));
    return entries;
}

} // namespace DictionaryParser
