#include "controls/picturefile.h"

#include "datafiles/filebytes.h"
#include "datafiles/filefault.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <optional>

namespace {

constexpr qint64 MaxPictureFileBytes = 64 * 1024 * 1024;

void refuseOversize(const QString& path, QSize size)
{
    if (size.width() > MaxPictureSide || size.height() > MaxPictureSide)
        throw FileFault(path, QStringLiteral("claims a picture of %1 × %2 pixels, larger than the %3 × %3 allowed")
                                  .arg(size.width())
                                  .arg(size.height())
                                  .arg(MaxPictureSide));
}

// A bitmap's headers: where its pixels start, its size and depth. Qt's reader refuses a
// bitmap too large for it without saying why, so the size is checked here first.
struct BitmapHeader {
    quint32 pixelsAt = 0;
    qint64 width = 0;
    qint64 height = 0;
    qint64 bitCount = 0;
    quint32 compression = 0;
};

std::optional<BitmapHeader> readBitmapHeader(const QByteArray& bytes)
{
    constexpr qsizetype InfoHeaderEnd = 14 + 40;
    if (bytes.size() < InfoHeaderEnd || qFromLittleEndian<quint32>(bytes.constData() + 14) < 40)
        return std::nullopt;
    return BitmapHeader{
        .pixelsAt = qFromLittleEndian<quint32>(bytes.constData() + 10),
        .width = qFromLittleEndian<qint32>(bytes.constData() + 18),
        .height = std::abs(qint64(qFromLittleEndian<qint32>(bytes.constData() + 22))),
        .bitCount = qFromLittleEndian<quint16>(bytes.constData() + 28),
        .compression = qFromLittleEndian<quint32>(bytes.constData() + 30),
    };
}

// Qt takes a bitmap whose file ends before its pixels do and shows whatever it finds in
// their place; such a cut file is refused. Only an uncompressed bitmap's size is known in
// advance: its rows, each padded to four bytes, follow the headers at the offset given.
void refuseCutBitmap(const QString& path, const QByteArray& bytes, const BitmapHeader& header)
{
    constexpr quint32 Uncompressed = 0;
    constexpr quint32 BitFields = 3;
    constexpr qint64 MostBitsPerPixel = 64;
    if ((header.compression != Uncompressed && header.compression != BitFields) || header.width <= 0
        || header.bitCount > MostBitsPerPixel)
        return;
    const qint64 rowBytes = (header.width * header.bitCount + 31) / 32 * 4;
    if (qint64(header.pixelsAt) + rowBytes * header.height > bytes.size())
        throw FileFault(path, QStringLiteral("is a damaged picture: the file ends before its pixels do"));
}

void refuseBadBitmap(const QString& path, const QByteArray& bytes)
{
    const std::optional<BitmapHeader> header = readBitmapHeader(bytes);
    if (!header)
        return;
    const auto side = [](qint64 pixels) { return int(std::clamp<qint64>(pixels, 0, INT_MAX)); };
    refuseOversize(path, QSize(side(header->width), side(header->height)));
    refuseCutBitmap(path, bytes, *header);
}

} // namespace

QPixmap LoadPicture(const QString& path)
{
    QByteArray bytes = ReadFileBytes(path, MaxPictureFileBytes);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        throw FileFault(path, QStringLiteral("is not a picture Qt can read"));
    if (reader.format() == "bmp")
        refuseBadBitmap(path, bytes);
    refuseOversize(path, reader.size());
    const QImage image = reader.read();
    if (image.isNull())
        throw FileFault(path, QStringLiteral("is not a readable picture: %1").arg(reader.errorString().toLower()));
    refuseOversize(path, image.size());
    return QPixmap::fromImage(image);
}
