#include "controls/label.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeySequence>
#include <QPainter>
#include <utility>

namespace {

constexpr int LeastStretch = 85;
constexpr int StretchStep = 3;

} // namespace

Label::Label(QWidget* parent)
    : QWidget(parent)
{
    m_mouseEvents->forwardTo(this);
    setFocusPolicy(Qt::NoFocus);
}

void Label::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    grabAccessLetter();
    update();
}

void Label::setForeColor(const QColor& color)
{
    m_foreColor = color;
    update();
}

void Label::setBackColor(const QColor& color)
{
    m_backColor = color;
    // An opaque label paints every pixel of its box, so what lies below it need not be
    // painted first (the clock's label is repainted every second).
    setAttribute(Qt::WA_OpaquePaintEvent, color.isValid() && color.alpha() == 255);
    update();
}

void Label::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void Label::grabAccessLetter()
{
    if (m_accessShortcut)
        releaseShortcut(std::exchange(m_accessShortcut, 0));
    const QKeySequence letter = QKeySequence::mnemonic(m_caption);
    if (!letter.isEmpty())
        m_accessShortcut = grabShortcut(letter);
}

bool Label::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        emit Click();
        return true;
    }
    return QWidget::event(event);
}

int Label::textFlags() const
{
    return int(m_alignment | Qt::AlignTop) | Qt::TextWordWrap | Qt::TextShowMnemonic;
}

bool Label::fits(const QFont& font) const
{
    const QRect needed = QFontMetrics(font).boundingRect(rect(), textFlags(), m_caption);
    return needed.width() <= width() && needed.height() <= height();
}

QFont Label::drawnFont() const
{
    for (int stretch = 100; stretch >= LeastStretch; stretch -= StretchStep) {
        QFont condensed = font();
        if (stretch < 100)
            condensed.setStretch(stretch);
        if (fits(condensed))
            return condensed;
    }
    return font();
}

void Label::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (isOpaque())
        painter.fillRect(rect(), m_backColor);
    painter.setPen(m_foreColor);
    painter.setFont(drawnFont());
    painter.drawText(rect(), textFlags(), m_caption);
}
