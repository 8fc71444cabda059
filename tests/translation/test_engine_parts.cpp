#include "dictionaryfiles.h"
#include "translation/bytetranslator.h"
#include "translation/keytable.h"
#include "translation/textcase.h"

// An item is passed through unmatched, without being held, once it is longer than the longest
// key times KeyTable::MaxShrink: no code point may shrink more than that when lower-cased.
TEST(KeyTable, NoCodePointShrinksMoreThanTheBoundAllows)
{
    for (char32_t code = 0x80; code <= 0x10FFFF; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF)
            continue;
        const char16_t units[] = {QChar::highSurrogate(code), QChar::lowSurrogate(code), char16_t(code)};
        const QString text = QChar::requiresSurrogates(code) ? QString::fromUtf16(units, 2) : QString::fromUtf16(units + 2, 1);
        ASSERT_LE(text.toUtf8().size(), qsizetype(KeyTable::MaxShrink) * TextCase::lower(text).toUtf8().size()) << unsigned(code);
    }
    // At the bound itself, Kelvin signs arriving byte by byte still match; one byte more cannot.
    const DictionaryFiles files;
    const Dictionary dictionary = loadOrFail(files.writeLines({QString(20, u'k') + "\tkelvin"}));
    for (const QByteArray& item : {QString(20, QChar(0x212A)).toUtf8(), QString(20, QChar(0x212A)).toUtf8() + "k"}) {
        ByteTranslator translator(dictionary, ByteTranslator::Mode::Lines);
        std::string output;
        for (const char byte : item + " x")
            output += translator.feed(std::string_view(&byte, 1));
        EXPECT_EQ(output + std::string(translator.finish()), item.size() == 60 ? "kelvin x" : item.toStdString() + " x");
    }
}
