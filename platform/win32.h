#pragma once

// The operating-system calls that the windows, the fader, the notification-area icon and
// the links make. They keep their Win32 names, argument order and constants, so that the
// calling code reads like the platform it was designed for, but take Qt's types where Win32
// takes handles and byte buffers: a QWidget* for a window, a QIcon for an icon, a QString for
// a text (a null QString where Win32 takes a null pointer). QtPlatform carries them out with
// Qt; tests hand in a recording fake.

#include <QString>

#include <cstdint>

class QWidget;

namespace win32 {

using LONG = std::int32_t;
using UINT = std::uint32_t;
using DWORD = std::uint32_t;
using BYTE = std::uint8_t;
using BOOL = int;
using COLORREF = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using HINSTANCE = std::intptr_t;

inline constexpr int GWL_EXSTYLE = -20;
inline constexpr LONG WS_EX_LAYERED = 0x80000;
inline constexpr DWORD LWA_ALPHA = 2;

inline constexpr UINT WM_MOUSEMOVE = 0x200;
inline constexpr UINT WM_SYSCOMMAND = 0x112;
inline constexpr WPARAM SC_MOVE = 0xF010;
inline constexpr WPARAM HTCAPTION = 2;

inline constexpr DWORD NIM_ADD = 0;
inline constexpr DWORD NIM_DELETE = 2;

inline constexpr int SW_SHOWNORMAL = 1;

struct NOTIFYICONDATA;

class Platform {
public:
    virtual ~Platform() = default;

    // Whether a window can be given one alpha for all of it (a layered window): Windows from
    // 2000 on, and the windowing systems on which Qt can make a window translucent.
    virtual bool HasLayeredWindows() = 0;

    // kernel32
    virtual void Sleep(DWORD milliseconds) = 0;
    [[noreturn]] virtual void ExitProcess(UINT exitCode) = 0;

    // user32. The extended style lives with the window itself.
    virtual LONG GetWindowLongA(QWidget* window, int index) = 0;
    virtual LONG SetWindowLongA(QWidget* window, int index, LONG newLong) = 0;
    virtual BOOL SetLayeredWindowAttributes(QWidget* window, COLORREF key, BYTE alpha, DWORD flags) = 0;
    virtual BOOL ReleaseCapture() = 0;
    virtual LRESULT SendMessageA(QWidget* window, UINT message, WPARAM wParam, LPARAM lParam) = 0;

    // Dispatches every pending window message of this thread, then returns.
    virtual void DoEvents() = 0;

    // shell32
    virtual BOOL Shell_NotifyIconA(DWORD message, const NOTIFYICONDATA& data) = 0;
    virtual HINSTANCE ShellExecuteA(QWidget* owner, const QString& operation, const QString& file,
        const QString& parameters, const QString& directory, int showCommand) = 0;

    // The one way the program tells the user that something went wrong.
    virtual void ReportError(const QString& message) = 0;
};

} // namespace win32
