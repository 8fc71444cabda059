#pragma once

#include "platform/win32.h"

#include <QApplication>

// The program's application object. run() shows the start-up window once the event
// loop runs, so that its start-up is a handler like every other; each handler runs
// through notify(), where an error that none of them catches ends the program with
// a report (EndWithUncaughtError).
class Application final : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    int run(win32::Platform& platform, QWidget& startUpObject);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    win32::Platform* m_platform = nullptr; // set by run()
};
