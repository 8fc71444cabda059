#pragma once

#include "about/aboutwindow.h"
#include "about/form2.h"
#include "mainwindow/form1.h"
#include "recordingplatform.h"
#include "tempfolder.h"

#include <QPoint>
#include <QString>
#include <memory>

// The main window shown on a program folder of the test's own (the delivered skin and
// cursor), with the about window reached as its about button reaches it, and a
// recording platform.
struct AboutFixture {
    AboutFixture();

    // Opens the about window and waits until it is active; the window must load.
    Form2& openAbout();

    // Mouse input delivered to a window as the window system would.
    static void press(QWidget* window, QPoint at, Qt::MouseButton button = Qt::LeftButton);
    static void release(QWidget* window, QPoint at, Qt::MouseButton button = Qt::LeftButton);
    static void click(QWidget* window, QPoint at, Qt::MouseButton button = Qt::LeftButton);
    // The centre of an element, in its window's pixels.
    static QPoint centreOf(const QWidget* element);

    QString skinFile(const QString& name) const;

    TempFolder folder;
    RecordingPlatform platform;
    std::unique_ptr<Form1> mainWindow;
    std::unique_ptr<AboutWindow> about;
};
