// The title bar and the four picture buttons: moving, rolling up, the faces, help,
// about, minimise and close.
#include "mainwindowfixture.h"

#include "about/form2.h"
#include "controls/picturefile.h"
#include "programend.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct PictureButton {
    Image* const Form1::*element;
    const char* released;
    const char* pressed;
};

const PictureButton PictureButtons[] = {
    {&Form1::ImgH, "hup.btn", "hdown.btn"},
    {&Form1::imgI, "iup.btn", "idown.btn"},
    {&Form1::img_, "_up.btn", "_down.btn"},
    {&Form1::imgX, "xup.btn", "xdown.btn"},
};

const QPoint OffTheButtons{150, 150};
const std::string MoveCommand = "SendMessageA(%1, 274, 61458, 0)"; // WM_SYSCOMMAND, SC_MOVE + HTCAPTION

QColor faceColour(const Image* button)
{
    return button->picture().toImage().pixelColor(0, 0);
}

std::string moveCommandTo(win32::HWND window)
{
    return QString::fromStdString(MoveCommand).arg(window).toStdString();
}

std::vector<int> steps(int from, int to, int by)
{
    std::vector<int> out;
    for (int alpha = from; by > 0 ? alpha <= to : alpha >= to; alpha += by)
        out.push_back(alpha);
    return out;
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
void expectCloseEndsTheProgram(MainWindow& w, const std::function<void()>& checks = {},
    Qt::MouseButton mouseButton = Qt::LeftButton)
{
    expectProgramEnds(w.platform, 0, [&] { w.click(MainWindow::centreOf(w.form->imgX), mouseButton); }, checks);
}

TEST(PictureButtons, EveryPressReadsThePressedFaceAndEveryReleaseTheReleasedOneWithEitherButton)
{
    for (const PictureButton& b : PictureButtons) {
        for (const Qt::MouseButton mouseButton : {Qt::LeftButton, Qt::RightButton}) {
            SCOPED_TRACE(std::string(b.pressed) + (mouseButton == Qt::LeftButton ? " left" : " right"));
            MainWindow w;
            Image* button = w.form.get()->*b.element;
            w.folder.write(QString("Skins/Default/") + b.pressed, pngPicture({17, 17}, Qt::red));
            w.folder.write(QString("Skins/Default/") + b.released, pngPicture({17, 17}, Qt::green));
            const QPoint centre = MainWindow::centreOf(button);

            w.press(centre, mouseButton);
            EXPECT_EQ(faceColour(button), QColor(Qt::red));
            w.release(OffTheButtons, mouseButton);
            EXPECT_EQ(faceColour(button), QColor(Qt::green));

            // Nothing is kept: the next press reads the file again.
            w.folder.write(QString("Skins/Default/") + b.pressed, pngPicture({17, 17}, Qt::blue));
            w.press(centre, mouseButton);
            EXPECT_EQ(faceColour(button), QColor(Qt::blue));
            w.release(OffTheButtons, mouseButton);

            // Released away from the button: no click, so no action.
            EXPECT_TRUE(w.platform.callsNamed("ShellExecuteA").empty());
            EXPECT_TRUE(aboutWindows().empty());
            EXPECT_FALSE(w.form->isMinimized());
            EXPECT_TRUE(w.platform.callsNamed("ExitProcess").empty());
            EXPECT_TRUE(w.platform.errors.isEmpty());
        }
    }
}

TEST(PictureButtons, AFaceThatCannotBeReadIsReportedOnceAndTheButtonKeepsItsFace)
{
    MainWindow w;
    Image* close = w.form->imgX;
    const QImage released = close->picture().toImage();
    QFile::remove(w.skinFile("xdown.btn"));
    for (int round = 0; round < 3; ++round) {
        w.press(MainWindow::centreOf(close));
        EXPECT_EQ(close->picture().toImage(), released);
        w.release(OffTheButtons);
    }
    ASSERT_EQ(w.platform.errors.size(), 1);
    EXPECT_TRUE(w.platform.errors[0].contains("xdown.btn"));

    w.folder.write("Skins/Default/xup.btn", "not a picture");
    w.press(MainWindow::centreOf(close));
    w.release(OffTheButtons);
    ASSERT_EQ(w.platform.errors.size(), 2);
    EXPECT_TRUE(w.platform.errors[1].contains("xup.btn"));
    EXPECT_EQ(close->picture().toImage(), released);
    EXPECT_TRUE(w.form->isVisible()) << "the program goes on";
}

TEST(PictureButtons, HelpOpensTheReadMePageWithEitherButton)
{
    for (const Qt::MouseButton mouseButton : {Qt::LeftButton, Qt::RightButton}) {
        MainWindow w;
        w.click(MainWindow::centreOf(w.form->ImgH), mouseButton);
        const std::string page = (w.folder.path() + "/Read Me.htm").toStdString();
        EXPECT_EQ(w.platform.callsNamed("ShellExecuteA"),
            std::vector<std::string>{"ShellExecuteA(0, null, \"" + page + "\", null, null, 1)"});
    }
}

TEST(PictureButtons, AboutOpensOneAboutWindowForTheRun)
{
    MainWindow w;
    w.click(MainWindow::centreOf(w.form->imgI));
    ASSERT_EQ(aboutWindows().size(), 1u);
    Form2* about = aboutWindows().front();
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(about->isWindow() && about->parentWidget() == nullptr) << "no owner";

    about->hide();
    w.activate();
    w.click(MainWindow::centreOf(w.form->imgI), Qt::RightButton);
    EXPECT_EQ(aboutWindows(), std::vector<Form2*>{about}) << "the same window again";
    EXPECT_TRUE(about->isVisible());
}

TEST(PictureButtons, MinimiseMinimisesWithoutFadeOrIconChange)
{
    MainWindow w;
    const auto calls = w.platform.calls.size();
    w.click(MainWindow::centreOf(w.form->img_));
    EXPECT_TRUE(w.form->windowState() & Qt::WindowMinimized);
    EXPECT_EQ(w.platform.calls.size(), calls);
}

TEST(TitleBar, APressOfAnyButtonOnTheTitleOrItsLabelMovesTheWindow)
{
    for (const bool onLabel : {false, true}) {
        for (const Qt::MouseButton mouseButton : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            MainWindow w;
            w.platform.clear();
            const QPoint at = onLabel ? MainWindow::centreOf(w.form->Label4) : QPoint(10, 8); // imgTop alone
            w.press(at, mouseButton);
            std::vector<std::string> calls;
            for (const auto& call : w.platform.calls)
                calls.push_back(call.text());
            EXPECT_EQ(calls, (std::vector<std::string>{"ReleaseCapture()", moveCommandTo(w.form->hwnd())}))
                << (onLabel ? "Label4 " : "imgTop ") << mouseButton;
            w.release(at, mouseButton);
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
    EXPECT_EQ(w.form->height(), 17) << "255 twips";
    EXPECT_EQ(w.form->width(), 313);
    EXPECT_EQ(w.form->pos(), topLeft);
    EXPECT_FALSE(w.form->expanded());
    EXPECT_EQ(w.platform.callsNamed("SendMessageA").size(), 1u) << "only the first press moves";

    w.doubleClick(title);
    EXPECT_EQ(w.form->height(), 225) << "FullHeight, 3375 twips";
    EXPECT_EQ(w.form->pos(), topLeft);
    EXPECT_TRUE(w.form->expanded());

    w.doubleClick(QPoint(10, 8)); // the title bar beside its label
    EXPECT_EQ(w.form->height(), 225);
    EXPECT_EQ(w.platform.callsNamed("SendMessageA").size(), 3u);
}

TEST(TitleBar, ARolledUpWindowStillMinimisesAndCloses)
{
    MainWindow w;
    w.doubleClick(MainWindow::centreOf(w.form->Label4));
    ASSERT_EQ(w.form->height(), 17);

    w.click(MainWindow::centreOf(w.form->img_));
    EXPECT_TRUE(w.form->windowState() & Qt::WindowMinimized);
    w.form->showNormal();
    w.activate();
    EXPECT_EQ(w.form->height(), 17) << "minimising leaves the roll-up as it was";
    EXPECT_FALSE(w.form->expanded());

    expectCloseEndsTheProgram(w);
}

TEST(Close, HidesReadyFadesOutRemovesTheIconAndEndsTheProgram)
{
    for (const Qt::MouseButton mouseButton : {Qt::LeftButton, Qt::RightButton}) {
        MainWindow w;
        const win32::HWND window = w.form->hwnd();
        w.form->lbReady->setVisible(true);
        w.platform.clear();
        expectCloseEndsTheProgram(w, [&] {
            EXPECT_FALSE(w.form->lbReady->isVisible());
            EXPECT_EQ(w.platform.alphas(window), steps(253, 0, -4)) << "253, 249, ... 1";
            EXPECT_TRUE(w.form->isVisible());
            ASSERT_GE(w.platform.calls.size(), 2u);
            const auto last = w.platform.calls.end();
            EXPECT_EQ((last - 2)->text(), "Shell_NotifyIconA(2)");
            EXPECT_EQ((last - 1)->text(), "ExitProcess(0)") << "and nothing after it";
        }, mouseButton);
    }
}

TEST(Close, ClosingWhileTheAboutWindowIsOpenEndsBoth)
{
    MainWindow w;
    w.click(MainWindow::centreOf(w.form->imgI));
    ASSERT_EQ(aboutWindows().size(), 1u);
    Form2* about = aboutWindows().front();
    (void)QTest::qWaitForWindowActive(about);
    const auto aboutAlphas = w.platform.alphas(about->hwnd()).size();
    w.activate();
    w.platform.clear();

    EXPECT_GT(aboutAlphas, 0u);
    expectCloseEndsTheProgram(w, [&] {
        EXPECT_EQ(w.platform.calls.back().text(), "ExitProcess(0)");
        EXPECT_TRUE(w.platform.alphas(about->hwnd()).empty()) << "the about window does not fade on its own";
    });
}

// The fade-out lets the window's events run between its steps. A second click on close
// there starts a second fade-out from where the first one stands, and the end of that one
// ends the program; a click that quick after the first one makes a double-click, which
// the close button ignores. Either way the program ends once.
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

        std::vector<int> expected = steps(253, 217, -4);
        const std::vector<int> rest = steps(doubleClick ? 213 : 217, 0, -4);
        expected.insert(expected.end(), rest.begin(), rest.end());
        expectCloseEndsTheProgram(w, [&] {
            EXPECT_EQ(w.platform.callsNamed("ExitProcess"), std::vector<std::string>{"ExitProcess(0)"});
            EXPECT_EQ(w.platform.callsNamed("Shell_NotifyIconA"), std::vector<std::string>{"Shell_NotifyIconA(2)"});
            EXPECT_EQ(w.platform.alphas(window), expected);
        });
    }
}

} // namespace
