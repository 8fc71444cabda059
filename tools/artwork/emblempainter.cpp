#include "emblempainter.h"

#include "theme.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// A rounded bubble with a tail whose tip is at `tip`; the tail leaves the bubble's bottom edge.
QPainterPath bubble(const QRectF& area, qreal radius, const QPointF& tip, qreal tailStart, qreal tailWidth)
{
    QPainterPath body;
    body.addRoundedRect(area, radius, radius);
    QPainterPath tail;
    tail.moveTo(area.left() + tailStart, area.bottom() - 1);
    tail.lineTo(tip);
    tail.lineTo(area.left() + tailStart + tailWidth, area.bottom() - 1);
    tail.closeSubpath();
    return body.united(tail);
}

void paintBubble(QPainter& painter, const QPainterPath& shape, const QColor& top, const QColor& bottom,
                 const QColor& outline)
{
    const QRectF bounds = shape.boundingRect();
    QLinearGradient fill(bounds.topLeft(), bounds.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.setPen(QPen(outline, 1.2));
    painter.setBrush(fill);
    painter.drawPath(shape);
}

void paintWord(QPainter& painter, const QRectF& area, const QString& word, int pixelSize, const QColor& colour)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferFullHinting);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(area, Qt::AlignCenter, word);
}

// Lays the picture over the window colour. The result is wholly opaque: the about window's
// background is that colour, and Qt's icon reader ignores the mask of a 24-bit picture.
QImage flattened(const QImage& image)
{
    QImage result(image.size(), QImage::Format_ARGB32);
    result.fill(Theme::window);
    QPainter painter(&result);
    painter.drawImage(0, 0, image);
    return result;
}

}

QImage EmblemPainter::paint() const
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QRectF shortArea(2.5, 3.5, 24, 16);
    paintBubble(painter, bubble(shortArea, 5, QPointF(6, 25), 4, 6), Theme::gleam, Theme::sky, Theme::steel);
    paintWord(painter, shortArea.adjusted(0, -1, 0, -1), QStringLiteral("ab"), 11, Theme::steel);

    const QRectF longArea(9.5, 17.5, 36, 21);
    paintBubble(painter, bubble(longArea, 6, QPointF(38, 46), 22, 8), QColor(92, 140, 196), Theme::navy, Theme::navy);
    paintWord(painter, longArea.adjusted(0, -1, 0, -1), QStringLiteral("abc"), 13, Qt::white);
    painter.end();
    return flattened(image);
}
