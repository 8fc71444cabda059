#include "platform/programfolder.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(ProgramFolder, JoinsBackslashPathsWithTheNativeSeparator)
{
    const QString sep = QDir::separator();
    const struct {
        QString relative;
        QString expected;
    } cases[] = {
        {"\\SMS.dic", sep + "SMS.dic"},
        {"\\Skins\\Default\\grad.skt", sep + "Skins" + sep + "Default" + sep + "grad.skt"},
        {"\\Read Me.htm", sep + "Read Me.htm"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgramFolder::join("/opt/verbolet", c.relative), "/opt/verbolet" + c.expected);
}
