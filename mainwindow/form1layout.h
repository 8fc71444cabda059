#pragma once

#include "controls/elementdesign.h"

#include <vector>

class Form1;

// The stored design of the main window: the window itself, and every element by layer from
// the top of the stacking order, in pixels at 96 DPI, with its place in the tab order.
WindowDesign Form1Window();
std::vector<ElementRow<Form1>> Form1Elements();

// The program icon, 16 and 32 pixels with transparent corners; also the picture of TrayIcon.
QIcon ProgramIcon();
