#include "controls/elementfactory.h"

#include "controls/image.h"
#include "controls/label.h"
#include "controls/line.h"
#include "controls/picturebox.h"
#include "controls/textbox.h"
#include "controls/timer.h"

namespace {

template <class... Makers>
struct Overloaded : Makers... {
    using Makers::operator()...;
};
template <class... Makers>
Overloaded(Makers...) -> Overloaded<Makers...>;

QWidget* makeLabel(const LabelDesign& look, QWidget* window)
{
    auto* label = new Label(window);
    label->setCaption(look.caption);
    if (look.font)
        label->setFont(*look.font);
    label->setForeColor(look.foreColor);
    label->setBackColor(look.backColor);
    label->setAlignment(look.alignment);
    if (look.cursor)
        label->setCursor(*look.cursor);
    label->setVisible(look.visible);
    SetAccess(label, look.access);
    return label;
}

QWidget* makeImage(const ImageDesign& look, QWidget* window)
{
    auto* image = new Image(window);
    image->setPicture(look.picture);
    image->setStretch(look.stretch);
    image->setVisible(look.visible);
    SetAccess(image, look.access);
    return image;
}

QWidget* makeTextBox(const TextBoxDesign& look, QWidget* window)
{
    auto* box = new TextBox(window);
    box->setText(look.text);
    if (look.font)
        box->setFont(*look.font);
    box->setColors(look.backColor, look.foreColor);
    box->setEnabled(look.enabled);
    SetAccess(box, look.access);
    return box;
}

QWidget* makePictureBox(const PictureBoxDesign& look, QWidget* window)
{
    auto* box = new PictureBox(window);
    box->setPicture(look.picture);
    return box;
}

QObject* makeElement(const ElementLook& look, const QRect& box, QWidget* window)
{
    const auto placed = [&](QWidget* widget) -> QObject* {
        widget->setGeometry(box);
        return widget;
    };
    return std::visit(
        Overloaded{
            [&](const LabelDesign& look) { return placed(makeLabel(look, window)); },
            [&](const ImageDesign& look) { return placed(makeImage(look, window)); },
            [&](const TextBoxDesign& look) { return placed(makeTextBox(look, window)); },
            [&](const PictureBoxDesign& look) { return placed(makePictureBox(look, window)); },
            [&](const CustomDesign& look) { return placed(look.create(window)); },
            [&](const LineDesign& look) -> QObject* {
                auto* line = new Line(window);
                line->setLine(look.line);
                line->setColor(look.color);
                return line;
            },
            [&](const TimerDesign& look) -> QObject* {
                auto* timer = new Timer(window);
                timer->setInterval(look.interval);
                return timer;
            },
        },
        look);
}

} // namespace

QObject* CreateElement(const ElementLook& look, const QString& name, const QRect& box, QWidget* window)
{
    QObject* element = makeElement(look, box, window);
    element->setObjectName(name);
    return element;
}
