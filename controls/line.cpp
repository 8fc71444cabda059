#include "controls/line.h"

#include <QPainter>
#include <algorithm>

Line::Line(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Line::setLine(const QLine& line)
{
    m_line = line;
    const QPoint topLeft(std::min(line.x1(), line.x2()), std::min(line.y1(), line.y2()));
    const QPoint bottomRight(std::max(line.x1(), line.x2()), std::max(line.y1(), line.y2()));
    setGeometry(QRect(topLeft, bottomRight));
    update();
}

void Line::setColor(const QColor& color)
{
    m_color = color;
    update();
}

void Line::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(m_color, 0));
    const QLine local = m_line.translated(-pos());
    painter.drawLine(local);
}
