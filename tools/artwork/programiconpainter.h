#pragma once

#include <QImage>

// The program icon: a computer screen in blue tones with lines of text on it. The 16-pixel
// picture has a drawing of its own; every other size scales the 32-pixel drawing.
class ProgramIconPainter final {
public:
    QImage paint(int size) const;
};
