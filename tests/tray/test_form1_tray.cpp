// The main window's notification-area procedures: NoSysIcon and the icon's messages to TrayIcon.
#include "mainwindowfixture.h"

#include "platform/iconhandles.h"
#include "platform/windowhandles.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

using Calls = std::vector<std::string>;

// Start-up adds the icon with TrayIcon as the host of its messages and TrayIcon's picture
// as the icon. A second add, whether the shell takes it
// or refuses it, hides the window again, hands the same record and reports nothing.
TEST(Form1Tray, AddsTheIconOfTrayIconAndASecondAddChangesNothing)
{
    for (const win32::BOOL shellAnswer : {1, 0}) {
        MainWindow w;
        ASSERT_EQ(w.platform.callsNamed("Shell_NotifyIconA"), Calls{"Shell_NotifyIconA(0)"});
        const auto record = win32::NOTIFYICONDATA::fromBytes(w.platform.notifyRecords.at(0));
        EXPECT_EQ(WindowHandles::widgetOf(record.hWnd), w.form->TrayIcon);
        EXPECT_EQ(record.hIcon, IconHandles::handleOf(w.form->TrayIcon->picture()));

        w.platform.notifyIconResult = shellAnswer;
        w.form->NoSysIcon(false);
        EXPECT_EQ(w.platform.callsNamed("Shell_NotifyIconA"), (Calls{"Shell_NotifyIconA(0)", "Shell_NotifyIconA(0)"}));
        EXPECT_EQ(w.platform.notifyRecords[1], w.platform.notifyRecords[0]);
        EXPECT_FALSE(w.form->isVisible());
        EXPECT_TRUE(w.platform.errors.isEmpty());
    }
}

TEST(Form1Tray, RemovingWhenNoIconIsPresentShowsTheWindowAndReportsNothing)
{
    MainWindow w;
    w.form->NoSysIcon(true);
    w.platform.notifyIconResult = 0; // the shell has no icon to delete now
    w.form->hide();
    w.form->NoSysIcon(true);
    EXPECT_TRUE(w.form->isVisible());
    EXPECT_EQ(w.platform.callsNamed("Shell_NotifyIconA"),
              (Calls{"Shell_NotifyIconA(0)", "Shell_NotifyIconA(2)", "Shell_NotifyIconA(2)"}));
    const auto removed = win32::NOTIFYICONDATA::fromBytes(w.platform.notifyRecords[2]);
    EXPECT_EQ(removed.hWnd, WindowHandles::handleOf(w.form->TrayIcon));
    EXPECT_TRUE(w.platform.errors.isEmpty());
}

// The shell's messages for any click on the icon arrive as mouse moves of TrayIcon.
TEST(Form1Tray, ClicksOnTheIconReachTrayIconAndChangeNothing)
{
    MainWindow w;
    QSignalSpy moves(w.form->TrayIcon, &PictureBox::MouseMove);
    const QRect geometry = w.form->geometry();
    const auto calls = w.platform.calls.size();
    for (int message = 0; message < 3; ++message)
        QCoreApplication::postEvent(w.form->TrayIcon, new QMouseEvent(QEvent::MouseMove, QPointF(), QPointF(),
                                                                      Qt::NoButton, Qt::NoButton, Qt::NoModifier));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(moves.count(), 3);
    EXPECT_TRUE(w.form->isVisible());
    EXPECT_TRUE(w.form->isActiveWindow());
    EXPECT_EQ(w.form->geometry(), geometry);
    EXPECT_EQ(w.platform.calls.size(), calls) << "no icon call, no fade, no report";
}

} // namespace
