#pragma once

#include "platform/notifyicondata.h"

#include <QString>

// The notification-area icon: the one record kept for the run, and the add and remove
// steps that fill it and hand it to the shell.
namespace SysTray {

inline const QString ProductName = QStringLiteral("Verbolet");

// The record as the last add or remove left it.
win32::NOTIFYICONDATA& nid();

// `text` with a NUL appended, filled with spaces to 64 characters (cut at 64), in the
// 8-bit code page.
std::array<char, 64> TipText(const QString& text);

// Adds the icon: messages go to `window`, the picture is `icon`, the tip the product name.
void Add(win32::Platform& platform, win32::HWND window, win32::HICON icon);

// Removes the icon that `host` owns; the other fields keep what the last add wrote.
void Remove(win32::Platform& platform, win32::HWND host);

} // namespace SysTray
