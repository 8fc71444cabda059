// The web link on both windows, the mail link and the help button: what each hands the shell.
#include "programwindow.h"

#include <QAccessible>
#include <QDir>
#include "platform/qtplatform.h"
#include <gtest/gtest.h>

namespace {

// Opens the about window; the test stops where it does not open.
Form2& opened(ProgramWindow& w)
{
    Form2* about = w.openAbout();
    if (!about)
        throw std::runtime_error("the about window did not open");
    return *about;
}

const std::string MailCall =
    R"(ShellExecuteA(null, "Open", "mailto:support@verbolet.example.org?Subject=Verbolet&Body=", "", "", 1))";

std::string webCall(const QWidget& owner)
{
    return "ShellExecuteA(" + owner.objectName().toStdString() + R"(, "Open", "https://verbolet.example.org/", null, null, 1))";
}

TEST(Links, EachLinkAndTheHelpButtonHandTheShellExactlyTheirCall)
{
    enum Element { MainWebLink, AboutWebLink, MailLink, HelpButton };
    const struct {
        Element element;
        Qt::MouseButton button;
        bool opens;
    } cases[] = {
        {MainWebLink, Qt::LeftButton, true}, {MainWebLink, Qt::RightButton, false}, {MainWebLink, Qt::MiddleButton, false},
        {AboutWebLink, Qt::LeftButton, true}, {AboutWebLink, Qt::RightButton, false}, {AboutWebLink, Qt::MiddleButton, false},
        {MailLink, Qt::LeftButton, true}, {MailLink, Qt::RightButton, true}, {MailLink, Qt::MiddleButton, false},
        {HelpButton, Qt::LeftButton, true}, {HelpButton, Qt::RightButton, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("element " + std::to_string(c.element) + ", button " + std::to_string(c.button));
        ProgramWindow f;
        Form2& about = opened(f);
        f.platform.clear();
        const std::pair<QWidget*, std::string> targets[] = {
            {f.form->lblLink, webCall(*f.form)},
            {about.lblLink, webCall(about)},
            {about.Label5, MailCall},
            {f.form->ImgH, "ShellExecuteA(null, null, \"" + f.folder.path().toStdString() + "/Read Me.htm\", null, null, 1)"},
        };
        const auto& [element, call] = targets[c.element];
        for (int time = 0; time < 2; ++time) { // every time, nothing suppresses a repeat
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

// The help page, in a program folder whose name holds characters that addresses give a meaning
// to, reaches the desktop as the address of that very file; Win32Keyword answers 0 whatever the
// shell says.
TEST(Links, TheHelpPageReachesTheDesktopByItsOwnAddress)
{
    TempFolder root;
    const QString folder = root.path() + "/a b#c?d&e%f";
    QDir().mkpath(folder);
    QFile::copy(VERBOLET_SOURCE_DIR "/data/Read Me.htm", folder + "/Read Me.htm");
    std::vector<QUrl> opened;
    QtPlatform platform([&](const QUrl& url) {
        opened.push_back(url);
        return false; // as if no program opened it
    });
    Form1 form(platform, folder);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ProgramWindow::click(form.ImgH);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].toLocalFile(), folder + "/Read Me.htm");
    EXPECT_EQ(form.Win32Keyword(folder + "/missing.htm"), 0);
}

TEST(Links, AScreenReaderPressOpensEachLinkOnce)
{
    ProgramWindow f;
    Form2& about = opened(f);
    const std::pair<QWidget*, std::string> cases[] = {
        {about.lblLink, webCall(about)}, {f.form->lblLink, webCall(*f.form)}, {about.Label5, MailCall}};
    for (const auto& [link, expected] : cases) {
        f.platform.clear();
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(link);
        ASSERT_NE(access, nullptr);
        access->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(f.platform.callsNamed("ShellExecuteA"), std::vector<std::string>{expected});
    }
    EXPECT_EQ(about.Label5->foreColor(), QColor(0, 0, 0)) << "pressed and released";
}

} // namespace
