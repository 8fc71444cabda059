#include "fader/alphalevel.h"

#include <cmath>

int alphaLevel(int percent)
{
    // nearbyint rounds in the current mode, which is round-half-to-even unless someone changed it.
    return static_cast<int>(std::nearbyint(percent / 100.0 * 255.0));
}
