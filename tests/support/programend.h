#pragma once

#include "recordingplatform.h"

#include <functional>

// Ending the program inside a click: a throw out of ExitProcess would unwind through Qt's event
// delivery, built without exceptions. So `act` runs in a death test's child, where ExitProcess
// runs `checks` and ends the child with the program's status, or ChecksFailed after printing them.
inline constexpr int ChecksFailed = 99;

void expectProgramEnds(RecordingPlatform& platform, int status, const std::function<void()>& act,
    const std::function<void()>& checks = {});
