#include "skinpainter.h"

#include "shading.h"
#include "theme.h"

#include <array>

namespace {

// The border's colours from its outer edge inwards; the side picture serves both sides, so it
// is symmetric in the dark lines that bound it.
constexpr std::array<QColor, 5> borderColumns{Theme::navy, Theme::steelLight, Theme::steel, Theme::steelDark,
                                              Theme::navy};

QImage canvas(QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Theme::window);
    return image;
}

// A glassy band: a light upper half over a deeper lower half.
void glass(QImage& image, const QRect& area, const QColor& top, const QColor& middle, const QColor& lower,
           const QColor& bottom)
{
    const int upperRows = area.height() / 2;
    Shading::fillRows(image, QRect(area.left(), area.top(), area.width(), upperRows), top, middle);
    Shading::fillRows(image, QRect(area.left(), area.top() + upperRows, area.width(), area.height() - upperRows),
                      lower, bottom);
}

}

QImage SkinPainter::titleBar() const
{
    QImage image = canvas(titleBarSize);
    const int width = titleBarSize.width();
    Shading::fill(image, QRect(0, 0, width, 1), Theme::navy);
    Shading::fill(image, QRect(0, 1, width, 1), Theme::gleam);
    glass(image, QRect(0, 2, width, 13), Theme::frost, Theme::sky, Theme::haze, Theme::dusk);
    Shading::fill(image, QRect(0, 15, width, 1), Theme::steelLight);
    Shading::fill(image, QRect(0, 16, width, 1), Theme::navy);
    return image;
}

QImage SkinPainter::side() const
{
    QImage image = canvas(sideSize);
    for (int column = 0; column < sideSize.width(); ++column)
        Shading::fill(image, QRect(column, 0, 1, sideSize.height()), borderColumns.at(static_cast<size_t>(column)));
    return image;
}

QImage SkinPainter::bottom() const
{
    QImage image = canvas(bottomSize);
    const int width = bottomSize.width();
    const int height = bottomSize.height();
    const std::array<QColor, 9> rows{Theme::navy,  Theme::steelLight,         Theme::steel,
                                     Theme::steel, Theme::steel.darker(106), Theme::steel.darker(112),
                                     Theme::steel.darker(118), Theme::steelDark, Theme::navy};
    for (int row = 0; row < height; ++row)
        Shading::fill(image, QRect(0, row, width, 1), rows.at(static_cast<size_t>(row)));

    // Mitred corners where the side borders meet this one: a pixel takes the side's colour while
    // it is relatively nearer the side's outer edge than the bottom's.
    const int sideWidth = sideSize.width();
    const int rightSide = width - 1 - sideWidth;
    for (int row = 0; row < height; ++row) {
        const double bottomDepth = static_cast<double>(height - 1 - row) / (height - 1);
        for (int column = 0; column < sideWidth; ++column) {
            const QColor colour = borderColumns.at(static_cast<size_t>(column));
            if (static_cast<double>(column) / (sideWidth - 1) < bottomDepth)
                Shading::fill(image, QRect(column, row, 1, 1), colour);
            if (static_cast<double>(sideWidth - 1 - column) / (sideWidth - 1) < bottomDepth)
                Shading::fill(image, QRect(rightSide + column, row, 1, 1), colour);
        }
    }
    // The last column lies beyond the right border, where the window itself shows.
    Shading::fill(image, QRect(width - 1, 0, 1, height), Theme::window);
    return image;
}

QImage SkinPainter::captionFace(bool pressed) const
{
    QImage image = canvas(captionFaceSize);
    const QRect outline = image.rect();
    const QRect inside = outline.adjusted(1, 1, -1, -1);
    if (pressed) {
        Shading::fillRows(image, inside, QColor(178, 199, 226), QColor(214, 226, 241));
        Shading::bevel(image, inside, Theme::dusk, QColor(206, 219, 237));
        Shading::frame(image, outline, Theme::navy, Theme::window);
    } else {
        Shading::fillRows(image, inside, QColor(246, 249, 253), QColor(200, 215, 234));
        Shading::bevel(image, inside, Qt::white, Theme::haze);
        Shading::frame(image, outline, Theme::steelDark, Theme::window);
    }
    return image;
}
