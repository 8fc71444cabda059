#include "controls/image.h"

#include <QPainter>

Image::Image(QWidget* parent)
    : QWidget(parent)
{
    m_mouseEvents->forwardTo(this);
    setFocusPolicy(Qt::NoFocus);
}

void Image::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    fitToPicture();
    update();
}

void Image::setStretch(bool stretch)
{
    m_stretch = stretch;
    fitToPicture();
    update();
}

void Image::fitToPicture()
{
    if (!m_stretch && !m_picture.isNull())
        resize(m_picture.size());
}

void Image::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    if (m_stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), m_picture);
    } else {
        painter.drawPixmap(0, 0, m_picture);
    }
}
