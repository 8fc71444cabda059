#include "titlebuttonpainter.h"

#include "pixelart.h"
#include "shading.h"
#include "theme.h"

namespace {

const PixelArt& artFor(TitleButtonPainter::Glyph glyph)
{
    static const PixelArt help{
        ".#####.",
        "##...##",
        ".....##",
        "....##.",
        "...##..",
        "...##..",
        ".......",
        "...##..",
        "...##..",
    };
    static const PixelArt about{
        ".##.",
        ".##.",
        "....",
        "###.",
        ".##.",
        ".##.",
        ".##.",
        ".##.",
        "####",
    };
    static const PixelArt minimise{
        ".......",
        ".......",
        ".......",
        ".......",
        ".......",
        ".......",
        ".......",
        "#######",
        "#######",
    };
    static const PixelArt close{
        "+#.....#+",
        "##+...+##",
        "+##+.+##+",
        ".+##+##+.",
        "..+###+..",
        ".+##+##+.",
        "+##+.+##+",
        "##+...+##",
        "+#.....#+",
    };
    switch (glyph) {
    case TitleButtonPainter::Glyph::Help: return help;
    case TitleButtonPainter::Glyph::About: return about;
    case TitleButtonPainter::Glyph::Minimise: return minimise;
    case TitleButtonPainter::Glyph::Close: return close;
    }
    return help;
}

PixelArt::Inks glyphInks(const QColor& colour)
{
    QColor half = colour;
    half.setAlpha(110);
    return {{'#', colour}, {'+', half}};
}

// The engraving leaves out the soft edge pixels, which would only blur it.
PixelArt::Inks engravingInks(const QColor& colour)
{
    return {{'#', colour}};
}

}

QImage TitleButtonPainter::face(Glyph glyph, bool pressed) const
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Theme::navy);
    const QRect inside = image.rect().adjusted(1, 1, -1, -1);
    const QRect face = inside.adjusted(1, 1, -1, -1);
    if (pressed) {
        Shading::fillRows(image, inside, Theme::dusk, Theme::sky);
        Shading::bevel(image, inside, Theme::steelDark, Theme::sky);
    } else {
        Shading::fillRows(image, QRect(face.left(), face.top(), face.width(), 6), Theme::frost, Theme::sky);
        Shading::fillRows(image, QRect(face.left(), face.top() + 6, face.width(), face.height() - 6), Theme::haze,
                          Theme::dusk);
        Shading::bevel(image, inside, Theme::gleam, Theme::steel);
    }
    // An engraved glyph: a light copy one pixel down and right, the dark glyph over it.
    const QPoint shift = pressed ? QPoint(1, 1) : QPoint(0, 0);
    const PixelArt& art = artFor(glyph);
    art.paintCentred(image, shift + QPoint(1, 1), engravingInks(pressed ? Theme::frost : Theme::gleam));
    art.paintCentred(image, shift, glyphInks(Theme::navy));
    return image;
}
