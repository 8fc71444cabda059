#pragma once

#include "controls/elementdesign.h"

// The stored design of the about window: the window itself and every element, by
// layer from the top of the stacking order, in pixels at 96 DPI.
FormDesign Form2Design();

// The organisation's emblem (48 × 48, 24-bit colour), the picture of Image1.
QPixmap Emblem();
