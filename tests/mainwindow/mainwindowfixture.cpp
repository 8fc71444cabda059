#include "mainwindowfixture.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QStyleHints>

MainWindow::MainWindow(Start when)
{
    folder.copyProgramData();
    QByteArray dictionary = "brb\tbe right back\r\nlol\tlaughing out loud\r\ngr8\tgreat\r\n";
    for (int line = 4; line <= 1622; ++line)
        dictionary += "zzunused" + QByteArray::number(line) + "\tnever typed\r\n";
    folder.write("SMS.dic", dictionary);
    form = std::make_unique<Form1>(platform, folder.path());
    if (when == Start::Now)
        start();
}

void MainWindow::start()
{
    form->show();
    (void)QTest::qWaitForWindowExposed(form.get());
    activate();
}

void MainWindow::activate()
{
    form->activateWindow();
    (void)QTest::qWaitForWindowActive(form.get());
}

// Each event comes as if after a pause, so that a press is never taken for the second press
// of a double-click, even after a click that ended the program and left QTest's clock behind.
void MainWindow::mouse(QTest::MouseAction action, QPoint at, Qt::MouseButton button)
{
    QTest::mouseEvent(action, form->windowHandle(), button, {}, at,
        QGuiApplication::styleHints()->mouseDoubleClickInterval() + 1);
}
