// The notification-area icon: the record that add and remove hand the shell, and the main
// window's procedures for it.
#include "programwindow.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

using Calls = std::vector<std::string>;

// Add fills the whole record; remove changes only the host, and keeps what add wrote.
TEST(SysTray, AddAndRemoveHandTheShellTheRecord)
{
    RecordingPlatform platform;
    QWidget window;
    QWidget host;
    window.setObjectName("window");
    host.setObjectName("host");
    const QIcon icon = QIcon(QPixmap(16, 16));
    SysTray tray(platform);
    tray.Add(&window, icon);
    tray.Remove(&host);
    ASSERT_EQ(platform.callsNamed("Shell_NotifyIconA"), (Calls{"Shell_NotifyIconA(0, window)", "Shell_NotifyIconA(2, host)"}));
    const QString tip = QStringLiteral("Verbolet") + QChar(u'\0') + QString(55, u' ');
    for (const auto& [record, owner] : {std::pair{platform.notifyRecords[0], &window}, {platform.notifyRecords[1], &host}}) {
        EXPECT_EQ(record.cbSize, 88);
        EXPECT_EQ(record.hWnd, owner);
        EXPECT_EQ(record.uID, 1u);
        EXPECT_EQ(record.uFlags, 7u);
        EXPECT_EQ(record.uCallbackMessage, 0x200u);
        EXPECT_EQ(record.hIcon.cacheKey(), icon.cacheKey());
        EXPECT_EQ(record.szTip, tip);
    }
    EXPECT_EQ(SysTray::TipText(QString(70, u'x')), QString(64, u'x')) << "a longer tip is cut at 64";
}

// Start-up adds the icon of TrayIcon, which receives its messages, with the window hidden;
// a second add, taken or refused by the shell, hands the same record and reports nothing;
// removing shows the window first, and a remove with no icon present reports nothing.
TEST(Form1Tray, NoSysIconHidesThenAddsAndShowsThenRemoves)
{
    for (const win32::BOOL shellAnswer : {1, 0}) {
        ProgramWindow w;
        ASSERT_EQ(w.platform.callsNamed("Shell_NotifyIconA"), Calls{"Shell_NotifyIconA(0, TrayIcon)"});
        EXPECT_EQ(w.platform.notifyRecords[0].hIcon.cacheKey(), w.form->TrayIcon->picture().cacheKey());

        std::vector<bool> visibleAtCall;
        w.platform.onNotifyIcon = [&] { visibleAtCall.push_back(w.form->isVisible()); };
        w.platform.notifyIconResult = shellAnswer;
        w.form->NoSysIcon(false);
        w.form->NoSysIcon(true);
        w.form->NoSysIcon(true);
        EXPECT_EQ(visibleAtCall, (std::vector<bool>{false, true, true}));
        EXPECT_EQ(w.platform.callsNamed("Shell_NotifyIconA"), (Calls{"Shell_NotifyIconA(0, TrayIcon)",
            "Shell_NotifyIconA(0, TrayIcon)", "Shell_NotifyIconA(2, TrayIcon)", "Shell_NotifyIconA(2, TrayIcon)"}));
        EXPECT_EQ(w.platform.notifyRecords[1].szTip, w.platform.notifyRecords[0].szTip);
        EXPECT_TRUE(w.form->isVisible());
        EXPECT_TRUE(w.platform.errors.isEmpty());
    }
}

// The icon's messages arrive as mouse moves of TrayIcon, as the platform delivers them.
TEST(Form1Tray, MessagesFromTheIconReachTrayIconAndChangeNothing)
{
    ProgramWindow w;
    QSignalSpy moves(w.form->TrayIcon, &PictureBox::MouseMove);
    const QRect geometry = w.form->geometry();
    const auto calls = w.platform.calls.size();
    for (int message = 0; message < 3; ++message)
        QMetaObject::invokeMethod(w.form->TrayIcon, "MouseMove", Qt::QueuedConnection, Q_ARG(int, 0), Q_ARG(int, 0),
            Q_ARG(QPoint, QPoint()));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(moves.count(), 3);
    EXPECT_TRUE(w.form->isVisible());
    EXPECT_TRUE(w.form->isActiveWindow());
    EXPECT_EQ(w.form->geometry(), geometry);
    EXPECT_EQ(w.platform.calls.size(), calls) << "no icon call, no fade, no report";
}

} // namespace
