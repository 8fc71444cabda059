#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

// A small drawing written as rows of characters, one character a pixel. Each character is an
// ink; painting blends each ink's colour (alpha included) over the image, and characters
// without an ink are left out.
class PixelArt final {
public:
    using Inks = std::map<char, QColor>;

    PixelArt(std::initializer_list<const char*> rows);

    int width() const;
    int height() const;
    void paint(QImage& image, QPoint origin, const Inks& inks) const;
    // Paints the drawing centred in `image`, moved by `offset`.
    void paintCentred(QImage& image, QPoint offset, const Inks& inks) const;

private:
    std::vector<std::string> m_rows;
};
