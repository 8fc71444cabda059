#include "translation/textcase.h"

namespace TextCase {

QStringView lower(QStringView text, QString& buffer)
{
    bool hasUpper = false;
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            buffer = text.toString().toLower();
            return buffer;
        }
        hasUpper = hasUpper || lowerAscii(c.unicode()) != c.unicode();
    }
    if (!hasUpper)
        return text;

    buffer.resize(text.size());
    QChar* out = buffer.data();
    for (const QChar c : text)
        *out++ = QChar(lowerAscii(c.unicode()));
    return buffer;
}

QString lower(QStringView text)
{
    QString buffer;
    return lower(text, buffer).toString();
}

} // namespace TextCase
