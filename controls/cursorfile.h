#pragma once

#include <QCursor>
#include <QString>

// Loads a Windows cursor file (.cur): its first image and that image's hot spot.
// Works on resource paths (":/...") too. Throws FileFault naming the file when it is
// missing, unreadable or not a well-formed cursor.
QCursor LoadCursorFile(const QString& path);
