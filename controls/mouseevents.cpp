#include "controls/mouseevents.h"

#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <utility>

namespace {

int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return MouseButton::Left;
    case Qt::RightButton: return MouseButton::Right;
    case Qt::MiddleButton: return MouseButton::Middle;
    default: return 0;
    }
}

int buttonsCode(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? MouseButton::Left : 0) | (buttons & Qt::RightButton ? MouseButton::Right : 0)
        | (buttons & Qt::MiddleButton ? MouseButton::Middle : 0);
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
}

bool clicks(Qt::MouseButton button)
{
    return button == Qt::LeftButton || button == Qt::RightButton;
}

// The element that got the latest press, in any window. Qt pairs two quick presses
// into a double-click even when the first went to another element (of another window,
// say); such a second press is an ordinary press of the element it reaches.
QPointer<QWidget>& lastPressed()
{
    static QPointer<QWidget> element;
    return element;
}

} // namespace

MouseEvents::MouseEvents(QWidget* element, Delivery delivery)
    : QObject(element)
    , m_element(element)
    , m_delivery(delivery)
{
    element->installEventFilter(this);
}

bool MouseEvents::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_element)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: press(static_cast<const QMouseEvent&>(*event)); break;
    case QEvent::MouseButtonRelease: release(static_cast<const QMouseEvent&>(*event)); break;
    case QEvent::MouseButtonDblClick: doubleClick(static_cast<const QMouseEvent&>(*event)); break;
    case QEvent::MouseMove: move(static_cast<const QMouseEvent&>(*event)); return false;
    default: return false;
    }
    return m_delivery == Delivery::Consume;
}

void MouseEvents::press(const QMouseEvent& event)
{
    lastPressed() = m_element;
    m_releaseEndsDoubleClick = false;
    emit MouseDown(buttonCode(event.button()), shiftCode(event.modifiers()), event.position().toPoint());
}

void MouseEvents::release(const QMouseEvent& event)
{
    const bool endsDoubleClick = std::exchange(m_releaseEndsDoubleClick, false);
    const QPoint position = event.position().toPoint();
    // Judged before MouseUp runs: its handler may give the element a picture of another size.
    const bool clicked = !endsDoubleClick && clicks(event.button()) && m_element->rect().contains(position);
    const QPointer<MouseEvents> alive(this);
    emit MouseUp(buttonCode(event.button()), shiftCode(event.modifiers()), position);
    if (clicked && alive)
        emit Click();
}

void MouseEvents::doubleClick(const QMouseEvent& event)
{
    if (!clicks(event.button()) || lastPressed() != m_element) {
        press(event); // a middle double-click, or one begun elsewhere, is just another press
        return;
    }
    m_releaseEndsDoubleClick = true;
    emit DblClick();
}

void MouseEvents::move(const QMouseEvent& event)
{
    emit MouseMove(buttonsCode(event.buttons()), shiftCode(event.modifiers()), event.position().toPoint());
}
