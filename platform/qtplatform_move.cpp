// Moving a window by the pointer, as the system's "move" command does.
#include "platform/qtplatform.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace {

// Where the windowing system cannot move a window itself (no window manager), the
// window follows the pointer until the button is released, inside a loop of its own,
// so the move returns only when it is over.
class PointerMoveLoop final : public QObject {
public:
    explicit PointerMoveLoop(QWidget* window)
        : m_window(window)
    {
    }

    void exec()
    {
        if (QGuiApplication::mouseButtons() == Qt::NoButton)
            return;
        qApp->installEventFilter(this);
        m_window->grabMouse();
        m_loop.exec();
        m_window->releaseMouse();
        qApp->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseMove:
            m_window->move(m_windowStart + (QCursor::pos() - m_pointerStart));
            return true;
        case QEvent::MouseButtonRelease:
            m_loop.quit();
            return true;
        default:
            return false;
        }
    }

private:
    QWidget* m_window = nullptr;
    QPoint m_windowStart = m_window->pos();
    QPoint m_pointerStart = QCursor::pos();
    QEventLoop m_loop;
};

bool isMoveCommand(win32::UINT message, win32::WPARAM wParam)
{
    return message == win32::WM_SYSCOMMAND && (wParam & 0xFFF0) == win32::SC_MOVE;
}

} // namespace

win32::BOOL QtPlatform::ReleaseCapture()
{
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    return 1;
}

win32::LRESULT QtPlatform::SendMessageA(QWidget* window, win32::UINT message, win32::WPARAM wParam,
    win32::LPARAM)
{
    if (!window || !isMoveCommand(message, wParam))
        return 0;
    QWidget* topLevel = window->window();
    if (QWindow* handle = topLevel->windowHandle(); handle && handle->startSystemMove())
        return 0; // the windowing system moves it on its own
    PointerMoveLoop(topLevel).exec();
    return 0;
}
