// The web link on both windows, the mail link and the help button: what each hands the shell.
#include "programwindow.h"

#include "platform/qtplatform.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const std::string MailCall =
    R"(ShellExecuteA(null, "Open", "mailto:support@verbolet.example.org?Subject=Verbolet&Body=", "", "", 1))";

std::string webCall(const QWidget& owner)
{
    return "ShellExecuteA(" + owner.objectName().toStdString() + R"(, "Open", "https://verbolet.example.org/", null, null, 1))";
}

// Each of two presses or clicks opens again: nothing suppresses a repeat.
TEST(Links, EachLinkAndTheHelpButtonHandTheShellExactlyTheirCall)
{
    enum Element { MainWebLink, AboutWebLink, MailLink, HelpButton };
    const struct { Element element; Qt::MouseButton button; bool opens; } cases[] = {
        {MainWebLink, Qt::LeftButton, true}, {MainWebLink, Qt::RightButton, false}, {MainWebLink, Qt::MiddleButton, false},
        {AboutWebLink, Qt::LeftButton, true}, {AboutWebLink, Qt::RightButton, false},
        {MailLink, Qt::LeftButton, true}, {MailLink, Qt::RightButton, true}, {MailLink, Qt::MiddleButton, false},
        {HelpButton, Qt::LeftButton, true}, {HelpButton, Qt::RightButton, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("element " + std::to_string(c.element) + ", button " + std::to_string(c.button));
        ProgramWindow f;
        Form2& about = f.openedAbout();
        f.platform.clear();
        const std::pair<QWidget*, std::string> targets[] = {
            {f.form->lblLink, webCall(*f.form)},
            {about.lblLink, webCall(about)},
            {about.Label5, MailCall},
            {f.form->ImgH, "ShellExecuteA(null, null, \"" + f.folder.path().toStdString() + "/Read Me.htm\", null, null, 1)"},
        };
        const auto& [element, call] = targets[c.element];
        for (int time = 0; time < 2; ++time) {
            if (c.element == MainWebLink || c.element == AboutWebLink) { // they open at the press
                ProgramWindow::press(element, c.button);
                ProgramWindow::releaseElsewhere(element, c.button);
            } else {
                ProgramWindow::click(element, c.button);
            }
        }
        const std::vector<std::string> expected = c.opens ? std::vector<std::string>{call, call} : std::vector<std::string>{};
        EXPECT_EQ(f.platform.callsNamed("ShellExecuteA"), expected);
    }
}

// The help page in a folder whose name holds characters with a meaning in addresses.
TEST(Links, TheHelpPageReachesTheDesktopByItsOwnAddress)
{
    TempFolder root;
    const QString folder = root.path() + "/a b#c?d&e%f";
    QDir().mkpath(folder);
    QFile::copy(VERBOLET_SOURCE_DIR "/data/Read Me.htm", folder + "/Read Me.htm");
    std::vector<QUrl> opened;
    QtPlatform platform([&](const QUrl& url) { opened.push_back(url); return false; }); // as if nothing opened it
    Form1 form(platform, folder);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ProgramWindow::click(form.ImgH);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].toLocalFile(), folder + "/Read Me.htm");
    EXPECT_TRUE(opened[0].toEncoded().endsWith("/a%20b%23c%3Fd&e%25f/Read%20Me.htm")) << opened[0].toEncoded().data();
}

} // namespace
