// The title bar and the four picture buttons: moving, rolling up, the faces and close.
#include "mainwindowfixture.h"

#include "about/form2.h"
#include "programend.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {

const QPoint OffTheButtons{150, 150};

std::vector<int> fadeOut(int from)
{
    std::vector<int> alphas;
    for (int alpha = from; alpha >= 0; alpha -= 4)
        alphas.push_back(alpha);
    return alphas;
}

std::vector<Form2*> aboutWindows()
{
    std::vector<Form2*> found;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* about = qobject_cast<Form2*>(window))
            found.push_back(about);
    return found;
}

// Clicks the close button: the program ends with status 0, and `checks` look at the
// state it ended in.
void expectCloseEndsTheProgram(MainWindow& w, const std::function<void()>& checks,
    Qt::MouseButton button = Qt::LeftButton)
{
    expectProgramEnds(w.platform, 0, [&] { w.click(MainWindow::centreOf(w.form->imgX), button); }, checks);
}

TEST(PictureButtons, EveryPressAndReleaseReadsTheFaceFileAndAPressMovedOffDoesNothing)
{
    const struct {
        Image* const Form1::*element;
        const char* released;
        const char* pressed;
    } buttons[] = {
        {&Form1::ImgH, "hup.btn", "hdown.btn"},
        {&Form1::imgI, "iup.btn", "idown.btn"},
        {&Form1::img_, "_up.btn", "_down.btn"},
        {&Form1::imgX, "xup.btn", "xdown.btn"},
    };
    for (const auto& b : buttons) {
        for (const Qt::MouseButton mouseButton : {Qt::LeftButton, Qt::RightButton}) {
            SCOPED_TRACE(std::string(b.pressed) + " " + std::to_string(mouseButton));
            MainWindow w;
            Image* button = w.form.get()->*b.element;
            const QPoint centre = MainWindow::centreOf(button);
            const QColor faces[][2] = {{Qt::red, Qt::darkRed}, {Qt::blue, Qt::darkBlue}};
            for (const auto& [pressed, released] : faces) { // nothing is kept between presses
                w.folder.write(QString("Skins/Default/") + b.pressed, encodedPicture({17, 17}, pressed));
                w.folder.write(QString("Skins/Default/") + b.released, encodedPicture({17, 17}, released));
                w.press(centre, mouseButton);
                EXPECT_EQ(button->picture().toImage().pixelColor(0, 0), pressed);
                w.release(OffTheButtons, mouseButton);
                EXPECT_EQ(button->picture().toImage().pixelColor(0, 0), released);
            }
            EXPECT_TRUE(w.platform.callsNamed("ShellExecuteA").empty());
            EXPECT_TRUE(aboutWindows().empty());
            EXPECT_FALSE(w.form->isMinimized());
            EXPECT_TRUE(w.platform.errors.isEmpty());
        }
    }
}

TEST(TitleBar, APressOfAnyButtonOnTheTitleOrItsLabelMovesTheWindow)
{
    for (const bool onLabel : {false, true}) {
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            MainWindow w;
            w.platform.clear();
            const QPoint at = onLabel ? MainWindow::centreOf(w.form->Label4) : QPoint(10, 8); // imgTop alone
            w.press(at, button);
            std::vector<std::string> calls;
            for (const auto& call : w.platform.calls)
                calls.push_back(call.text());
            const std::string move = "SendMessageA(" + std::to_string(w.form->hwnd()) + ", 274, 61458, 0)";
            EXPECT_EQ(calls, (std::vector<std::string>{"ReleaseCapture()", move})) << onLabel << " " << button;
            w.release(at, button);
        }
    }
}

TEST(TitleBar, DoubleClicksOnTheTitleLabelRollTheWindowUpAndDownAgain)
{
    MainWindow w;
    const QPoint topLeft = w.form->pos();
    const QPoint title = MainWindow::centreOf(w.form->Label4);
    w.platform.clear();

    w.doubleClick(title);
    EXPECT_EQ(w.form->size(), QSize(313, 17)) << "255 twips";
    EXPECT_EQ(w.form->pos(), topLeft);
    EXPECT_FALSE(w.form->expanded());
    EXPECT_EQ(w.platform.callsNamed("SendMessageA").size(), 1u) << "only the first press moves";

    w.doubleClick(title);
    EXPECT_EQ(w.form->size(), QSize(313, 225)) << "FullHeight, 3375 twips";
    EXPECT_EQ(w.form->pos(), topLeft);
    EXPECT_TRUE(w.form->expanded());

    w.doubleClick(QPoint(10, 8)); // the title bar beside its label
    EXPECT_EQ(w.form->height(), 225);
    EXPECT_EQ(w.platform.callsNamed("SendMessageA").size(), 3u);
}

TEST(Close, ARolledUpWindowStillMinimisesThenCloseHidesReadyFadesOutRemovesTheIconAndEnds)
{
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        MainWindow w;
        const win32::HWND window = w.form->hwnd();
        w.doubleClick(MainWindow::centreOf(w.form->Label4));
        ASSERT_EQ(w.form->height(), 17);
        const auto calls = w.platform.calls.size();
        w.click(MainWindow::centreOf(w.form->img_), button);
        EXPECT_TRUE(w.form->windowState() & Qt::WindowMinimized);
        EXPECT_EQ(w.platform.calls.size(), calls) << "minimising neither fades nor touches the icon";
        w.form->showNormal();
        w.activate();
        EXPECT_EQ(w.form->height(), 17) << "minimising leaves the roll-up as it was";

        w.form->lbReady->setVisible(true);
        w.platform.clear();
        expectCloseEndsTheProgram(w, [&] {
            EXPECT_FALSE(w.form->lbReady->isVisible());
            EXPECT_EQ(w.platform.alphas(window), fadeOut(253));
            EXPECT_TRUE(w.form->isVisible());
            ASSERT_GE(w.platform.calls.size(), 2u);
            EXPECT_EQ(w.platform.calls.end()[-2].text(), "Shell_NotifyIconA(2)");
            EXPECT_EQ(w.platform.calls.end()[-1].text(), "ExitProcess(0)") << "and nothing after it";
        }, button);
    }
}

TEST(Close, ClosingWhileTheAboutWindowIsOpenEndsBoth)
{
    MainWindow w;
    w.click(MainWindow::centreOf(w.form->imgI));
    ASSERT_EQ(aboutWindows().size(), 1u);
    Form2* about = aboutWindows().front();
    (void)QTest::qWaitForWindowActive(about);
    EXPECT_FALSE(w.platform.alphas(about->hwnd()).empty());
    w.activate();
    w.platform.clear();

    expectCloseEndsTheProgram(w, [&] {
        EXPECT_EQ(w.platform.calls.back().text(), "ExitProcess(0)");
        EXPECT_TRUE(w.platform.alphas(about->hwnd()).empty()) << "the about window does not fade on its own";
    });
}

// The fade-out lets events run between its steps: a second click there fades out again from
// where the first fade stands; a double-click the close button ignores. The program ends once.
TEST(Close, ASecondClickDuringTheFadeOutEndsTheProgramOnce)
{
    for (const bool doubleClick : {false, true}) {
        SCOPED_TRACE(doubleClick ? "double-click" : "second click");
        MainWindow w;
        const win32::HWND window = w.form->hwnd();
        const QPoint close = MainWindow::centreOf(w.form->imgX);
        int fadeSteps = 0;
        w.platform.onDoEvents = [&] {
            if (++fadeSteps != 10)
                return;
            if (doubleClick)
                QTest::mouseClick(w.form->windowHandle(), Qt::LeftButton, {}, close);
            else
                w.click(close);
        };
        w.platform.clear();

        std::vector<int> expected = fadeOut(253);
        expected.resize(10); // 253 ... 217
        const std::vector<int> rest = fadeOut(doubleClick ? 213 : 217);
        expected.insert(expected.end(), rest.begin(), rest.end());
        expectCloseEndsTheProgram(w, [&] {
            EXPECT_EQ(w.platform.callsNamed("ExitProcess"), std::vector<std::string>{"ExitProcess(0)"});
            EXPECT_EQ(w.platform.callsNamed("Shell_NotifyIconA"), std::vector<std::string>{"Shell_NotifyIconA(2)"});
            EXPECT_EQ(w.platform.alphas(window), expected);
        });
    }
}

} // namespace
