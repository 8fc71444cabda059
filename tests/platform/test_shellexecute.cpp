#include "platform/qtplatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Only the answers that open nothing are checked here: a real opening would start the
// desktop's browser or mail program.
TEST(QtPlatformShell, AnswersWithoutOpeningAnything)
{
    QtPlatform platform;
    const struct {
        const char* operation;
        const char* file;
        win32::HINSTANCE expected;
    } cases[] = {
        {nullptr, "/nonexistent/Read Me.htm", 2},
        {"Open", "/nonexistent/Read Me.htm", 2},
        {"print", "https://verbolet.example.org/", 31},
        {"Open", "", 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform.ShellExecuteA(0, c.operation, c.file, nullptr, nullptr, win32::SW_SHOWNORMAL), c.expected)
            << (c.operation ? c.operation : "null") << ' ' << c.file;
}

TEST(QtPlatformShell, ARelativePathIsLookedForInTheGivenDirectory)
{
    QTemporaryDir current;
    QTemporaryDir elsewhere;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(current.path());
    QFile page(current.filePath("page.htm"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();

    QtPlatform platform;
    const QByteArray directory = elsewhere.path().toUtf8();
    EXPECT_EQ(platform.ShellExecuteA(0, nullptr, "page.htm", nullptr, directory.constData(), win32::SW_SHOWNORMAL), 2)
        << "not the current folder's page.htm";
    QDir::setCurrent(previous);
}
