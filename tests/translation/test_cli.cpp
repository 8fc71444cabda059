// verbolet-translate, run as a user and a script run it.

#include "dictionaryfiles.h"
#include "translatorrun.h"

#include "verbolet_version.h"

namespace {

class CommandLineTranslator : public ::testing::Test {
protected:
    const TempFolder folder;
    const QString dictionary = folder.write(
        "chat.dic", TestDictionary::withFiller({"brb\tbe right back", "lol\tlaughing out loud", QStringLiteral("café\tcoffee shop")}));
};

} // namespace

TEST_F(CommandLineTranslator, AnswersEachLineBeforeTheInputEnds)
{
    QProcess translator;
    translator.start(TranslatorProgram, {"--dictionary", dictionary});
    const std::pair<QByteArray, QByteArray> exchanges[] = {
        {"\xEF\xBB\xBF" "brb\n", "\xEF\xBB\xBF" "be right back\n"},
        {"LOL  CAF\xC3\x89\r\n", "laughing out loud coffee shop\r\n"},
        {"\xC3\xA7" "a brb, \xFF caf\xE9\n", "\xC3\xA7" "a brb, \xFF caf\xE9\n"},
    };
    for (const auto& [line, answer] : exchanges) {
        translator.write(line);
        QByteArray got;
        while (!got.endsWith('\n') && translator.waitForReadyRead(10000))
            got += translator.readAllStandardOutput();
        EXPECT_EQ(got, answer);
    }
    translator.write("lol"); // a last line without its line end gets none
    translator.closeWriteChannel();
    ASSERT_TRUE(translator.waitForFinished(10000));
    EXPECT_EQ(translator.exitCode(), 0);
    EXPECT_EQ(translator.readAllStandardOutput(), "laughing out loud");
}

// Statuses and messages: every failure names its stream or file, and none reports success.
TEST_F(CommandLineTranslator, NamesEveryFailureAndNeverReportsOneAsSuccess)
{
    folder.write("in.txt", "brb lol\n");
    folder.write("cp1252.dic", "caf\xE9\tcoffee\r\n" + TestDictionary::withFiller({QStringLiteral("na\u00efve\tnaive")}, 1621));
    folder.write("odd.dic", "\xEF\xBB\xBF" + TestDictionary::withFiller({"brb\tbe right back", "x1\ty1", "BRB\tagain", "Y1\tz1", "\tend",
                                                                        "gr8 \tgreat", " b4\tbefore", "a b\tc", "abc\tdef\tghi"})
                                + "zzz\tafter the last line\r\n");
    const QByteArray translated = "be right back laughing out loud\n";
    // error: contained in standard error; empty: standard error is empty.
    const struct { QString command; int status; QByteArray output, error; } cases[] = {
        {"$T --dictionary $D in.txt - nothere.txt in.txt < in.txt", 74, translated.repeated(3),
         "verbolet-translate: nothere.txt: No such file or directory\n"},
        {"$T --dictionary $D --output out.txt in.txt && cat out.txt", 0, translated, ""},
        {"$T --dictionary $D --output in.txt in.txt; s=$?; cat in.txt; exit $s", 64, "brb lol\n", "--output in.txt is also an input"},
        {"$T --dictionary $D < in.txt >&-", 74, "", "verbolet-translate: standard output: is closed\n"},
        {"$T --dictionary $D <&-", 74, "", "verbolet-translate: standard input: is closed\n"},
        // With standard input and error closed, the report of nothere.txt must not land in a file opened later.
        {"$T --dictionary $D --output out.txt in.txt nothere.txt <&- 2>&-; s=$?; cat out.txt; exit $s", 74, translated, ""},
        {"$T --dictionary $D < /tmp", 74, "", "verbolet-translate: standard input: Is a directory\n"},
        {"$T --dictionary $D . < in.txt", 74, "", "verbolet-translate: .: Is a directory\n"},
        {"$T --dictionary $D --output / < in.txt", 74, "", "verbolet-translate: /: Is a directory\n"},
        {"$T --dictionary $D --check > /dev/full", 74, "", "verbolet-translate: standard output: No space left on device\n"},
        {"$T --help > /dev/full", 74, "", "standard output: No space left on device"},
        {"$T --version > /dev/full", 74, "", "standard output: No space left on device"},
        {"$T --version", 0, QByteArray("verbolet-translate ") + Verbolet::Version + "\n", ""},
        // SMS.dic beside the program by default: missing here, so one line and status 2.
        {"cp $T . && ./verbolet-translate < in.txt", 2, "", "verbolet-translate: SMS.dic: file not found ("},
        {"cp $T . && ./verbolet-translate --check", 2, "", "verbolet-translate: SMS.dic: file not found ("},
        {"cp $T . && cp $D SMS.dic && ./verbolet-translate < in.txt", 0, translated, ""},
        {"$T --dictionary '' < in.txt", 64, "", "verbolet-translate: --dictionary needs a file name, not an empty one\n"},
        {"$T --check in.txt", 64, "", "--check reads no FILE"},
        {"$T --bogus", 64, "", "verbolet-translate: Unknown option 'bogus'."},
        {"$T --dictionary", 64, "", "verbolet-translate: Missing value after '--dictionary'."},
        // A FIFO whose writer stays open after the 1622 lines makes no wait.
        {"$T --dictionary <(cat $D; sleep 30) < in.txt", 0, translated, ""},
        {"$T --dictionary cp1252.dic --check", 1, "cp1252.dic: read as Windows-1252, since line 1 is not valid UTF-8\n"
         "cp1252.dic: line 2: read as Windows-1252 it is \"na\xC3\x83\xC2\xAFve\" to \"naive\"; as UTF-8 it would be "
         "\"na\xC3\xAFve\" to \"naive\"\n", ""},
        {"$T --dictionary $D --check", 0, "chat.dic: read as UTF-8\nchat.dic: no dead or surprising entries\n", ""},
        // The byte order mark is no part of line 1's "brb", so line 3 finds nothing left to replace (line 5 adds "end").
        {"$T --dictionary odd.dic <<< brb", 0, "be right back end\n", ""},
        {"$T --dictionary odd.dic --check", 1, "odd.dic: read as UTF-8\n"
         "odd.dic: line 2: the expansion \"y1\" is replaced again by line 4 (\"Y1\" to \"z1\")\n"
         "odd.dic: line 3: the abbreviation \"BRB\" repeats that of line 1 (case ignored), which replaces a typed word first\n"
         "odd.dic: line 5: the abbreviation is empty, so every empty item is replaced and \"end\" ends every translation\n"
         "odd.dic: line 6: the abbreviation \"gr8 \" ends with a space, so no typed word matches it\n"
         "odd.dic: line 7: the abbreviation \" b4\" begins with a space, so no typed word matches it\n"
         "odd.dic: line 8: the abbreviation \"a b\" contains a space, so no typed word matches it\n"
         "odd.dic: line 9: has 3 TAB-separated fields; those after the second are ignored\n"
         "odd.dic: the lines after line 1622 are never read\n", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command.toStdString());
        const TranslatorRun result = runInShell(c.command, folder.path(), dictionary);
        EXPECT_EQ(result.exitCode, c.status);
        EXPECT_EQ(result.output, c.output);
        EXPECT_TRUE(c.error.isEmpty() ? result.errors.isEmpty() : result.errors.contains(c.error)) << result.errors.toStdString();
    }
}
