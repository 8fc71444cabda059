#pragma once

#include "controls/mouseevents.h"

#include <QLineEdit>

// A single-line text box with the platform's sunken edit border and no length limit.
// KeyPress reports the character code of a key (13 for Enter, 8 for Backspace, 27 for
// Escape, the character's code for a printable key) before the key takes its
// ordinary effect; a handler that sets the code to 0 cancels the key.
class TextBox final : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    void setColors(const QColor& background, const QColor& text);

signals:
    void KeyPress(int& KeyAscii);
    void MouseDown(int button, int shift, QPoint position);
    void MouseUp(int button, int shift, QPoint position);
    void Click();
    void DblClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    MouseEvents* m_mouseEvents = new MouseEvents(this, MouseEvents::Delivery::PassOn);
};
