#include "fader/faderdesign.h"

namespace FaderDesign {

PropertyBag windowSettings()
{
    return {{QStringLiteral("fadeinspeed"), 4}, {QStringLiteral("fadeoutspeed"), 4}};
}

} // namespace FaderDesign
