// The notification-area icon, shown with QSystemTrayIcon.
#include "platform/notifyicondata.h"
#include "platform/qtplatform.h"

#include <QPointer>
#include <QSystemTrayIcon>
#include <QWidget>

namespace {

// The tip is held as the record holds it: the text, a NUL, then padding.
QString tipOf(const win32::NOTIFYICONDATA& record)
{
    return record.szTip.section(QChar(u'\0'), 0, 0);
}

// Mouse activity on the icon reaches the owner window as the record's callback message; the
// one message this program asks for, a mouse move, is its owner's MouseMove event.
void deliverCallback(const QPointer<QWidget>& owner, win32::UINT message)
{
    if (owner && message == win32::WM_MOUSEMOVE)
        QMetaObject::invokeMethod(owner, "MouseMove", Qt::QueuedConnection, Q_ARG(int, 0), Q_ARG(int, 0),
            Q_ARG(QPoint, QPoint()));
}

} // namespace

// Made and destroyed here, where the icons' type is complete.
QtPlatform::QtPlatform(UrlOpener openUrl)
    : m_openUrl(openUrl ? std::move(openUrl) : desktopOpener())
{
}

QtPlatform::~QtPlatform() = default;

win32::BOOL QtPlatform::Shell_NotifyIconA(win32::DWORD message, const win32::NOTIFYICONDATA& record)
{
    const auto key = std::make_pair(record.hWnd, record.uID);
    if (message == win32::NIM_DELETE)
        return m_trayIcons.erase(key) ? 1 : 0;
    if (message != win32::NIM_ADD || m_trayIcons.contains(key) || !QSystemTrayIcon::isSystemTrayAvailable())
        return 0;

    auto icon = std::make_unique<QSystemTrayIcon>(record.hIcon);
    icon->setToolTip(tipOf(record));
    QObject::connect(icon.get(), &QSystemTrayIcon::activated,
        [owner = QPointer<QWidget>(record.hWnd), callback = record.uCallbackMessage] { deliverCallback(owner, callback); });
    icon->show();
    m_trayIcons.emplace(key, std::move(icon));
    return 1;
}
