#include "pixelart.h"

#include <algorithm>

namespace {

QRgb blend(QRgb below, const QColor& ink)
{
    const int alpha = ink.alpha();
    const auto mix = [alpha](int under, int over) { return (over * alpha + under * (255 - alpha) + 127) / 255; };
    const int outAlpha = alpha + qAlpha(below) * (255 - alpha) / 255;
    return qRgba(mix(qRed(below), ink.red()), mix(qGreen(below), ink.green()), mix(qBlue(below), ink.blue()),
                 outAlpha);
}

}

PixelArt::PixelArt(std::initializer_list<const char*> rows)
    : m_rows(rows.begin(), rows.end())
{
}

int PixelArt::width() const
{
    size_t widest = 0;
    for (const std::string& row : m_rows)
        widest = std::max(widest, row.size());
    return static_cast<int>(widest);
}

int PixelArt::height() const
{
    return static_cast<int>(m_rows.size());
}

void PixelArt::paint(QImage& image, QPoint origin, const Inks& inks) const
{
    for (int row = 0; row < height(); ++row) {
        const std::string& line = m_rows[static_cast<size_t>(row)];
        for (int column = 0; column < static_cast<int>(line.size()); ++column) {
            const auto ink = inks.find(line[static_cast<size_t>(column)]);
            const QPoint at = origin + QPoint(column, row);
            if (ink == inks.end() || !image.rect().contains(at))
                continue;
            image.setPixel(at, blend(image.pixel(at), ink->second));
        }
    }
}

void PixelArt::paintCentred(QImage& image, QPoint offset, const Inks& inks) const
{
    const QPoint origin((image.width() - width()) / 2, (image.height() - height()) / 2);
    paint(image, origin + offset, inks);
}
