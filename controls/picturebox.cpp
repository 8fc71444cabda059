#include "controls/picturebox.h"

#include <QPainter>

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
    m_mouseEvents->forwardTo(this);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

void PictureBox::setPicture(const QIcon& picture)
{
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPixmap pixmap = m_picture.pixmap(size());
    painter.drawPixmap(0, 0, pixmap);
}
