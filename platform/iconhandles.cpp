#include "platform/iconhandles.h"

#include <QHash>

namespace {

struct IconTable {
    QHash<win32::HICON, QIcon> icons;
    QHash<qint64, win32::HICON> handles; // by QIcon::cacheKey
    win32::HICON next = 0x20010;
};

IconTable& table()
{
    static IconTable instance;
    return instance;
}

} // namespace

namespace IconHandles {

win32::HICON handleOf(const QIcon& icon)
{
    if (icon.isNull())
        return 0;
    auto& t = table();
    if (auto it = t.handles.constFind(icon.cacheKey()); it != t.handles.constEnd())
        return *it;
    const win32::HICON handle = t.next;
    t.next += 4;
    t.icons.insert(handle, icon);
    t.handles.insert(icon.cacheKey(), handle);
    return handle;
}

QIcon iconOf(win32::HICON handle)
{
    return table().icons.value(handle);
}

} // namespace IconHandles
