#pragma once

#include "platform/win32.h"

class QWidget;

// Win32 keeps an extended style with every window; here it is a property of the widget, so
// it lives and goes with the window it belongs to.
namespace ExtendedStyle {

win32::LONG of(const QWidget* window);
void set(QWidget* window, win32::LONG style);

} // namespace ExtendedStyle
