#pragma once

#include "platform/win32.h"

#include <QPointer>
#include <QString>
#include <memory>

class Form2;
class QWidget;

// The one about window of a run, as the main window's about button reaches it: the
// first opening creates and loads Form2 centred over the main window, later openings
// show that same window again and bring it to the front.
//
// A window that fails to load (a skin file or OpenURL.cur missing or unreadable) is
// not shown: the fault is reported, naming the file, the main window goes on, and the
// next opening tries again with a new window.
class AboutWindow final {
public:
    // `mainWindow` is the window the about window is centred over when it first opens.
    AboutWindow(win32::Platform& platform, QString programFolder, QWidget* mainWindow);
    ~AboutWindow();

    AboutWindow(const AboutWindow&) = delete;
    AboutWindow& operator=(const AboutWindow&) = delete;

    void open();

    // The about window, once an opening has loaded it; null before.
    Form2* form() const { return m_form.get(); }

private:
    std::unique_ptr<Form2> createAndLoad();
    void centreOverMainWindow(Form2& form) const;

    win32::Platform& m_platform;
    QString m_programFolder;
    QPointer<QWidget> m_mainWindow;
    std::unique_ptr<Form2> m_form{};
};
