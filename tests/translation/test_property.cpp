// Random dictionaries and messages: the engine must agree with the literal procedure on
// every one, and the byte-stream translator with the text engine.

#include "literal_reference.h"
#include "testdictionaries.h"
#include "translation/textdecoding.h"
#include "translation/translate.h"
#include "translation/utf8streamtranslator.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

// Words chosen to collide: the same letters in different case, letters whose lower case
// is longer or shorter, and words that are each other's expansions.
const QStringList words = {
    "a", "A", "b", "B", "ab", "AB", "aB", "x y", "X Y", "é", "É", "ß", "SS", "ss",
    QStringLiteral("\u0130"), QStringLiteral("i\u0307"), QStringLiteral("\u212A"), "k", "K", "ç", "Ç",
    QStringLiteral("😀"), "LongerWord", "longerword", "abcdefghijklmnopq", "ABCDEFGHIJKLMNOPQ",
};

class Generator final {
public:
    explicit Generator(quint32 seed)
        : m_random(seed)
    {
    }

    int below(int bound) { return int(m_random.bounded(bound)); }
    bool chance(int percent) { return below(100) < percent; }

    QString word() { return words[below(int(words.size()))]; }

    // Zero to three words, sometimes padded or run together with several spaces.
    QString field()
    {
        QString text;
        const int count = below(4);
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                text += chance(80) ? QStringLiteral(" ") : QStringLiteral("  ");
            text += chance(85) ? word() : word() + word();
        }
        if (chance(8))
            text.prepend(u' ');
        if (chance(8))
            text.append(u' ');
        return text;
    }

    QString entry()
    {
        QString line = (chance(3) ? QString() : field()) + u'\t' + field();
        if (chance(5))
            line += u'\t' + field();
        return line;
    }

    // 1622 lines: random entries first, filler with random entries scattered through it,
    // and any of the three line ends.
    QByteArray dictionary(bool& asWindows1252)
    {
        QString text;
        const int leading = below(40);
        for (int number = 1; number <= Dictionary::LineCount; ++number) {
            text += number <= leading || chance(1) ? entry() : TestDictionaries::fillerLine(number);
            const int end = below(3);
            text += end == 0 ? QStringLiteral("\r\n") : end == 1 ? QStringLiteral("\n") : QStringLiteral("\r");
        }
        asWindows1252 = chance(30) && std::all_of(text.begin(), text.end(), [](QChar c) {
            return c.unicode() < 0x80 || (c.unicode() >= 0xA0 && c.unicode() <= 0xFF);
        });
        return asWindows1252 ? text.toLatin1() : text.toUtf8();
    }

    // What the user might type: words in any case, runs of spaces, leading and trailing spaces.
    QString message()
    {
        QString text = chance(10) ? QStringLiteral(" ") : QString();
        const int count = below(10);
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                text += chance(75) ? QStringLiteral(" ") : QStringLiteral("  ");
            QString typed = word();
            typed = chance(30) ? typed.toUpper() : typed;
            text += typed.section(u' ', below(2), below(2)); // a word of "x y" or the whole of it
        }
        return chance(10) ? text + u' ' : text;
    }

    // UTF-8 bytes of a line, with some invalid bytes, NULs, CRs and byte order marks.
    QByteArray messageBytes()
    {
        static const QByteArray oddBytes[] = {"\xFF", "\xC3", "\x80", "\xE2\x82", QByteArray(1, '\0'),
                                              "\r", "\xEF\xBB\xBF", "\t"};
        QByteArray bytes = message().toUtf8();
        for (int i = below(3); i > 0; --i)
            bytes.insert(below(int(bytes.size()) + 1), oddBytes[below(int(std::size(oddBytes)))]);
        if (chance(3)) // a long item, past what the byte translator remembers
            bytes += ' ' + QStringLiteral("é").repeated(200 + below(100)).toUtf8() + oddBytes[below(4)];
        return bytes;
    }

private:
    QRandomGenerator m_random;
};

} // namespace

TEST(Property, EngineEqualsTheLiteralProcedure)
{
    const TestDictionaries files;
    Generator random(1622);
    int compared = 0;
    for (int round = 0; round < 250; ++round) {
        bool asWindows1252 = false;
        const QString path = files.write("random.dic", random.dictionary(asWindows1252));
        const Dictionary dictionary = loadOrFail(path);
        const auto literalFields = LiteralReference::splitLines(LiteralReference::readDictionary(path));
        for (int m = 0; m < 12; ++m) {
            const QString boxText = random.message() + u' ';
            ASSERT_EQ(translate(dictionary, boxText), LiteralReference::translateSplit(literalFields, boxText))
                << "round " << round << " message \"" << boxText.toStdString() << "\""
                << (asWindows1252 ? " (Windows-1252)" : "");
            ++compared;
        }
    }
    EXPECT_EQ(compared, 3000);
}

TEST(Property, ByteStreamEqualsTheTextEngineLineByLine)
{
    const TestDictionaries files;
    Generator random(2023);
    for (int round = 0; round < 60; ++round) {
        bool asWindows1252 = false;
        const Dictionary dictionary = loadOrFail(files.write("random.dic", random.dictionary(asWindows1252)));

        QByteArray stream;
        QByteArray expected;
        const int lineCount = random.below(40);
        for (int i = 0; i < lineCount; ++i) {
            const QByteArray line = random.messageBytes();
            const bool last = i == lineCount - 1;
            const bool withLineFeed = !last || random.chance(50);
            const QByteArray lineEnd = withLineFeed ? (random.chance(30) ? "\r\n" : "\n") : "";
            stream += line + lineEnd;
            QByteArray text = line;
            if (i == 0 && text.startsWith("\xEF\xBB\xBF"))
                text.remove(0, 3); // a byte order mark at the start of the stream is skipped
            if (!withLineFeed && text.isEmpty())
                continue; // the stream ends with the previous line
            if (lineEnd != "\r\n" && text.endsWith('\r'))
                text.chop(1); // one CR before the line feed, or before the end of input, is dropped
            expected += translate(dictionary, TextDecoding::fromUtf8(text) + u' ').toUtf8() + '\n';
        }

        Utf8StreamTranslator translator(dictionary);
        std::string output;
        for (qsizetype at = 0; at < stream.size();) {
            const qsizetype size = std::min<qsizetype>(random.below(9), stream.size() - at);
            output += translator.feed(std::string_view(stream.constData() + at, std::size_t(size)));
            at += size;
        }
        output += translator.finish();
        const QByteArray got = QByteArray::fromStdString(output);
        qsizetype differ = 0;
        while (differ < std::min(got.size(), expected.size()) && got[differ] == expected[differ])
            ++differ;
        ASSERT_EQ(got, expected) << "round " << round << ", first difference at byte " << differ << ": \""
                                 << got.mid(differ - 20, 40).toHex(' ').toStdString() << "\" against \""
                                 << expected.mid(differ - 20, 40).toHex(' ').toStdString() << "\"";
    }
}
