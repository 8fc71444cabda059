#include "translation/dictionaryreader.h"

#include "translation/dictionaryformat.h"

#include <QFile>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace DictionaryReader {

namespace {

constexpr qint64 BlockSize = 64 * 1024;

// Whether any of the eight bytes at `bytes` is a CR or an LF.
bool holdsLineEnd(const char* bytes)
{
    constexpr std::uint64_t ones = 0x0101010101010101;
    constexpr std::uint64_t highBits = 0x8080808080808080;
    const auto hasZeroByte = [](std::uint64_t v) { return ((v - ones) & ~v & highBits) != 0; };
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, sizeof word);
    return hasZeroByte(word ^ (ones * '\r')) || hasZeroByte(word ^ (ones * '\n'));
}

// Counts line ends (CR LF, a lone CR, a lone LF) across the blocks of a file.
class LineEndCounter final {
public:
    // The offset just past the first byte of the line end of the last dictionary line, when
    // bytes[from..] holds it.
    std::optional<qsizetype> findLastLineEnd(QByteArrayView bytes, qsizetype from)
    {
        // Locals rather than members in the loop: stores to members could alias the bytes.
        int lineEnds = m_lineEnds;
        bool afterCr = m_afterCr;
        std::optional<qsizetype> found;
        for (qsizetype i = from; i < bytes.size();) {
            if (i + 8 <= bytes.size() && !holdsLineEnd(bytes.data() + i)) {
                afterCr = false;
                i += 8;
                continue;
            }
            const char c = bytes[i++];
            if (c != '\r' && c != '\n') {
                afterCr = false;
                continue;
            }
            const bool secondHalfOfCrLf = c == '\n' && afterCr;
            afterCr = c == '\r';
            if (!secondHalfOfCrLf && ++lineEnds == DictionaryFormat::LineCount) {
                found = i;
                break;
            }
        }
        m_lineEnds = lineEnds;
        m_afterCr = afterCr;
        return found;
    }

private:
    int m_lineEnds = 0;
    bool m_afterCr = false;
};

// What is there, up to `size` bytes: QFile's read() waits on a FIFO until all `size` have come.
qint64 readSome(QFile& file, char* into, qint64 size)
{
#ifdef Q_OS_UNIX
    for (;;) {
        const qint64 got = ::read(file.handle(), into, std::size_t(size));
        if (got >= 0 || errno != EINTR)
            return got;
    }
#else
    return file.read(into, size);
#endif
}

QString readFault(const QFile& file, int error)
{
#ifdef Q_OS_UNIX
    (void)file;
    return QStringLiteral("cannot be read: %1").arg(QString::fromLocal8Bit(std::strerror(error)).toLower());
#else
    (void)error;
    return QStringLiteral("cannot be read: %1").arg(file.errorString().toLower());
#endif
}

// Whether anything follows the line end that ends in `ending` (CR or LF); `rest` is what was
// read after it, and a regular file is read on for up to two bytes when that is not enough.
bool moreFollows(char ending, QByteArrayView rest, QFile& file)
{
    QByteArray next = rest.first(std::min<qsizetype>(rest.size(), 2)).toByteArray();
    if (next.size() < 2 && !file.isSequential())
        next += file.read(2 - next.size());
    if (ending == '\r' && next.startsWith('\n'))
        next.remove(0, 1);
    return !next.isEmpty();
}

} // namespace

std::variant<DictionaryBytes, DictionaryFault> read(const QString& path, FileKinds kinds)
{
    QFile file;
    if (const QString fault = OpenDataFile(file, path, kinds); !fault.isEmpty())
        return DictionaryFault::unreadable(path, fault);

    QByteArray bytes;
    LineEndCounter counter;
    for (;;) {
        const qsizetype start = bytes.size();
        bytes.resize(start + BlockSize);
        const qint64 got = readSome(file, bytes.data() + start, BlockSize);
        if (got < 0)
            return DictionaryFault::unreadable(path, readFault(file, errno));
        bytes.truncate(start + got);
        if (got == 0)
            return DictionaryBytes{bytes, false};
        if (const auto end = counter.findLastLineEnd(bytes, start)) {
            const bool more = moreFollows(bytes[*end - 1], QByteArrayView(bytes).sliced(*end), file);
            bytes.truncate(*end);
            return DictionaryBytes{bytes, more};
        }
        if (bytes.size() > MaxBytes)
            return DictionaryFault::tooLarge(path, MaxBytes);
    }
}

} // namespace DictionaryReader
