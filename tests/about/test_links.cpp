// The web link on both windows, the mail link and the shell opening of a path.
#include "aboutfixture.h"

#include <QAccessible>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

const std::string WebAddress = R"("https://verbolet.example.org/")";
const std::string MailCall =
    R"(ShellExecuteA(0, "Open", "mailto:support@verbolet.example.org?Subject=Verbolet&Body=", "", "", 1))";

std::string webCall(win32::HWND owner)
{
    return "ShellExecuteA(" + std::to_string(owner) + R"(, "Open", )" + WebAddress + ", null, null, 1)";
}

// A web link on its window: the press acts, whatever follows it.
struct LinkGesture {
    const char* what;
    std::function<void(QWidget* window, QPoint link, const RecordingPlatform& platform)> perform;
    int opened;
};

const LinkGesture WebLinkGestures[] = {
    {"left press, release elsewhere",
        [](QWidget* w, QPoint at, const RecordingPlatform& platform) {
            AboutFixture::press(w, at);
            EXPECT_EQ(platform.callsNamed("ShellExecuteA").size(), 1u) << "opened at the press";
            AboutFixture::release(w, {150, 5});
        },
        1},
    {"two left clicks",
        [](QWidget* w, QPoint at, const RecordingPlatform&) {
            AboutFixture::click(w, at);
            AboutFixture::click(w, at);
        },
        2},
    {"right click", [](QWidget* w, QPoint at, const RecordingPlatform&) { AboutFixture::click(w, at, Qt::RightButton); },
        0},
    {"middle click",
        [](QWidget* w, QPoint at, const RecordingPlatform&) { AboutFixture::click(w, at, Qt::MiddleButton); }, 0},
};

TEST(Links, TheWebLinkOpensOnALeftPressOnEitherWindowWithThatWindowAsOwner)
{
    for (const bool onAbout : {false, true}) {
        for (const auto& gesture : WebLinkGestures) {
            AboutFixture f;
            Form* window = f.mainWindow.get();
            QWidget* link = f.mainWindow->lblLink;
            if (onAbout) {
                Form2& about = f.openAbout();
                window = &about;
                link = about.lblLink;
            }
            f.platform.clear();
            gesture.perform(window, AboutFixture::centreOf(link), f.platform);
            const std::vector<std::string> expected(gesture.opened, webCall(window->hwnd()));
            EXPECT_EQ(f.platform.callsNamed("ShellExecuteA"), expected)
                << gesture.what << (onAbout ? " on the about window" : " on the main window");
        }
    }
}

TEST(Links, TheMailLinkOpensOnALeftOrRightClick)
{
    const struct {
        Qt::MouseButton button;
        std::vector<std::string> expected;
    } cases[] = {
        {Qt::LeftButton, {MailCall}},
        {Qt::RightButton, {MailCall}},
        {Qt::MiddleButton, {}},
    };
    for (const auto& c : cases) {
        AboutFixture f;
        Form2& about = f.openAbout();
        f.platform.clear();
        AboutFixture::click(&about, AboutFixture::centreOf(about.Label5), c.button);
        EXPECT_EQ(f.platform.callsNamed("ShellExecuteA"), c.expected) << int(c.button);
    }
}

TEST(Links, AScreenReaderPressOpensEachLinkOnce)
{
    AboutFixture f;
    Form2& about = f.openAbout();
    const struct {
        QWidget* link;
        std::string expected;
    } cases[] = {
        {about.lblLink, webCall(about.hwnd())},
        {f.mainWindow->lblLink, webCall(f.mainWindow->hwnd())},
        {about.Label5, MailCall},
    };
    for (const auto& c : cases) {
        f.platform.clear();
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(c.link);
        ASSERT_NE(access, nullptr);
        access->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(f.platform.callsNamed("ShellExecuteA"), std::vector<std::string>{c.expected}) << c.expected;
    }
    EXPECT_EQ(about.Label5->foreColor(), QColor(0, 0, 0)) << "pressed and released";
}

TEST(Links, Win32KeywordHandsThePathToTheDefaultActionAndReturnsZero)
{
    AboutFixture f;
    for (const QString& path : {f.folder.path() + "/Read Me.htm", f.folder.path() + "/nowhere/Missing.htm"}) {
        f.platform.clear();
        EXPECT_EQ(f.mainWindow->Win32Keyword(path), 0);
        EXPECT_EQ(f.platform.callsNamed("ShellExecuteA"),
            std::vector<std::string>{"ShellExecuteA(0, null, \"" + path.toStdString() + "\", null, null, 1)"});
        EXPECT_TRUE(f.platform.errors.isEmpty());
    }
}

} // namespace
