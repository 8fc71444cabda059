#include "controls/form.h"

#include "controls/elementaccess.h"
#include "controls/elementfactory.h"
#include "platform/windowhandles.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <utility>

Form::Form(const FormDesign& design)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    applyDesign(design);
    buildElements(design);
    applyTabOrder(design.tabOrder);
}

win32::HWND Form::hwnd()
{
    return WindowHandles::handleOf(this);
}

void Form::load()
{
    if (std::exchange(m_loaded, true))
        return;
    Form_Load();
}

void Form::setVisible(bool visible)
{
    if (visible)
        load();
    QWidget::setVisible(visible);
}

bool Form::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return handled;
}

void Form::applyDesign(const FormDesign& design)
{
    setWindowTitle(design.caption);
    SetAccess(this, {design.accessibleName, QAccessible::Window});
    setFixedSize(design.size);
    QPalette colors = palette();
    colors.setColor(QPalette::Window, design.backColor);
    setPalette(colors);
    setAutoFillBackground(true);
    setFont(design.font);
    setWindowIcon(design.icon);
    if (design.centerOnScreen) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->geometry().center() - rect().center());
    }
}

// Each new child is stacked above those made before it, so the bottom layer comes first.
void Form::buildElements(const FormDesign& design)
{
    std::vector<const ElementDesign*> bottomUp;
    for (const auto& element : design.elements)
        bottomUp.push_back(&element);
    std::stable_sort(bottomUp.begin(), bottomUp.end(),
        [](const ElementDesign* a, const ElementDesign* b) { return a->layer > b->layer; });
    for (const ElementDesign* element : bottomUp)
        CreateElement(*element, this);
}

void Form::applyTabOrder(const QStringList& names)
{
    QWidget* previous = nullptr;
    for (const QString& name : names) {
        auto* next = element<QWidget>(name);
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
}
