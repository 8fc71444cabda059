#pragma once

#include <QWidget>

// The main window's progress bar: a horizontal bar filling its box from the left in
// proportion to its value, from empty at 0 to full at 100. It draws on its stored
// background colour, inside a thin sunken edge.
class ccrpProgressBar final : public QWidget {
    Q_OBJECT
public:
    static constexpr int Min = 0;
    static constexpr int Max = 100;

    ccrpProgressBar(QWidget* parent, const QColor& backColor, const QFont& font);

    int value() const { return m_value; }
    // Clamped to Min..Max; the bar is repainted at once, so it shows even while the
    // caller keeps the event loop waiting.
    void setValue(int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect barRect() const;

    int m_value = Min;
    QColor m_backColor;
};
