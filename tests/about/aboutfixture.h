#pragma once

#include "about/aboutwindow.h"
#include "about/form2.h"
#include "mainwindow/form1.h"
#include "recordingplatform.h"
#include "tempfolder.h"

#include <QPoint>
#include <QTest>
#include <memory>

// The main window shown on a program folder of the test's own (the delivered data), with
// the about window reached as its about button reaches it, and a recording platform.
struct AboutFixture {
    AboutFixture();

    // Opens the about window and waits until it is active; the window must load.
    Form2& openAbout();

    // Mouse input on an element, delivered to its window as the window system would.
    static void mouse(QTest::MouseAction action, const QWidget* element, Qt::MouseButton button = Qt::LeftButton);
    // Releases the button in the middle of the element's window, away from the element.
    static void releaseElsewhere(const QWidget* element, Qt::MouseButton button = Qt::LeftButton);

    TempFolder folder;
    RecordingPlatform platform;
    std::unique_ptr<Form1> mainWindow;
    std::unique_ptr<AboutWindow> about;
};
