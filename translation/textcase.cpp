#include "translation/textcase.h"

namespace TextCase {

QString lower(QStringView text)
{
    QString scratch;
    const QStringView lowered = lower(text, scratch);
    return lowered.data() == text.data() ? text.toString() : scratch;
}

QStringView lower(QStringView text, QString& scratch)
{
    bool hasUpper = false;
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            scratch = text.toString().toLower();
            return scratch;
        }
        hasUpper |= c >= u'A' && c <= u'Z';
    }
    if (!hasUpper)
        return text;
    scratch.resize(text.size());
    QChar* out = scratch.data();
    for (const QChar c : text)
        *out++ = c >= u'A' && c <= u'Z' ? QChar(c.unicode() + (u'a' - u'A')) : c;
    return scratch;
}

} // namespace TextCase
