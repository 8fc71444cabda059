#include "translation/dictionaryreader.h"

#include "translation/dictionaryformat.h"

#include <QFile>

#include <optional>

namespace DictionaryReader {

namespace {

constexpr qint64 BlockSize = 64 * 1024;

// Counts line ends (CR LF, a lone CR, a lone LF) across the blocks of a file.
class LineEndCounter final {
public:
    // The offset just past the first byte of the line end of the last dictionary line, when
    // bytes[from..] holds it.
    std::optional<qsizetype> findLastLineEnd(QByteArrayView bytes, qsizetype from)
    {
        for (qsizetype i = from; i < bytes.size(); ++i) {
            const char c = bytes[i];
            const bool secondHalfOfCrLf = c == '\n' && m_afterCr;
            m_afterCr = c == '\r';
            if ((c == '\r' || c == '\n') && !secondHalfOfCrLf && ++m_lineEnds == DictionaryFormat::LineCount)
                return i + 1;
        }
        return std::nullopt;
    }

private:
    int m_lineEnds = 0;
    bool m_afterCr = false;
};

// Whether anything follows the line end that ends in `ending` (CR or LF); `rest` is what was
// read after it, and the file is read on for up to two bytes when that is not enough.
bool moreFollows(char ending, QByteArrayView rest, QFile& file)
{
    QByteArray next = rest.first(std::min<qsizetype>(rest.size(), 2)).toByteArray();
    if (next.size() < 2)
        next += file.read(2 - next.size());
    if (ending == '\r' && next.startsWith('\n'))
        next.remove(0, 1);
    return !next.isEmpty();
}

} // namespace

std::variant<DictionaryBytes, DictionaryFault> read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return DictionaryFault::unreadable(path, file.errorString());

    QByteArray bytes;
    LineEndCounter counter;
    for (;;) {
        const qsizetype start = bytes.size();
        bytes.resize(start + BlockSize);
        const qint64 got = file.read(bytes.data() + start, BlockSize);
        if (got < 0)
            return DictionaryFault::unreadable(path, file.errorString());
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
