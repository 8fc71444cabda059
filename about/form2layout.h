#pragma once

#include "controls/elementdesign.h"

#include <vector>

class Form2;

// The stored design of the about window: the window itself, and every element by layer from
// the top of the stacking order, in pixels at 96 DPI.
WindowDesign Form2Window();
std::vector<ElementRow<Form2>> Form2Elements();

// The organisation's emblem (48 × 48, 24-bit colour), the picture of Image1.
QPixmap Emblem();
