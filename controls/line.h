#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>

// A solid line one pixel wide between two points of its parent, both ends drawn.
// It is only drawn: the mouse passes through it to whatever lies below.
class Line final : public QWidget {
    Q_OBJECT
public:
    explicit Line(QWidget* parent = nullptr);

    QLine line() const { return m_line; }
    void setLine(const QLine& line); // in the parent's coordinates
    QColor color() const { return m_color; }
    void setColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine m_line;
    QColor m_color = Qt::black;
};
