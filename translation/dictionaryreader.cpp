#include "translation/dictionaryreader.h"

#include "translation/dictionaryformat.h"

#include <QFile>

#include <bit>
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

// Eight bytes side by side in one word, worked on at once.
constexpr std::uint64_t Ones = 0x0101010101010101;
constexpr std::uint64_t HighBits = Ones * 0x80;
constexpr bool Little = std::endian::native == std::endian::little;
static_assert(Little || std::endian::native == std::endian::big);
constexpr std::uint64_t FirstByteHighBit = Little ? 0x80 : std::uint64_t(0x80) << 56; // of the byte first in memory
constexpr std::uint64_t LastByteHighBit = Little ? std::uint64_t(0x80) << 56 : 0x80;

// 0x80 in each of the bytes of `word` that is `byte`, and nothing else: exact, no carry
// reaching from one byte into the next.
constexpr std::uint64_t bytesEqualTo(std::uint64_t word, char byte)
{
    const std::uint64_t x = word ^ (Ones * static_cast<unsigned char>(byte)); // zero where equal
    return ~(((x & ~HighBits) + ~HighBits) | x) & HighBits;
}

// The marks of bytesEqualTo moved each onto the byte after it in memory.
constexpr std::uint64_t ontoNextByte(std::uint64_t marks)
{
    return Little ? marks << 8 : marks >> 8;
}

// How many bytes are marked: the marks as ones, summed into the top byte by one multiplication.
constexpr int countMarks(std::uint64_t marks)
{
    return int(((marks >> 7) * Ones) >> 56);
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
            // Eight bytes at once: every CR is a line end, and every LF but one right after a
            // CR. Byte by byte only where the last line end may be among them.
            if (i + 8 <= bytes.size()) {
                std::uint64_t word = 0;
                std::memcpy(&word, bytes.data() + i, sizeof word);
                const std::uint64_t crs = bytesEqualTo(word, '\r');
                const std::uint64_t lfs = bytesEqualTo(word, '\n');
                const std::uint64_t afterCrs = ontoNextByte(crs) | (afterCr ? FirstByteHighBit : 0);
                const int ends = countMarks(crs) + countMarks(lfs & ~afterCrs);
                if (lineEnds + ends < DictionaryFormat::LineCount) {
                    lineEnds += ends;
                    afterCr = (crs & LastByteHighBit) != 0;
                    i += 8;
                    continue;
                }
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
