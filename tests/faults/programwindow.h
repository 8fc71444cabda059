#pragma once

#include "about/form2.h"
#include "damage.h"
#include "mainwindow/form1.h"
#include "platform/programfolder.h"
#include "recordingplatform.h"
#include "tempfolder.h"

#include <QApplication>
#include <QTest>

#include <memory>

// Verbolet's main window on a program folder of the test's own (the delivered skin, cursor and
// help page, and a sound dictionary), started and active, with a recording platform.
struct ProgramWindow {
    ProgramWindow()
    {
        folder.copyProgramData();
        mend(file("\\SMS.dic"), dictionary());
        form = std::make_unique<Form1>(platform, folder.path());
        form->show();
        (void)QTest::qWaitForWindowExposed(form.get());
        form->activateWindow();
        (void)QTest::qWaitForWindowActive(form.get());
    }

    // The path of a data file as the program forms it: "\SMS.dic", "\Skins\Default\xup.btn".
    QString file(const QString& relative) const { return ProgramFolder::join(folder.path(), relative); }

    void pressEnter() { QTest::keyClick(form->Text1, Qt::Key_Return); }

    // The left button on an element of either window, as the window system delivers it.
    static void press(QWidget* element) { mouse(QTest::MousePress, element, element->rect().center()); }
    static void click(QWidget* element) { mouse(QTest::MouseClick, element, element->rect().center()); }
    // Away from the element, in the middle of its window.
    static void releaseElsewhere(QWidget* element)
    {
        mouse(QTest::MouseRelease, element->window(), element->window()->rect().center());
    }
    static void mouse(QTest::MouseAction action, const QWidget* element, QPoint at)
    {
        QTest::mouseEvent(action, element->window()->windowHandle(), Qt::LeftButton, {}, element->mapTo(element->window(), at));
    }

    // The about window of the run when it is open: loaded and visible; null otherwise.
    static Form2* openAboutWindow()
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* about = qobject_cast<Form2*>(window); about && about->isVisible())
                return about;
        return nullptr;
    }

    TempFolder folder;
    RecordingPlatform platform;
    std::unique_ptr<Form1> form;
};
