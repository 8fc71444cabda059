#include "platform/iconhandles.h"
#include "platform/qtplatform.h"
#include "recordingplatform.h"
#include "tray/systray.h"

#include <QPixmap>
#include <QSystemTrayIcon>
#include <gtest/gtest.h>

namespace {

std::uint32_t word(const win32::NotifyIconBytes& bytes, std::size_t offset)
{
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 | std::uint32_t(bytes[offset + 3]) << 24;
}

std::string tipBytes(const win32::NotifyIconBytes& bytes)
{
    return std::string(bytes.begin() + 24, bytes.end());
}

const std::string expectedTip = std::string("Verbolet") + '\0' + std::string(64 - 9, ' ');

} // namespace

TEST(SysTray, AddHandsTheShellTheWholeRecord)
{
    RecordingPlatform platform;
    SysTray::Add(platform, 0x10010, 0x20010);

    ASSERT_EQ(platform.callsNamed("Shell_NotifyIconA"), std::vector<std::string> {"Shell_NotifyIconA(0)"});
    const auto& bytes = platform.notifyRecords.at(0);
    const struct {
        std::size_t offset;
        std::uint32_t value;
    } fields[] = {{0, 88}, {4, 0x10010}, {8, 1}, {12, 7}, {16, 0x200}, {20, 0x20010}};
    for (const auto& f : fields)
        EXPECT_EQ(word(bytes, f.offset), f.value) << "offset " << f.offset;
    EXPECT_EQ(tipBytes(bytes), expectedTip);
}

TEST(SysTray, TipIsCutAtSixtyFourCharacters)
{
    const auto tip = SysTray::TipText(QString(70, QChar('a')));
    EXPECT_EQ(std::string(tip.begin(), tip.end()), std::string(64, 'a'));
}

TEST(SysTray, SecondAddFillsTheRecordTheSameWay)
{
    RecordingPlatform platform;
    SysTray::Add(platform, 7, 9);
    SysTray::Add(platform, 7, 9);
    ASSERT_EQ(platform.notifyRecords.size(), 2u);
    EXPECT_EQ(platform.notifyRecords[0], platform.notifyRecords[1]);
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST(SysTray, RemoveNamesTheHostAndKeepsTheRestOfTheLastAdd)
{
    RecordingPlatform platform;
    SysTray::Add(platform, 7, 9);
    SysTray::Remove(platform, 11);

    ASSERT_EQ(platform.callsNamed("Shell_NotifyIconA").back(), "Shell_NotifyIconA(2)");
    const auto& bytes = platform.notifyRecords.back();
    EXPECT_EQ(word(bytes, 0), 88u);
    EXPECT_EQ(word(bytes, 4), 11u);
    EXPECT_EQ(word(bytes, 8), 1u);
    EXPECT_EQ(word(bytes, 16), 0x200u);
    EXPECT_EQ(word(bytes, 20), 9u); // the icon of the last add
    EXPECT_EQ(tipBytes(bytes), expectedTip);
}

TEST(NotifyIconData, BytesRoundTrip)
{
    win32::NOTIFYICONDATA record;
    record.cbSize = 88;
    record.hWnd = 0xDEADBEEF;
    record.uID = 3;
    record.uFlags = 7;
    record.uCallbackMessage = 0x200;
    record.hIcon = 0x01020304;
    record.szTip = SysTray::TipText("Verbolet");
    const auto back = win32::NOTIFYICONDATA::fromBytes(record.toBytes());
    EXPECT_EQ(back.toBytes(), record.toBytes());
    EXPECT_EQ(back.hWnd, 0xDEADBEEFu);
    EXPECT_EQ(record.toBytes()[20], 0x04); // little-endian
}

TEST(QtPlatformTray, DeletingAnIconThatDoesNotExistFailsQuietly)
{
    QtPlatform platform;
    win32::NOTIFYICONDATA record;
    record.hWnd = 5;
    record.uID = 1;
    EXPECT_EQ(platform.Shell_NotifyIconA(win32::NIM_DELETE, record.toBytes()), 0);
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

    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        EXPECT_EQ(platform.Shell_NotifyIconA(win32::NIM_ADD, record.toBytes()), 0);
        GTEST_SKIP() << "this desktop has no notification area";
    }
    EXPECT_NE(platform.Shell_NotifyIconA(win32::NIM_ADD, record.toBytes()), 0);
    EXPECT_EQ(platform.Shell_NotifyIconA(win32::NIM_ADD, record.toBytes()), 0) << "the icon is there already";
    EXPECT_NE(platform.Shell_NotifyIconA(win32::NIM_DELETE, record.toBytes()), 0);
}
