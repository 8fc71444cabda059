#include "controls/picturefile.h"

#include "controls/filebytes.h"
#include "platform/filefault.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

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
    const QImage image = reader.read();
    if (image.isNull())
        throw FileFault(path, QStringLiteral("is not a readable picture: %1").arg(reader.errorString().toLower()));
    refuseOversize(path, image.size());
    return QPixmap::fromImage(image);
}
