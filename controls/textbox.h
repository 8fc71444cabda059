#pragma once

#include "controls/mouseevents.h"

#include <QLineEdit>
#include <QTimer>
#include <chrono>

// A single-line text box with the platform's sunken edit border and no length limit.
// KeyPress reports the character code of a key (13 for Enter, 8 for Backspace, 27 for
// Escape, the character's code for a printable key) before the key takes its
// ordinary effect; a handler that sets the code to 0 cancels the key.
//
// The box is opaque: where the style rounds its corners, the window's colour shows,
// and nothing below the box is drawn again when the box is.
//
// As on the desktops, the caret stops blinking once the box has had no input for
// caretBlinkTimeout() and stays shown; a key, a click or a change of the text or of
// the caret's place sets it blinking again.
class TextBox final : public QLineEdit {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds DefaultCaretBlinkTimeout = std::chrono::seconds(10);

    explicit TextBox(QWidget* parent = nullptr);
    ~TextBox() override;

    void setColors(const QColor& background, const QColor& text);

    std::chrono::milliseconds caretBlinkTimeout() const { return m_caretRest.intervalAsDuration(); }
    void setCaretBlinkTimeout(std::chrono::milliseconds timeout);
    // True while the box has the focus and its caret has stopped blinking.
    bool caretRests() const { return m_blinkingFlashTime > 0; }

signals:
    void KeyPress(int& KeyAscii);
    void MouseDown(int button, int shift, QPoint position);
    void MouseUp(int button, int shift, QPoint position);
    void Click();
    void DblClick();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void wakeCaret();
    void restCaret();
    void resumeBlinking();

    MouseEvents* m_mouseEvents = new MouseEvents(this, MouseEvents::Delivery::PassOn);
    QTimer m_caretRest;
    // The application's caret flash time from before the caret came to rest; 0 while
    // it blinks.
    int m_blinkingFlashTime = 0;
};
