#pragma once

#include "platform/win32.h"

#include <QHash>
#include <map>
#include <memory>
#include <utility>

class QSystemTrayIcon;

// The platform calls carried out with Qt, for Linux and Windows alike.
class QtPlatform final : public win32::Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    win32::DWORD GetVersion() override;
    void Sleep(win32::DWORD milliseconds) override;
    [[noreturn]] void ExitProcess(win32::UINT exitCode) override;

    win32::LONG GetWindowLongA(win32::HWND window, int index) override;
    win32::LONG SetWindowLongA(win32::HWND window, int index, win32::LONG newLong) override;
    win32::BOOL SetLayeredWindowAttributes(win32::HWND window, win32::COLORREF key, win32::BYTE alpha,
        win32::DWORD flags) override;
    win32::BOOL ReleaseCapture() override;
    win32::LRESULT SendMessageA(win32::HWND window, win32::UINT message, win32::WPARAM wParam,
        win32::LPARAM lParam) override;
    void DoEvents() override;

    win32::BOOL Shell_NotifyIconA(win32::DWORD message, const win32::NotifyIconBytes& data) override;
    win32::HINSTANCE ShellExecuteA(win32::HWND owner, const char* operation, const char* file,
        const char* parameters, const char* directory, int showCommand) override;

    void ReportError(const QString& message) override;

private:
    QHash<win32::HWND, win32::LONG> m_extendedStyles;
    // Notification-area icons by owner window and icon id.
    std::map<std::pair<win32::HWND, win32::UINT>, std::unique_ptr<QSystemTrayIcon>> m_trayIcons;
};
