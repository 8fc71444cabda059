#pragma once

#include <QFont>
#include <QString>

namespace DesignFonts {

enum Style : unsigned { Regular = 0, Bold = 1, Italic = 2, Underline = 4 };

// The windows' everyday font.
inline const QString Sans = QStringLiteral("MS Sans Serif");
inline constexpr double Points = 8.25;

} // namespace DesignFonts

// A font as the window designs give it: a family and a size in points on a 96 DPI
// screen. The size is set in pixels (8.25 pt is 11 px) because the layouts are in
// pixels, so the text fits its box whatever the screen's DPI. Families that are not
// installed (MS Sans Serif, Papyrus, Arial outside Windows) fall back to a similar one.
QFont DesignFont(const QString& family, double points, unsigned style = DesignFonts::Regular);
