#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <unistd.h>

// One bad state a data file can be in, and the words a report on it must use.
struct Damage final {
    enum class Way {
        Content,      // the file holds `content`
        Absent,       // there is no file
        NoPermission, // the file holds `content`, but nobody may read it
        ReadError,    // opening works, reading fails (the disk gives an input/output error)
        Folder,       // a folder stands where the file should be
        Fifo,         // a FIFO with no writer stands there: opening it to read would wait for ever
        Socket,       // a listening socket stands there
        LinkLoop,     // a symbolic link to a link back to it
    };

    std::string name; // the row's name in the test's name: "Missing", "Truncated", ...
    Way way = Way::Content;
    std::function<QByteArray()> content; // made only when the row runs: some are large
    QString fault; // what the report says besides the file's path, in any case; empty: the file is sound

    // Whether this process feels the damage: root reads a file without read permission.
    bool felt() const { return way != Way::NoPermission || geteuid() != 0; }
};

inline void PrintTo(const Damage& damage, std::ostream* out) { *out << damage.name; }

// Puts the file at `path` into `damage`'s state, creating its folder where needed.
void inflict(const Damage& damage, const QString& path);

// Removes whatever inflict() left at `path` and writes `content` there instead.
void mend(const QString& path, const QByteArray& content);

// The rows of each kind of data file.
std::vector<Damage> dictionaryDamages();
std::vector<Damage> pictureDamages();
std::vector<Damage> cursorDamages();

// A file delivered with the program: "Skins/Default/xup.btn", "OpenURL.cur".
QByteArray deliveredFile(const QString& relative);
