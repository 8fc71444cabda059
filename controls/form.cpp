#include "controls/form.h"

#include "controls/elementaccess.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

Form::Form(const WindowDesign& design)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(design.name);
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

void Form::load()
{
    if (std::exchange(m_loaded, true))
        return;
    Form_Load();
}

bool Form::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return handled;
}

void Form::applyTabOrder(std::vector<std::pair<int, QWidget*>> tabStops)
{
    std::stable_sort(tabStops.begin(), tabStops.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabStops.size(); ++i)
        setTabOrder(tabStops[i - 1].second, tabStops[i].second);
}
