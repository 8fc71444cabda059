#pragma once

#include "controls/mouseevents.h"

#include <QPixmap>
#include <QWidget>

// A picture without a border. A stretched image keeps its box and scales its picture
// to it; an image that is not stretched takes the size of each picture it is given
// and keeps its left and top. An image without a picture draws nothing but still
// takes the mouse over its box.
class Image final : public QWidget {
    Q_OBJECT
public:
    explicit Image(QWidget* parent = nullptr);

    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap& picture);
    bool stretch() const { return m_stretch; }
    void setStretch(bool stretch);

signals:
    void MouseDown(int button, int shift, QPoint position);
    void MouseUp(int button, int shift, QPoint position);
    void Click();
    void DblClick();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitToPicture();

    QPixmap m_picture;
    bool m_stretch = false;
    MouseEvents* m_mouseEvents = new MouseEvents(this, MouseEvents::Delivery::Consume);
};
