#pragma once

#include "about/form2.h"
#include "mainwindow/form1.h"
#include "recordingplatform.h"
#include "tempfolder.h"

#include <QPoint>
#include <QString>

#include <memory>

class QWidget;

// Verbolet's main window on a program folder of the test's own (the delivered skin, cursor
// and help page, and a sound dictionary with brb, lol and gr8), started and active, with a
// recording platform.
struct ProgramWindow {
    ProgramWindow();

    // The path of a data file as the program forms it: "\SMS.dic", "\Skins\Default\xup.btn".
    QString file(const QString& relative) const;

    // Types Enter into the input box.
    void pressEnter();

    // Mouse input on an element of either window, delivered as the window system would.
    static void press(QWidget* element);
    static void click(QWidget* element);
    // Releases the button over the middle of the element's window, away from the element.
    static void releaseElsewhere(QWidget* element);

    // The about window of the run when it is open: loaded and visible; null otherwise.
    static Form2* openAboutWindow();

    TempFolder folder;
    RecordingPlatform platform;
    std::unique_ptr<Form1> form;
};
