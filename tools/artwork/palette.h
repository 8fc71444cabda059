#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

// A colour table of at most `capacity` entries for the opaque pixels of an image: the image's own
// colours when they fit, else a median-cut reduction of them. Black is always in it, because a
// transparent pixel of an icon must have black colour bits.
class Palette final {
public:
    Palette(const QImage& image, int capacity);

    const QList<QRgb>& colours() const;
    // The index of the entry nearest to `colour`.
    int nearest(QRgb colour) const;

private:
    QList<QRgb> m_colours;
};
