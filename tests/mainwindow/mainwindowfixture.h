#pragma once

#include "mainwindow/form1.h"
#include "recordingplatform.h"
#include "tempfolder.h"

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

using Entries = std::vector<std::pair<QByteArray, QByteArray>>;

// A dictionary file of the required 1622 lines: `entries` first, then lines that no
// typed word matches.
QByteArray testDictionary(const Entries& entries);

// A small picture file of one colour, in PNG.
QByteArray pngPicture(QSize size, QColor color = Qt::darkBlue);

// The main window on a program folder of the test's own (the delivered skin and a
// small dictionary), with a recording platform. Unless told to wait, it has started
// (Form_Load) and is shown and active.
struct MainWindow {
    enum class Start { Now, Later };

    explicit MainWindow(Start when = Start::Now);

    // Runs the window's start-up as the program does, by showing it, and makes it active.
    void start();
    void activate();

    void useDictionary(const QByteArray& content) const;
    QString skinFile(const QString& name) const;

    // The window's own mouse and keys, delivered as the window system would.
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void doubleClick(QPoint at, Qt::MouseButton button = Qt::LeftButton);
    static QPoint centreOf(const QWidget* element);

    TempFolder folder;
    RecordingPlatform platform;
    std::unique_ptr<Form1> form;
};

inline const Entries SampleEntries{
    {"brb", "be right back"},
    {"lol", "laughing out loud"},
    {"gr8", "great"},
};
