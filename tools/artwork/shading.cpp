#include "shading.h"

#include <cmath>

namespace Shading {

QColor mix(const QColor& from, const QColor& to, double amount)
{
    const auto channel = [amount](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * amount)); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()), channel(from.alpha(), to.alpha()));
}

void fillRows(QImage& image, const QRect& area, const QColor& top, const QColor& bottom)
{
    const int rows = area.height();
    for (int row = 0; row < rows; ++row) {
        const double amount = rows > 1 ? static_cast<double>(row) / (rows - 1) : 0.0;
        fill(image, QRect(area.left(), area.top() + row, area.width(), 1), mix(top, bottom, amount));
    }
}

void fill(QImage& image, const QRect& area, const QColor& colour)
{
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            image.setPixelColor(x, y, colour);
}

void frame(QImage& image, const QRect& area, const QColor& colour, const QColor& outside)
{
    fill(image, QRect(area.left(), area.top(), area.width(), 1), colour);
    fill(image, QRect(area.left(), area.bottom(), area.width(), 1), colour);
    fill(image, QRect(area.left(), area.top(), 1, area.height()), colour);
    fill(image, QRect(area.right(), area.top(), 1, area.height()), colour);
    const QColor corner = mix(colour, outside, 0.6);
    for (const QPoint& at : {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()})
        fill(image, QRect(at, QSize(1, 1)), corner);
}

void bevel(QImage& image, const QRect& area, const QColor& light, const QColor& dark)
{
    fill(image, QRect(area.left(), area.top(), area.width() - 1, 1), light);
    fill(image, QRect(area.left(), area.top(), 1, area.height() - 1), light);
    fill(image, QRect(area.left(), area.bottom(), area.width(), 1), dark);
    fill(image, QRect(area.right(), area.top(), 1, area.height()), dark);
}

}
