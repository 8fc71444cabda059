#include "platform/qtplatform.h"

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
