#include "mainwindow/ccrpprogressbar.h"

#include "controls/systemcolors.h"

#include <QPainter>
#include <algorithm>

ccrpProgressBar::ccrpProgressBar(QWidget* parent, const QColor& backColor, const QFont& font)
    : QWidget(parent)
    , m_backColor(backColor)
{
    setFont(font);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void ccrpProgressBar::setValue(int value)
{
    value = std::clamp(value, Min, Max);
    if (value == m_value)
        return;
    m_value = value;
    if (isVisible())
        repaint();
}

QRect ccrpProgressBar::barRect() const
{
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    const int width = inside.width() * (m_value - Min) / (Max - Min);
    return QRect(inside.topLeft(), QSize(width, inside.height()));
}

void ccrpProgressBar::paintEvent(QPaintEvent*)
{
    using namespace SystemColors;
    QPainter painter(this);
    painter.fillRect(rect(), m_backColor);
    painter.setPen(SystemColor(COLOR_BTNSHADOW));
    painter.drawLine(0, 0, width() - 1, 0);
    painter.drawLine(0, 0, 0, height() - 1);
    painter.setPen(SystemColor(COLOR_BTNHIGHLIGHT));
    painter.drawLine(1, height() - 1, width() - 1, height() - 1);
    painter.drawLine(width() - 1, 1, width() - 1, height() - 1);
    painter.fillRect(barRect(), SystemColor(COLOR_HIGHLIGHT));
}
