// The title bar and the four picture buttons: moving, rolling up, the faces and close.
#include "programend.h"
#include "programwindow.h"

#include <QApplication>
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

TEST(Close, ARolledUpWindowStillMinimisesThenCloseHidesReadyFadesOutRemovesTheIconAndEnds)
{
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        ProgramWindow w;
        ProgramWindow::doubleClick(w.form->Label4);
        ASSERT_EQ(w.form->height(), 17);
        const auto calls = w.platform.calls.size();
        ProgramWindow::click(w.form->img_, button);
        EXPECT_TRUE(w.form->windowState() & Qt::WindowMinimized);
        EXPECT_EQ(w.platform.calls.size(), calls) << "minimising neither fades nor touches the icon";
        w.form->showNormal();
        w.activate();
        EXPECT_EQ(w.form->height(), 17) << "minimising leaves the roll-up as it was";

        w.form->lbReady->setVisible(true);
        w.platform.clear();
        expectCloseEndsTheProgram(w, [&] {
            EXPECT_FALSE(w.form->lbReady->isVisible());
            EXPECT_EQ(w.platform.alphas("Form1"), fadeOut(253));
            EXPECT_TRUE(w.form->isVisible());
            ASSERT_GE(w.platform.calls.size(), 2u);
            EXPECT_EQ(w.platform.calls.end()[-2].text(), "Shell_NotifyIconA(2, TrayIcon)");
            EXPECT_EQ(w.platform.calls.end()[-1].text(), "ExitProcess(0)") << "and nothing after it";
        }, button);
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

// The fade-out lets events run between its steps: a second click there fades out again from
// where the first fade stands; a double-click the close button ignores. The program ends once.
TEST(Close, ASecondClickDuringTheFadeOutEndsTheProgramOnce)
{
    for (const bool doubleClick : {false, true}) {
        SCOPED_TRACE(doubleClick ? "double-click" : "second click");
        ProgramWindow w;
        int fadeSteps = 0;
        w.platform.onDoEvents = [&] {
            if (++fadeSteps != 10)
                return;
            if (doubleClick)
                QTest::mouseClick(w.form->windowHandle(), Qt::LeftButton, {}, w.form->imgX->geometry().center());
            else
                ProgramWindow::click(w.form->imgX);
        };
        w.platform.clear();

        std::vector<int> expected = fadeOut(253);
        expected.resize(10); // 253 ... 217
        const std::vector<int> rest = fadeOut(doubleClick ? 213 : 217);
        expected.insert(expected.end(), rest.begin(), rest.end());
        expectCloseEndsTheProgram(w, [&] {
            EXPECT_EQ(w.platform.callsNamed("ExitProcess"), std::vector<std::string>{"ExitProcess(0)"});
            EXPECT_EQ(w.platform.callsNamed("Shell_NotifyIconA"), std::vector<std::string>{"Shell_NotifyIconA(2, TrayIcon)"});
            EXPECT_EQ(w.platform.alphas("Form1"), expected);
        });
    }
}

} // namespace
