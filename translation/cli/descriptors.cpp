#include "translation/cli/descriptors.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace Descriptors {

namespace {

#ifdef _WIN32
constexpr int Binary = _O_BINARY;
using StatBuffer = struct _stat64;
int statOf(int descriptor, StatBuffer* status) { return _fstat64(descriptor, status); }
int statOf(const QString& path, StatBuffer* status) { return _wstat64(reinterpret_cast<const wchar_t*>(path.utf16()), status); }
#else
constexpr int Binary = 0;
using StatBuffer = struct stat;
int statOf(int descriptor, StatBuffer* status) { return ::fstat(descriptor, status); }
int statOf(const QString& path, StatBuffer* status) { return ::stat(QFile::encodeName(path).constData(), status); }
#endif

bool isOpen(int descriptor)
{
#ifdef _WIN32
    return _get_osfhandle(descriptor) != -1;
#else
    return ::fcntl(descriptor, F_GETFD) != -1 || errno != EBADF;
#endif
}

int openPath(const QString& path, int flags)
{
#ifdef _WIN32
    const int descriptor = _wopen(reinterpret_cast<const wchar_t*>(path.utf16()), flags | Binary, _S_IREAD | _S_IWRITE);
#else
    const int descriptor = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC, 0666);
#endif
    return descriptor >= 0 ? descriptor : -errno;
}

template <typename A, typename B>
bool same(const A& a, const B& b)
{
    StatBuffer first{};
    StatBuffer second{};
    return statOf(a, &first) == 0 && statOf(b, &second) == 0 && first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

} // namespace

ClosedAtStart holdStandardPlaces()
{
    ClosedAtStart closed{!isOpen(StandardInput), !isOpen(StandardOutput), !isOpen(StandardError)};
#ifdef _WIN32
    _setmode(StandardInput, _O_BINARY);
    _setmode(StandardOutput, _O_BINARY);
#else
    // The lowest free number is taken first, so each opening fills the next closed place.
    for (const bool isClosed : {closed.input, closed.output, closed.errors}) {
        if (isClosed)
            ::open("/dev/null", O_RDWR);
    }
#endif
    return closed;
}

int openForReading(const QString& path)
{
    return openPath(path, O_RDONLY);
}

int openForWriting(const QString& path)
{
    return openPath(path, O_WRONLY | O_CREAT | O_TRUNC);
}

void close(int descriptor)
{
#ifdef _WIN32
    _close(descriptor);
#else
    ::close(descriptor);
#endif
}

long long readSome(int descriptor, char* into, std::size_t size)
{
    for (;;) {
#ifdef _WIN32
        const long long got = _read(descriptor, into, unsigned(size));
#else
        const long long got = ::read(descriptor, into, size);
#endif
        if (got >= 0)
            return got;
        if (errno != EINTR)
            return -errno;
    }
}

int writeAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
#ifdef _WIN32
        const long long written = _write(descriptor, bytes.data(), unsigned(bytes.size()));
#else
        const long long written = ::write(descriptor, bytes.data(), bytes.size());
#endif
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        bytes.remove_prefix(std::size_t(written));
    }
    return 0;
}

bool isTerminal(int descriptor)
{
#ifdef _WIN32
    return _isatty(descriptor) != 0;
#else
    return ::isatty(descriptor) != 0;
#endif
}

bool sameFile(int descriptor, const QString& path)
{
    return same(descriptor, path);
}

bool sameFile(const QString& a, const QString& b)
{
    return same(a, b);
}

QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace Descriptors
