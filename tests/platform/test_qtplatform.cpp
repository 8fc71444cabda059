// The platform calls as Qt carries them out, and the notification-area record's bytes.
#include "fader/fader.h"
#include "platform/notifyicondata.h"
#include "platform/qtplatform.h"
#include "tempfolder.h"
#include "tray/systray.h"

#include <QPixmap>
#include <QtEndian>
#include <QSystemTrayIcon>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// Addresses go to the desktop as they are, files as file URLs, a relative path looked for in the
// directory given, not the current one (the help page's encoded address: tests/about).
TEST(QtPlatformShell, AnswersAndHandsTheDesktopAnAddressOrAFileUrl)
{
    TempFolder current, elsewhere;
    const QString page = current.write("page.htm", "");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(current.path());
    const QString mail = "mailto:support@verbolet.example.org?Subject=Verbolet&Body=";
    const struct { QString operation, file, directory; win32::HINSTANCE answer; QUrl opened; } cases[] = { // opened empty: nothing
        {QString(), page, {}, 33, QUrl::fromLocalFile(page)},
        {QString(), "page.htm", current.path(), 33, QUrl::fromLocalFile(page)},
        {QString(), "page.htm", elsewhere.path(), 2, {}},
        {"Open", mail, {}, 33, QUrl(mail)},
        {QString(), "/nonexistent/Read Me.htm", {}, 2, {}},
        {"print", "https://verbolet.example.org/", {}, 31, {}},
        {"Open", "", {}, 2, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.toStdString() + " in " + c.directory.toStdString());
        std::vector<QUrl> opened;
        QtPlatform platform([&opened](const QUrl& url) { opened.push_back(url); return true; });
        EXPECT_EQ(platform.ShellExecuteA(nullptr, c.operation, c.file, QString(), c.directory, 1), c.answer);
        EXPECT_EQ(opened, c.opened.isEmpty() ? std::vector<QUrl>{} : std::vector<QUrl>{c.opened});
    }
    QDir::setCurrent(previous);
}

QtMessageHandler previousHandler = nullptr;

// The offscreen platform warns at every opacity it is given (and keeps it all the same).
void quietOpacityWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.contains(QLatin1String("does not support setting window opacity")))
        previousHandler(type, context, message);
}

TEST(QtPlatformWindow, AFadeShowsAsTheWindowsOpacityWhileItIsLayered)
{
    previousHandler = qInstallMessageHandler(quietOpacityWarnings);
    QtPlatform platform;
    QWidget window;
    window.show();
    ASSERT_TRUE(platform.HasLayeredWindows()) << "offscreen keeps a window's opacity";
    auto* fader = new Fader(&window, platform);
    fader->load({{"fadeinspeed", 8}, {"fadeoutspeed", 8}});
    EXPECT_EQ(window.windowOpacity(), 0.0);
    fader->FadeIn();
    EXPECT_EQ(window.windowOpacity(), 1.0);
    EXPECT_EQ(platform.SetLayeredWindowAttributes(&window, 0, 10, win32::LWA_ALPHA), 0) << "not layered: no effect";
    EXPECT_EQ(window.windowOpacity(), 1.0);
    fader->FadeOut(); // 253, 245, ... 5
    EXPECT_NEAR(window.windowOpacity(), 5 / 255.0, 1e-9);
    qInstallMessageHandler(previousHandler);
}

// The 88 bytes of Win32's record: size, window, id, flags, message, icon, then the tip.
TEST(NotifyIconData, LaysTheRecordOutAsWin32Does)
{
    const win32::NOTIFYICONDATA record{.cbSize = 88, .hWnd = nullptr, .uID = 1, .uFlags = 7,
        .uCallbackMessage = 0x200, .hIcon = {}, .szTip = SysTray::TipText("Verbolet")};
    const auto bytes = win32::NotifyIconRecordBytes(record, 0x10010, 0x20010);
    const std::uint32_t expected[] = {88, 0x10010, 1, 7, 0x200, 0x20010};
    for (std::size_t field = 0; field < std::size(expected); ++field)
        EXPECT_EQ(qFromLittleEndian<quint32>(bytes.data() + 4 * field), expected[field]) << "offset " << 4 * field;
    EXPECT_EQ(std::string(bytes.begin() + 24, bytes.end()), std::string("Verbolet") + '\0' + std::string(55, ' '));
}

TEST(QtPlatformTray, AddShowsAnIconWhereTheDesktopHasANotificationArea)
{
    QtPlatform platform;
    QWidget owner;
    QPixmap picture(16, 16);
    picture.fill(Qt::blue);
    const win32::NOTIFYICONDATA record{.hWnd = &owner, .uID = 1, .uCallbackMessage = win32::WM_MOUSEMOVE,
        .hIcon = QIcon(picture), .szTip = SysTray::TipText("Verbolet")};
    EXPECT_EQ(platform.Shell_NotifyIconA(win32::NIM_DELETE, record), 0) << "there is no icon to delete";
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        EXPECT_EQ(platform.Shell_NotifyIconA(win32::NIM_ADD, record), 0);
        GTEST_SKIP() << "this desktop has no notification area";
    }
    EXPECT_NE(platform.Shell_NotifyIconA(win32::NIM_ADD, record), 0);
    EXPECT_EQ(platform.Shell_NotifyIconA(win32::NIM_ADD, record), 0) << "the icon is there already";
    EXPECT_NE(platform.Shell_NotifyIconA(win32::NIM_DELETE, record), 0);
}

} // namespace
