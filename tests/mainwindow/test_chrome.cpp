// The title bar and the four picture buttons: moving, rolling up, the faces and close.
#include "programend.h"
#include "programwindow.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QPoint TitleBarBesideItsLabel{10, 8};

// A press of any button on the title or its label moves the window; double-clicks on the label
// roll it up to its title bar and down again, in place, and on the title beside it do not.
TEST(TitleBar, APressMovesTheWindowAndDoubleClicksOnTheLabelRollItUpAndDown)
{
    ProgramWindow w;
    for (const bool onLabel : {false, true}) {
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            SCOPED_TRACE(std::to_string(onLabel) + " " + std::to_string(button));
            w.platform.clear();
            const QPoint at = onLabel ? w.form->Label4->geometry().center() : TitleBarBesideItsLabel;
            w.mouseAt(QTest::MousePress, at, button);
            EXPECT_EQ(w.platform.callsNamed(), (std::vector<std::string>{"ReleaseCapture()", "SendMessageA(Form1, 274, 61458, 0)"}));
            w.mouseAt(QTest::MouseRelease, at, button);
        }
    }
    const QPoint topLeft = w.form->pos();
    for (const int height : {17, 225}) {
        ProgramWindow::doubleClick(w.form->Label4);
        EXPECT_EQ(w.form->size(), QSize(313, height));
        EXPECT_EQ(w.form->pos(), topLeft);
    }
    w.mouseAt(QTest::MouseDClick, TitleBarBesideItsLabel);
    EXPECT_EQ(w.form->height(), 225);
}

// Either button on the close button, and the desktop's close request, run the one sequence.
TEST(Close, HidesReadyFadesOutRemovesTheIconAndEnds)
{
    const std::pair<const char*, std::function<void(ProgramWindow&)>> closings[] = {
        {"left click", [](ProgramWindow& w) { ProgramWindow::click(w.form->imgX); }},
        {"right click", [](ProgramWindow& w) { ProgramWindow::click(w.form->imgX, Qt::RightButton); }},
        {"desktop's close request", [](ProgramWindow& w) { w.form->close(); }},
    };
    for (const auto& [how, close] : closings) {
        SCOPED_TRACE(how);
        ProgramWindow w;
        w.form->lbReady->setVisible(true);
        w.platform.clear();
        expectProgramEnds(w.platform, 0, [&, close = close] { close(w); }, [&] {
            EXPECT_FALSE(w.form->lbReady->isVisible());
            EXPECT_EQ(w.platform.alphas("Form1"), levels(253, 1, -4));
            ASSERT_GE(w.platform.calls.size(), 2u);
            EXPECT_EQ(w.platform.calls.end()[-2].text(), "Shell_NotifyIconA(2, TrayIcon)");
            EXPECT_EQ(w.platform.calls.end()[-1].text(), "ExitProcess(0)") << "and nothing after it";
        });
    }
}

// Events run between the fade-out's steps: a second click or close request there fades out again
// from where it stands, a double-click is ignored, and the program ends once.
TEST(Close, ASecondCloseDuringTheFadeOutEndsTheProgramOnce)
{
    const std::tuple<const char*, std::function<void(ProgramWindow&)>, int> seconds[] = {
        {"click", [](ProgramWindow& w) { ProgramWindow::click(w.form->imgX); }, 217},
        {"double-click", [](ProgramWindow& w) { // its second click, as it comes so soon
            QTest::mouseClick(w.form->windowHandle(), Qt::LeftButton, {}, w.form->imgX->geometry().center());
        }, 213},
        {"close request", [](ProgramWindow& w) { w.form->close(); }, 217},
    };
    for (const auto& [how, second, restart] : seconds) {
        SCOPED_TRACE(how);
        ProgramWindow w;
        int fadeSteps = 0;
        w.platform.onDoEvents = [&, second = second] {
            if (++fadeSteps == 10)
                second(w);
        };
        w.platform.clear();

        const std::vector<int> expected = levels(restart, 1, -4, levels(253, 217, -4));
        expectProgramEnds(w.platform, 0, [&] { ProgramWindow::click(w.form->imgX); }, [&] {
            EXPECT_EQ(w.platform.callsNamed("ExitProcess"), std::vector<std::string>{"ExitProcess(0)"});
            EXPECT_EQ(w.platform.callsNamed("Shell_NotifyIconA"), std::vector<std::string>{"Shell_NotifyIconA(2, TrayIcon)"});
            EXPECT_EQ(w.platform.alphas("Form1"), expected);
        });
    }
}

// A face file that cannot be read is reported once the click has run its action (a report during
// the press would take the release, and so the click, from the button); each new fault once.
TEST(PictureButtons, AMissingFaceIsReportedAfterTheClickOncePerFault)
{
    const std::tuple<Image* Form1::*, ButtonFaces, std::string> buttons[] = {
        {&Form1::imgI, Skin::AboutButton, "SetLayeredWindowAttributes"}, {&Form1::ImgH, Skin::HelpButton, "ShellExecuteA"}};
    for (const auto& [element, faces, action] : buttons) {
        SCOPED_TRACE(action);
        ProgramWindow w;
        Image* button = w.form.get()->*element;
        const QString face = w.file(QStringLiteral("\\Skins\\Default\\") + faces.pressed.name);
        QFile::remove(face);
        w.platform.clear();
        ProgramWindow::click(button);
        ASSERT_EQ(w.reports().size(), 1);
        EXPECT_TRUE(w.platform.errors[0].contains(face) && w.platform.errors[0].contains("file not found"));
        const auto& calls = w.platform.calls;
        const auto first = std::find_if(calls.begin(), calls.end(), [&](const auto& c) { return c.name == action || c.name == "ReportError"; });
        ASSERT_NE(first, calls.end());
        EXPECT_EQ(first->name, action) << "the click's action runs before the report";

        ProgramWindow::click(button);
        EXPECT_EQ(w.reports().size(), 1) << "the same fault again";
        QDir().mkpath(face);
        ProgramWindow::click(button);
        ProgramWindow::click(button);
        ASSERT_EQ(w.reports().size(), 2) << "a new fault of the file";
        EXPECT_TRUE(w.platform.errors[1].contains("is a folder"));
    }
}

} // namespace
