#pragma once

#include <QImage>
#include <QSize>

// The faces of the title bar's picture buttons. The buttons stand in a row and each covers its
// right neighbour's first column, so a face's first and last columns are both separator lines.
class TitleButtonPainter final {
public:
    enum class Glyph { Help, About, Minimise, Close };

    static constexpr QSize size{17, 17};

    QImage face(Glyph glyph, bool pressed) const;
};
