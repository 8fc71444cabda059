#include "about/modopenurl.h"
#include "recordingplatform.h"

#include <gtest/gtest.h>

TEST(modOpenURL, HandsTheShellExactlyTheseCalls)
{
    const struct {
        const char* link;
        std::function<void(RecordingPlatform&)> open;
        std::string expected;
    } cases[] = {
        {"web link on a window", [](RecordingPlatform& p) { modOpenURL::OpenWebAddress(p, 0x10010); },
            R"(ShellExecuteA(65552, "Open", "https://verbolet.example.org/", null, null, 1))"},
        {"mail link", [](RecordingPlatform& p) { modOpenURL::OpenMailMessage(p); },
            R"(ShellExecuteA(0, "Open", "mailto:support@verbolet.example.org?Subject=Verbolet&Body=", "", "", 1))"},
    };
    for (const auto& c : cases) {
        RecordingPlatform platform;
        c.open(platform);
        EXPECT_EQ(platform.callsNamed("ShellExecuteA"), std::vector<std::string> {c.expected}) << c.link;
    }
}

TEST(modOpenURL, MailAddressEndsRightAfterTheEmptyBody)
{
    EXPECT_TRUE(modOpenURL::MailAddress().endsWith("?Subject=Verbolet&Body="));
}
