#include "handcursor.h"

#include "pixelart.h"

QImage HandCursor::paint() const
{
    static const PixelArt hand{
        "................................",
        "................................",
        "................................",
        "................................",
        "................................",
        "............XXX.................",
        "...........XoooX................",
        "...........XoooX................",
        "...........XoooX................",
        "...........XoooX................",
        "...........XoooXXXX.............",
        "...........XoooXoooXXXX.........",
        "...........XoooXoooXoooX........",
        "...........XoooXoooXoooXXX......",
        ".......XXXXXoooXoooXoooXooX.....",
        "......XooooXoooXoooXoooXooX.....",
        "......XooooXoooXoooXoooXooX.....",
        "......XoooooooooooooooooooX.....",
        ".......XooooooooooooooooooX.....",
        "........XoooooooooooooooooX.....",
        ".........XooooooooooooooooX.....",
        "..........XoooooooooooooooX.....",
        "..........XooooooooooooooX......",
        "...........XoooooooooooooX......",
        "...........XooooooooooooX.......",
        "............XoooooooooooX.......",
        "............XoooooooooooX.......",
        "............XXXXXXXXXXXXX.......",
    };
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    hand.paint(image, QPoint(0, 0), {{'X', Qt::black}, {'o', Qt::white}});
    return image;
}
