#include "programiconpainter.h"

#include "theme.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <vector>

namespace {

// One drawing of the screen, in the units of the size it was drawn for.
struct MonitorDrawing {
    qreal units = 32;
    QRectF body;
    qreal bodyRadius = 0;
    QRectF screen;
    std::vector<QRectF> textLines;
    QRectF neck;
    QRectF base;
    qreal baseRadius = 0;
};

const MonitorDrawing& drawingFor(int size)
{
    static const MonitorDrawing small{
        16, {0, 1, 16, 11}, 1.5, {2, 3, 12, 7}, {{4, 5, 5, 1}, {4, 7, 8, 1}}, {6, 12, 4, 2}, {3, 14, 10, 2}, 0.5,
    };
    static const MonitorDrawing large{
        32,
        {1, 2, 30, 22},
        3,
        {4, 5, 24, 15},
        {{7, 8, 11, 2}, {7, 12, 16, 2}, {7, 16, 7, 2}},
        {13, 24, 6, 3},
        {6, 27, 20, 4},
        1.5,
    };
    return size <= 16 ? small : large;
}

QPainterPath rounded(const QRectF& area, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(area, radius, radius);
    return path;
}

QLinearGradient vertical(const QRectF& area, const QColor& top, const QColor& bottom)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

// A shape with a one-unit dark outline around a vertical gradient.
void outlinedShape(QPainter& painter, const QRectF& area, qreal radius, const QColor& top, const QColor& bottom)
{
    const QColor outline(8, 26, 80);
    painter.fillPath(rounded(area, radius), outline);
    const QRectF inner = area.adjusted(1, 1, -1, -1);
    painter.fillPath(rounded(inner, std::max<qreal>(radius - 1, 0)), vertical(inner, top, bottom));
}

void paintScreen(QPainter& painter, const MonitorDrawing& drawing)
{
    const QRectF screen = drawing.screen;
    painter.fillRect(screen, Theme::navy);
    const QRectF glass = screen.adjusted(1, 1, 0, 0);
    QLinearGradient light(glass.topLeft(), glass.bottomRight());
    light.setColorAt(0, QColor(170, 216, 255));
    light.setColorAt(0.55, QColor(70, 140, 222));
    light.setColorAt(1, QColor(28, 84, 180));
    painter.fillRect(glass, light);

    QPainterPath glare;
    glare.moveTo(glass.topLeft());
    glare.lineTo(glass.left() + glass.width() * 0.62, glass.top());
    glare.lineTo(glass.left(), glass.top() + glass.height() * 0.9);
    glare.closeSubpath();
    painter.fillPath(glare, QColor(255, 255, 255, 46));

    for (const QRectF& line : drawing.textLines)
        painter.fillRect(line, QColor(255, 255, 255, 235));
}

}

QImage ProgramIconPainter::paint(int size) const
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const MonitorDrawing& drawing = drawingFor(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / drawing.units, size / drawing.units);

    outlinedShape(painter, drawing.neck, 0, Theme::steel, Theme::steelDark);
    outlinedShape(painter, drawing.base, drawing.baseRadius, QColor(112, 152, 204), Theme::steelDark);
    outlinedShape(painter, drawing.body, drawing.bodyRadius, QColor(104, 146, 200), QColor(24, 56, 124));
    paintScreen(painter, drawing);
    return image;
}
