// verbolet-translate, run as a user runs it.

#include "testdictionaries.h"
#include "translation/translate.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

const QString Program = QStringLiteral(VERBOLET_PROGRAM_DIR "/verbolet-translate");

struct Outcome {
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};

Outcome run(const QStringList& arguments, const QByteArray& input = {}, const QString& program = Program)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted()) {
        ADD_FAILURE() << "cannot start " << program.toStdString();
        return {};
    }
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        ADD_FAILURE() << "did not finish";
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

class CommandLineTranslator : public ::testing::Test {
protected:
    const TestDictionaries files;
    const QString dictionary = files.writeLines({"brb\tbe right back", "lol\tlaughing out loud",
                                                 QStringLiteral("café\tcoffee shop")},
                                                "chat.dic");
};

} // namespace

TEST_F(CommandLineTranslator, TranslatesEveryLineAsTheWindowDoes)
{
    const struct {
        const char* name;
        QByteArray input;
        QByteArray output;
    } cases[] = {
        {"one line", "brb lol\n", "be right back laughing out loud\n"},
        {"CR LF line ends", "LOL  brb\r\nbrb,\r\n", "laughing out loud be right back\nbrb,\n"},
        {"empty lines stay", "\n\nbrb\n", "\n\nbe right back\n"},
        {"last line without line end", "brb\nlol", "be right back\nlaughing out loud\n"},
        {"no input", "", ""},
        {"UTF-8 both ways", "CAF\xC3\x89 \xC3\xA7""a\n", "coffee shop \xC3\xA7""a\n"},
        {"invalid UTF-8 becomes U+FFFD", "brb \xFF\n", "be right back \xEF\xBF\xBD\n"},
        {"byte order mark at the start", "\xEF\xBB\xBF" "brb\n", "be right back\n"},
        {"leading and trailing spaces", "   brb   \n", "be right back\n"},
    };
    for (const auto& c : cases) {
        const Outcome result = run({"--dictionary", dictionary}, c.input);
        EXPECT_EQ(result.exitCode, 0) << c.name;
        EXPECT_EQ(result.output, c.output) << c.name;
        EXPECT_EQ(result.errors, "") << c.name;
    }
}

TEST_F(CommandLineTranslator, StreamsInputLargerThanItsBlocks)
{
    // Lines and items of many lengths, so that some straddle the 1 MiB reading blocks.
    const Dictionary loaded = loadOrFail(dictionary);
    QByteArray input;
    QByteArray expected;
    for (int i = 0; input.size() < 3 * 1024 * 1024; ++i) {
        const QString line = QStringLiteral("lol %1 brb %2 caf\u00E9").arg(QString(i % 977, u'x')).arg(i);
        input += line.toUtf8() + (i % 2 ? "\r\n" : "\n");
        expected += translate(loaded, line + u' ').toUtf8() + '\n';
    }
    const Outcome result = run({"--dictionary", dictionary}, input);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.output == expected) << "output differs from the text engine's";
}

TEST_F(CommandLineTranslator, ReadsSmsDicBesideItselfByDefault)
{
    const TestDictionaries folder;
    const QString copy = folder.folder() + "/verbolet-translate";
    ASSERT_TRUE(QFile::copy(Program, copy));

    const Outcome missing = run({}, "brb\n", copy);
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.errors.startsWith("verbolet-translate: SMS.dic: cannot be read: ")) << missing.errors.data();
    EXPECT_EQ(missing.output, "");

    folder.writeLines({"brb\tbe right back"});
    const Outcome found = run({}, "brb\n", copy);
    EXPECT_EQ(found.exitCode, 0);
    EXPECT_EQ(found.output, "be right back\n");
}

TEST_F(CommandLineTranslator, DictionaryFaultGivesOneLineAndStatus2)
{
    QByteArray noTab = TestDictionaries::withFiller({});
    noTab.replace("~filler17~\t", "~filler17~ ");
    const struct {
        const char* name;
        QByteArray bytes;
        QByteArray error;
    } cases[] = {
        {"line without TAB", noTab, "verbolet-translate: bad.dic: line 17 has no TAB"},
        {"too short", "brb\tbe right back\r\n", "verbolet-translate: bad.dic: ends after line 1; a dictionary needs 1622 lines"},
    };
    for (const auto& c : cases) {
        const QString path = files.write("bad.dic", c.bytes);
        const QByteArray error = c.error + " (" + QDir::toNativeSeparators(path).toUtf8() + ")\n";
        for (const QStringList& mode : {QStringList{}, QStringList{"--check"}}) {
            const Outcome result = run(QStringList{"--dictionary", path} + mode, "brb\n");
            EXPECT_EQ(result.exitCode, 2) << c.name;
            EXPECT_EQ(result.output, "") << c.name;
            EXPECT_EQ(result.errors, error) << c.name;
        }
    }
}

TEST_F(CommandLineTranslator, CheckListsDeadAndSurprisingEntries)
{
    const QString clean = files.writeLines({"brb\tbe right back"}, "clean.dic");
    const Outcome cleanRun = run({"--check", "--dictionary", clean});
    EXPECT_EQ(cleanRun.exitCode, 0);
    EXPECT_EQ(cleanRun.output, "clean.dic: no dead or surprising entries\n");

    const QString odd = files.write(
        "odd.dic", TestDictionaries::withFiller({"brb\tbe right back", "x1\ty1", "BRB\tagain", "Y1\tz1", "\tend",
                                                 "gr8 \tgreat", " b4\tbefore", "a b\tc", "abc\tdef\tghi"}) +
                       "zzz\tafter the last line\r\n");
    const Outcome oddRun = run({"--dictionary", odd, "--check"});
    EXPECT_EQ(oddRun.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(oddRun.output).split(u'\n'),
              QStringList({
                  "odd.dic: line 2: the expansion \"y1\" is replaced again by line 4 (\"Y1\" to \"z1\")",
                  "odd.dic: line 3: the abbreviation \"BRB\" repeats that of line 1 (case ignored), which "
                  "replaces a typed word first",
                  "odd.dic: line 5: the abbreviation is empty, so every empty item is replaced and \"end\" ends "
                  "every translation",
                  "odd.dic: line 6: the abbreviation \"gr8 \" ends with a space, so no typed word matches it",
                  "odd.dic: line 7: the abbreviation \" b4\" begins with a space, so no typed word matches it",
                  "odd.dic: line 8: the abbreviation \"a b\" contains a space, so no typed word matches it",
                  "odd.dic: line 9: has 3 TAB-separated fields; those after the second are ignored",
                  "odd.dic: the lines after line 1622 are never read",
                  "",
              }));
    EXPECT_EQ(oddRun.errors, "");
}

TEST_F(CommandLineTranslator, AnswersHelpVersionAndBadArguments)
{
    const Outcome version = run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output, "verbolet-translate " VERBOLET_VERSION "\n");

    const Outcome help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.output.startsWith("Usage: verbolet-translate [--dictionary FILE] [--check]\n"));
    EXPECT_TRUE(help.output.contains("--dictionary FILE"));

    for (const QStringList& arguments : {QStringList{"--bogus"}, QStringList{"stray"}, QStringList{"--dictionary"}}) {
        const Outcome bad = run(arguments);
        EXPECT_EQ(bad.exitCode, 64) << arguments.join(u' ').toStdString();
        EXPECT_EQ(bad.output, "");
        EXPECT_TRUE(bad.errors.startsWith("verbolet-translate: ")) << bad.errors.data();
    }
}
