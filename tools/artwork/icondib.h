#pragma once

#include <QByteArray>
#include <QImage>

// One picture of an icon or cursor file as Windows stores it: a BITMAPINFOHEADER whose height
// counts the colour bitmap and the mask together, a colour table for 4 and 8 bits per pixel,
// the colour bitmap bottom-up, then the one-bit AND mask (set bits are transparent), every row
// padded to 32 bits. Pixels with alpha under 128 are transparent and get black colour bits.
class IconDib final {
public:
    static QByteArray encode(const QImage& image, int bitsPerPixel);
};
