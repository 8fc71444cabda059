#pragma once

#include "controls/elementaccess.h"

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QLine>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

// The stored design of a window and its elements, as data: a window builds itself
// from a FormDesign (see Form). Fonts left empty are the window's font.

struct LabelDesign {
    QString caption{};
    std::optional<QFont> font{};
    QColor foreColor{};
    QColor backColor{}; // invalid: transparent
    Qt::Alignment alignment = Qt::AlignLeft;
    bool visible = true;
    std::optional<QCursor> cursor{};
    Access access{};
};

struct ImageDesign {
    QPixmap picture{}; // stored with the design; most images get theirs at loading
    bool stretch = false;
    bool visible = true;
    Access access{};
};

struct LineDesign {
    QLine line{}; // in the window's pixels, both ends drawn
    QColor color{};
};

struct TextBoxDesign {
    QString text{};
    std::optional<QFont> font{};
    QColor backColor{};
    QColor foreColor{};
    bool enabled = true;
    Access access{};
};

struct PictureBoxDesign {
    QIcon picture{};
};

struct TimerDesign {
    int interval = 0;
};

// An element of a kind the shared controls do not know (a progress bar, say): the
// function makes it as a child of the window; the window gives it its name and box.
struct CustomDesign {
    std::function<QWidget*(QWidget* parent)> create{};
};

using ElementLook =
    std::variant<LabelDesign, ImageDesign, LineDesign, TextBoxDesign, PictureBoxDesign, TimerDesign, CustomDesign>;

struct ElementDesign {
    int layer = 0; // 1 is the top of the stacking order
    QString name{}; // the element's objectName
    QRect box{}; // in the window's pixels; unused by lines and timers
    ElementLook look{};
};

struct FormDesign {
    QString caption{};
    QString accessibleName{}; // what a screen reader calls the window
    QSize size{};
    QColor backColor{};
    QFont font{};
    QIcon icon{};
    bool centerOnScreen = false;
    std::vector<ElementDesign> elements{};
    QStringList tabOrder{}; // element names, in the order Tab moves through them
};
