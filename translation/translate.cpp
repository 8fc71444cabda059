#include "translation/translate.h"

#include "translation/bytetranslator.h"
#include "translation/textcase.h"
#include "translation/textdecoding.h"

namespace {

// Text with a lone surrogate, which no keyboard types but a program can set: UTF-8 has no
// form for it (Qt writes '?'), so such text goes item by item. An item that holds one matches
// nothing, since every key is valid text; the others are looked up in the same table.
QString translateItemByItem(const KeyTable& table, QStringView boxText)
{
    QString output;
    for (const QStringView item : boxText.tokenize(u' ')) {
        const QByteArray key = item.isValidUtf16() ? TextCase::lower(item).toUtf8() : QByteArray();
        const KeyTable::Piece* piece = table.find(std::string_view(key.constData(), std::size_t(key.size())));
        if (!item.isValidUtf16() || piece == table.noMatch())
            piece = nullptr;
        const QString text = piece ? QString::fromUtf8(piece->text, piece->length) : item.toString();
        const qsizetype leadingSpaces = piece && output.isEmpty() ? piece->leadingSpaces : 0;
        if (text.size() > leadingSpaces)
            output += (output.isEmpty() ? QString() : QStringLiteral(" ")) + text.sliced(leadingSpaces);
    }
    return output;
}

} // namespace

// The box's text goes through the one translation core as UTF-8, in the mode where only
// spaces separate items.
QString translate(const Dictionary& dictionary, QStringView boxText)
{
    if (!boxText.isValidUtf16())
        return translateItemByItem(dictionary.index().table(), boxText);
    const QByteArray bytes = boxText.toUtf8();
    ByteTranslator translator(dictionary, ByteTranslator::Mode::OneText);
    translator.append(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    translator.end();
    const std::string_view output = translator.output();
    return TextDecoding::fromUtf8(QByteArrayView(output.data(), qsizetype(output.size())));
}
