// Draws the main window as the program's start-up leaves it (skin, date and time),
// holding a sample translation, into a PNG file; with --about, the about window
// opened over it.
#include "about/form2.h"
#include "mainwindow/form1.h"
#include "datafiles/filefault.h"
#include "datafiles/programfolder.h"
#include "platform/qtplatform.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <cstdio>

namespace {

const QString SampleMessage = QStringLiteral("hi m8 gr8 2 c u 2day brb ttyl lol");

void waitForTheClock(const Form1& window)
{
    const QDeadlineTimer deadline(2000);
    while (window.LblTime->caption() == QStringLiteral("Time") && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments();
    const bool aboutWindowShot = arguments.removeAll(QStringLiteral("--about")) > 0;
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: verbolet-screenshot [--about] OUTPUT.png\n");
        return 2;
    }

    QtPlatform platform;
    Form1 window(platform, ProgramFolder::path());
    try {
        window.load(); // the program's own start-up: skin, date, and the clock's first tick
    } catch (const FileFault& fault) {
        std::fprintf(stderr, "verbolet-screenshot: %s\n", qUtf8Printable(fault.message()));
        return 1;
    }
    waitForTheClock(window);
    window.Text1->setText(SampleMessage);
    window.Translate();
    QApplication::processEvents();

    QWidget* shot = &window;
    if (aboutWindowShot) {
        AboutWindow& about = window.aboutWindow();
        about.open(); // a load failure is reported on stderr
        if (!about.form())
            return 1;
        shot = about.form();
        QApplication::processEvents();
    }

    const QString output = arguments.at(1);
    if (!shot->grab().save(output, "PNG")) {
        std::fprintf(stderr, "verbolet-screenshot: cannot write %s\n", qUtf8Printable(output));
        return 1;
    }
    return 0;
}
