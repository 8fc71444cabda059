#pragma once

#include "platform/extendedstyle.h"
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

    bool HasLayeredWindows() override { return layeredWindows; }
    void Sleep(win32::DWORD milliseconds) override { record("Sleep", milliseconds); }
    [[noreturn]] void ExitProcess(win32::UINT exitCode) override;
    win32::LONG GetWindowLongA(QWidget* window, int index) override
    {
        record("GetWindowLongA", window, index);
        return index == win32::GWL_EXSTYLE ? ExtendedStyle::of(window) : 0;
    }
    win32::LONG SetWindowLongA(QWidget* window, int index, win32::LONG newLong) override
    {
        record("SetWindowLongA", window, index, newLong);
        const win32::LONG old = ExtendedStyle::of(window);
        if (index == win32::GWL_EXSTYLE)
            ExtendedStyle::set(window, newLong);
        return old;
    }
    win32::BOOL SetLayeredWindowAttributes(QWidget* window, win32::COLORREF key, win32::BYTE alpha, win32::DWORD flags) override
    {
        record("SetLayeredWindowAttributes", window, key, alpha, flags);
        return 1;
    }
    win32::BOOL ReleaseCapture() override { record("ReleaseCapture"); return 1; }
    win32::LRESULT SendMessageA(QWidget* window, win32::UINT message, win32::WPARAM wParam, win32::LPARAM lParam) override
    {
        record("SendMessageA", window, message, (long long)wParam, lParam);
        return 0;
    }
    void DoEvents() override
    {
        record("DoEvents");
        if (onDoEvents)
            onDoEvents();
    }
    win32::BOOL Shell_NotifyIconA(win32::DWORD message, const win32::NOTIFYICONDATA& data) override
    {
        record("Shell_NotifyIconA", message, data.hWnd);
        notifyRecords.push_back(data);
        if (onNotifyIcon)
            onNotifyIcon();
        return notifyIconResult;
    }
    win32::HINSTANCE ShellExecuteA(QWidget* owner, const QString& operation, const QString& file, const QString& parameters,
        const QString& directory, int showCommand) override
    {
        record("ShellExecuteA", owner, operation, file, parameters, directory, showCommand);
        return 42;
    }
    void ReportError(const QString& message) override
    {
        calls.push_back({"ReportError", {message.toStdString()}});
        errors << message;
    }

    // The calls of one name (of every name when none is given), each as "Name(a, b, c)".
    std::vector<std::string> callsNamed(const std::string& name = {}) const;
    // The alpha bytes applied to the window of that object name, in order.
    std::vector<int> alphas(const std::string& window) const;
    void clear() { calls.clear(); errors.clear(); notifyRecords.clear(); }

private:
    static std::string text(long long value) { return std::to_string(value); }
    static std::string text(const QWidget* window);
    static std::string text(const QString& string) { return string.isNull() ? "null" : '"' + string.toStdString() + '"'; }
    template <class... Args>
    void record(std::string name, const Args&... args) { calls.push_back({std::move(name), {text(args)...}}); }
};

// The levels from `first` to `last`, both included, `step` apart, after those of `before`.
std::vector<int> levels(int first, int last, int step, std::vector<int> before = {});
