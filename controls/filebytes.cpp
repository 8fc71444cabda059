#include "controls/filebytes.h"

#include "platform/filefault.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

QByteArray ReadFileBytes(const QString& path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw FileFault(path, QStringLiteral("file not found"));
    if (info.isDir())
        throw FileFault(path, QStringLiteral("is a folder, not a file"));
    if (info.size() > maxBytes)
        throw FileFault(path, QStringLiteral("is too large (%1 bytes; at most %2 are read)")
                                  .arg(info.size())
                                  .arg(maxBytes));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileFault(path, QStringLiteral("cannot be read: %1").arg(file.errorString().toLower()));
    // Read in blocks: read(maxBytes + 1) would set aside the whole limit for a file of a
    // few hundred bytes, at every start-up picture and every button press.
    constexpr qint64 BlockSize = 64 * 1024;
    QByteArray bytes;
    while (bytes.size() <= maxBytes) {
        const QByteArray block = file.read(std::min(BlockSize, maxBytes + 1 - bytes.size()));
        if (block.isEmpty())
            break;
        bytes += block;
    }
    if (file.error() != QFileDevice::NoError)
        throw FileFault(path, QStringLiteral("cannot be read: %1").arg(file.errorString().toLower()));
    if (bytes.size() > maxBytes)
        throw FileFault(path, QStringLiteral("is too large (more than %1 bytes)").arg(maxBytes));
    return bytes;
}
