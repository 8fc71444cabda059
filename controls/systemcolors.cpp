#include "controls/systemcolors.h"

#include <array>

namespace {

struct SchemeColor {
    int index = 0;
    int red = 0;
    int green = 0;
    int blue = 0;
};

using namespace SystemColors;

// The Windows 2000 standard scheme.
constexpr std::array<SchemeColor, 28> windows2000Scheme{{
    {COLOR_SCROLLBAR, 212, 208, 200},
    {COLOR_BACKGROUND, 58, 110, 165},
    {COLOR_ACTIVECAPTION, 10, 36, 106},
    {COLOR_INACTIVECAPTION, 128, 128, 128},
    {COLOR_MENU, 212, 208, 200},
    {COLOR_WINDOW, 255, 255, 255},
    {COLOR_WINDOWFRAME, 0, 0, 0},
    {COLOR_MENUTEXT, 0, 0, 0},
    {COLOR_WINDOWTEXT, 0, 0, 0},
    {COLOR_CAPTIONTEXT, 255, 255, 255},
    {COLOR_ACTIVEBORDER, 212, 208, 200},
    {COLOR_INACTIVEBORDER, 212, 208, 200},
    {COLOR_APPWORKSPACE, 128, 128, 128},
    {COLOR_HIGHLIGHT, 10, 36, 106},
    {COLOR_HIGHLIGHTTEXT, 255, 255, 255},
    {COLOR_BTNFACE, 212, 208, 200},
    {COLOR_BTNSHADOW, 128, 128, 128},
    {COLOR_GRAYTEXT, 128, 128, 128},
    {COLOR_BTNTEXT, 0, 0, 0},
    {COLOR_INACTIVECAPTIONTEXT, 212, 208, 200},
    {COLOR_BTNHIGHLIGHT, 255, 255, 255},
    {COLOR_3DDKSHADOW, 64, 64, 64},
    {COLOR_3DLIGHT, 212, 208, 200},
    {COLOR_INFOTEXT, 0, 0, 0},
    {COLOR_INFOBK, 255, 255, 225},
    {COLOR_HOTLIGHT, 0, 0, 128},
    {COLOR_GRADIENTACTIVECAPTION, 166, 202, 240},
    {COLOR_GRADIENTINACTIVECAPTION, 192, 192, 192},
}};

} // namespace

QColor SystemColor(int index)
{
    for (const auto& color : windows2000Scheme)
        if (color.index == index)
            return QColor(color.red, color.green, color.blue);
    return QColor(Qt::black);
}
