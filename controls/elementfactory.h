#pragma once

#include "controls/elementdesign.h"

class QObject;
class QWidget;

// Makes one element of `window` from its design, named and placed as designed.
QObject* CreateElement(const ElementDesign& design, QWidget* window);
