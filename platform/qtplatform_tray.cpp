// The notification-area icon.
#include "platform/qtplatform.h"

win32::BOOL QtPlatform::Shell_NotifyIconA(win32::DWORD, const win32::NotifyIconBytes&) { return 0; }
