// The engine and the byte stream against the literal procedure; and the bound on long items.

#include "literal_reference.h"
#include "dictionaryfiles.h"
#include "translation/bytetranslator.h"
#include "translation/itemfilter.h"
#include "translation/keytable.h"
#include "translation/textcase.h"

#include <QRandomGenerator>

#include <algorithm>

namespace {

// Words that collide: case pairs, lower cases longer or shorter, each other's expansions.
const QStringList CollidingWords = {
    "a", "A", "b", "B", "ab", "AB", "aB", "x y", "X Y", "é", "É", "ß", "SS", "ss",
    QStringLiteral("\u0130"), QStringLiteral("i\u0307"), QStringLiteral("\u212A"), "k", "K", "ç", "Ç",
    QStringLiteral("😀"), "LongerWord", "longerword", "abcdefghijklmnopq", "ABCDEFGHIJKLMNOPQ", "?",
    QString(QChar(0xD83D)), // a lone surrogate: '?' in the UTF-8 of a dictionary, itself in a typed message
    "plain", "Words", "that", "seldom", "match", // runs of text that goes out as it came
};

struct Generator final {
    QRandomGenerator random;
    QStringList words = CollidingWords;

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

void expectTranslationsAsLiteral(const QString& path, Generator& random, int messages)
{
    const Dictionary dictionary = loadOrFail(path);
    const auto literalFields = LiteralReference::splitLines(LiteralReference::readDictionary(path));
    for (int m = 0; m < messages; ++m) {
        const QString boxText = random.message() + u' ';
        ASSERT_EQ(translate(dictionary, boxText), LiteralReference::translateSplit(literalFields, boxText))
            << "message \"" << boxText.toStdString() << "\"";
    }
}

// Lines of message bytes fed in pieces of 0 to 8 bytes, or whole, as verbolet-translate's input.
void expectStreamAsLiteral(const QString& path, Generator& random)
{
    const bool whole = random.chance(30);
    QByteArray stream = random.chance(20) ? "\xEF\xBB\xBF" : "";
    for (int i = random.below(40); i > 0; --i)
        stream += random.messageBytes() + QByteArray(random.chance(30) ? "\r\n" : "\n").left(i > 1 || random.chance(50) ? 2 : 0);
    const Dictionary dictionary = loadOrFail(path);
    ByteTranslator translator(dictionary, ByteTranslator::Mode::Lines);
    std::string output;
    for (qsizetype at = 0, size = 0; at < stream.size(); at += size) {
        size = whole ? stream.size() : std::min<qsizetype>(random.below(9), stream.size() - at);
        output += translator.feed(std::string_view(stream.constData() + at, std::size_t(size)));
    }
    output += translator.finish();
    const QByteArray expected = LiteralReference::translateStream(LiteralReference::splitLines(LiteralReference::readDictionary(path)), stream);
    ASSERT_EQ(QByteArray::fromStdString(output).toHex(' '), expected.toHex(' '));
}

} // namespace

TEST(Property, EngineAndByteStreamEqualTheLiteralProcedure)
{
    const TempFolder folder;
    Generator random{QRandomGenerator(1622)};
    for (int round = 0; round < 250 && !HasFatalFailure(); ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const QString path = folder.write("random.dic", random.dictionary());
        expectTranslationsAsLiteral(path, random, 12);
        if (round % 2 == 0)
            expectStreamAsLiteral(path, random);
    }
}

// Messages of the shipped dictionary's own abbreviations and expansions, in any case.
TEST(Property, OnTheShippedDictionaryEngineEqualsTheLiteralProcedure)
{
    const QString path = QStringLiteral(VERBOLET_SOURCE_DIR "/data/SMS.dic");
    Generator random{QRandomGenerator(2024), {}};
    for (const QStringList& fields : LiteralReference::splitLines(LiteralReference::readDictionary(path)))
        random.words << fields[0] << fields[1];
    expectTranslationsAsLiteral(path, random, 400);
}

// Streams of many blocks, in stretches where nearly every item is a key and where none is, fed
// in pieces of up to three blocks: whichever way each block takes, and however much of it
// goes to choosing the next one's, the output is the literal procedure's.
TEST(Property, LongStreamsEqualTheLiteralProcedureWhicheverWayEachBlockTakes)
{
    const QString path = QStringLiteral(VERBOLET_SOURCE_DIR "/data/SMS.dic");
    const auto fields = LiteralReference::splitLines(LiteralReference::readDictionary(path));
    Generator keys{QRandomGenerator(64), {}};
    for (const QStringList& line : fields)
        keys.words << line[0];
    Generator plain{QRandomGenerator(65), {"plain", "Words", "that", "seldom", "match", "\u00E9t\u00E9"}};
    QByteArray stream;
    for (int stretch = 0; stretch < 6; ++stretch) {
        Generator& random = stretch % 2 == 0 ? keys : plain;
        const QByteArray lineEnd = stretch % 4 < 2 ? "\n" : "\r\n";
        for (const qsizetype end = stream.size() + 5 * qsizetype(ByteTranslator::BlockSize) / 4; stream.size() < end;)
            stream += (&random == &keys ? random.message().toUtf8() : random.messageBytes()) + lineEnd;
    }
    const Dictionary dictionary = loadOrFail(path);
    ByteTranslator translator(dictionary, ByteTranslator::Mode::Lines);
    std::string output;
    for (qsizetype at = 0, size = 0; at < stream.size(); at += size) {
        size = std::min<qsizetype>(keys.below(3 * int(ByteTranslator::BlockSize)), stream.size() - at);
        output += translator.feed(std::string_view(stream.constData() + at, std::size_t(size)));
    }
    output += translator.finish();
    const QByteArray expected = LiteralReference::translateStream(fields, stream);
    const auto differs = std::mismatch(output.begin(), output.end(), expected.begin(), expected.end());
    ASSERT_EQ(QByteArray::fromStdString(output), expected) << "first difference at output byte " << (differs.first - output.begin());
}

// The first look at an item may let a word through that is no key, but never one that is.
TEST(ItemFilter, TurnsAwayNoItemThatMatchesAndMostThatDoNot)
{
    // Both ways of looking, which must agree.
    const auto attended = [](const KeyTable& table, const QByteArray& item) {
        const QByteArray padded = item + QByteArray(16, 'x'); // whatever follows an item
        const std::size_t portably = ItemFilter::mayNeedAttentionPortably(padded.constData(), std::size_t(item.size()), table.firstLook());
        EXPECT_EQ(ItemFilter::mayNeedAttention(padded.constData(), std::size_t(item.size()), table.firstLook()), portably)
            << item.toHex().constData();
        EXPECT_LE(portably, 1u) << "the translator counts what it keeps by adding these up";
        return portably == 1;
    };
    // What the first look relies on to turn away text that is not plain ASCII.
    for (char32_t code = 0x80; code <= 0x10FFFF; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF)
            continue;
        const QString lowered = TextCase::lower(QString::fromUcs4(&code, 1)); // U+FEFF comes out empty
        const bool plain = std::all_of(lowered.begin(), lowered.end(), [](QChar c) { return c.unicode() < 0x80; });
        ASSERT_EQ(plain && !lowered.isEmpty(), code == 0x212A) << unsigned(code);
    }
    Generator random{QRandomGenerator(7)};
    const TempFolder folder;
    int notPlainDictionaries = 0;
    for (int round = 0; round < 20; ++round) {
        const QString path = round == 0 ? QStringLiteral(VERBOLET_SOURCE_DIR "/data/SMS.dic") : folder.write("random.dic", random.dictionary());
        const Dictionary dictionary = loadOrFail(path);
        const KeyTable& table = dictionary.index().table();
        bool plainKeys = true;
        for (const DictionaryIndex::Chain& chain : dictionary.index().chains()) {
            const QString key = dictionary.index().key(chain.firstLine).toString();
            plainKeys = plainKeys && key.toUtf8().size() == key.size();
            QString mixed = key;
            for (QChar& c : mixed)
                c = random.chance(50) ? c.toUpper() : c;
            const QString kelvin = QString(key).replace(u'k', QChar(0x212A));
            QString kelvinOnce = key;
            if (const qsizetype k = key.lastIndexOf(u'k'); k >= 0)
                kelvinOnce[k] = QChar(0x212A);
            for (const QString& typed : {key, key.toUpper(), mixed, kelvin, kelvinOnce}) {
                if (TextCase::lower(typed) != key) // "ß" in capitals is "SS"
                    continue;
                ASSERT_TRUE(attended(table, typed.toUtf8())) << "\"" << typed.toUtf8().toHex(' ').constData() << "\" in " << path.toStdString();
            }
        }
        EXPECT_EQ(table.keysArePlain(), plainKeys) << path.toStdString();
        notPlainDictionaries += !plainKeys;
        for (const QByteArray& always : {QByteArray(), QByteArray(17, 'q'), QByteArray(200, 'Q')})
            EXPECT_TRUE(attended(table, always)) << always.toHex().constData();
        for (const QByteArray& notPlain : {QByteArray("caf\xC3\xA9"), QByteArray("\xC2\xA0"), QByteArray("\xF0\x9F\x98\x80!")})
            EXPECT_TRUE(plainKeys || attended(table, notPlain)) << notPlain.toHex().constData() << " in " << path.toStdString();
    }
    EXPECT_GT(notPlainDictionaries, 0) << "no dictionary tried keys that are not plain ASCII";
    // Of words that are no key, nearly all are turned away, those with letters that are not
    // plain ASCII (the first look's table being the same for them) among them.
    const Dictionary filler = loadOrFail(folder.write("filler.dic", TestDictionary::withFiller({})));
    ASSERT_TRUE(filler.index().table().keysArePlain());
    int turnedAway = 0;
    for (int i = 0; i < 1000; ++i) {
        QString word;
        for (int letter = 1 + random.below(12); letter > 0; --letter)
            word += random.chance(10) ? QString(random.chance(20) ? QChar(0x212A) : QChar(0xE9))
                                      : QString(QChar((random.chance(50) ? 'a' : 'A') + random.below(26)));
        turnedAway += !attended(filler.index().table(), word.toUtf8());
    }
    EXPECT_GT(turnedAway, 950);
}

// An item is passed on unmatched, without being held, once it is longer than the longest key
// times KeyTable::MaxShrink: no code point may shrink more than that when lower-cased.
TEST(LongItems, PassOnAsTheyArriveOncePastTheLongestMatchableKey)
{
    for (char32_t code = 0x80; code <= 0x10FFFF; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF)
            continue;
        const QString text = QString::fromUcs4(&code, 1);
        ASSERT_LE(text.toUtf8().size(), qsizetype(KeyTable::MaxShrink) * TextCase::lower(text).toUtf8().size()) << unsigned(code);
    }
    const TempFolder folder;
    const Dictionary dictionary = loadOrFail(folder.write("SMS.dic", TestDictionary::withFiller({QString(20, u'k') + "\tkelvin"})));
    // At the bound itself, Kelvin signs arriving byte by byte still match; one byte more cannot.
    for (const QByteArray& item : {QString(20, QChar(0x212A)).toUtf8(), QString(20, QChar(0x212A)).toUtf8() + "k"}) {
        ByteTranslator translator(dictionary, ByteTranslator::Mode::Lines);
        std::string output;
        for (const char byte : item + " x")
            output += translator.feed(std::string_view(&byte, 1));
        EXPECT_EQ(output + std::string(translator.finish()), item.size() == 60 ? "kelvin x" : item.toStdString() + " x");
    }
    // 64 MiB without a separator: all but a bounded tail is written out by the time it has come.
    ByteTranslator translator(dictionary, ByteTranslator::Mode::Lines);
    const std::string block(1 << 20, 'x');
    std::size_t written = 0;
    for (std::size_t fed = block.size(); fed <= 64 * block.size(); fed += block.size()) {
        const std::string_view out = translator.feed(block);
        ASSERT_EQ(out.find_first_not_of('x'), std::string_view::npos);
        written += out.size();
        ASSERT_GE(written + block.size(), fed) << "held back after " << fed << " bytes";
    }
    EXPECT_EQ(written + translator.finish().size(), 64 * block.size());
}
