#include "controls/cursorfile.h"

#include "datafiles/filebytes.h"
#include "controls/picturefile.h"
#include "datafiles/filefault.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>

namespace {

constexpr qint64 MaxCursorFileBytes = 1024 * 1024;
constexpr int DirectoryBytes = 6;  // reserved, type, count
constexpr int EntryBytes = 16;     // one image's record in the directory
constexpr quint16 CursorType = 2;  // 1 would be an icon

quint16 word(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

quint32 dword(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

// The hot spot of the first image; a cursor's directory entry keeps it where an
// icon's keeps its colour planes and bit count.
QPoint hotSpot(const QString& path, const QByteArray& bytes)
{
    if (bytes.size() < DirectoryBytes + EntryBytes || word(bytes, 0) != 0 || word(bytes, 2) != CursorType)
        throw FileFault(path, QStringLiteral("is not a cursor file"));
    const int count = word(bytes, 4);
    if (count == 0 || bytes.size() < DirectoryBytes + count * EntryBytes)
        throw FileFault(path, QStringLiteral("is a damaged cursor file: its list of images is incomplete"));
    const quint32 imageBytes = dword(bytes, DirectoryBytes + 8);
    const quint32 imageOffset = dword(bytes, DirectoryBytes + 12);
    if (imageOffset > quint32(bytes.size()) || imageBytes > quint32(bytes.size()) - imageOffset)
        throw FileFault(path, QStringLiteral("is a damaged cursor file: its image lies beyond the end of the file"));
    return {word(bytes, DirectoryBytes + 4), word(bytes, DirectoryBytes + 6)};
}

QImage cursorImage(const QString& path, QByteArray& bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    const QImage image = reader.read();
    if (image.isNull())
        throw FileFault(path, QStringLiteral("is a damaged cursor file: its image cannot be read"));
    if (image.width() > MaxPictureSide || image.height() > MaxPictureSide)
        throw FileFault(path, QStringLiteral("is a damaged cursor file: its image is too large"));
    return image;
}

} // namespace

QCursor LoadCursorFile(const QString& path)
{
    QByteArray bytes = ReadFileBytes(path, MaxCursorFileBytes);
    const QPoint spot = hotSpot(path, bytes);
    const QImage image = cursorImage(path, bytes);
    if (!image.rect().contains(spot))
        throw FileFault(path, QStringLiteral("is a damaged cursor file: its hot spot (%1, %2) lies outside its %3 × %4 image")
                                  .arg(spot.x())
                                  .arg(spot.y())
                                  .arg(image.width())
                                  .arg(image.height()));
    return QCursor(QPixmap::fromImage(image), spot.x(), spot.y());
}
