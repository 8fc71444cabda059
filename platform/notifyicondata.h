#pragma once

#include "platform/win32.h"

#include <array>

namespace win32 {

using HICON = std::uint32_t;

inline constexpr UINT NIF_MESSAGE = 1;
inline constexpr UINT NIF_ICON = 2;
inline constexpr UINT NIF_TIP = 4;

// The notification-area icon record in its first, 8-bit form: 88 bytes, little-endian.
struct NOTIFYICONDATA {
    LONG cbSize = 0;
    HWND hWnd = 0;
    UINT uID = 0;
    UINT uFlags = 0;
    UINT uCallbackMessage = 0;
    HICON hIcon = 0;
    std::array<char, 64> szTip {};

    NotifyIconBytes toBytes() const;
    static NOTIFYICONDATA fromBytes(const NotifyIconBytes& bytes);
};

} // namespace win32
