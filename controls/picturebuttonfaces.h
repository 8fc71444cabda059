#pragma once

#include "platform/win32.h"

#include <QSet>
#include <QString>

class Image;

// The faces of a window's picture buttons, read from disk at every press and release.
// A face file that is missing or unreadable leaves the button with the face it shows
// and is reported once, naming the file; the program goes on. Once the file loads
// again, a later fault of it is reported again.
class PictureButtonFaces final {
public:
    explicit PictureButtonFaces(win32::Platform& platform);

    // Loads the picture at `faceFile` into `button`.
    void load(Image& button, const QString& faceFile);

private:
    win32::Platform& m_platform;
    QSet<QString> m_reported{};
};
