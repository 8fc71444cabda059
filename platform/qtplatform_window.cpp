// Window styles, layered-window alpha, pauses and message dispatch.
//
// Qt has no extended window styles, so each window's style is kept here. A window with
// WS_EX_LAYERED shows the alpha it is given as its window opacity; without that bit it is
// an ordinary opaque window, and an alpha sent to it has no effect (as on Windows).
#include "platform/qtplatform.h"

#include "platform/windowhandles.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>
#include <QThread>
#include <QWidget>

namespace {

constexpr win32::DWORD versionWithLayering = 5;
constexpr win32::DWORD versionWithoutLayering = 4;

// The windowing systems that can make a whole window translucent. "offscreen" draws
// nothing, but it keeps and reports the opacity it is given, which the tests rely on.
bool windowsCanBeTranslucent()
{
    static const QStringList translucent = {QStringLiteral("xcb"), QStringLiteral("wayland"),
        QStringLiteral("windows"), QStringLiteral("cocoa"), QStringLiteral("offscreen")};
    return translucent.contains(QGuiApplication::platformName());
}

bool isLayered(win32::LONG style)
{
    return (style & win32::WS_EX_LAYERED) != 0;
}

} // namespace

// Only the low byte, the major version, is looked at by the callers.
win32::DWORD QtPlatform::GetVersion()
{
    return windowsCanBeTranslucent() ? versionWithLayering : versionWithoutLayering;
}

void QtPlatform::Sleep(win32::DWORD milliseconds)
{
    QThread::msleep(milliseconds);
}

win32::LONG QtPlatform::GetWindowLongA(win32::HWND window, int index)
{
    return index == win32::GWL_EXSTYLE ? m_extendedStyles.value(window) : 0;
}

win32::LONG QtPlatform::SetWindowLongA(win32::HWND window, int index, win32::LONG newLong)
{
    if (index != win32::GWL_EXSTYLE)
        return 0;
    const win32::LONG old = m_extendedStyles.value(window);
    m_extendedStyles.insert(window, newLong);
    if (isLayered(old) && !isLayered(newLong))
        if (QWidget* widget = WindowHandles::widgetOf(window))
            widget->setWindowOpacity(1.0);
    return old;
}

win32::BOOL QtPlatform::SetLayeredWindowAttributes(win32::HWND window, win32::COLORREF, win32::BYTE alpha,
    win32::DWORD flags)
{
    QWidget* widget = WindowHandles::widgetOf(window);
    if (!widget || !isLayered(m_extendedStyles.value(window)))
        return 0;
    if (flags & win32::LWA_ALPHA)
        widget->setWindowOpacity(alpha / 255.0);
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
