#pragma once

#include "mainwindow/form1.h"
#include "recordingplatform.h"
#include "tempfolder.h"
#include "testpicture.h"

#include <QByteArray>
#include <QPoint>
#include <QTest>
#include <memory>

// The main window on a program folder of the test's own (the delivered skin and a
// dictionary of 1622 lines that knows brb, lol and gr8), with a recording platform.
// Unless told to wait, it has started (Form_Load) and is shown and active.
struct MainWindow {
    enum class Start { Now, Later };

    explicit MainWindow(Start when = Start::Now);

    // Runs the window's start-up as the program does, by showing it, and makes it active.
    void start();
    void activate();

    // The window's own mouse, delivered as the window system would.
    void mouse(QTest::MouseAction action, QPoint at, Qt::MouseButton button);
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) { mouse(QTest::MouseClick, at, button); }
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton) { mouse(QTest::MousePress, at, button); }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton) { mouse(QTest::MouseRelease, at, button); }
    void doubleClick(QPoint at) { mouse(QTest::MouseDClick, at, Qt::LeftButton); }
    static QPoint centreOf(const QWidget* element) { return element->geometry().center(); }

    TempFolder folder;
    RecordingPlatform platform;
    std::unique_ptr<Form1> form;
};
