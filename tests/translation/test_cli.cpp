// verbolet-translate, run as a user runs it.

#include "dictionaryfiles.h"

#include "verbolet_version.h"

#include <QDir>
#include <QProcess>

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
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

class CommandLineTranslator : public ::testing::Test {
protected:
    const DictionaryFiles files;
    const QString dictionary =
        files.writeLines({"brb\tbe right back", "lol\tlaughing out loud", QStringLiteral("café\tcoffee shop")}, "chat.dic");
};

} // namespace

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

TEST_F(CommandLineTranslator, AnswersEachLineBeforeTheInputEnds)
{
    QProcess translator;
    translator.start(Program, {"--dictionary", dictionary});
    const std::pair<QByteArray, QByteArray> exchanges[] = {
        {"\xEF\xBB\xBF" "brb\n", "be right back\n"},
        {"LOL  CAF\xC3\x89\r\n", "laughing out loud coffee shop\n"},
        {"\xC3\xA7" "a brb, \xFF\n", "\xC3\xA7" "a brb, \xEF\xBF\xBD\n"},
    };
    for (const auto& [line, answer] : exchanges) {
        translator.write(line);
        QByteArray got;
        while (!got.endsWith('\n') && translator.waitForReadyRead(10000))
            got += translator.readAllStandardOutput();
        EXPECT_EQ(got, answer);
    }
    translator.write("lol"); // a last line without its line end
    translator.closeWriteChannel();
    ASSERT_TRUE(translator.waitForFinished(10000));
    EXPECT_EQ(translator.exitCode(), 0);
    EXPECT_EQ(translator.readAllStandardOutput(), "laughing out loud\n");
}

// A dictionary fault, here the missing SMS.dic beside the program, gives one line and status 2.
TEST_F(CommandLineTranslator, ReadsSmsDicBesideItselfByDefault)
{
    const DictionaryFiles folder;
    const QString copy = folder.path() + "/verbolet-translate";
    ASSERT_TRUE(QFile::copy(Program, copy));
    const QByteArray error = "verbolet-translate: SMS.dic: cannot be read: file not found ("
                             + QDir::toNativeSeparators(folder.path() + "/SMS.dic").toUtf8() + ")\n";
    for (const QStringList& mode : {QStringList{}, QStringList{"--check"}}) {
        const Outcome result = run(mode, "brb\n", copy);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.output, "");
        EXPECT_EQ(result.errors, error);
    }
    folder.writeLines({"brb\tbe right back"});
    EXPECT_EQ(run({}, "brb\n", copy).output, "be right back\n");
}

TEST_F(CommandLineTranslator, CheckListsDeadAndSurprisingEntries)
{
    const Outcome clean = run({"--check", "--dictionary", files.writeLines({"brb\tbe right back"}, "clean.dic")});
    EXPECT_EQ(clean.exitCode, 0);
    EXPECT_EQ(clean.output, "clean.dic: no dead or surprising entries\n");

    const QString odd = files.write(
        "odd.dic", TestDictionary::withFiller({"brb\tbe right back", "x1\ty1", "BRB\tagain", "Y1\tz1", "\tend",
                                                 "gr8 \tgreat", " b4\tbefore", "a b\tc", "abc\tdef\tghi"}) +
                       "zzz\tafter the last line\r\n");
    const Outcome found = run({"--dictionary", odd, "--check"});
    EXPECT_EQ(found.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(found.output).split(u'\n'),
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
}

TEST_F(CommandLineTranslator, GivesItsVersionAndRefusesBadArguments)
{
    EXPECT_EQ(run({"--version"}).output, QByteArray("verbolet-translate ") + Verbolet::Version + "\n");
    for (const QStringList& arguments : {QStringList{"--bogus"}, QStringList{"stray"}, QStringList{"--dictionary"}}) {
        const Outcome bad = run(arguments);
        EXPECT_EQ(bad.exitCode, 64) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(bad.errors.startsWith("verbolet-translate: ")) << bad.errors.data();
    }
}
