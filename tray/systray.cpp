#include "tray/systray.h"

#include <algorithm>

namespace {

constexpr win32::LONG RecordSize = static_cast<win32::LONG>(win32::NOTIFYICONDATA_SIZE);
constexpr win32::UINT IconId = 1;

} // namespace

namespace SysTray {

win32::NOTIFYICONDATA& nid()
{
    static win32::NOTIFYICONDATA record;
    return record;
}

std::array<char, 64> TipText(const QString& text)
{
    std::array<char, 64> tip;
    tip.fill(' ');
    // The product name is plain ASCII, where Latin-1 and Windows-1252 agree.
    const QByteArray bytes = (text + QChar(u'\0')).toLatin1();
    std::copy_n(bytes.constData(), std::min<qsizetype>(bytes.size(), tip.size()), tip.begin());
    return tip;
}

void Add(win32::Platform& platform, win32::HWND window, win32::HICON icon)
{
    auto& record = nid();
    record.cbSize = RecordSize;
    record.hWnd = window;
    record.uID = IconId;
    record.uFlags = win32::NIF_MESSAGE | win32::NIF_ICON | win32::NIF_TIP;
    record.uCallbackMessage = win32::WM_MOUSEMOVE;
    record.hIcon = icon;
    record.szTip = TipText(ProductName);
    platform.Shell_NotifyIconA(win32::NIM_ADD, record.toBytes());
}

void Remove(win32::Platform& platform, win32::HWND host)
{
    auto& record = nid();
    record.uID = IconId;
    record.cbSize = RecordSize;
    record.hWnd = host;
    record.uCallbackMessage = win32::WM_MOUSEMOVE;
    platform.Shell_NotifyIconA(win32::NIM_DELETE, record.toBytes());
}

} // namespace SysTray
