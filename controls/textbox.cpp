#include "controls/textbox.h"

#include "controls/systemcolors.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <limits>
#include <utility>

namespace {

// The character code a key types, or 0 for a key that types none (arrows, F1, Alt
// with a letter, ...).
int characterCode(const QKeyEvent& event)
{
    if (event.modifiers() & Qt::AltModifier)
        return 0;
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Escape: return 27;
    default: break;
    }
    const QString text = event.text();
    return text.isEmpty() || event.key() == Qt::Key_Delete ? 0 : text.at(0).unicode();
}

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::FocusIn:
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::InputMethod: return true;
    default: return false;
    }
}

} // namespace

TextBox::TextBox(QWidget* parent)
    : QLineEdit(parent)
{
    m_mouseEvents->forwardTo(this);
    setFrame(true);
    setMaxLength(std::numeric_limits<int>::max());
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_caretRest.setSingleShot(true);
    m_caretRest.setInterval(DefaultCaretBlinkTimeout);
    connect(&m_caretRest, &QTimer::timeout, this, &TextBox::restCaret);
    connect(this, &QLineEdit::textChanged, this, &TextBox::wakeCaret);
    connect(this, &QLineEdit::cursorPositionChanged, this, &TextBox::wakeCaret);
}

TextBox::~TextBox()
{
    resumeBlinking();
}

void TextBox::setColors(const QColor& background, const QColor& text)
{
    QPalette colors = palette();
    colors.setColor(QPalette::Base, background);
    colors.setColor(QPalette::Active, QPalette::Text, text);
    colors.setColor(QPalette::Inactive, QPalette::Text, text);
    // A disabled box shows its text grey, as the classic Windows scheme does; some
    // styles' own disabled grey is too pale to read on the window colour.
    colors.setColor(QPalette::Disabled, QPalette::Text, SystemColor(SystemColors::COLOR_GRAYTEXT));
    setPalette(colors);
}

void TextBox::setCaretBlinkTimeout(std::chrono::milliseconds timeout)
{
    m_caretRest.setInterval(timeout);
}

bool TextBox::event(QEvent* event)
{
    const bool handled = QLineEdit::event(event);
    if (isInput(event->type())) {
        wakeCaret();
    } else if (event->type() == QEvent::FocusOut) {
        m_caretRest.stop();
        resumeBlinking();
    }
    return handled;
}

void TextBox::keyPressEvent(QKeyEvent* event)
{
    int code = characterCode(*event);
    if (code != 0) {
        emit KeyPress(code);
        if (code == 0)
            return;
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), palette().color(QPalette::Window));
    }
    QLineEdit::paintEvent(event);
}

void TextBox::wakeCaret()
{
    if (!hasFocus())
        return;
    resumeBlinking();
    m_caretRest.start();
}

// Qt's line edit has no switch for the blinking of its own caret, but it follows the
// application's flash time whenever that changes, and a flash time of 0 shows the
// caret steadily. Only the box with the keyboard focus has a caret, so the
// application's flash time is 0 only while this box has the focus: it is given back
// when the box loses the focus, before another element gets it.
void TextBox::restCaret()
{
    const int flashTime = QApplication::cursorFlashTime();
    if (!hasFocus() || caretRests() || flashTime <= 0)
        return;
    m_blinkingFlashTime = flashTime;
    QApplication::setCursorFlashTime(0);
}

void TextBox::resumeBlinking()
{
    if (caretRests())
        QApplication::setCursorFlashTime(std::exchange(m_blinkingFlashTime, 0));
}
