#include "mainwindow/application.h"

#include "mainwindow/uncaughterror.h"

#include <QMetaObject>
#include <QWidget>

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Verbolet"));
}

int Application::run(win32::Platform& platform, QWidget& startUpObject)
{
    m_platform = &platform;
    QMetaObject::invokeMethod(&startUpObject, &QWidget::show, Qt::QueuedConnection);
    return exec();
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    if (!m_platform)
        return QApplication::notify(receiver, event);
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        EndWithUncaughtError(*m_platform, std::current_exception());
    }
}
