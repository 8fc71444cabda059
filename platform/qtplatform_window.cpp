// Window styles, layered-window alpha, pauses and message dispatch.
//
// A window with WS_EX_LAYERED shows the alpha it is given as its window opacity; without that
// bit it is an ordinary opaque window, and an alpha sent to it has no effect (as on Windows).
#include "platform/qtplatform.h"

#include "platform/extendedstyle.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>
#include <QThread>
#include <QWidget>

namespace {

bool isLayered(win32::LONG style)
{
    return (style & win32::WS_EX_LAYERED) != 0;
}

} // namespace

// "offscreen" draws nothing, but it keeps and reports the opacity it is given, which the
// tests rely on.
bool QtPlatform::HasLayeredWindows()
{
    static const QStringList translucent = {QStringLiteral("xcb"), QStringLiteral("wayland"),
        QStringLiteral("windows"), QStringLiteral("cocoa"), QStringLiteral("offscreen")};
    return translucent.contains(QGuiApplication::platformName());
}

void QtPlatform::Sleep(win32::DWORD milliseconds)
{
    QThread::msleep(milliseconds);
}

win32::LONG QtPlatform::GetWindowLongA(QWidget* window, int index)
{
    return index == win32::GWL_EXSTYLE ? ExtendedStyle::of(window) : 0;
}

win32::LONG QtPlatform::SetWindowLongA(QWidget* window, int index, win32::LONG newLong)
{
    if (index != win32::GWL_EXSTYLE || !window)
        return 0;
    const win32::LONG old = ExtendedStyle::of(window);
    ExtendedStyle::set(window, newLong);
    if (isLayered(old) && !isLayered(newLong))
        window->setWindowOpacity(1.0);
    return old;
}

win32::BOOL QtPlatform::SetLayeredWindowAttributes(QWidget* window, win32::COLORREF, win32::BYTE alpha,
    win32::DWORD flags)
{
    if (!window || !isLayered(ExtendedStyle::of(window)))
        return 0;
    if (flags & win32::LWA_ALPHA)
        window->setWindowOpacity(alpha / 255.0);
    return 1;
}

void QtPlatform::DoEvents()
{
    // processEvents() delivers the window-system events and the events posted so far;
    // what their handlers post in turn is sent straight after, so nothing pending now
    // is left for the next step.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
}
