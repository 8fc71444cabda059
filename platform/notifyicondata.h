#pragma once

#include "platform/win32.h"

#include <QIcon>
#include <QString>

#include <array>

namespace win32 {

inline constexpr UINT NIF_MESSAGE = 1;
inline constexpr UINT NIF_ICON = 2;
inline constexpr UINT NIF_TIP = 4;

inline constexpr std::size_t NOTIFYICONDATA_SIZE = 88;
inline constexpr qsizetype TipLength = 64;

// The notification-area icon record. The shell posts uCallbackMessage to hWnd for mouse
// activity over the icon; szTip is the tip as the record holds it, TipLength characters.
struct NOTIFYICONDATA {
    LONG cbSize = 0;
    QWidget* hWnd = nullptr;
    UINT uID = 0;
    UINT uFlags = 0;
    UINT uCallbackMessage = 0;
    QIcon hIcon{};
    QString szTip{};
};

// The record in its first, 8-bit form as Win32 lays it out: 88 bytes, little-endian, with
// the numbers a native backend has for the window and the icon, and the tip in Latin-1 (where
// the product name's ASCII agrees with every Windows code page).
std::array<BYTE, NOTIFYICONDATA_SIZE> NotifyIconRecordBytes(const NOTIFYICONDATA& record,
    std::uint32_t windowHandle, std::uint32_t iconHandle);

} // namespace win32
