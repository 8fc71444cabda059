#pragma once

#include "platform/win32.h"

#include <QString>

// What a fault in a data file costs the user: the first line of its report.
enum class FaultConsequence {
    NotTranslated,        // the dictionary, at a translation
    ButtonKeepsItsFace,   // a picture button's face, at a press or a release
    AboutWindowNotOpened, // a skin picture or the mail link's pointer, as the about window opens
    ProgramEnds,          // a skin picture at start-up
};

// Reports `fault` ("/usr/lib/verbolet/SMS.dic: line 17 has no TAB") through the platform,
// after a line that says what it means for the user. Every report of the program is made here.
void ReportFault(win32::Platform& platform, FaultConsequence consequence, const QString& fault);
