#pragma once

#include "recordingplatform.h"

#include <functional>

// Ending the program from inside a click: the close handler calls ExitProcess, which never
// returns. Throwing out of the recording platform there would unwind through Qt's event
// delivery, which is built without exceptions and loses the event objects it holds. So
// `act` runs in a child process (a death test) instead, where ExitProcess runs `checks` on
// the state the program ended in and then ends the child at once, as the real call ends
// the program: with the program's status, or with ChecksFailed after printing the checks'
// failures. The test's own process goes on as it was before `act`.
inline constexpr int ChecksFailed = 99;

void expectProgramEnds(RecordingPlatform& platform, int status, const std::function<void()>& act,
    const std::function<void()>& checks = {});
