// verbolet-translate as a partner in a conversation: each line's translation comes out as
// soon as the line goes in, before the input ends.

#include "testdictionaries.h"

#include <QProcess>
#include <gtest/gtest.h>

TEST(CommandLineConversation, AnswersEachLineBeforeTheInputEnds)
{
    const TestDictionaries files;
    const QString dictionary = files.writeLines({"brb\tbe right back", "lol\tlaughing out loud"});

    QProcess translator;
    translator.start(QStringLiteral(VERBOLET_PROGRAM_DIR "/verbolet-translate"), {"--dictionary", dictionary});
    ASSERT_TRUE(translator.waitForStarted());
    const struct {
        QByteArray line;
        QByteArray answer;
    } exchanges[] = {
        {"brb\n", "be right back\n"},
        {"LOL ok\r\n", "laughing out loud ok\n"},
        {"\n", "\n"},
    };
    for (const auto& exchange : exchanges) {
        translator.write(exchange.line);
        QByteArray answer;
        while (!answer.endsWith('\n') && translator.waitForReadyRead(10000))
            answer += translator.readAllStandardOutput();
        EXPECT_EQ(answer, exchange.answer);
    }
    translator.closeWriteChannel();
    ASSERT_TRUE(translator.waitForFinished(10000));
    EXPECT_EQ(translator.exitCode(), 0);
    EXPECT_EQ(translator.readAllStandardOutput(), "");
}
