#include "translation/textdecoding.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace TextDecoding {

namespace {

// Bytes 0x80 to 0x9F of Windows-1252; the other bytes equal their Latin-1 code points.
constexpr std::array<char16_t, 32> windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr QByteArrayView utf8ByteOrderMark("\xEF\xBB\xBF");

} // namespace

QString fromUtf8(QByteArrayView bytes, bool* valid)
{
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (valid)
        *valid = !decoder.hasError();
    return text;
}

QString fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        *out++ = QChar(code >= 0x80 && code < 0xA0 ? windows1252High[code - 0x80] : char16_t(code));
    }
    return text;
}

namespace {

// Splits at CR LF, a lone CR and a lone LF, as the dictionary's lines are split; a line end
// is ASCII, so no UTF-8 sequence runs across one.
template <typename Each>
void forEachLine(QByteArrayView bytes, Each each)
{
    int number = 1;
    for (qsizetype start = 0; start < bytes.size(); ++number) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        each(number, bytes.sliced(start, end - start));
        start = end + (bytes.sliced(end).startsWith("\r\n") ? 2 : 1);
    }
}

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

DictionaryText dictionaryText(QByteArrayView bytes)
{
    DictionaryText read;
    read.byteOrderMark = bytes.startsWith(utf8ByteOrderMark);
    const QByteArrayView body = read.byteOrderMark ? bytes.sliced(utf8ByteOrderMark.size()) : bytes;
    bool valid = false;
    read.text = fromUtf8(body, &valid);
    if (valid)
        return read;
    read.encoding = DictionaryText::Encoding::Windows1252;
    read.text = fromWindows1252(body);
    forEachLine(body, [&](int number, QByteArrayView line) {
        bool lineValid = false;
        const QString asUtf8 = fromUtf8(line, &lineValid);
        if (!lineValid && read.firstNonUtf8Line == 0)
            read.firstNonUtf8Line = number;
        else if (lineValid && !isAscii(line))
            read.utf8Readings.emplace_back(number, asUtf8);
    });
    return read;
}

bool looksLikeUtf16(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return true;
    if (bytes.size() < 4)
        return false;
    const auto zero = [&](int at) { return bytes[at] == '\0'; };
    return (!zero(0) && zero(1) && !zero(2) && zero(3)) || (zero(0) && !zero(1) && zero(2) && !zero(3));
}

} // namespace TextDecoding
