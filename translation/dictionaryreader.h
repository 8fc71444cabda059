#pragma once

#include "datafiles/datafile.h"
#include "translation/dictionaryfault.h"

#include <QByteArray>
#include <QString>

#include <variant>

// The bytes of a dictionary file that a translation reads.
struct DictionaryBytes final {
    QByteArray lines;          // lines 1 to 1622, each with its line end (of the 1622nd only the first byte)
    bool moreFollows = false;  // the file goes on after the end of line 1622
};

// Reads a dictionary file up to the end of its line 1622 and no further.
namespace DictionaryReader {

// Nothing that holds 1622 lines of abbreviations comes near this; it keeps a runaway file
// (a device, a disk image picked by mistake) from taking all memory.
inline constexpr qint64 MaxBytes = qint64(256) * 1024 * 1024;

// `kinds`: whether anything but a regular file may be read (a FIFO, for the command line). From
// a FIFO or a device nothing is read past the end of line 1622, so a writer that stays open
// makes no wait; whether more follows is then told only from what has arrived.
std::variant<DictionaryBytes, DictionaryFault> read(const QString& path, FileKinds kinds = FileKinds::RegularOnly);

} // namespace DictionaryReader
