#include "literal_reference.h"
#include "testdictionaries.h"
#include "translation/translate.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    QStringList dictionary; // the first lines; filler follows
    QString typed;          // the input box's text before Translate appends its space
    QString expected;
};

const QString brb = QStringLiteral("brb\tbe right back");
const QString lol = QStringLiteral("lol\tlaughing out loud");

// Every case is checked against both the engine and the literal procedure, so a wrong
// expectation shows up as well as a wrong engine.
void expectTranslations(const std::vector<Case>& cases)
{
    const TestDictionaries files;
    for (const Case& c : cases) {
        const QString path = files.writeLines(c.dictionary);
        EXPECT_EQ(translateTyped(path, c.typed), c.expected) << c.name;
        EXPECT_EQ(LiteralReference::translateFile(path, c.typed + u' '), c.expected) << c.name << " (literal)";
    }
}

} // namespace

TEST(Translate, SplitsAtSpacesAndJoinsWithSingleSpaces)
{
    expectTranslations({
        {"empty message", {brb}, "", ""},
        {"worked example", {brb, lol}, "LOL  brb", "laughing out loud be right back"},
        {"leading spaces", {brb}, "   brb", "be right back"},
        {"runs of spaces", {brb}, "a    b  brb", "a b be right back"},
        {"only spaces", {brb}, "     ", ""},
        {"twice translated box text", {brb}, "brb ", "be right back"},
        {"TAB is part of an item and is kept", {brb}, "\tbrb x\t", "\tbrb x\t"},
    });
}

TEST(Translate, HasNoLimitOnItems)
{
    const TestDictionaries files;
    const QString path = files.writeLines({brb});
    QStringList typed(40000, "brb");
    typed[32767] = "x";
    QStringList expected(40000, "be right back");
    expected[32767] = "x";
    EXPECT_EQ(translateTyped(path, typed.join(u' ')), expected.join(u' '));
}

TEST(Translate, ComparesWholeItemsWithoutRegardToCase)
{
    expectTranslations({
        {"upper case item", {brb}, "BRB", "be right back"},
        {"mixed case item", {brb}, "Brb", "be right back"},
        {"abbreviation in upper case", {"BRB\tbe right back"}, "brb", "be right back"},
        {"expansion keeps its case", {"brb\tBe Right BACK"}, "bRb", "Be Right BACK"},
        {"punctuation after", {brb}, "brb,", "brb,"},
        {"punctuation around", {brb}, "(brb)", "(brb)"},
        {"part of a word", {brb}, "brbx xbrb", "brbx xbrb"},
        {"non-ASCII lower-cased", {QStringLiteral("ÇA\tthat")}, QStringLiteral("ça Ça ÇA"), "that that that"},
        {"German sharp s", {QStringLiteral("STRASSE\tstreet")}, QStringLiteral("Straße strasse"), QStringLiteral("Straße street")},
        {"NUL inside an item", {QString::fromUtf8("a\0b\tnul", 7)}, QString::fromUtf8("A\0B", 3), "nul"},
    });
}

TEST(Translate, AppliesLinesInFileOrderWithChains)
{
    expectTranslations({
        {"chain forward", {"x1\ty1", "Y1\tz1"}, "X1", "z1"},
        {"chain backward", {"Y1\tz1", "x1\ty1"}, "X1", "y1"},
        {"long chain", {"a\tb", "B\tc", "c\tD", "d\te"}, "A", "e"},
        {"chain returns to an earlier key", {"a\tb", "b\ta", "a\tc"}, "a", "c"},
        {"expansion equal to its abbreviation", {"a\tA", "a\tb"}, "a", "b"},
        {"cycle ends at the last line", {"a\tb", "b\tc", "c\ta"}, "a b c", "a a a"},
        {"first of two equal keys wins", {"brb\tfirst", "BRB\tsecond"}, "brb", "first"},
        {"expansion with spaces stays one item", {"abc\tx y", "x\tNO", "X Y\tchained"}, "abc x", "chained NO"},
        {"each item on its own", {"a\tb", "b\tc"}, "a b", "c c"},
    });
}

TEST(Translate, HandlesOddFieldsAsTheyStand)
{
    expectTranslations({
        {"three fields", {"abc\tdef\tghi"}, "abc", "def"},
        {"empty expansion", {"abc\t"}, "x abc y", "x y"},
        {"expansion of spaces only", {"abc\t   "}, "x abc y", "x y"},
        {"expansion with a leading space", {"abc\t def"}, "x abc", "x  def"},
        {"leading space at the start of output", {"abc\t def"}, "abc x", "def x"},
        {"expansion with a trailing space", {"abc\tdef "}, "abc x", "def x"},
        {"abbreviation ending with a space", {"brb \tnever"}, "brb", "brb"},
        {"abbreviation beginning with a space", {" brb\tnever"}, "brb  brb", "brb brb"},
        {"empty abbreviation", {"\tEND"}, "hi", "hi END"},
        {"empty abbreviation and double space", {"\tEND"}, "hi  there", "hi END there END"},
        {"empty abbreviation on an empty message", {"\tEND"}, "", "END END"},
        {"empty abbreviation chained", {"a\t", "\tgone"}, "a", "gone gone"},
        {"expansion from the second field only", {"a\tb\t\tc"}, "a", "b"},
    });
}

TEST(Translate, ReadsLinesWithAnyLineEnd)
{
    const TestDictionaries files;
    for (const QByteArrayView lineEnd : {"\r\n", "\r", "\n"}) {
        const QString path = files.write("SMS.dic", TestDictionaries::withFiller({brb, lol}, lineEnd));
        EXPECT_EQ(translateTyped(path, "brb lol"), "be right back laughing out loud") << lineEnd.data();
    }

    QByteArray mixed = "brb\tbe right back\rlol\tlaughing out loud\nx\ty\r\n";
    for (int number = 4; number <= Dictionary::LineCount; ++number)
        mixed += TestDictionaries::fillerLine(number).toUtf8() + (number % 3 == 0 ? "\r" : number % 3 == 1 ? "\n" : "\r\n");
    EXPECT_EQ(translateTyped(files.write("mixed.dic", mixed), "brb lol x"), "be right back laughing out loud y");
}

TEST(Translate, IgnoresEverythingAfterLine1622)
{
    const TestDictionaries files;
    const QByteArray sound = TestDictionaries::withFiller({brb});
    const struct {
        const char* name;
        QByteArray after;
    } cases[] = {
        {"an entry", "zzz\tyyy\r\n"},
        {"an entry without line end", "zzz\tyyy"},
        {"a line without TAB", "no tab here\r\n"},
        {"bytes that are not UTF-8", "zzz\t\xFF\xFE\r\n"},
    };
    for (const auto& c : cases) {
        const QString path = files.write("SMS.dic", sound + c.after);
        const Dictionary dictionary = loadOrFail(path);
        EXPECT_TRUE(dictionary.hasLinesAfterLast()) << c.name;
        EXPECT_EQ(translate(dictionary, u"zzz brb "), "zzz be right back") << c.name;
    }
    EXPECT_FALSE(loadOrFail(files.write("SMS.dic", sound)).hasLinesAfterLast());

    // A line end split between CR and LF at the end of line 1622 starts no further line.
    QByteArray lastWithoutEnd = sound;
    lastWithoutEnd.chop(2);
    EXPECT_FALSE(loadOrFail(files.write("SMS.dic", lastWithoutEnd)).hasLinesAfterLast());
    EXPECT_FALSE(loadOrFail(files.write("SMS.dic", lastWithoutEnd + "\r")).hasLinesAfterLast());
    EXPECT_TRUE(loadOrFail(files.write("SMS.dic", lastWithoutEnd + "\n\r")).hasLinesAfterLast());
}

TEST(Translate, TakesAnEditedFileAtTheNextTranslation)
{
    const TestDictionaries files;
    // Same length, so only the content tells the two versions apart.
    const QString path = files.writeLines({"brb\tfirst"});
    EXPECT_EQ(translateTyped(path, "brb"), "first");
    files.writeLines({"brb\tsecnd"});
    EXPECT_EQ(translateTyped(path, "brb"), "secnd");
    files.writeLines({"brb\tfirst"});
    EXPECT_EQ(translateTyped(path, "brb"), "first");
}
