#pragma once

#include "platform/win32.h"

#include <exception>

// What becomes of an error that no handler catches: the program's windows are hidden,
// the error is reported through the platform, naming what went wrong, and the program
// ends at once with status 1.
[[noreturn]] void EndWithUncaughtError(win32::Platform& platform, const std::exception_ptr& error);
