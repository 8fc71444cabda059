// The web link on both windows, the mail link and the help button: what each hands the shell.
#include "aboutfixture.h"

#include <QAccessible>
#include <gtest/gtest.h>

namespace {

const std::string MailCall =
    R"(ShellExecuteA(0, "Open", "mailto:support@verbolet.example.org?Subject=Verbolet&Body=", "", "", 1))";

std::string webCall(Form& owner)
{
    return "ShellExecuteA(" + std::to_string(owner.hwnd()) + R"(, "Open", "https://verbolet.example.org/", null, null, 1))";
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
        AboutFixture f;
        Form2& about = f.openAbout();
        f.platform.clear();
        const std::pair<QWidget*, std::string> targets[] = {
            {f.mainWindow->lblLink, webCall(*f.mainWindow)},
            {about.lblLink, webCall(about)},
            {about.Label5, MailCall},
            {f.mainWindow->ImgH, "ShellExecuteA(0, null, \"" + f.folder.path().toStdString() + "/Read Me.htm\", null, null, 1)"},
        };
        const auto& [element, call] = targets[c.element];
        if (c.element == MainWebLink || c.element == AboutWebLink) { // they open at the press
            AboutFixture::mouse(QTest::MousePress, element, c.button);
            AboutFixture::releaseElsewhere(element, c.button);
        } else {
            AboutFixture::mouse(QTest::MouseClick, element, c.button);
        }
        EXPECT_EQ(f.platform.callsNamed("ShellExecuteA"), c.opens ? std::vector{call} : std::vector<std::string>{});
    }
}

TEST(Links, AScreenReaderPressOpensEachLinkOnce)
{
    AboutFixture f;
    Form2& about = f.openAbout();
    const std::pair<QWidget*, std::string> cases[] = {
        {about.lblLink, webCall(about)}, {f.mainWindow->lblLink, webCall(*f.mainWindow)}, {about.Label5, MailCall}};
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
