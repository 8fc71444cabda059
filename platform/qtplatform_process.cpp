// Error reports and the end of the program.
#include "platform/qtplatform.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

void QtPlatform::ReportError(const QString& message)
{
    std::fprintf(stderr, "Verbolet: %s\n", qUtf8Printable(message));
    if (QApplication::platformName() != QLatin1String("offscreen"))
        QMessageBox::critical(nullptr, QStringLiteral("Verbolet"), message);
}

void QtPlatform::ExitProcess(win32::UINT exitCode)
{
    std::fflush(nullptr);
    std::_Exit(static_cast<int>(exitCode));
}
