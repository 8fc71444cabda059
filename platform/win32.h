#pragma once

// The operating-system calls that the windows, the fader, the notification-area icon
// and the links make. They keep the Win32 names, arguments and constants so that the
// calling code reads like the platform it was designed for; QtPlatform carries them
// out with Qt, and tests hand in a recording fake instead.

#include <QString>
#include <array>
#include <cstdint>

namespace win32 {

using HWND = std::uint32_t; // windows are known by a 32-bit handle, see WindowHandles
using LONG = std::int32_t;
using UINT = std::uint32_t;
using DWORD = std::uint32_t;
using BYTE = std::uint8_t;
using BOOL = int;
using COLORREF = std::uint32_t;
using WPARAM = std::uint32_t;
using LPARAM = std::int32_t;
using LRESULT = std::int32_t;
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
inline constexpr std::size_t NOTIFYICONDATA_SIZE = 88;
using NotifyIconBytes = std::array<BYTE, NOTIFYICONDATA_SIZE>;

inline constexpr int SW_SHOWNORMAL = 1;

class Platform {
public:
    virtual ~Platform() = default;

    // kernel32
    virtual DWORD GetVersion() = 0;
    virtual void Sleep(DWORD milliseconds) = 0;
    [[noreturn]] virtual void ExitProcess(UINT exitCode) = 0;

    // user32
    virtual LONG GetWindowLongA(HWND window, int index) = 0;
    virtual LONG SetWindowLongA(HWND window, int index, LONG newLong) = 0;
    virtual BOOL SetLayeredWindowAttributes(HWND window, COLORREF key, BYTE alpha, DWORD flags) = 0;
    virtual BOOL ReleaseCapture() = 0;
    virtual LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;

    // Dispatches every pending window message of this thread, then returns.
    virtual void DoEvents() = 0;

    // shell32: the texts are 8-bit (UTF-8 here); a null pointer means "none".
    virtual BOOL Shell_NotifyIconA(DWORD message, const NotifyIconBytes& data) = 0;
    virtual HINSTANCE ShellExecuteA(HWND owner, const char* operation, const char* file,
        const char* parameters, const char* directory, int showCommand) = 0;

    // The one way the program tells the user that something went wrong.
    virtual void ReportError(const QString& message) = 0;
};

} // namespace win32
