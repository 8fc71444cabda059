// The title bar and the four picture buttons: moving, rolling up, the faces and close.
#include "programend.h"
#include "programwindow.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QPoint TitleBarBesideItsLabel{10, 8};

std::vector<int> fadeOut(int from)
{
    std::vector<int> alphas;
    for (int alpha = from; alpha >= 0; alpha -= 4)
        alphas.push_back(alpha);
    return alphas;
}

TEST(TitleBar, APressOfAnyButtonOnTheTitleOrItsLabelMovesTheWindow)
{
    for (const bool onLabel : {false, true}) {
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            SCOPED_TRACE(std::to_string(onLabel) + " " + std::to_string(button));
            ProgramWindow w;
            w.platform.clear();
            const QPoint at = onLabel ? w.form->Label4->geometry().center() : TitleBarBesideItsLabel;
            w.mouseAt(QTest::MousePress, at, button);
            std::vector<std::string> calls;
            for (const auto& call : w.platform.calls)
                calls.push_back(call.text());
            EXPECT_EQ(calls, (std::vector<std::string>{"ReleaseCapture()", "SendMessageA(Form1, 274, 61458, 0)"}));
            w.mouseAt(QTest::MouseRelease, at, button);
        }
    }
}

// Double-clicks on the title's label roll the window up to its title bar and down again, in
// place; on the title beside the label they do not.
TEST(TitleBar, DoubleClicksOnTheTitleLabelRollTheWindowUpAndDownAgain)
{
    ProgramWindow w;
    const QPoint topLeft = w.form->pos();
    for (const int height : {17, 225}) {
        ProgramWindow::doubleClick(w.form->Label4);
        EXPECT_EQ(w.form->size(), QSize(313, height));
        EXPECT_EQ(w.form->pos(), topLeft);
    }
    w.mouseAt(QTest::MouseDClick, TitleBarBesideItsLabel);
    EXPECT_EQ(w.form->height(), 225);
}

// Either mouse button on the close button, and a close request from the desktop, run the one
// close sequence.
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
            EXPECT_EQ(w.platform.alphas("Form1"), fadeOut(253));
            ASSERT_GE(w.platform.calls.size(), 2u);
            EXPECT_EQ(w.platform.calls.end()[-2].text(), "Shell_NotifyIconA(2, TrayIcon)");
            EXPECT_EQ(w.platform.calls.end()[-1].text(), "ExitProcess(0)") << "and nothing after it";
        });
    }
}

// The fade-out lets events run between its steps: a second click or a close request there fades
// out again from where the first fade stands; a double-click the close button ignores. The
// program ends once.
TEST(Close, ASecondCloseDuringTheFadeOutEndsTheProgramOnce)
{
    enum class Second { Click, DoubleClick, CloseRequest };
    for (const Second second : {Second::Click, Second::DoubleClick, Second::CloseRequest}) {
        SCOPED_TRACE(int(second));
        ProgramWindow w;
        int fadeSteps = 0;
        w.platform.onDoEvents = [&] {
            if (++fadeSteps != 10)
                return;
            if (second == Second::DoubleClick) // the second click of one, as it comes so soon
                QTest::mouseClick(w.form->windowHandle(), Qt::LeftButton, {}, w.form->imgX->geometry().center());
            else if (second == Second::Click)
                ProgramWindow::click(w.form->imgX);
            else
                w.form->close();
        };
        w.platform.clear();

        std::vector<int> expected = fadeOut(253);
        expected.resize(10); // 253 ... 217
        const std::vector<int> rest = fadeOut(second == Second::DoubleClick ? 213 : 217);
        expected.insert(expected.end(), rest.begin(), rest.end());
        expectProgramEnds(w.platform, 0, [&] { ProgramWindow::click(w.form->imgX); }, [&] {
            EXPECT_EQ(w.platform.callsNamed("ExitProcess"), std::vector<std::string>{"ExitProcess(0)"});
            EXPECT_EQ(w.platform.callsNamed("Shell_NotifyIconA"), std::vector<std::string>{"Shell_NotifyIconA(2, TrayIcon)"});
            EXPECT_EQ(w.platform.alphas("Form1"), expected);
        });
    }
}

// A face file that cannot be read is reported only once the click that follows the release has
// run its action: a report during the press would take the release, and so the click, from the
// button. Each new fault of the file is reported once.
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
        std::vector<std::string> order;
        for (const auto& call : w.platform.calls)
            if (call.name == action || call.name == "ReportError")
                order.push_back(call.name);
        ASSERT_FALSE(order.empty());
        EXPECT_EQ(order.front(), action) << "the click's action runs before the report";

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
