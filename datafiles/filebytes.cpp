#include "datafiles/filebytes.h"

#include "datafiles/datafile.h"
#include "datafiles/filefault.h"

#include <QFile>

#include <algorithm>

QByteArray ReadFileBytes(const QString& path, qint64 maxBytes)
{
    QFile file;
    if (const QString fault = OpenDataFile(file, path); !fault.isEmpty())
        throw FileFault(path, fault);
    if (file.size() > maxBytes)
        throw FileFault(path, QStringLiteral("is too large (%1 bytes; at most %2 are read)")
                                  .arg(file.size())
                                  .arg(maxBytes));
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
