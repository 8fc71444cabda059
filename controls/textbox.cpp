#include "controls/textbox.h"

#include "controls/systemcolors.h"

#include <QKeyEvent>
#include <limits>

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

} // namespace

TextBox::TextBox(QWidget* parent)
    : QLineEdit(parent)
{
    m_mouseEvents->forwardTo(this);
    setFrame(true);
    setMaxLength(std::numeric_limits<int>::max());
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
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
