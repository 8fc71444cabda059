#include "platform/extendedstyle.h"

#include <QVariant>
#include <QWidget>

namespace {

constexpr char Property[] = "win32ExtendedStyle";

} // namespace

namespace ExtendedStyle {

win32::LONG of(const QWidget* window)
{
    return window ? window->property(Property).toInt() : 0;
}

void set(QWidget* window, win32::LONG style)
{
    if (window)
        window->setProperty(Property, style);
}

} // namespace ExtendedStyle
