// The title bar and the four picture buttons: moving, rolling up, the faces and close.
#include "programend.h"
#include "programwindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QPoint OffTheButtons{150, 150};
const QPoint TitleBarBesideItsLabel{10, 8};

std::vector<int> fadeOut(int from)
{
    std::vector<int> alphas;
    for (int alpha = from; alpha >= 0; alpha -= 4)
        alphas.push_back(alpha);
    return alphas;
}

// Clicks the close button: the program ends with status 0, and `checks` look at the state it
// ended in.
void expectCloseEndsTheProgram(ProgramWindow& w, const std::function<void()>& checks,
    Qt::MouseButton button = Qt::LeftButton)
{
    expectProgramEnds(w.platform, 0, [&] { ProgramWindow::click(w.form->imgX, button); }, checks);
}

TEST(PictureButtons, EveryPressAndReleaseReadsTheFaceFileAndAPressMovedOffDoesNothing)
{
    const std::pair<Image* Form1::*, ButtonFaces> buttons[] = {
        {&Form1::ImgH, Skin::HelpButton},
        {&Form1::imgI, Skin::AboutButton},
        {&Form1::img_, Skin::MinimiseButton},
        {&Form1::imgX, Skin::CloseButton},
    };
    for (const auto& [element, faces] : buttons) {
        for (const Qt::MouseButton mouseButton : {Qt::LeftButton, Qt::RightButton}) {
            SCOPED_TRACE(std::string(faces.pressed.name) + " " + std::to_string(mouseButton));
            ProgramWindow w;
            Image* button = w.form.get()->*element;
            const QColor colours[][2] = {{Qt::red, Qt::darkRed}, {Qt::blue, Qt::darkBlue}};
            for (const auto& [pressed, released] : colours) { // nothing is kept between presses
                w.writeSkin(faces.pressed.name, encodedPicture({17, 17}, pressed));
                w.writeSkin(faces.released.name, encodedPicture({17, 17}, released));
                ProgramWindow::press(button, mouseButton);
                EXPECT_EQ(button->picture().toImage().pixelColor(0, 0), pressed);
                w.mouseAt(QTest::MouseRelease, OffTheButtons, mouseButton);
                EXPECT_EQ(button->picture().toImage().pixelColor(0, 0), released);
            }
            EXPECT_TRUE(w.platform.callsNamed("ShellExecuteA").empty());
            EXPECT_EQ(w.form->aboutWindow().form(), nullptr);
            EXPECT_FALSE(w.form->isMinimized());
            EXPECT_TRUE(w.reports().isEmpty());
        }
    }
}

TEST(TitleBar, APressOfAnyButtonOnTheTitleOrItsLabelMovesTheWindow)
{
    for (const bool onLabel : {false, true}) {
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            ProgramWindow w;
            w.platform.clear();
            const QPoint at = onLabel ? w.form->Label4->geometry().center() : TitleBarBesideItsLabel;
            w.mouseAt(QTest::MousePress, at, button);
            std::vector<std::string> calls;
            for (const auto& call : w.platform.calls)
                calls.push_back(call.text());
            EXPECT_EQ(calls, (std::vector<std::string>{"ReleaseCapture()", "SendMessageA(Form1, 274, 61458, 0)"}))
                << onLabel << " " << button;
            w.mouseAt(QTest::MouseRelease, at, button);
        }
    }
}

TEST(TitleBar, DoubleClicksOnTheTitleLabelRollTheWindowUpAndDownAgain)
{
    ProgramWindow w;
    const QPoint topLeft = w.form->pos();
    w.platform.clear();

    ProgramWindow::doubleClick(w.form->Label4);
    EXPECT_EQ(w.form->size(), QSize(313, 17)) << "255 twips";
    EXPECT_EQ(w.form->pos(), topLeft);
    EXPECT_FALSE(w.form->expanded());
    EXPECT_EQ(w.platform.callsNamed("SendMessageA").size(), 1u) << "only the first press moves";

    ProgramWindow::doubleClick(w.form->Label4);
    EXPECT_EQ(w.form->size(), QSize(313, 225)) << "FullHeight, 3375 twips";
    EXPECT_EQ(w.form->pos(), topLeft);
    EXPECT_TRUE(w.form->expanded());

    w.mouseAt(QTest::MouseDClick, TitleBarBesideItsLabel);
    EXPECT_EQ(w.form->height(), 225);
    EXPECT_EQ(w.platform.callsNamed("SendMessageA").size(), 3u);
}

// The close button with either mouse button, and a close request from the desktop, run the one
// close sequence.
TEST(Close, ARolledUpWindowStillMinimisesThenCloseHidesReadyFadesOutRemovesTheIconAndEnds)
{
    const std::pair<const char*, std::function<void(ProgramWindow&)>> closings[] = {
        {"left click", [](ProgramWindow& w) { ProgramWindow::click(w.form->imgX); }},
        {"right click", [](ProgramWindow& w) { ProgramWindow::click(w.form->imgX, Qt::RightButton); }},
        {"desktop's close request", [](ProgramWindow& w) { w.form->close(); }},
    };
    for (const auto& [how, close] : closings) {
        SCOPED_TRACE(how);
        ProgramWindow w;
        ProgramWindow::doubleClick(w.form->Label4);
        ASSERT_EQ(w.form->height(), 17);
        const auto calls = w.platform.calls.size();
        ProgramWindow::click(w.form->img_);
        EXPECT_TRUE(w.form->windowState() & Qt::WindowMinimized);
        EXPECT_EQ(w.platform.calls.size(), calls) << "minimising neither fades nor touches the icon";
        w.form->showNormal();
        w.activate();
        EXPECT_EQ(w.form->height(), 17) << "minimising leaves the roll-up as it was";

        w.form->lbReady->setVisible(true);
        w.platform.clear();
        expectProgramEnds(w.platform, 0, [&, close = close] { close(w); }, [&] {
            EXPECT_FALSE(w.form->lbReady->isVisible());
            EXPECT_EQ(w.platform.alphas("Form1"), fadeOut(253));
            EXPECT_TRUE(w.form->isVisible());
            ASSERT_GE(w.platform.calls.size(), 2u);
            EXPECT_EQ(w.platform.calls.end()[-2].text(), "Shell_NotifyIconA(2, TrayIcon)");
            EXPECT_EQ(w.platform.calls.end()[-1].text(), "ExitProcess(0)") << "and nothing after it";
        });
    }
}

TEST(Close, ClosingWhileTheAboutWindowIsOpenEndsBoth)
{
    ProgramWindow w;
    ASSERT_NE(w.openAbout(), nullptr);
    EXPECT_FALSE(w.platform.alphas("Form2").empty());
    w.activate();
    w.platform.clear();

    expectCloseEndsTheProgram(w, [&] {
        EXPECT_EQ(w.platform.calls.back().text(), "ExitProcess(0)");
        EXPECT_TRUE(w.platform.alphas("Form2").empty()) << "the about window does not fade on its own";
    });
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
            if (second == Second::DoubleClick)
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
        expectCloseEndsTheProgram(w, [&] {
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
    const std::pair<Image* Form1::*, std::string> buttons[] = {{&Form1::imgI, "SetLayeredWindowAttributes"},
        {&Form1::ImgH, "ShellExecuteA"}};
    for (const auto& [element, action] : buttons) {
        ProgramWindow w;
        Image* button = w.form.get()->*element;
        const ButtonFaces& faces = element == &Form1::imgI ? Skin::AboutButton : Skin::HelpButton;
        const QString face = w.file(QStringLiteral("\\Skins\\Default\\") + faces.pressed.name);
        QFile::remove(face);
        w.platform.clear();
        ProgramWindow::click(button);
        ASSERT_EQ(w.reports().size(), 1) << action;
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
