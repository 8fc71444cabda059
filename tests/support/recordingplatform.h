#pragma once

#include "platform/win32.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

// Thrown by RecordingPlatform::ExitProcess so that a test can see the program end where
// no Qt code lies between the call and the test (see programend.h for the other case).
struct ProgramEnded {
    win32::UINT exitCode = 0;
};

// A platform that carries out nothing and writes down every call, with its arguments,
// in the order the calls were made.
class RecordingPlatform final : public win32::Platform {
public:
    struct Call {
        std::string name;
        std::vector<std::string> args;
        std::string text() const; // "Name(a, b, c)"
    };

    // Settings a test may change.
    win32::DWORD version = 5;
    win32::BOOL notifyIconResult = 1;
    std::function<void()> onDoEvents; // runs inside every DoEvents
    std::function<void(win32::UINT)> onExitProcess; // runs in ExitProcess, which throws if it returns

    std::vector<Call> calls;
    QStringList errors;
    std::vector<win32::NotifyIconBytes> notifyRecords;

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

    // The calls of one name, each as "Name(a, b, c)".
    std::vector<std::string> callsNamed(const std::string& name) const;
    // The alpha bytes applied to `window`, in order.
    std::vector<int> alphas(win32::HWND window) const;
    // The extended style the fake holds for `window`.
    win32::LONG extendedStyle(win32::HWND window) const { return m_styles.value(window); }
    void clear();

private:
    void record(std::string name, std::vector<std::string> args);
    QHash<win32::HWND, win32::LONG> m_styles;
};
