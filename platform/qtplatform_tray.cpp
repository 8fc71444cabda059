// The notification-area icon, shown with QSystemTrayIcon.
#include "platform/qtplatform.h"

#include "platform/iconhandles.h"
#include "platform/notifyicondata.h"
#include "platform/windowhandles.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QWidget>
#include <algorithm>

namespace {

QString tipOf(const win32::NOTIFYICONDATA& record)
{
    const auto end = std::find(record.szTip.begin(), record.szTip.end(), '\0');
    return QString::fromLatin1(record.szTip.data(), end - record.szTip.begin());
}

// Mouse activity on the icon reaches the owner window as the callback message; for the
// message the record names (a mouse move) that is a mouse-move event of the owner.
void forwardActivity(win32::HWND owner)
{
    QWidget* widget = WindowHandles::widgetOf(owner);
    if (!widget)
        return;
    QCoreApplication::postEvent(widget,
        new QMouseEvent(QEvent::MouseMove, QPointF(), QPointF(), Qt::NoButton, Qt::NoButton, Qt::NoModifier));
}

} // namespace

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

win32::BOOL QtPlatform::Shell_NotifyIconA(win32::DWORD message, const win32::NotifyIconBytes& data)
{
    const auto record = win32::NOTIFYICONDATA::fromBytes(data);
    const auto key = std::make_pair(record.hWnd, record.uID);
    if (message == win32::NIM_DELETE)
        return m_trayIcons.erase(key) ? 1 : 0;
    if (message != win32::NIM_ADD || m_trayIcons.contains(key) || !QSystemTrayIcon::isSystemTrayAvailable())
        return 0;

    auto icon = std::make_unique<QSystemTrayIcon>(IconHandles::iconOf(record.hIcon));
    icon->setToolTip(tipOf(record));
    QObject::connect(icon.get(), &QSystemTrayIcon::activated, [owner = record.hWnd] { forwardActivity(owner); });
    icon->show();
    m_trayIcons.emplace(key, std::move(icon));
    return 1;
}
