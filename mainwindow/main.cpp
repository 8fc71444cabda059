#include "mainwindow/application.h"
#include "mainwindow/form1.h"
#include "datafiles/programfolder.h"
#include "platform/qtplatform.h"

int main(int argc, char** argv)
{
    Application app(argc, argv);
    QtPlatform platform;
    Form1 window(platform, ProgramFolder::path());
    return app.run(platform, window);
}
