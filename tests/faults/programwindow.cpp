#include "programwindow.h"

#include "damage.h"
#include "platform/programfolder.h"

#include <QApplication>
#include <QTest>

namespace {

QPoint centreInWindow(const QWidget* element)
{
    return element->mapTo(element->window(), element->rect().center());
}

} // namespace

ProgramWindow::ProgramWindow()
{
    folder.copyProgramData();
    mend(file("\\SMS.dic"), soundDictionary());
    form = std::make_unique<Form1>(platform, folder.path());
    form->show(); // start-up: Form_Load loads the skin
    (void)QTest::qWaitForWindowExposed(form.get());
    form->activateWindow();
    (void)QTest::qWaitForWindowActive(form.get());
}

QString ProgramWindow::file(const QString& relative) const
{
    return ProgramFolder::join(folder.path(), relative);
}

void ProgramWindow::pressEnter()
{
    QTest::keyClick(form->Text1, Qt::Key_Return);
}

void ProgramWindow::press(QWidget* element)
{
    QTest::mousePress(element->window()->windowHandle(), Qt::LeftButton, {}, centreInWindow(element));
}

void ProgramWindow::click(QWidget* element)
{
    QTest::mouseClick(element->window()->windowHandle(), Qt::LeftButton, {}, centreInWindow(element));
}

void ProgramWindow::releaseElsewhere(QWidget* element)
{
    QWidget* window = element->window();
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, window->rect().center());
}

Form2* ProgramWindow::openAboutWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* about = qobject_cast<Form2*>(window); about && about->isVisible())
            return about;
    }
    return nullptr;
}
