#include "testdictionaries.h"
#include "translation/textdecoding.h"
#include "translation/translate.h"

#include <gtest/gtest.h>

TEST(Decoding, ReadsUtf8AndWindows1252Files)
{
    const TestDictionaries files;
    const QByteArray utf8Lines = "caf\xC3\xA9\tcoffee shop\r\neur\t\xE2\x82\xAC\r\n";
    const QByteArray windows1252Lines = "caf\xE9\tcoffee shop\r\neur\t\x80\r\n";
    const QByteArray fillerAfter2 = TestDictionaries::fillerFrom(3);

    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"UTF-8", utf8Lines + fillerAfter2},
        {"UTF-8 with byte order mark", "\xEF\xBB\xBF" + utf8Lines + fillerAfter2},
        {"Windows-1252", windows1252Lines + fillerAfter2},
        {"UTF-8 before a 1623rd line that is not", utf8Lines + fillerAfter2 + "x\t\xFF\r\n"},
    };
    for (const auto& c : cases) {
        const QString path = files.write("SMS.dic", c.bytes);
        EXPECT_EQ(translateTyped(path, QStringLiteral("CAFÉ eur")), QStringLiteral("coffee shop €")) << c.name;
    }
}

TEST(Decoding, ChoosesUtf8OnlyWhenEveryByteOfTheReadLinesIsValid)
{
    const struct {
        const char* name;
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"ASCII", "abc", "abc"},
        {"UTF-8", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", QStringLiteral("é€😀")},
        {"byte order mark dropped", "\xEF\xBB\xBF" "abc", "abc"},
        {"second byte order mark kept", "\xEF\xBB\xBF\xEF\xBB\xBF" "a", QStringLiteral("\uFEFFa")},
        {"Latin-1 byte", "caf\xE9", QStringLiteral("café")},
        {"Windows-1252 punctuation", "\x93quoted\x94 \x85", QStringLiteral("“quoted” …")},
        {"undefined Windows-1252 bytes", "\x81\x8D\x8F\x90\x9D", QStringLiteral("\u0081\u008D\u008F\u0090\u009D")},
        {"overlong UTF-8", "\xC0\xAF", QStringLiteral("À¯")},
        {"UTF-8 surrogate", "\xED\xA0\x80", QStringLiteral("í\u00A0€")},
        {"cut UTF-8 sequence", "\xE2\x82", QStringLiteral("â‚")},
        {"byte order mark and Windows-1252", "\xEF\xBB\xBF\xE9", QStringLiteral("ï»¿é")},
        {"NUL", QByteArray("a\0b", 3), QString::fromUtf8("a\0b", 3)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextDecoding::dictionaryText(c.bytes), c.text) << c.name;
}

TEST(Decoding, Utf8PiecesDecodeLikeTheWhole)
{
    EXPECT_EQ(TextDecoding::fromUtf8("\xEF\xBB\xBF" "a"), QStringLiteral("\uFEFFa"));
    bool valid = true;
    EXPECT_EQ(TextDecoding::fromUtf8("a\xFF", &valid), QStringLiteral("a\uFFFD"));
    EXPECT_FALSE(valid);
    EXPECT_EQ(TextDecoding::fromUtf8("\xE2\x82\xAC", &valid), QStringLiteral("€"));
    EXPECT_TRUE(valid);
}
