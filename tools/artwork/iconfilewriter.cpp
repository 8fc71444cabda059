#include "iconfilewriter.h"

#include "icondib.h"

#include <QDataStream>
#include <QIODevice>
#include <QSaveFile>

#include <stdexcept>

namespace {

constexpr int directorySize = 6;
constexpr int entrySize = 16;

// The directory stores 256 as 0; larger pictures do not fit in an icon file.
quint8 dimension(int pixels)
{
    if (pixels < 1 || pixels > 256)
        throw std::invalid_argument("icon pictures are 1 to 256 pixels wide and high");
    return static_cast<quint8>(pixels % 256);
}

}

IconFileWriter::IconFileWriter(Kind kind)
    : m_kind(kind)
{
}

void IconFileWriter::add(const QImage& image, int bitsPerPixel, QPoint hotspot)
{
    m_entries.push_back({image, bitsPerPixel, hotspot});
}

QByteArray IconFileWriter::bytes() const
{
    std::vector<QByteArray> dibs;
    for (const Entry& entry : m_entries)
        dibs.push_back(IconDib::encode(entry.image, entry.bitsPerPixel));

    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << static_cast<quint16>(m_kind) << static_cast<quint16>(m_entries.size());
    auto offset = static_cast<quint32>(directorySize + entrySize * m_entries.size());
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const Entry& entry = m_entries[i];
        const bool cursor = m_kind == Kind::Cursor;
        const quint8 colourCount = entry.bitsPerPixel < 8 ? static_cast<quint8>(1 << entry.bitsPerPixel) : 0;
        out << dimension(entry.image.width()) << dimension(entry.image.height()) << colourCount << quint8(0)
            << quint16(cursor ? entry.hotspot.x() : 1) << quint16(cursor ? entry.hotspot.y() : entry.bitsPerPixel)
            << static_cast<quint32>(dibs[i].size()) << offset;
        offset += static_cast<quint32>(dibs[i].size());
    }
    for (const QByteArray& dib : dibs)
        out.writeRawData(dib.constData(), static_cast<int>(dib.size()));
    return file;
}

void IconFileWriter::write(const QString& path) const
{
    QSaveFile file(path);
    const QByteArray content = bytes();
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        throw std::runtime_error(QStringLiteral("%1: %2").arg(path, file.errorString()).toStdString());
}
