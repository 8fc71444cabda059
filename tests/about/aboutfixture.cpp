#include "aboutfixture.h"

#include <QTest>
#include <stdexcept>

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
    Form2* form = about->form();
    if (!form)
        throw std::runtime_error("the about window did not load");
    (void)QTest::qWaitForWindowActive(form);
    return *form;
}

void AboutFixture::press(QWidget* window, QPoint at, Qt::MouseButton button)
{
    QTest::mousePress(window->windowHandle(), button, {}, at);
}

void AboutFixture::release(QWidget* window, QPoint at, Qt::MouseButton button)
{
    QTest::mouseRelease(window->windowHandle(), button, {}, at);
}

void AboutFixture::click(QWidget* window, QPoint at, Qt::MouseButton button)
{
    QTest::mouseClick(window->windowHandle(), button, {}, at);
}

QPoint AboutFixture::centreOf(const QWidget* element)
{
    return element->geometry().center();
}

QString AboutFixture::skinFile(const QString& name) const
{
    return folder.path() + "/Skins/Default/" + name;
}
