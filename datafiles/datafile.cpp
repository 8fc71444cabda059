#include "datafiles/datafile.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QString NotFound = QStringLiteral("file not found");
const QString Folder = QStringLiteral("is a folder, not a file");
const QString NotRegular = QStringLiteral("is not a regular file");

#ifdef Q_OS_UNIX

QString openingFault(int error)
{
    switch (error) {
    case ENOENT: return NotFound;
    case ELOOP: return QStringLiteral("its symbolic links form a loop");
    case EISDIR: return Folder;
    case ENXIO: return NotRegular; // a socket, or a device with nothing behind it
    default: return QStringLiteral("cannot be read: %1").arg(QString::fromLocal8Bit(std::strerror(error)).toLower());
    }
}

QString kindFault(mode_t mode, FileKinds kinds)
{
    if (S_ISDIR(mode))
        return Folder;
    if (kinds == FileKinds::RegularOnly && !S_ISREG(mode))
        return NotRegular;
    return {};
}

// Without O_NONBLOCK, opening a FIFO waits for a writer; with it, the open returns at once and
// fstat tells what the file is before anything waits on it.
QString openDescriptor(QFile& file, const QString& path, FileKinds kinds)
{
    const int flags = O_RDONLY | O_CLOEXEC | (kinds == FileKinds::RegularOnly ? O_NONBLOCK : 0);
    const int descriptor = ::open(QFile::encodeName(path).constData(), flags);
    if (descriptor < 0)
        return openingFault(errno);
    struct stat status {};
    QString fault = ::fstat(descriptor, &status) != 0 ? openingFault(errno) : kindFault(status.st_mode, kinds);
    if (fault.isEmpty() && (flags & O_NONBLOCK))
        ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    if (fault.isEmpty() && !file.open(descriptor, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle))
        fault = QStringLiteral("cannot be read: %1").arg(file.errorString().toLower());
    if (!fault.isEmpty())
        ::close(descriptor);
    return fault;
}

#endif

} // namespace

QString OpenDataFile(QFile& file, const QString& path, FileKinds kinds)
{
#ifdef Q_OS_UNIX
    if (!path.startsWith(u':')) // not compiled into the program
        return openDescriptor(file, path, kinds);
#endif
    const QFileInfo info(path);
    if (!info.exists())
        return NotFound;
    if (info.isDir())
        return Folder;
    if (kinds == FileKinds::RegularOnly && !info.isFile())
        return NotRegular;
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return QStringLiteral("cannot be read: %1").arg(file.errorString().toLower());
    return {};
}
