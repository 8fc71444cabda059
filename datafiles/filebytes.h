#pragma once

#include <QByteArray>
#include <QString>

// The whole content of a small data file (a picture, a cursor). Throws FileFault when the
// file is missing, is no regular file (see OpenDataFile), cannot be read, or is larger than
// `maxBytes`.
QByteArray ReadFileBytes(const QString& path, qint64 maxBytes);
