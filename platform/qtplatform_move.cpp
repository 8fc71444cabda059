// Moving a window with the windowing system's own move.
#include "platform/qtplatform.h"

win32::BOOL QtPlatform::ReleaseCapture() { return 1; }
win32::LRESULT QtPlatform::SendMessageA(win32::HWND, win32::UINT, win32::WPARAM, win32::LPARAM) { return 0; }
