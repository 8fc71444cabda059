// Start-up and the activation fade.
#include "programwindow.h"

#include "mainwindow/clocktext.h"
#include "platform/extendedstyle.h"

#include <QFontInfo>
#include <gtest/gtest.h>

namespace {

// Before the window shows, TrayIcon moves down and the icon is added; the clock and skin come after.
TEST(StartUp, MovesTheTrayBoxAddsTheIconShowsTheWindowThenStartsTheClockAndLoadsTheSkin)
{
    ProgramWindow w(ProgramWindow::Start::Later);
    Form1& form = *w.form;
    std::tuple<int, std::vector<std::string>, int, QString, bool> atShow; // the tray box's top, ...
    const EventWatcher watcher(&form, QEvent::Show, [&] { // in the middle of start-up
        atShow = {form.TrayIcon->y(), w.platform.callsNamed("Shell_NotifyIconA"), form.Timer1->interval(),
            form.LblDate->caption(), form.img_->picture().isNull()};
    });

    const QDate before = QDate::currentDate();
    w.start();
    const QDate after = QDate::currentDate();

    // The tray box at (3375 + 1000) twips, the icon added, no clock, no pictures.
    EXPECT_EQ(atShow, std::tuple(292, std::vector<std::string>{"Shell_NotifyIconA(0, TrayIcon)"}, 0, QString("Date"), true));

    EXPECT_GT(form.Timer1->interval(), 0);
    EXPECT_TRUE(form.LblDate->caption() == ClockText::date(before) || form.LblDate->caption() == ClockText::date(after));
    for (const Image* image : {form.img_, form.imgTop, form.imgVerify, form.imgApply, form.imgLeft, form.imgRight,
             form.imgX, form.imgBottom, form.imgI, form.ImgH, form.invup, form.invdown})
        EXPECT_FALSE(image->picture().isNull()) << image->objectName().toStdString();
    EXPECT_EQ(QFontInfo(form.Text1->font()).pixelSize(), 11) << "8.25 points on a 96 DPI screen, whatever this one";
    EXPECT_TRUE(w.platform.errors.isEmpty());
}

TEST(StartUp, EveryActivationHidesReadyAndFadesIn)
{
    ProgramWindow w(ProgramWindow::Start::Later);
    EXPECT_EQ(w.platform.alphas("Form1"), std::vector<int>{0}) << "transparent from its creation";

    w.form->lbReady->setVisible(true);
    w.start();
    std::vector<int> fadeIn = levels(5, 253, 4, {0});
    EXPECT_EQ(w.platform.alphas("Form1"), fadeIn);
    EXPECT_EQ(ExtendedStyle::of(w.form.get()) & win32::WS_EX_LAYERED, 0) << "opaque once faded in";
    EXPECT_FALSE(w.form->lbReady->isVisible());

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    w.form->lbReady->setVisible(true);
    w.activate();
    fadeIn.push_back(253); // from where the last fade ended, one step
    EXPECT_EQ(w.platform.alphas("Form1"), fadeIn);
    EXPECT_FALSE(w.form->lbReady->isVisible());
}

TEST(Clock, TimeFormsGetSecondsAfterTheirMinutes)
{
    const char* const cases[][2] = {
        {"HH:mm", "HH:mm:ss"}, {"h:mm AP", "h:mm:ss AP"}, {"AP h:mm", "AP h:mm:ss"}, {"HH.mm", "HH.mm.ss"},
        {"H:mm' Uhr'", "H:mm:ss' Uhr'"}, {"HH:mm:ss", "HH:mm:ss"}, {"h:mm:ss AP t", "h:mm:ss AP t"},
        {"HH 'h' mm", "HH 'h' mm:ss"}, {"HHmm", "HHmm:ss"}, {"'s'HH:mm", "'s'HH:mm:ss"},
    };
    for (const auto& [format, withSeconds] : cases)
        EXPECT_EQ(ClockText::withSeconds(format), withSeconds) << format;
    EXPECT_EQ(ClockText::time(QTime(20, 31, 50), QLocale(QLocale::German, QLocale::Germany)), "20:31:50");
}

} // namespace
