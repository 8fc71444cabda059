#pragma once

#include "platform/win32.h"

#include <QUrl>

#include <functional>
#include <map>
#include <memory>
#include <utility>

class QSystemTrayIcon;

// The platform calls carried out with Qt, for Linux and Windows alike.
class QtPlatform final : public win32::Platform {
public:
    // `openUrl` hands a file or an address to the desktop (QDesktopServices by default).
    using UrlOpener = std::function<bool(const QUrl&)>;
    explicit QtPlatform(UrlOpener openUrl = {});
    ~QtPlatform() override;

    bool HasLayeredWindows() override;
    void Sleep(win32::DWORD milliseconds) override;
    [[noreturn]] void ExitProcess(win32::UINT exitCode) override;

    win32::LONG GetWindowLongA(QWidget* window, int index) override;
    win32::LONG SetWindowLongA(QWidget* window, int index, win32::LONG newLong) override;
    win32::BOOL SetLayeredWindowAttributes(QWidget* window, win32::COLORREF key, win32::BYTE alpha,
        win32::DWORD flags) override;
    win32::BOOL ReleaseCapture() override;
    win32::LRESULT SendMessageA(QWidget* window, win32::UINT message, win32::WPARAM wParam,
        win32::LPARAM lParam) override;
    void DoEvents() override;

    win32::BOOL Shell_NotifyIconA(win32::DWORD message, const win32::NOTIFYICONDATA& data) override;
    win32::HINSTANCE ShellExecuteA(QWidget* owner, const QString& operation, const QString& file,
        const QString& parameters, const QString& directory, int showCommand) override;

    void ReportError(const QString& message) override;

private:
    static UrlOpener desktopOpener();

    UrlOpener m_openUrl;
    // Notification-area icons by owner window and icon id.
    std::map<std::pair<QWidget*, win32::UINT>, std::unique_ptr<QSystemTrayIcon>> m_trayIcons;
};
