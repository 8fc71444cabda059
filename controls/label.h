#pragma once

#include "controls/mouseevents.h"

#include <QColor>
#include <QWidget>

// A caption in a box. Opaque labels fill their box with their background colour;
// transparent ones draw only their text and let the elements below show through,
// but still take the mouse where they lie on top. The caption wraps at word
// boundaries and is cut off at the box's edges; "&" marks the access letter, which
// is underlined, and Alt with that letter clicks the label.
//
// Where the designed font is missing, its substitute is often a little wider, so a
// caption that fits its box in the designed font would lose its last word or line:
// such a caption is drawn slightly condensed (down to 85 %) to fit, and only what still
// does not fit is cut off.
class Label final : public QWidget {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor& color);
    // An invalid colour makes the label transparent.
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor& color);
    bool isOpaque() const { return m_backColor.isValid(); }
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    // The font the caption is drawn in: the label's font, condensed where it must be.
    QFont drawnFont() const;

signals:
    void MouseDown(int button, int shift, QPoint position);
    void MouseUp(int button, int shift, QPoint position);
    void Click();
    void DblClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    void grabAccessLetter();
    int textFlags() const;
    bool fits(const QFont& font) const;

    QString m_caption;
    QColor m_foreColor = Qt::black;
    QColor m_backColor;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    int m_accessShortcut = 0;
    MouseEvents* m_mouseEvents = new MouseEvents(this, MouseEvents::Delivery::Consume);
};
