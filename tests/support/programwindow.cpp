#include "programwindow.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStyleHints>

#include <stdexcept>

namespace {

void send(QTest::MouseAction action, QWindow* window, QPoint at, Qt::MouseButton button)
{
    QTest::mouseEvent(action, window, button, {}, at, QGuiApplication::styleHints()->mouseDoubleClickInterval() + 1);
}

} // namespace

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

void ProgramWindow::activate()
{
    form->activateWindow();
    (void)QTest::qWaitForWindowActive(form.get());
}

QString ProgramWindow::file(const QString& relative) const
{
    return ProgramFolder::join(folder.path(), relative);
}

void ProgramWindow::writeSkin(const char* name, const QByteArray& content) const
{
    folder.write(QStringLiteral("Skins/Default/") + QLatin1String(name), content);
}

void ProgramWindow::pressEnter() const
{
    QTest::keyClick(form->Text1, Qt::Key_Return);
}

Form2* ProgramWindow::openAbout()
{
    click(form->imgI);
    Form2* about = form->aboutWindow().form();
    if (about)
        (void)QTest::qWaitForWindowActive(about);
    return about && about->isVisible() ? about : nullptr;
}

void ProgramWindow::mouse(QTest::MouseAction action, const QWidget* element, Qt::MouseButton button)
{
    send(action, element->window()->windowHandle(), element->mapTo(element->window(), element->rect().center()), button);
}

void ProgramWindow::releaseElsewhere(const QWidget* element, Qt::MouseButton button)
{
    send(QTest::MouseRelease, element->window()->windowHandle(), element->window()->rect().center(), button);
}

void ProgramWindow::mouseAt(QTest::MouseAction action, QPoint at, Qt::MouseButton button) const
{
    send(action, form->windowHandle(), at, button);
}

Form2& ProgramWindow::openedAbout()
{
    if (Form2* about = openAbout())
        return *about;
    throw std::runtime_error("the about window did not open");
}

QStringList ProgramWindow::reports()
{
    QCoreApplication::sendPostedEvents();
    return platform.errors;
}
