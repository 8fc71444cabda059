#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

// Pixel-exact fills shared by the skin pieces: every row or column gets one whole colour, so
// the pictures look the same whatever scaler later stretches them.
namespace Shading {

QColor mix(const QColor& from, const QColor& to, double amount);
// Fills `area` row by row, from `top` on its first row to `bottom` on its last.
void fillRows(QImage& image, const QRect& area, const QColor& top, const QColor& bottom);
void fill(QImage& image, const QRect& area, const QColor& colour);
// A one-pixel frame; its corner pixels are softened towards `outside`.
void frame(QImage& image, const QRect& area, const QColor& colour, const QColor& outside);
// A one-pixel bevel inside `area`: `light` on the top and left edges, `dark` on the bottom and right.
void bevel(QImage& image, const QRect& area, const QColor& light, const QColor& dark);

}
