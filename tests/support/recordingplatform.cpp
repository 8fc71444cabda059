#include "recordingplatform.h"

#include "platform/extendedstyle.h"

#include <QWidget>

namespace {

std::string text(long long value) { return std::to_string(value); }
std::string text(const QWidget* window) { return window ? window->objectName().toStdString() : "null"; }
std::string text(const QString& string) { return string.isNull() ? "null" : '"' + string.toStdString() + '"'; }

} // namespace

std::string RecordingPlatform::Call::text() const
{
    std::string out = name + '(';
    for (std::size_t i = 0; i < args.size(); ++i)
        out += (i ? ", " : "") + args[i];
    return out + ')';
}

template <class... Args>
void RecordingPlatform::record(std::string name, const Args&... args)
{
    calls.push_back({std::move(name), {text(args)...}});
}

bool RecordingPlatform::HasLayeredWindows() { return layeredWindows; }

void RecordingPlatform::Sleep(win32::DWORD milliseconds) { record("Sleep", milliseconds); }

void RecordingPlatform::ExitProcess(win32::UINT exitCode)
{
    record("ExitProcess", exitCode);
    if (onExitProcess)
        onExitProcess(exitCode);
    throw ProgramEnded{exitCode};
}

win32::LONG RecordingPlatform::GetWindowLongA(QWidget* window, int index)
{
    record("GetWindowLongA", window, index);
    return index == win32::GWL_EXSTYLE ? ExtendedStyle::of(window) : 0;
}

win32::LONG RecordingPlatform::SetWindowLongA(QWidget* window, int index, win32::LONG newLong)
{
    record("SetWindowLongA", window, index, newLong);
    const win32::LONG old = ExtendedStyle::of(window);
    if (index == win32::GWL_EXSTYLE)
        ExtendedStyle::set(window, newLong);
    return old;
}

win32::BOOL RecordingPlatform::SetLayeredWindowAttributes(QWidget* window, win32::COLORREF key, win32::BYTE alpha,
    win32::DWORD flags)
{
    record("SetLayeredWindowAttributes", window, key, alpha, flags);
    return 1;
}

win32::BOOL RecordingPlatform::ReleaseCapture()
{
    record("ReleaseCapture");
    return 1;
}

win32::LRESULT RecordingPlatform::SendMessageA(QWidget* window, win32::UINT message, win32::WPARAM wParam,
    win32::LPARAM lParam)
{
    record("SendMessageA", window, message, (long long)wParam, lParam);
    return 0;
}

void RecordingPlatform::DoEvents()
{
    record("DoEvents");
    if (onDoEvents)
        onDoEvents();
}

win32::BOOL RecordingPlatform::Shell_NotifyIconA(win32::DWORD message, const win32::NOTIFYICONDATA& data)
{
    record("Shell_NotifyIconA", message, data.hWnd);
    notifyRecords.push_back(data);
    if (onNotifyIcon)
        onNotifyIcon();
    return notifyIconResult;
}

win32::HINSTANCE RecordingPlatform::ShellExecuteA(QWidget* owner, const QString& operation, const QString& file,
    const QString& parameters, const QString& directory, int showCommand)
{
    record("ShellExecuteA", owner, operation, file, parameters, directory, showCommand);
    return 42;
}

void RecordingPlatform::ReportError(const QString& message)
{
    calls.push_back({"ReportError", {message.toStdString()}});
    errors << message;
}

std::vector<std::string> RecordingPlatform::callsNamed(const std::string& name) const
{
    std::vector<std::string> out;
    for (const auto& call : calls)
        if (call.name == name)
            out.push_back(call.text());
    return out;
}

std::vector<int> RecordingPlatform::alphas(const std::string& window) const
{
    std::vector<int> out;
    for (const auto& call : calls)
        if (call.name == "SetLayeredWindowAttributes" && call.args[0] == window)
            out.push_back(std::stoi(call.args[2]));
    return out;
}

void RecordingPlatform::clear()
{
    calls.clear();
    errors.clear();
    notifyRecords.clear();
}
