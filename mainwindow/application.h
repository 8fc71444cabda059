#pragma once

#include "platform/win32.h"

#include <QApplication>

class Form;

// The program's application object.
class Application final : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    // Loads the start-up window, whose start-up shows it, then runs the event loop. A skin
    // picture that cannot be loaded is reported, and the program ends with status 1.
    int run(win32::Platform& platform, Form& startUpWindow);
};
