#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>

#include <vector>

// Writes Windows icon (.ico) and cursor (.cur) files: an ICONDIR, one ICONDIRENTRY per picture,
// then the pictures as device-independent bitmaps with their masks. In a cursor file the
// entry's planes and bit-count fields hold the hot spot.
class IconFileWriter final {
public:
    enum class Kind : quint16 { Icon = 1, Cursor = 2 };

    explicit IconFileWriter(Kind kind);

    void add(const QImage& image, int bitsPerPixel, QPoint hotspot = {});
    QByteArray bytes() const;
    // Throws std::runtime_error naming the file when it cannot be written.
    void write(const QString& path) const;

private:
    struct Entry {
        QImage image;
        int bitsPerPixel = 0;
        QPoint hotspot;
    };

    Kind m_kind = Kind::Icon;
    std::vector<Entry> m_entries;
};
