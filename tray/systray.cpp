#include "tray/systray.h"

namespace {

constexpr win32::LONG RecordSize = static_cast<win32::LONG>(win32::NOTIFYICONDATA_SIZE);
constexpr win32::UINT IconId = 1;

} // namespace

SysTray::SysTray(win32::Platform& platform)
    : m_platform(platform)
{
}

QString SysTray::TipText(const QString& text)
{
    return (text + QChar(u'\0')).left(win32::TipLength).leftJustified(win32::TipLength, u' ');
}

void SysTray::Add(QWidget* window, const QIcon& icon)
{
    m_nid.cbSize = RecordSize;
    m_nid.hWnd = window;
    m_nid.uID = IconId;
    m_nid.uFlags = win32::NIF_MESSAGE | win32::NIF_ICON | win32::NIF_TIP;
    m_nid.uCallbackMessage = win32::WM_MOUSEMOVE;
    m_nid.hIcon = icon;
    m_nid.szTip = TipText(ProductName);
    m_platform.Shell_NotifyIconA(win32::NIM_ADD, m_nid);
}

void SysTray::Remove(QWidget* host)
{
    m_nid.uID = IconId;
    m_nid.cbSize = RecordSize;
    m_nid.hWnd = host;
    m_nid.uCallbackMessage = win32::WM_MOUSEMOVE;
    m_platform.Shell_NotifyIconA(win32::NIM_DELETE, m_nid);
}
