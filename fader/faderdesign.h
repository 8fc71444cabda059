#pragma once

#include "fader/propertybag.h"

// The Fader settings that the program's windows keep with their design.
namespace FaderDesign {

// What the main window and the about window store for their `Fader1`:
// both fade at speed 4 and leave "Enabled" and "Opacity" at their defaults.
PropertyBag windowSettings();

} // namespace FaderDesign
