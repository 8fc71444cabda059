#include "icondib.h"

#include "palette.h"

#include <QDataStream>
#include <QIODevice>

#include <optional>
#include <stdexcept>

namespace {

constexpr int headerSize = 40;

int strideOf(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

bool transparentAt(const QImage& image, int x, int y)
{
    return qAlpha(image.pixel(x, y)) < 128;
}

QByteArray colourRow(const QImage& image, int y, int bitsPerPixel, const Palette* palette)
{
    QByteArray row(strideOf(image.width(), bitsPerPixel), '\0');
    for (int x = 0; x < image.width(); ++x) {
        const QRgb pixel = transparentAt(image, x, y) ? qRgb(0, 0, 0) : image.pixel(x, y);
        if (bitsPerPixel == 24) {
            row[3 * x] = static_cast<char>(qBlue(pixel));
            row[3 * x + 1] = static_cast<char>(qGreen(pixel));
            row[3 * x + 2] = static_cast<char>(qRed(pixel));
            continue;
        }
        const int index = palette->nearest(pixel);
        if (bitsPerPixel == 8)
            row[x] = static_cast<char>(index);
        else
            row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
    }
    return row;
}

QByteArray maskRow(const QImage& image, int y)
{
    QByteArray row(strideOf(image.width(), 1), '\0');
    for (int x = 0; x < image.width(); ++x)
        if (transparentAt(image, x, y))
            row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
    return row;
}

}

QByteArray IconDib::encode(const QImage& source, int bitsPerPixel)
{
    if (bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 24)
        throw std::invalid_argument("icon pictures are written with 4, 8 or 24 bits per pixel");
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    const int paletteSize = bitsPerPixel == 24 ? 0 : 1 << bitsPerPixel;
    const std::optional<Palette> palette =
        paletteSize ? std::optional<Palette>(std::in_place, image, paletteSize) : std::nullopt;

    QByteArray dib;
    QDataStream out(&dib, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const auto imageBytes = static_cast<quint32>((strideOf(width, bitsPerPixel) + strideOf(width, 1)) * height);
    out << quint32(headerSize) << qint32(width) << qint32(2 * height) << quint16(1) << quint16(bitsPerPixel)
        << quint32(0) << imageBytes << qint32(0) << qint32(0) << quint32(0) << quint32(0);
    for (int i = 0; i < paletteSize; ++i) {
        const QRgb colour = i < palette->colours().size() ? palette->colours().at(i) : qRgb(0, 0, 0);
        out << quint8(qBlue(colour)) << quint8(qGreen(colour)) << quint8(qRed(colour)) << quint8(0);
    }
    const auto writeRow = [&out](const QByteArray& row) { out.writeRawData(row.constData(), row.size()); };
    for (int y = height - 1; y >= 0; --y)
        writeRow(colourRow(image, y, bitsPerPixel, palette ? &*palette : nullptr));
    for (int y = height - 1; y >= 0; --y)
        writeRow(maskRow(image, y));
    return dib;
}
