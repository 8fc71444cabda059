#include "controls/picturefile.h"

#include "controls/filebytes.h"
#include "platform/filefault.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

#include <cstdlib>

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

// Qt takes a bitmap whose file ends before its pixels do and shows whatever it finds in
// their place; such a cut file is refused. Only an uncompressed bitmap's size is known in
// advance: its rows, each padded to four bytes, follow the headers at the offset given.
void refuseCutBitmap(const QString& path, const QByteArray& bytes)
{
    constexpr qsizetype InfoHeaderEnd = 14 + 40;
    constexpr quint32 Uncompressed = 0;
    constexpr quint32 BitFields = 3;
    if (bytes.size() < InfoHeaderEnd || qFromLittleEndian<quint32>(bytes.constData() + 14) < 40)
        return;
    const quint32 pixelsAt = qFromLittleEndian<quint32>(bytes.constData() + 10);
    const qint64 width = qFromLittleEndian<qint32>(bytes.constData() + 18);
    const qint64 height = std::abs(qint64(qFromLittleEndian<qint32>(bytes.constData() + 22)));
    const qint64 bitCount = qFromLittleEndian<quint16>(bytes.constData() + 28);
    const quint32 compression = qFromLittleEndian<quint32>(bytes.constData() + 30);
    constexpr qint64 MostBitsPerPixel = 64;
    if ((compression != Uncompressed && compression != BitFields) || width <= 0 || width > MaxPictureSide
        || height > MaxPictureSide || bitCount > MostBitsPerPixel)
        return;
    const qint64 rowBytes = (width * bitCount + 31) / 32 * 4;
    if (qint64(pixelsAt) + rowBytes * height > bytes.size())
        throw FileFault(path, QStringLiteral("is a damaged picture: the file ends before its pixels do"));
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
    refuseOversize(path, reader.size());
    if (reader.format() == "bmp")
        refuseCutBitmap(path, bytes);
    const QImage image = reader.read();
    if (image.isNull())
        throw FileFault(path, QStringLiteral("is not a readable picture: %1").arg(reader.errorString().toLower()));
    refuseOversize(path, image.size());
    return QPixmap::fromImage(image);
}
