#pragma once

#include "platform/win32.h"

#include <QHash>
#include <QString>
#include <QStringList>

class Image;
class QObject;

// The faces of a window's picture buttons, read from disk at every press and release.
//
// A face file that is missing or unreadable leaves the button with the face it shows and is
// reported, naming the file and the fault; the program goes on. Each fault of a file is
// reported once: again only when the file fails in another way, or fails again after it had
// loaded. A report waits until the button is released and the click that may follow has
// run its action: a report shown while the button is held would take the release from it.
class PictureButtonFaces final {
public:
    // `window` holds the buttons; reports wait for it to finish the event it is handling.
    PictureButtonFaces(win32::Platform& platform, QObject* window);

    void showPressed(Image& button, const QString& faceFile);
    void showReleased(Image& button, const QString& faceFile);

private:
    void load(Image& button, const QString& faceFile);
    void reportHeldFaults();

    win32::Platform& m_platform;
    QObject* m_window = nullptr;
    QHash<QString, QString> m_reported{}; // by face file, the fault last reported for it
    QStringList m_held{};                 // faults to report once the button is released
};
