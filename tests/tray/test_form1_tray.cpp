// The main window's notification-area procedures: ShowProgramInTray, NoSysIcon and the
// icon's messages to TrayIcon.
#include "mainwindowfixture.h"

#include "platform/iconhandles.h"
#include "platform/notifyicondata.h"
#include "platform/windowhandles.h"
#include "tray/systray.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

win32::NOTIFYICONDATA recordOf(const win32::NotifyIconBytes& bytes)
{
    return win32::NOTIFYICONDATA::fromBytes(bytes);
}

TEST(Form1Tray, StartUpHandsTheShellTrayIconsHandleAndTheIconItHolds)
{
    MainWindow w;
    ASSERT_EQ(w.platform.callsNamed("Shell_NotifyIconA"), std::vector<std::string>{"Shell_NotifyIconA(0)"});
    const win32::NOTIFYICONDATA record = recordOf(w.platform.notifyRecords.at(0));
    EXPECT_EQ(record.cbSize, 88);
    EXPECT_EQ(record.uID, 1u);
    EXPECT_EQ(record.uFlags, 7u);
    EXPECT_EQ(record.uCallbackMessage, 0x200u);
    EXPECT_EQ(WindowHandles::widgetOf(record.hWnd), w.form->TrayIcon) << "the icon's messages go to TrayIcon";
    EXPECT_EQ(w.form->TrayIcon->parentWidget(), w.form.get()) << "a child window of the main window";
    EXPECT_EQ(record.hIcon, IconHandles::handleOf(w.form->TrayIcon->picture()));
    EXPECT_EQ(IconHandles::iconOf(record.hIcon).availableSizes(), w.form->TrayIcon->picture().availableSizes());
    EXPECT_EQ(SysTray::TipText("Verbolet"), record.szTip);
}

TEST(Form1Tray, ASecondAddHidesTheWindowAndFillsTheRecordTheSameWayReportingNothing)
{
    for (const win32::BOOL shellAnswer : {1, 0}) {
        MainWindow w;
        w.platform.notifyIconResult = shellAnswer; // 0: the shell refuses, as for an icon already there
        w.form->NoSysIcon(false);
        EXPECT_FALSE(w.form->isVisible());
        w.form->NoSysIcon(false);
        ASSERT_EQ(w.platform.callsNamed("Shell_NotifyIconA"),
            (std::vector<std::string>{"Shell_NotifyIconA(0)", "Shell_NotifyIconA(0)", "Shell_NotifyIconA(0)"}));
        EXPECT_EQ(w.platform.notifyRecords[1], w.platform.notifyRecords[0]);
        EXPECT_EQ(w.platform.notifyRecords[2], w.platform.notifyRecords[0]);
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
    ASSERT_EQ(w.platform.callsNamed("Shell_NotifyIconA"),
        (std::vector<std::string>{"Shell_NotifyIconA(0)", "Shell_NotifyIconA(2)", "Shell_NotifyIconA(2)"}));
    const win32::NOTIFYICONDATA added = recordOf(w.platform.notifyRecords[0]);
    const win32::NOTIFYICONDATA removed = recordOf(w.platform.notifyRecords[2]);
    EXPECT_EQ(removed.hWnd, WindowHandles::handleOf(w.form->TrayIcon)) << "TrayIcon is the host";
    EXPECT_EQ(removed.uID, 1u);
    EXPECT_EQ(removed.hIcon, added.hIcon) << "the rest is what the add wrote";
    EXPECT_TRUE(w.platform.errors.isEmpty());
}

// The shell's messages arrive as mouse moves of TrayIcon, the way the platform posts
// them for a click, a right click and a double click on the icon alike.
TEST(Form1Tray, ClicksOnTheIconReachTrayIconAndChangeNothing)
{
    MainWindow w;
    QSignalSpy moves(w.form->TrayIcon, &PictureBox::MouseMove);
    const QRect geometry = w.form->geometry();
    const auto calls = w.platform.calls.size();

    for (int message = 0; message < 3; ++message)
        QCoreApplication::postEvent(w.form->TrayIcon,
            new QMouseEvent(QEvent::MouseMove, QPointF(), QPointF(), Qt::NoButton, Qt::NoButton, Qt::NoModifier));
    QCoreApplication::sendPostedEvents();

    EXPECT_EQ(moves.count(), 3);
    EXPECT_TRUE(w.form->isVisible());
    EXPECT_TRUE(w.form->isActiveWindow());
    EXPECT_EQ(w.form->windowState(), Qt::WindowNoState);
    EXPECT_EQ(w.form->geometry(), geometry);
    EXPECT_EQ(w.platform.calls.size(), calls) << "no icon call, no fade, no report";
}

} // namespace
