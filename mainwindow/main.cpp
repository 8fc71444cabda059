#include "mainwindow/form1.h"
#include "platform/filefault.h"
#include "platform/programfolder.h"
#include "platform/qtplatform.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Verbolet"));
    QtPlatform platform;
    Form1 window(platform, ProgramFolder::path());
    try {
        window.LoadSkinPictures();
    } catch (const FileFault& fault) {
        platform.ReportError(fault.message());
        platform.ExitProcess(1);
    }
    window.show();
    return app.exec();
}
