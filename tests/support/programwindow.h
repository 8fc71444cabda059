#pragma once

#include "about/form2.h"
#include "datafiles/programfolder.h"
#include "mainwindow/ccrpprogressbar.h"
#include "mainwindow/form1.h"
#include "recordingplatform.h"
#include "tempfolder.h"
#include "testdictionary.h"
#include "testpicture.h"

#include <QTest>

#include <functional>
#include <memory>
#include <stdexcept>

// Runs `seen` whenever `watched` receives an event of `type`, before it is handled.
struct EventWatcher final : QObject {
    EventWatcher(QObject* watched, QEvent::Type type, std::function<void()> seen) : type(type), seen(std::move(seen))
    {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == type)
            seen();
        return false;
    }
    QEvent::Type type;
    std::function<void()> seen;
};

// Verbolet's main window on a program folder of the test's own (the delivered data, and the
// dictionary that knows brb, lol and gr8), with a recording platform; unless told to wait, started,
// shown and active. Each mouse event comes as if after a pause, so no press makes a double-click.
struct ProgramWindow {
    enum class Start { Now, Later };

    explicit ProgramWindow(Start when = Start::Now);

    // Runs the window's start-up as the program does, and makes it active.
    void start();
    void activate()
    {
        form->activateWindow();
        (void)QTest::qWaitForWindowActive(form.get());
    }

    // The path of a data file as the program forms it: "\SMS.dic", "\Skins\Default\xup.btn".
    QString file(const QString& relative) const { return ProgramFolder::join(folder.path(), relative); }
    // Writes a skin file: "xup.btn".
    void writeSkin(const char* name, const QByteArray& content) const { folder.write(QStringLiteral("Skins/Default/") + name, content); }

    void pressEnter() const { QTest::keyClick(form->Text1, Qt::Key_Return); }

    // Opens the about window with the about button and waits until it is active; null when it did not open.
    Form2* openAbout();
    // The same for a test that cannot go on without it: throws where it did not open.
    Form2& openedAbout()
    {
        if (Form2* about = openAbout())
            return *about;
        throw std::runtime_error("the about window did not open");
    }

    // The left button (unless told otherwise) on the centre of an element of either window.
    static void mouse(QTest::MouseAction action, const QWidget* element, Qt::MouseButton button = Qt::LeftButton)
    {
        send(action, element->window(), element->mapTo(element->window(), element->rect().center()), button);
    }
    static void press(const QWidget* element, Qt::MouseButton button = Qt::LeftButton) { mouse(QTest::MousePress, element, button); }
    static void release(const QWidget* element, Qt::MouseButton button = Qt::LeftButton) { mouse(QTest::MouseRelease, element, button); }
    static void click(const QWidget* element, Qt::MouseButton button = Qt::LeftButton) { mouse(QTest::MouseClick, element, button); }
    static void doubleClick(const QWidget* element) { mouse(QTest::MouseDClick, element); }
    // The release away from the element, in the middle of its window.
    static void releaseElsewhere(const QWidget* element, Qt::MouseButton button = Qt::LeftButton)
    {
        send(QTest::MouseRelease, element->window(), element->window()->rect().center(), button);
    }
    // At a point of the main window.
    void mouseAt(QTest::MouseAction action, QPoint at, Qt::MouseButton button = Qt::LeftButton) const { send(action, form.get(), at, button); }

    // The reports made so far, those that wait for the end of the event just delivered included.
    QStringList reports()
    {
        QCoreApplication::sendPostedEvents();
        return platform.errors;
    }

    TempFolder folder;
    RecordingPlatform platform;
    std::unique_ptr<Form1> form;

private:
    static void send(QTest::MouseAction action, const QWidget* window, QPoint at, Qt::MouseButton button);
};
