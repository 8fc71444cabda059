#pragma once

#include <QPixmap>
#include <QString>

// The largest picture a skin may hold; a file that claims more is refused before
// anything is allocated for it.
inline constexpr int MaxPictureSide = 4096;

// Loads the picture stored in the file at `path`. The format (bitmap, PNG, GIF, JPEG,
// icon, ...) is recognised from the content; the name's extension carries no meaning.
// Throws FileFault naming the file when it is missing, unreadable, not a picture, or
// larger than MaxPictureSide in either direction.
QPixmap LoadPicture(const QString& path);
