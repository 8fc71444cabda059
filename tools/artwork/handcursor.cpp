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
        "...........XoooXoooXoooXooX.....",
        ".....XXXXXXXoooXoooXoooXooX.....",
        "....XooooooXoooXoooXoooXooX.....",
        "....XoooooooooooooooooooooX.....",
        ".....XooooooooooooooooooooX.....",
        "......XoooooooooooooooooooX.....",
        ".......XooooooooooooooooooX.....",
        "........XoooooooooooooooooX.....",
        ".........XoooooooooooooooX......",
        "..........XooooooooooooooX......",
        "...........XooooooooooooX.......",
        "...........XooooooooooooX.......",
        "...........XooooooooooooX.......",
        "...........XXXXXXXXXXXXXX.......",
    };
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    hand.paint(image, QPoint(0, 0), {{'X', Qt::black}, {'o', Qt::white}});
    return image;
}
