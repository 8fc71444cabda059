// The notification-area icon as the main window adds, hides and removes it.
#include "programwindow.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

using Calls = std::vector<std::string>;

// Start-up adds the icon of TrayIcon with the window hidden; hiding again hands the same record
// and reports nothing, whatever the shell answers; removing shows the window first.
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

// The icon's messages, a click among them, arrive as mouse moves of TrayIcon.
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
    EXPECT_TRUE(w.form->isVisible() && w.form->isActiveWindow());
    EXPECT_EQ(w.form->geometry(), geometry);
    EXPECT_EQ(w.platform.calls.size(), calls) << "no icon call, no fade, no report";
}

} // namespace
