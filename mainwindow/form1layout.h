#pragma once

#include "controls/elementdesign.h"

// The stored design of the main window: the window itself and every element, by
// layer from the top of the stacking order, in pixels at 96 DPI.
FormDesign Form1Design();

// The program icon (four images: 16 and 32 pixels, 256 and 24-bit colours); also the
// picture of TrayIcon.
QIcon ProgramIcon();

// The pointing hand of lblLink, stored with the window.
QCursor LinkCursor();
