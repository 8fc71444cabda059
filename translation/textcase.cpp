#include "translation/textcase.h"

namespace TextCase {

namespace {

constexpr bool isAsciiUpper(char16_t c)
{
    return c >= u'A' && c <= u'Z';
}

} // namespace

QStringView lower(QStringView text, QString& buffer)
{
    bool hasUpper = false;
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            buffer = text.toString().toLower();
            return buffer;
        }
        hasUpper = hasUpper || isAsciiUpper(c.unicode());
    }
    if (!hasUpper)
        return text;

    buffer.resize(text.size());
    QChar* out = buffer.data();
    for (const QChar c : text)
        *out++ = isAsciiUpper(c.unicode()) ? QChar(char16_t(c.unicode() + (u'a' - u'A'))) : c;
    return buffer;
}

QString lower(QStringView text)
{
    QString buffer;
    return lower(text, buffer).toString();
}

} // namespace TextCase
