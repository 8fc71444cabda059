#include "programwindow.h"

#include <QGuiApplication>
#include <QStyleHints>

void ProgramWindow::send(QTest::MouseAction action, const QWidget* window, QPoint at, Qt::MouseButton button)
{
    QTest::mouseEvent(action, window->windowHandle(), button, {}, at, QGuiApplication::styleHints()->mouseDoubleClickInterval() + 1);
}

ProgramWindow::ProgramWindow(Start when)
{
    folder.copyProgramData();
    folder.write("SMS.dic", TestDictionary::chat());
    form = std::make_unique<Form1>(platform, folder.path());
    if (when == Start::Now)
        start();
}

void ProgramWindow::start()
{
    form->load();
    (void)QTest::qWaitForWindowExposed(form.get());
    activate();
}

Form2* ProgramWindow::openAbout()
{
    click(form->imgI);
    Form2* about = form->aboutWindow().form();
    if (about)
        (void)QTest::qWaitForWindowActive(about);
    return about && about->isVisible() ? about : nullptr;
}
