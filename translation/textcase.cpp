#include "translation/textcase.h"

namespace TextCase {

QString lower(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return text.toString().toLower();
    }
    QString lowered = text.toString();
    for (QChar& c : lowered) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return lowered;
}

} // namespace TextCase
