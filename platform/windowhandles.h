#pragma once

#include "platform/win32.h"

class QWidget;

// Gives every window (and child window) a 32-bit handle, as the Win32 records expect,
// and finds the widget behind a handle again. A handle stays valid for the widget's life.
namespace WindowHandles {

win32::HWND handleOf(QWidget* widget);
QWidget* widgetOf(win32::HWND handle);

} // namespace WindowHandles
