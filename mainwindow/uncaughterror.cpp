#include "mainwindow/uncaughterror.h"

#include <QApplication>
#include <QWidget>
#include <cstdlib>

namespace {

QString describe(const std::exception_ptr& error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& caught) {
        return QString::fromUtf8(caught.what());
    } catch (...) {
        return QStringLiteral("an error of an unknown kind");
    }
}

} // namespace

void EndWithUncaughtError(win32::Platform& platform, const std::exception_ptr& error)
{
    // A window left on screen could still be activated, and fade in, behind the report.
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    platform.ReportError(QStringLiteral("Verbolet has to close.\n\n%1").arg(describe(error)));
    platform.ExitProcess(1);
    std::abort(); // not reached: ExitProcess does not return
}
