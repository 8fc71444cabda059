#include "mainwindow/application.h"

#include "controls/form.h"
#include "datafiles/filefault.h"
#include "platform/faultreport.h"
#include "verbolet_version.h"

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Verbolet"));
    setApplicationVersion(QLatin1String(Verbolet::Version));
}

int Application::run(win32::Platform& platform, Form& startUpWindow)
{
    try {
        startUpWindow.load();
    } catch (const FileFault& fault) {
        // A window left on screen could still be activated, and fade in, behind the report.
        startUpWindow.hide();
        ReportFault(platform, FaultConsequence::ProgramEnds, fault.message());
        platform.ExitProcess(1);
    }
    return exec();
}
