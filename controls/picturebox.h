#pragma once

#include "controls/mouseevents.h"

#include <QIcon>
#include <QWidget>

// A box that shows a picture (all sizes of an icon are kept, the one that suits the
// box is drawn) at its top-left corner, cut off at its edges. It tracks the mouse:
// MouseMove comes also when no button is held.
class PictureBox final : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    QIcon picture() const { return m_picture; }
    void setPicture(const QIcon& picture);

signals:
    void MouseDown(int button, int shift, QPoint position);
    void MouseUp(int button, int shift, QPoint position);
    void Click();
    void DblClick();
    void MouseMove(int button, int shift, QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QIcon m_picture;
    MouseEvents* m_mouseEvents = new MouseEvents(this, MouseEvents::Delivery::Consume);
};
