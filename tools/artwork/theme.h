#pragma once

#include <QColor>

// The colours of the Default skin. The first four are the windows' own colours; the skin is
// built around them so that black text stays readable on every picture it lies on.
namespace Theme {

inline constexpr QColor window{212, 208, 200};
inline constexpr QColor steel{58, 110, 165};
inline constexpr QColor navy{10, 36, 106};
inline constexpr QColor text{0, 0, 0};

inline constexpr QColor gleam{238, 244, 251};
inline constexpr QColor frost{214, 228, 244};
inline constexpr QColor sky{186, 206, 231};
inline constexpr QColor haze{160, 188, 222};
inline constexpr QColor dusk{128, 163, 205};
inline constexpr QColor steelLight{120, 158, 203};
inline constexpr QColor steelDark{38, 78, 135};

}
