// Random dictionaries and messages: the window's translation and the byte stream against the literal procedure.

#include "literal_reference.h"
#include "dictionaryfiles.h"
#include "translation/bytetranslator.h"
#include "translation/textdecoding.h"

#include <QRandomGenerator>

namespace {

// Words that collide: case pairs, lower cases longer or shorter, each other's expansions.
const QStringList words = {
    "a", "A", "b", "B", "ab", "AB", "aB", "x y", "X Y", "é", "É", "ß", "SS", "ss",
    QStringLiteral("\u0130"), QStringLiteral("i\u0307"), QStringLiteral("\u212A"), "k", "K", "ç", "Ç",
    QStringLiteral("😀"), "LongerWord", "longerword", "abcdefghijklmnopq", "ABCDEFGHIJKLMNOPQ", "?",
    QString(QChar(0xD83D)), // a lone surrogate: '?' in the UTF-8 of a dictionary, itself in a typed message
};

struct Generator final {
    QRandomGenerator random;

    int below(int bound) { return int(random.bounded(bound)); }
    bool chance(int percent) { return below(100) < percent; }
    QString word() { return words[below(int(words.size()))]; }
    QString space() { return chance(80) ? QStringLiteral(" ") : QStringLiteral("  "); }

    // Zero to three words, sometimes run together, padded or separated by several spaces.
    QString field()
    {
        QString text;
        for (int i = below(4); i > 0; --i)
            text += (text.isEmpty() ? QString() : space()) + (chance(85) ? word() : word() + word());
        return (chance(8) ? " " : "") + text + (chance(8) ? " " : "");
    }

    // 1622 lines: entries (some with an empty abbreviation or a third field) first, filler
    // with entries scattered through it, any of the three line ends; in UTF-8 (sometimes
    // with a byte order mark) or, where it can be, Latin-1; sometimes a line after them.
    QByteArray dictionary()
    {
        QString text;
        const int leading = chance(5) ? Dictionary::LineCount : below(40); // sometimes a full table
        for (int number = 1; number <= Dictionary::LineCount; ++number) {
            if (number <= leading || chance(1))
                text += (chance(3) ? QString() : field()) + u'\t' + field() + (chance(5) ? u'\t' + field() : QString());
            else
                text += TestDictionary::fillerLine(number);
            text += QStringList{"\r\n", "\n", "\r"}[below(3)];
        }
        const bool latin1 = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
        const QByteArray bytes = latin1 && chance(30) ? text.toLatin1() : (chance(10) ? "\xEF\xBB\xBF" : "") + text.toUtf8();
        return chance(20) ? bytes + "a\t\xFF never read\r\n" : bytes;
    }

    // Words in any case, runs of spaces, leading and trailing spaces.
    QString message()
    {
        QString text = chance(10) ? QStringLiteral(" ") : QString();
        for (int i = below(10); i > 0; --i) {
            const QString typed = chance(30) ? word().toUpper() : word();
            text += typed.section(u' ', below(2), below(2)) + (i > 1 ? space() : QString()); // "x", "y" or "x y"
        }
        return chance(10) ? text + u' ' : text;
    }

    // UTF-8 bytes of a line, with some invalid bytes, NULs, CRs, TABs and byte order marks.
    QByteArray messageBytes()
    {
        static const QByteArray odd[] = {"\xFF", "\xC3", "\x80", "\xE2\x82", QByteArray(1, '\0'), "\r", "\xEF\xBB\xBF", "\t"};
        QByteArray bytes = message().toUtf8();
        for (int i = below(3); i > 0; --i)
            bytes.insert(below(int(bytes.size()) + 1), odd[below(int(std::size(odd)))]);
        if (chance(3)) // a long item, past what the byte translator remembers
            bytes += ' ' + QStringLiteral("é").repeated(200 + below(100)).toUtf8() + odd[below(4)];
        return bytes;
    }
};

} // namespace

TEST(Property, EngineEqualsTheLiteralProcedure)
{
    const DictionaryFiles files;
    Generator random{QRandomGenerator(1622)};
    for (int round = 0; round < 250; ++round) {
        const QString path = files.write("random.dic", random.dictionary());
        const Dictionary dictionary = loadOrFail(path);
        const auto literalFields = LiteralReference::splitLines(LiteralReference::readDictionary(path));
        for (int m = 0; m < 12; ++m) {
            const QString boxText = random.message() + u' ';
            ASSERT_EQ(translate(dictionary, boxText), LiteralReference::translateSplit(literalFields, boxText))
                << "round " << round << " message \"" << boxText.toStdString() << "\"";
        }
    }
}

TEST(Property, ByteStreamEqualsTheLiteralProcedure)
{
    const DictionaryFiles files;
    Generator random{QRandomGenerator(2023)};
    for (int round = 0; round < 60; ++round) {
        const QString path = files.write("random.dic", random.dictionary());
        const Dictionary dictionary = loadOrFail(path);
        QByteArray stream = random.chance(20) ? "\xEF\xBB\xBF" : "";
        for (int i = random.below(40); i > 0; --i)
            stream += random.messageBytes() + QByteArray(random.chance(30) ? "\r\n" : "\n").left(i > 1 || random.chance(50) ? 2 : 0);
        ByteTranslator translator(dictionary, ByteTranslator::Mode::Lines);
        std::string output;
        for (qsizetype at = 0, size = 0; at < stream.size(); at += size) { // in pieces of 0 to 8 bytes
            size = std::min<qsizetype>(random.below(9), stream.size() - at);
            output += translator.feed(std::string_view(stream.constData() + at, std::size_t(size)));
        }
        output += translator.finish();
        const QByteArray expected = LiteralReference::translateStream(LiteralReference::splitLines(LiteralReference::readDictionary(path)), stream);
        ASSERT_EQ(QByteArray::fromStdString(output).toHex(' '), expected.toHex(' ')) << "round " << round;
    }
}
