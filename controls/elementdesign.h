#pragma once

#include "controls/elementaccess.h"
#include "controls/image.h"
#include "controls/label.h"
#include "controls/line.h"
#include "controls/picturebox.h"
#include "controls/textbox.h"
#include "controls/timer.h"

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QLine>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>
#include <type_traits>
#include <variant>

// The stored design of a window and its elements, as data: a window builds itself from its
// WindowDesign and its table of ElementRows (see Form). Fonts left empty are the window's font.

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

// An element of a kind the shared controls do not know (a progress bar, say): the function
// makes it as a child of the window; the window gives it its name and box.
struct CustomDesign {
    std::function<QWidget*(QWidget* parent)> create{};
};

using ElementLook =
    std::variant<LabelDesign, ImageDesign, LineDesign, TextBoxDesign, PictureBoxDesign, TimerDesign, CustomDesign>;

// The kind of element each design makes.
template <class Look> struct ElementKind;
template <> struct ElementKind<LabelDesign> { using Type = Label; };
template <> struct ElementKind<ImageDesign> { using Type = Image; };
template <> struct ElementKind<LineDesign> { using Type = Line; };
template <> struct ElementKind<TextBoxDesign> { using Type = TextBox; };
template <> struct ElementKind<PictureBoxDesign> { using Type = PictureBox; };
template <> struct ElementKind<TimerDesign> { using Type = Timer; };
template <> struct ElementKind<CustomDesign> { using Type = QWidget; };

struct WindowDesign {
    QString name{};    // the window's design name, its objectName
    QString caption{};
    QString accessibleName{}; // what a screen reader calls the window
    QSize size{};
    QColor backColor{};
    QFont font{};
    QIcon icon{};
    bool centerOnScreen = false;
};

inline constexpr int NoTabStop = -1;

// One element of a window: its layer (1 is the top of the stacking order), its design name,
// its box in the window's pixels (unused by lines and timers), its look, its place in the tab
// order, and the member of `Window` that holds it once made.
template <class Window>
struct ElementRow {
    int layer = 0;
    QString name{};
    QRect box{};
    ElementLook look{};
    int tabIndex = NoTabStop;
    std::function<void(Window&, QObject*)> bind{};
};

// A row for the element `member` of `Window`, named `name`; the design must make the kind of
// element the member holds. Written through ELEMENT_OF(Window, member), the member's name is
// also its design name, so the two cannot differ.
template <class Window, class Element, class Look>
ElementRow<Window> Place(int layer, Element* Window::*member, const char* name, QRect box, Look look,
    int tabIndex = NoTabStop)
{
    using Made = typename ElementKind<Look>::Type;
    static_assert(std::is_base_of_v<Made, Element>, "the design makes another kind of element than the member holds");
    return {layer, QString::fromLatin1(name), box, std::move(look), tabIndex, [member](Window& window, QObject* made) {
                window.*member = static_cast<Element*>(made);
            }};
}

#define ELEMENT_OF(Window, member) &Window::member, #member
