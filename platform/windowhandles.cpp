#include "platform/windowhandles.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

namespace {

struct HandleTable {
    QHash<win32::HWND, QPointer<QWidget>> widgets;
    QHash<const QWidget*, win32::HWND> handles;
    win32::HWND next = 0x10010; // never 0, which means "no window"
};

HandleTable& table()
{
    static HandleTable instance;
    return instance;
}

} // namespace

namespace WindowHandles {

win32::HWND handleOf(QWidget* widget)
{
    if (!widget)
        return 0;
    auto& t = table();
    if (auto it = t.handles.constFind(widget); it != t.handles.constEnd())
        return *it;
    const win32::HWND handle = t.next;
    t.next += 4;
    t.widgets.insert(handle, widget);
    t.handles.insert(widget, handle);
    QObject::connect(widget, &QObject::destroyed, [handle, widget] {
        table().widgets.remove(handle);
        table().handles.remove(widget);
    });
    return handle;
}

QWidget* widgetOf(win32::HWND handle)
{
    return table().widgets.value(handle);
}

} // namespace WindowHandles
