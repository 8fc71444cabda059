#pragma once

// The translation done literally, step by step as Verbolet's design describes it: every
// dictionary line in turn, split at TAB, compared with every item after lower-casing both
// sides, the output built by appending and trimming item after item. It is slow on
// purpose and shares no code with the engine; tests and benchmarks measure the engine
// against it. The programs never use it.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <stdexcept>

namespace LiteralReference {

// The failure of a literal translation on a faulty dictionary.
struct DictionaryError final : std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline constexpr int LineCount = 1622;

inline QString trimSpaces(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin);
}

// Reads lines one by one as a sequential reader does: CR LF, a lone CR or a lone LF ends a
// line; a line end at the end of the file starts no further line.
inline QList<QByteArray> readLines(const QByteArray& bytes, int count)
{
    QList<QByteArray> lines;
    qsizetype pos = 0;
    while (lines.size() < count && pos < bytes.size()) {
        QByteArray line;
        while (pos < bytes.size() && bytes[pos] != '\r' && bytes[pos] != '\n')
            line += bytes[pos++];
        if (pos < bytes.size() && bytes[pos] == '\r') {
            ++pos;
            if (pos < bytes.size() && bytes[pos] == '\n')
                ++pos;
        } else if (pos < bytes.size()) {
            ++pos;
        }
        lines << line;
    }
    return lines;
}

inline bool isValidUtf8(const QByteArray& bytes)
{
    // Stateless: a sequence cut off at the end is an error rather than held for more bytes.
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    const QString decoded = utf8.decode(bytes); // decode() only decodes once its result is taken
    return !utf8.hasError();
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

// The lines read: all UTF-8 (a byte order mark at the start dropped) when every one of them
// is valid UTF-8, otherwise all Windows-1252.
inline QStringList decodeLines(QList<QByteArray> lines)
{
    QList<QByteArray> utf8 = lines;
    if (!utf8.isEmpty() && utf8.front().startsWith("\xEF\xBB\xBF"))
        utf8.front().remove(0, 3);
    const bool valid = std::all_of(utf8.begin(), utf8.end(), isValidUtf8);
    QStringList text;
    for (const QByteArray& line : valid ? utf8 : lines) {
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
        text << (valid ? QString(decoder.decode(line)) : fromWindows1252(line));
    }
    return text;
}

// Lines 1 to 1622 split at every TAB, failing where the literal procedure fails: at the
// first line that is missing or gives fewer than two fields.
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

// `boxText` is the input box's text after the appended space; `fields` are the dictionary's
// lines split by splitLines.
inline QString translateSplit(const QList<QStringList>& fields, const QString& boxText)
{
    QStringList items = boxText.split(u' ', Qt::KeepEmptyParts);
    QStringList loweredItems; // each item lower-cased, kept in step with the items
    for (const QString& item : items)
        loweredItems << item.toLower();
    for (const QStringList& line : fields) {
        const QString abbreviation = line[0].toLower();
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (loweredItems[i] == abbreviation) {
                items[i] = line[1];
                loweredItems[i] = items[i].toLower();
            }
        }
    }
    QString output;
    for (const QString& item : items)
        output = trimSpaces(output + u' ' + item);
    return output;
}

inline QString translate(const QStringList& dictionaryLines, const QString& boxText)
{
    return translateSplit(splitLines(dictionaryLines), boxText);
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
    return translate(readDictionary(path), boxText);
}

} // namespace LiteralReference
