#pragma once

// The translation done literally: every line in turn, split at TAB, compared with every item,
// both lower-cased, the output appended and trimmed item by item. Slow on purpose and sharing no
// code with the engine, it is what tests, benchmarks and fuzzers measure the engine against.

#include <QFile>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace LiteralReference {

struct DictionaryError final : std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline constexpr int LineCount = 1622;

// CR LF, a lone CR or a lone LF ends a line; a line end at the end starts no further line.
inline QList<QByteArray> readLines(const QByteArray& bytes, int count)
{
    QList<QByteArray> lines;
    qsizetype pos = 0;
    while (lines.size() < count && pos < bytes.size()) {
        QByteArray line;
        while (pos < bytes.size() && bytes[pos] != '\r' && bytes[pos] != '\n')
            line += bytes[pos++];
        if (pos < bytes.size() && bytes[pos++] == '\r' && pos < bytes.size() && bytes[pos] == '\n')
            ++pos;
        lines << line;
    }
    return lines;
}

inline QString fromWindows1252(const QByteArray& bytes)
{
    static const char16_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text;
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        text += QChar(code >= 0x80 && code < 0xA0 ? high[code - 0x80] : char16_t(code));
    }
    return text;
}

// All lines UTF-8 (a byte order mark at the start dropped) when every one of them is valid
// UTF-8, otherwise all Windows-1252; but a file that begins with the mark and is not UTF-8 is
// refused, and so is UTF-16 (its mark, or two characters whose other byte is zero).
inline QStringList decodeLines(QList<QByteArray> lines)
{
    const QByteArray start = lines.isEmpty() ? QByteArray() : lines.front().left(4);
    const auto zeros = [&](int a, int b) { return start.size() == 4 && !start[a] && !start[b] && start[3 - a] && start[3 - b]; };
    if (start.startsWith("\xFF\xFE") || start.startsWith("\xFE\xFF") || zeros(1, 3) || zeros(0, 2))
        throw DictionaryError("UTF-16");
    QList<QByteArray> utf8 = lines;
    const bool marked = !utf8.isEmpty() && utf8.front().startsWith("\xEF\xBB\xBF");
    if (marked)
        utf8.front().remove(0, 3);
    const bool valid = std::all_of(utf8.begin(), utf8.end(), [](const QByteArray& line) {
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString decoded = decoder.decode(line); // decode() only decodes once its result is taken
        return !decoder.hasError();
    });
    if (marked && !valid)
        throw DictionaryError("marked as UTF-8, but not UTF-8");
    QStringList text;
    for (const QByteArray& line : valid ? utf8 : lines) // a BOM inside the text is kept
        text << (valid ? QString(QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom).decode(line)) : fromWindows1252(line));
    return text;
}

// Lines 1 to 1622 split at every TAB; fails at the first that is missing or has no TAB.
inline QList<QStringList> splitLines(const QStringList& dictionaryLines)
{
    QList<QStringList> split;
    for (int number = 1; number <= LineCount; ++number) {
        if (number > dictionaryLines.size())
            throw DictionaryError("input past end of file");
        split << dictionaryLines[number - 1].split(u'\t');
        if (split.back().size() < 2)
            throw DictionaryError("line without a TAB");
    }
    return split;
}

// Every line applied in turn to every item; what each item ends as, nothing where no line matched it.
inline QList<std::optional<QString>> applyLines(const QList<QStringList>& fields, const QStringList& items)
{
    QList<std::optional<QString>> results(items.size());
    QStringList loweredItems; // kept in step with the items
    for (const QString& item : items)
        loweredItems << item.toLower();
    for (const QStringList& line : fields) {
        const QString abbreviation = line[0].toLower();
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (loweredItems[i] == abbreviation) {
                results[i] = line[1];
                loweredItems[i] = line[1].toLower();
            }
        }
    }
    return results;
}

// The pieces appended one by one after a space, spaces trimmed from both ends after each.
template <typename Text, typename Char>
Text joinTrimmed(const QList<Text>& pieces, Char space)
{
    Text output;
    for (const Text& piece : pieces) {
        output += space;
        output += piece;
        while (output.startsWith(space))
            output.remove(0, 1);
        while (output.endsWith(space))
            output.chop(1);
    }
    return output;
}

// `boxText` is the input box's text after the appended space.
inline QString translateSplit(const QList<QStringList>& fields, const QString& boxText)
{
    const QStringList items = boxText.split(u' ');
    const auto results = applyLines(fields, items);
    QStringList pieces;
    for (qsizetype i = 0; i < items.size(); ++i)
        pieces << results[i].value_or(items[i]);
    return joinTrimmed(pieces, u' ');
}

// verbolet-translate's output: each line (up to an LF; a CR before it or at the very end is
// part of the line end) translated as the box's text, each item decoded from UTF-8 to be
// matched but written as it came unless a line matched it, the line end kept; a byte order
// mark at the start written out and no part of the first item.
inline QByteArray translateStream(const QList<QStringList>& fields, QByteArray input)
{
    QByteArray output = input.startsWith("\xEF\xBB\xBF") ? "\xEF\xBB\xBF" : "";
    input.remove(0, output.size());
    while (!input.isEmpty()) {
        const qsizetype end = input.indexOf('\n');
        QByteArray line = end < 0 ? input : input.first(end);
        QByteArray lineEnd = end < 0 ? "" : "\n";
        input.remove(0, end < 0 ? input.size() : end + 1);
        if (line.endsWith('\r')) {
            line.chop(1);
            lineEnd.prepend('\r');
        }
        const QList<QByteArray> rawItems = (line + ' ').split(' ');
        QStringList items;
        for (const QByteArray& raw : rawItems)
            items << QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom).decode(raw);
        const auto results = applyLines(fields, items);
        QList<QByteArray> pieces;
        for (qsizetype i = 0; i < items.size(); ++i)
            pieces << (results[i] ? results[i]->toUtf8() : rawItems[i]);
        output += joinTrimmed(pieces, ' ') + lineEnd;
    }
    return output;
}

inline QStringList readDictionary(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DictionaryError("cannot open the dictionary");
    return decodeLines(readLines(file.readAll(), LineCount));
}

inline QString translateFile(const QString& path, const QString& boxText)
{
    return translateSplit(splitLines(readDictionary(path)), boxText);
}

} // namespace LiteralReference
