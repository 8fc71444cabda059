#pragma once

#include "controls/elementdesign.h"

// The stored design of the main window: the window itself and every element, by
// layer from the top of the stacking order, in pixels at 96 DPI.
FormDesign Form1Design();

// The program icon, 16 and 32 pixels with transparent corners; also the picture of
// TrayIcon.
QIcon ProgramIcon();

// The pointing hand of lblLink, stored with the window.
QCursor LinkCursor();
