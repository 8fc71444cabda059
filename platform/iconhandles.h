#pragma once

#include "platform/notifyicondata.h"

#include <QIcon>

// Gives icons a 32-bit handle, as the notification-area record expects, and finds the
// icon behind a handle again.
namespace IconHandles {

win32::HICON handleOf(const QIcon& icon);
QIcon iconOf(win32::HICON handle);

} // namespace IconHandles
