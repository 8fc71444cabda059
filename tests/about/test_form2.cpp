// The about window: its opening, fades, close button and mail link.
#include "programwindow.h"

#include "controls/systemcolors.h"

#include <QFile>
#include <QPointer>
#include <gtest/gtest.h>

namespace {

// Its title neither moves it nor rolls it up, and none of its elements takes the focus.
TEST(AboutWindow, TheFirstOpeningLoadsItCentredOverTheMainWindowAndFadesItIn)
{
    ProgramWindow f;
    Form2& form = f.openedAbout();
    EXPECT_TRUE(form.isActiveWindow());
    EXPECT_EQ(f.platform.alphas("Form2"), levels(5, 253, 4, {0})) << "transparent from its creation";
    EXPECT_EQ(form.geometry().center(), f.form->geometry().center());
    EXPECT_TRUE(f.form->isEnabled()) << "not modal";
    EXPECT_EQ(form.Label5->cursor().hotSpot(), QPoint(13, 5)) << "the delivered OpenURL.cur";
    for (const QWidget* element : form.findChildren<QWidget*>())
        EXPECT_EQ(element->focusPolicy(), Qt::NoFocus) << element->objectName().toStdString();

    const QRect place = form.geometry();
    f.platform.clear();
    ProgramWindow::press(form.imgTop);
    ProgramWindow::mouse(QTest::MouseMove, form.Label4);
    ProgramWindow::releaseElsewhere(form.imgTop);
    ProgramWindow::doubleClick(form.imgTop);
    EXPECT_EQ(form.geometry(), place);
    EXPECT_TRUE(f.platform.callsNamed("SendMessageA").empty());
}

// The pictures load in their order, then the pointer: with every file missing, each opening
// names the next one once the one before is back.
TEST(AboutWindow, LoadsItsPicturesAndThenThePointerInOrder)
{
    ProgramWindow f;
    const QString order[] = {"Skins/Default/grad.skt", "Skins/Default/side.sks", "Skins/Default/xup.btn",
        "Skins/Default/bottom.skk", "Skins/Default/buttonidle.btn", "Skins/Default/buttonpush.btn", "OpenURL.cur"};
    const QString folder = f.folder.path() + '/';
    for (const QString& file : order)
        QFile::rename(folder + file, folder + file + ".away");
    for (const QString& file : order) {
        f.platform.errors.clear();
        EXPECT_EQ(f.openAbout(), nullptr);
        ASSERT_EQ(f.platform.errors.size(), 1);
        EXPECT_TRUE(f.platform.errors[0].contains(QFileInfo(file).fileName())) << f.platform.errors[0].toStdString();
        QFile::rename(folder + file + ".away", folder + file);
    }
    EXPECT_NE(f.openAbout(), nullptr);
}

// Its close button and the desktop's close request fade it out and hide it, the main window left
// alone; later openings show the same window, not loaded again, fading in from where it ended.
TEST(AboutWindow, ClosingFadesItOutAndHidesItAndTheNextOpeningShowsItAgainWithoutLoading)
{
    for (const bool byRequest : {false, true}) {
        SCOPED_TRACE(byRequest ? "close request" : "close button");
        ProgramWindow f;
        Form2& form = f.openedAbout();
        const QPointer<Form2> alive(&form);
        const QRect mainPlace = f.form->geometry();
        ProgramWindow::click(form.Label5);
        ASSERT_EQ(form.Label5->foreColor(), QColor(0, 0, 0));
        for (const char* file : {"grad.skt", "side.sks", "bottom.skk", "buttonidle.btn", "buttonpush.btn"})
            QFile::remove(f.folder.path() + "/Skins/Default/" + file);
        QFile::remove(f.folder.path() + "/OpenURL.cur");
        ProgramWindow::click(f.form->imgI);
        EXPECT_EQ(f.form->aboutWindow().form(), &form);
        f.platform.clear();

        byRequest ? (void)form.close() : ProgramWindow::click(form.imgX);
        EXPECT_EQ(f.platform.alphas("Form2"), levels(253, 1, -4));
        EXPECT_FALSE(form.isVisible());
        ASSERT_TRUE(alive) << "hidden, not destroyed";
        EXPECT_TRUE(f.form->isVisible());
        EXPECT_EQ(f.form->geometry(), mainPlace);
        for (const auto& call : f.platform.calls)
            EXPECT_TRUE(call.args.empty() || call.args[0] != "Form1") << call.text();

        f.activate();
        f.platform.clear();
        EXPECT_EQ(f.openAbout(), &form);
        EXPECT_TRUE(f.platform.errors.isEmpty()) << f.platform.errors.join("\n").toStdString();
        EXPECT_EQ(f.platform.alphas("Form2"), levels(1, 253, 4)) << "from 1, where the fade-out ended";
        EXPECT_EQ(form.Label5->foreColor(), QColor(0, 0, 0)) << "the mail address stays black";
    }
}

// With any mouse button, released away: the mail address turns teal while held and black after.
TEST(AboutWindow, TheMailLinkIsTealWhileHeld)
{
    ProgramWindow f;
    Form2& form = f.openedAbout();
    EXPECT_EQ(form.Label5->foreColor(), SystemColor(SystemColors::COLOR_HIGHLIGHT));
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        SCOPED_TRACE(button);
        ProgramWindow::press(form.Label5, button);
        EXPECT_EQ(form.Label5->foreColor(), QColor(0, 160, 160));
        ProgramWindow::releaseElsewhere(form.Label5, button);
        EXPECT_EQ(form.Label5->foreColor(), QColor(0, 0, 0));
    }
    EXPECT_TRUE(f.platform.callsNamed("ShellExecuteA").empty());
}

} // namespace
