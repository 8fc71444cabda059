#pragma once

#include "controls/elementdesign.h"

class QObject;
class QWidget;

// Makes one element of `window` from its look, named `name` and placed in `box`.
QObject* CreateElement(const ElementLook& look, const QString& name, const QRect& box, QWidget* window);
