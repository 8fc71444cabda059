// Window styles, layered-window alpha, pauses and message dispatch.
#include "platform/qtplatform.h"

#include <QCoreApplication>

win32::DWORD QtPlatform::GetVersion() { return 5; }
void QtPlatform::Sleep(win32::DWORD) { }
win32::LONG QtPlatform::GetWindowLongA(win32::HWND, int) { return 0; }
win32::LONG QtPlatform::SetWindowLongA(win32::HWND, int, win32::LONG) { return 0; }
win32::BOOL QtPlatform::SetLayeredWindowAttributes(win32::HWND, win32::COLORREF, win32::BYTE, win32::DWORD) { return 0; }
void QtPlatform::DoEvents() { QCoreApplication::processEvents(); }
