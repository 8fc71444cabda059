#include "aboutfixture.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <stdexcept>

namespace {

// Each event comes as if after a pause, so that no press is taken for a double-click's second.
void send(QTest::MouseAction action, const QWidget* element, QPoint at, Qt::MouseButton button)
{
    QTest::mouseEvent(action, element->window()->windowHandle(), button, {}, at,
        QGuiApplication::styleHints()->mouseDoubleClickInterval() + 1);
}

} // namespace

AboutFixture::AboutFixture()
{
    folder.copyProgramData();
    mainWindow = std::make_unique<Form1>(platform, folder.path());
    mainWindow->show();
    (void)QTest::qWaitForWindowExposed(mainWindow.get());
    about = std::make_unique<AboutWindow>(platform, folder.path(), mainWindow.get());
}

Form2& AboutFixture::openAbout()
{
    about->open();
    if (!about->form())
        throw std::runtime_error("the about window did not load");
    (void)QTest::qWaitForWindowActive(about->form());
    return *about->form();
}

void AboutFixture::mouse(QTest::MouseAction action, const QWidget* element, Qt::MouseButton button)
{
    send(action, element, element->mapTo(element->window(), element->rect().center()), button);
}

void AboutFixture::releaseElsewhere(const QWidget* element, Qt::MouseButton button)
{
    send(QTest::MouseRelease, element, element->window()->rect().center(), button);
}
