#include "controls/picturefile.h"

#include "datafiles/filebytes.h"
#include "datafiles/filefault.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <optional>

namespace {

constexpr qint64 MaxPictureFileBytes = 64 * 1024 * 1024;

void refuseOversize(const QString& path, QSize size)
{
    if (size.width() > MaxPictureSide || size.height() > MaxPictureSide)
        throw FileFault(path, QStringLiteral("claims a picture of %1 × %2 pixels, larger than the %3 × %3 allowed")
                                  .arg(size.width())
                                  .arg(size.height())
                                  .arg(MaxPictureSide));
}

// A bitmap's headers: where its pixels start, its size and depth. Qt's reader refuses a
// bitmap too large for it without saying why, so the size is checked here first.
struct BitmapHeader {
    quint32 pixelsAt = 0;
    qint64 width = 0;
    qint64 height = 0;
    qint64 bitCount = 0;
    quint32 compression = 0;
};

std::optional<BitmapHeader> readBitmapHeader(const QByteArray& bytes)
{
    constexpr qsizetype InfoHeaderEnd = 14 + 40;
    if (bytes.size() < InfoHeaderEnd || qFromLittleEndian<quint32>(bytes.constData() + 14) < 40)
        return std::nullopt;
    return BitmapHeader{
        .pixelsAt = qFromLittleEndian<quint32>(bytes.constData() + 10),
        .width = qFromLittleEndian<qint32>(bytes.constData() + 18),
        .height = std::abs(qint64(qFromLittleEndian<qint32>(bytes.constData() + 22))),
        .bitCount = qFromLittleEndian<quint16>(bytes.constData() + 28),
        .compression = qFromLittleEndian<quint32>(bytes.constData() + 30),
    };
}

// Qt takes a bitmap whose file ends before its pixels do and shows whatever it finds in
// their place; such a cut file is refused. Only an uncompressed bitmap's size is known in
// advance: its rows, each padded to four bytes, follow the headers at the offset given.
void refuseCutBitmap(const QString& path, const QByteArray& bytes, const BitmapHeader& header)
{
    constexpr quint32 Uncompressed = 0;
    constexpr quint32 BitFields = 3;
    constexpr qint64 MostBitsPerPixel = 64;
    if ((header.compression != Uncompressed && header.compression != BitFields) || header.width <= 0
        || header.bitCount > MostBitsPerPixel)
        return;
    const qint64 rowBytes = (header.width * header.bitCount + 31) / 32 * 4;
    if (qint64(header.pixelsAt) + rowBytes * header.height > bytes.size())
        throw FileFault(path, QStringLiteral("is a damaged picture: the file ends before its picture does"));
}

// Qt shows a GIF cut off in the middle of its picture as far as it got, without a word, so the
// file's blocks are walked: it is cut when it ends inside a block, before that block's end.
// Anything after the last complete block (a missing trailer, say) does no harm.
class GifBlocks final {
public:
    explicit GifBlocks(const QByteArray& bytes)
        : m_bytes(bytes)
    {
    }

    bool endInsideABlock()
    {
        constexpr int HeaderBytes = 13;
        if (m_bytes.size() < HeaderBytes)
            return true;
        m_at = HeaderBytes + colourTableBytes(byte(10));
        while (m_at < m_bytes.size()) {
            switch (byte(m_at++)) {
            case 0x21: ++m_at; if (!skipSubBlocks()) return true; break; // an extension: label, data
            case 0x2C: if (!skipImage()) return true; break;
            default: return false; // the trailer, or bytes after the last block
            }
        }
        return m_at > m_bytes.size();
    }

private:
    static qsizetype colourTableBytes(quint8 flags) { return flags & 0x80 ? 3 * (qsizetype(2) << (flags & 7)) : 0; }
    quint8 byte(qsizetype at) const { return at < m_bytes.size() ? quint8(m_bytes[at]) : 0; }

    // An image: its descriptor, its colour table, the LZW code size, then its data.
    bool skipImage()
    {
        constexpr int DescriptorBytes = 9;
        if (m_at + DescriptorBytes > m_bytes.size())
            return false;
        m_at += DescriptorBytes + colourTableBytes(byte(m_at + 8)) + 1;
        return skipSubBlocks();
    }

    // Sub-blocks, each its length and then its bytes, up to one of length 0.
    bool skipSubBlocks()
    {
        for (;;) {
            if (m_at >= m_bytes.size())
                return false;
            const quint8 length = byte(m_at++);
            if (length == 0)
                return true;
            m_at += length;
        }
    }

    const QByteArray& m_bytes;
    qsizetype m_at = 0;
};

// What the picture decoders log while they read: a warning there (libjpeg's "Corrupt JPEG
// data: premature end of data segment") means they met damage and guessed the rest.
class DecoderWarnings final {
public:
    DecoderWarnings() { s_warnings = &m_warnings; s_previous = qInstallMessageHandler(&DecoderWarnings::handle); }
    ~DecoderWarnings()
    {
        qInstallMessageHandler(s_previous);
        s_warnings = nullptr;
    }
    DecoderWarnings(const DecoderWarnings&) = delete;
    DecoderWarnings& operator=(const DecoderWarnings&) = delete;

    const QStringList& warnings() const { return m_warnings; }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        const bool fromDecoder = context.category && QByteArrayView(context.category).startsWith("qt.gui.imageio");
        if (fromDecoder && type != QtDebugMsg && type != QtInfoMsg && s_warnings)
            s_warnings->append(message);
        else if (s_previous)
            s_previous(type, context, message);
    }

    static inline QStringList* s_warnings = nullptr;
    static inline QtMessageHandler s_previous = nullptr;
    QStringList m_warnings;
};

QString firstLetterLowered(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

void refuseBadBitmap(const QString& path, const QByteArray& bytes)
{
    const std::optional<BitmapHeader> header = readBitmapHeader(bytes);
    if (!header)
        return;
    const auto side = [](qint64 pixels) { return int(std::clamp<qint64>(pixels, 0, INT_MAX)); };
    refuseOversize(path, QSize(side(header->width), side(header->height)));
    refuseCutBitmap(path, bytes, *header);
}

} // namespace

QPixmap LoadPicture(const QString& path)
{
    QByteArray bytes = ReadFileBytes(path, MaxPictureFileBytes);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        throw FileFault(path, QStringLiteral("is not a picture Qt can read"));
    if (reader.format() == "bmp")
        refuseBadBitmap(path, bytes);
    if (reader.format() == "gif" && GifBlocks(bytes).endInsideABlock())
        throw FileFault(path, QStringLiteral("is a damaged picture: the file ends before its picture does"));
    refuseOversize(path, reader.size());
    const DecoderWarnings decoder;
    const QImage image = reader.read();
    if (image.isNull())
        throw FileFault(path, QStringLiteral("is a damaged picture: %1").arg(reader.errorString().toLower()));
    if (!decoder.warnings().isEmpty())
        throw FileFault(path, QStringLiteral("is a damaged picture: %1").arg(firstLetterLowered(decoder.warnings().front())));
    refuseOversize(path, image.size());
    return QPixmap::fromImage(image);
}
