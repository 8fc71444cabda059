#pragma once

#include "recordingplatform.h"

#include <functional>

// Ending the program from inside a click: throwing out of ExitProcess there would unwind through
// Qt's event delivery, which is built without exceptions. So `act` runs in a child process (a
// death test), where ExitProcess runs `checks` on the state the program ended in and ends the
// child with the program's status, or with ChecksFailed after printing the checks' failures.
inline constexpr int ChecksFailed = 99;

void expectProgramEnds(RecordingPlatform& platform, int status, const std::function<void()>& act,
    const std::function<void()>& checks = {});
