#include "translation/textdecoding.h"

#include <QStringDecoder>

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

QString dictionaryText(QByteArrayView bytes)
{
    const QByteArrayView body = bytes.startsWith(utf8ByteOrderMark) ? bytes.sliced(utf8ByteOrderMark.size()) : bytes;
    bool valid = false;
    QString text = fromUtf8(body, &valid);
    return valid ? text : fromWindows1252(bytes);
}

} // namespace TextDecoding
