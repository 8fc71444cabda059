#pragma once

#include "platform/notifyicondata.h"
#include "platform/win32.h"

#include <QStringList>

#include <functional>
#include <string>
#include <vector>

// Thrown by RecordingPlatform::ExitProcess so that a test can see the program end where
// no Qt code lies between the call and the test (see programend.h for the other case).
struct ProgramEnded {
    win32::UINT exitCode = 0;
};

// A platform that carries out nothing and writes down every call in order, a window by its object
// name and a text in quotes (null: no text). Extended styles live with the windows, as on Win32.
class RecordingPlatform final : public win32::Platform {
public:
    struct Call {
        std::string name;
        std::vector<std::string> args;
        std::string text() const; // "Name(a, b, c)"
    };

    // Settings a test may change.
    bool layeredWindows = true;
    win32::BOOL notifyIconResult = 1;
    std::function<void()> onDoEvents; // runs inside every DoEvents
    std::function<void()> onNotifyIcon; // runs inside every Shell_NotifyIconA
    std::function<void(win32::UINT)> onExitProcess; // runs in ExitProcess, which throws if it returns

    std::vector<Call> calls;
    QStringList errors;
    std::vector<win32::NOTIFYICONDATA> notifyRecords;

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

    // The calls of one name, each as "Name(a, b, c)".
    std::vector<std::string> callsNamed(const std::string& name) const;
    // The alpha bytes applied to the window of that object name, in order.
    std::vector<int> alphas(const std::string& window) const;
    void clear();

private:
    template <class... Args>
    void record(std::string name, const Args&... args);
};
