#pragma once

#include <QObject>
#include <QPoint>

class QMouseEvent;
class QWidget;

// The codes of the mouse buttons in the mouse events' `button` argument.
namespace MouseButton {
inline constexpr int Left = 1;
inline constexpr int Right = 2;
inline constexpr int Middle = 4;
} // namespace MouseButton

// The mouse events of a window element, in the order and with the arguments the
// window handlers expect:
//   MouseDown on a press; MouseUp on the release, reported to the element that got
//   the press wherever the pointer is by then; Click after a release over the element
//   with the left or the right button; DblClick for the second press of a
//   double-click (which then comes as no MouseDown), and the release that follows it
//   is a MouseUp with no Click; MouseMove for a move over the element (only while a
//   button is held, unless the element tracks the mouse), passed on to the element.
// `button` is 1 left, 2 right, 4 middle (for MouseMove, the sum of the buttons held);
// `shift` adds 1 Shift, 2 Ctrl, 4 Alt; the position is in the element's own pixels.
//
// It watches its element's events; an element class makes one and forwards the
// signals to signals of its own of the same names (forwardTo).
class MouseEvents final : public QObject {
    Q_OBJECT
public:
    enum class Delivery {
        Consume, // the element does nothing else with the mouse
        PassOn,  // the element's own handling runs too (a text box places its cursor)
    };

    MouseEvents(QWidget* element, Delivery delivery);

    template <class Element>
    void forwardTo(Element* element)
    {
        connect(this, &MouseEvents::MouseDown, element, &Element::MouseDown);
        connect(this, &MouseEvents::MouseUp, element, &Element::MouseUp);
        connect(this, &MouseEvents::Click, element, &Element::Click);
        connect(this, &MouseEvents::DblClick, element, &Element::DblClick);
        if constexpr (requires { &Element::MouseMove; })
            connect(this, &MouseEvents::MouseMove, element, &Element::MouseMove);
    }

signals:
    void MouseDown(int button, int shift, QPoint position);
    void MouseUp(int button, int shift, QPoint position);
    void Click();
    void DblClick();
    void MouseMove(int button, int shift, QPoint position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void press(const QMouseEvent& event);
    void release(const QMouseEvent& event);
    void doubleClick(const QMouseEvent& event);
    void move(const QMouseEvent& event);

    QWidget* m_element = nullptr;
    Delivery m_delivery = Delivery::Consume;
    bool m_releaseEndsDoubleClick = false;
};
