#pragma once

#include <QFile>
#include <QString>

// Which files a data file may be.
enum class FileKinds {
    // A regular file, after following symbolic links. Anything else (a FIFO, a device, a
    // socket) is refused before it is read: opening or reading one can wait for ever, and the
    // window would freeze with it.
    RegularOnly,
    // Whatever can be read, as a command-line program reads what it is named (a FIFO included).
    Any,
};

// Opens the data file at `path` for reading into `file`. Gives an empty text when it is open,
// otherwise what is wrong in plain words, for a report that names the file: "file not found",
// "is a folder, not a file", "is not a regular file", "its symbolic links form a loop",
// "cannot be read: permission denied".
QString OpenDataFile(QFile& file, const QString& path, FileKinds kinds = FileKinds::RegularOnly);
