#include "literal_reference.h"
#include "dictionaryfiles.h"

#include <QDir>

#include <sys/stat.h>

namespace {

const QString brb = QStringLiteral("brb\tbe right back");

// The test dictionary, `count` lines long, with line 17 replaced by `line`.
QByteArray withLine17(const QByteArray& line, int count = TestDictionary::LineCount)
{
    return TestDictionary::chat(count).replace(TestDictionary::fillerLine(17).toUtf8(), line);
}

} // namespace

// Checked against the literal procedure too, so that a wrong expectation shows as well as a wrong engine.
TEST(Translate, EdgeCases)
{
    // dictionary: the first lines, filler following; typed: the box's text before Translate appends its space.
    const struct { const char* name; QStringList dictionary; QString typed, expected; } cases[] = {
        // Items are split at single spaces and joined with one.
        {"empty message", {brb}, "", ""},
        {"worked example", {brb, "lol\tlaughing out loud"}, "LOL  brb", "laughing out loud be right back"},
        {"leading spaces and runs of spaces", {brb}, "   a    b  brb", "a b be right back"},
        // Whole items compared without regard to case.
        {"abbreviation in upper case", {"BRB\tBe Right BACK"}, "brb", "Be Right BACK"},
        {"punctuation or part of a word", {brb}, "brb, (brb) brbx xbrb", "brb, (brb) brbx xbrb"},
        {"non-ASCII lower-cased", {QStringLiteral("ÇA\tthat")}, QStringLiteral("ça Ça ÇA"), "that that that"},
        {"Kelvin sign lower-cased to k", {"ok\tokay"}, QStringLiteral("O\u212A café \u212A\u212A"), QStringLiteral("okay café \u212A\u212A")},
        {"German sharp s", {QStringLiteral("STRASSE\tstreet")}, QStringLiteral("Straße strasse"),
         QStringLiteral("Straße street")},
        {"NUL inside an item", {QString::fromUtf8("a\0b\tnul", 7)}, QString::fromUtf8("A\0B", 3), "nul"},
        // Lines apply in file order, so later lines see earlier replacements.
        {"chain forward", {"x1\ty1", "Y1\tz1"}, "X1", "z1"},
        {"chain returns to an earlier key", {"a\tb", "b\ta", "a\tc"}, "a", "c"},
        {"expansion equal to its abbreviation", {"a\tA", "a\tb"}, "a", "b"},
        {"cycle ends at the last line", {"a\tb", "b\tc", "c\ta"}, "a b c", "a a a"},
        {"expansion with spaces stays one item", {"abc\tx y", "x\tNO", "X Y\tchained"}, "abc x", "chained NO"},
        {"empty expansion", {"abc\t"}, "x abc y", "x y"},
        {"expansion with a leading space", {"abc\t def"}, "abc x abc", "def x  def"},
        {"expansion with a trailing space", {"abc\tdef "}, "abc x abc", "def x def"},
        {"abbreviation ending with a space", {"brb \tnever"}, "brb", "brb"},
        {"empty abbreviation and double space", {"\tEND"}, "hi  there", "hi END there END"},
        {"empty abbreviation on an empty message", {"\tEND"}, "", "END END"},
        {"empty abbreviation chained", {"a\t", "\tgone"}, "a", "gone gone"},
    };
    const TempFolder folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = folder.write("SMS.dic", TestDictionary::withFiller(c.dictionary));
        EXPECT_EQ(translate(loadOrFail(path), c.typed + u' '), c.expected);
        EXPECT_EQ(LiteralReference::translateFile(path, c.typed + u' '), c.expected) << "(literal)";
    }
}

TEST(DictionaryFaults, NameTheFileTheLineAndTheFault)
{
    const TempFolder folder;
    const QString at = folder.path() + u'/';
    QDir(folder.path()).mkdir("folder.dic");
    mkfifo(QFile::encodeName(at + "fifo.dic").constData(), 0600);
    QFile::link("/dev/zero", at + "device.dic");
    ASSERT_TRUE(bindSocket(at + "socket.dic"));
    QFile::link(at + "loop.dic", at + "loop.dic");
    QFile::link(at + "gone", at + "dangling.dic");
    const QByteArray utf16Start("b\0r\0b\0\t\0", 8);
    using Kind = DictionaryFault::Kind;
    const struct { QString file; QByteArray bytes; Kind kind; int line; QString message; } cases[] = { // bytes null: not written
        {"SMS.dic", withLine17("no tab", 100), Kind::NoTab, 17, "SMS.dic: line 17 has no TAB"},
        {"SMS.dic", TestDictionary::chat(1621) + "\r\n", Kind::NoTab, 1622, "SMS.dic: line 1622 is empty; every line needs a TAB"},
        {"SMS.dic", TestDictionary::chat(1621), Kind::TooFewLines, 1621, "SMS.dic: ends after line 1621; a dictionary needs 1622 lines"},
        {"SMS.dic", "", Kind::TooFewLines, 0, "SMS.dic: is empty; a dictionary needs 1622 lines"},
        {"%2 %1.dic", withLine17("brb be right back"), Kind::NoTab, 17, "%2 %1.dic: line 17 has no TAB"},
        {"SMS.dic", "\xEF\xBB\xBF" + withLine17("caf\xE9\tcoffee"), Kind::InvalidUtf8, 17,
         "SMS.dic: line 17 is not valid UTF-8, though the file begins with a UTF-8 byte order mark"},
        {"SMS.dic", "\xFF\xFE" + QByteArray(TestDictionary::chat().size() * 2, '\0'), Kind::Utf16, 0,
         "SMS.dic: is UTF-16 text; a dictionary is UTF-8 or Windows-1252"},
        {"SMS.dic", utf16Start + TestDictionary::chat(), Kind::Utf16, 0, "SMS.dic: is UTF-16 text; a dictionary is UTF-8 or Windows-1252"},
        {"missing.dic", {}, Kind::Unreadable, 0, "missing.dic: file not found"},
        {"dangling.dic", {}, Kind::Unreadable, 0, "dangling.dic: file not found"},
        {"folder.dic", {}, Kind::Unreadable, 0, "folder.dic: is a folder, not a file"},
        {"loop.dic", {}, Kind::Unreadable, 0, "loop.dic: its symbolic links form a loop"},
        {"fifo.dic", {}, Kind::Unreadable, 0, "fifo.dic: is not a regular file"}, // the window's kinds
        {"device.dic", {}, Kind::Unreadable, 0, "device.dic: is not a regular file"},
        {"socket.dic", {}, Kind::Unreadable, 0, "socket.dic: is not a regular file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        const QString path = c.bytes.isNull() ? at + c.file : folder.write(c.file, c.bytes);
        const DictionaryOrFault loaded = Dictionary::load(path);
        ASSERT_TRUE(std::holds_alternative<DictionaryFault>(loaded));
        const DictionaryFault& fault = std::get<DictionaryFault>(loaded);
        EXPECT_EQ(fault.kind, c.kind);
        EXPECT_EQ(fault.line, c.line);
        EXPECT_EQ(fault.message, c.message + " (" + QDir::toNativeSeparators(path) + ")");
        if (QFileInfo(path).isFile()) { // the literal procedure would wait on a FIFO for ever
            EXPECT_THROW(LiteralReference::translateFile(path, " "), LiteralReference::DictionaryError);
        }
    }
}

// The dictionary is read in blocks of 64 KiB: a line end on either side of a block's edge, or a
// CR LF split by it, may neither count twice nor move where line 1622 ends.
TEST(Translate, LineEndsOnAReadBlocksEdge)
{
    constexpr qsizetype BlockEdge = 64 * 1024;
    const TempFolder folder;
    for (const QByteArray lineEnd : {"\r\n", "\r", "\n"}) {
        QByteArray rest; // lines 2 to 1622
        for (int number = 2; number <= 1622; ++number)
            rest += (number == 1622 ? QByteArray("last\tfinal") : TestDictionary::fillerLine(number).toUtf8()) + lineEnd;
        for (const int endingLine : {1, 1622}) {
            for (qsizetype shift = -2; shift <= 2; ++shift) {
                SCOPED_TRACE(testing::Message() << "line " << endingLine << " ends at the edge" << std::showpos << shift
                                                << " with " << lineEnd.toHex().constData());
                // Line 1 is padded so that the line end of `endingLine` starts at the edge plus `shift`.
                const qsizetype before = endingLine == 1 ? 0 : rest.size();
                const QByteArray first = "pad\t" + QByteArray(BlockEdge + shift - before - 4, 'x');
                const QString path = folder.write("SMS.dic", first + lineEnd + rest + "after\tignored" + lineEnd);
                const QString expected = LiteralReference::translateFile(path, "last after pad ");
                ASSERT_TRUE(expected.startsWith(QStringLiteral("final after "))) << expected.left(40).toStdString();
                EXPECT_EQ(translate(loadOrFail(path), u"last after pad "), expected);
            }
        }
    }
}

// Line ends are counted eight bytes at a time: mixed line ends, at every place in those eight
// bytes (a CR LF split between two of them among them), may neither count twice nor be missed.
TEST(Translate, MixedLineEndsAtEveryAlignment)
{
    const TempFolder folder;
    const struct { const char* name; QList<QByteArray> ends; } cases[] = {
        {"CR LF, LF, CR", {"\r\n", "\n", "\r"}},
        {"CR, CR LF", {"\r", "\r\n"}},
        {"LF, CR", {"\n", "\r"}},
        {"CR LF, CR, CR, LF, LF", {"\r\n", "\r", "\r", "\n", "\n"}},
    };
    for (const auto& c : cases) {
        for (int pad = 0; pad < 8; ++pad) {
            SCOPED_TRACE(testing::Message() << c.name << ", line 1 padded by " << pad);
            QByteArray bytes = "pad\t" + QByteArray(pad, 'x') + c.ends[0];
            for (int number = 2; number <= 1622; ++number) {
                const QByteArray line = number == 1622 ? QByteArray("last\tfinal") : "l" + QByteArray::number(number) + "\tx";
                bytes += line + c.ends[number % c.ends.size()];
            }
            const QString path = folder.write("SMS.dic", bytes + "after\tignored\r\n");
            const QString expected = LiteralReference::translateFile(path, "last after l1621 ");
            ASSERT_EQ(expected, u"final after x");
            const Dictionary dictionary = loadOrFail(path);
            EXPECT_EQ(translate(dictionary, u"last after l1621 "), expected);
            EXPECT_TRUE(dictionary.hasLinesAfterLast());
        }
    }
}
