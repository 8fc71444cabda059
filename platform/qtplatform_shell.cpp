// Opening files and addresses with the desktop's own handlers.
#include "platform/qtplatform.h"

win32::HINSTANCE QtPlatform::ShellExecuteA(win32::HWND, const char*, const char*, const char*, const char*, int) { return 0; }
