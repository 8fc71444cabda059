#include "platform/iconhandles.h"
#include "platform/qtplatform.h"
#include "recordingplatform.h"
#include "tray/systray.h"

#include <QPixmap>
#include <QSystemTrayIcon>
#include <gtest/gtest.h>

// The 88-byte record that add and remove hand the shell: the size, the host, id 1, the
// flags for a message, an icon and a tip, message 0x200 (a mouse move), the icon, and
// the tip "Verbolet" with its NUL, filled with spaces to 64 characters. Remove changes
// only the host.
TEST(SysTray, AddAndRemoveHandTheShellTheWholeRecord)
{
    RecordingPlatform platform;
    SysTray::Add(platform, 0x10010, 0x20010);
    SysTray::Remove(platform, 11);
    ASSERT_EQ(platform.callsNamed("Shell_NotifyIconA"),
              (std::vector<std::string>{"Shell_NotifyIconA(0)", "Shell_NotifyIconA(2)"}));
    const std::string tip = std::string("Verbolet") + '\0' + std::string(64 - 9, ' ');
    for (const auto& [bytes, host] : {std::pair{platform.notifyRecords[0], 0x10010u}, {platform.notifyRecords[1], 11u}}) {
        const auto word = [&bytes](std::size_t at) {
            return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | std::uint32_t(bytes[at + 3]) << 24;
        };
        const std::uint32_t expected[] = {88, host, 1, 7, 0x200, 0x20010};
        for (std::size_t field = 0; field < std::size(expected); ++field)
            EXPECT_EQ(word(4 * field), expected[field]) << "offset " << 4 * field;
        EXPECT_EQ(std::string(bytes.begin() + 24, bytes.end()), tip);
    }
}

TEST(QtPlatformTray, AddShowsAnIconWhereTheDesktopHasANotificationArea)
{
    QtPlatform platform;
    QPixmap picture(16, 16);
    picture.fill(Qt::blue);
    win32::NOTIFYICONDATA record;
    record.hWnd = 5;
    record.uID = 1;
    record.hIcon = IconHandles::handleOf(QIcon(picture));
    record.szTip = SysTray::TipText("Verbolet");
    EXPECT_EQ(platform.Shell_NotifyIconA(win32::NIM_DELETE, record.toBytes()), 0) << "there is no icon to delete";
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        EXPECT_EQ(platform.Shell_NotifyIconA(win32::NIM_ADD, record.toBytes()), 0);
        GTEST_SKIP() << "this desktop has no notification area";
    }
    EXPECT_NE(platform.Shell_NotifyIconA(win32::NIM_ADD, record.toBytes()), 0);
    EXPECT_EQ(platform.Shell_NotifyIconA(win32::NIM_ADD, record.toBytes()), 0) << "the icon is there already";
    EXPECT_NE(platform.Shell_NotifyIconA(win32::NIM_DELETE, record.toBytes()), 0);
}
