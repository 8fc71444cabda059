#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

// One bad state a data file can be in, and the words a report on it must use.
struct Damage final {
    enum class Way {
        Content,      // the file holds `content`
        Absent,       // there is no file
        NoPermission, // the file holds `content`, but nobody may read it
        ReadError,    // opening works, reading fails (the disk gives an input/output error)
        Folder,       // a folder stands where the file should be
    };

    std::string name; // the row's name in the test's name: "Missing", "Empty", ...
    Way way = Way::Content;
    std::function<QByteArray()> content; // made only when the row runs: some are large
    QString fault; // what the report says besides the file's path; empty: the file is sound

    bool isFault() const { return !fault.isEmpty(); }
};

// Row names in test output.
inline void PrintTo(const Damage& damage, std::ostream* out)
{
    *out << damage.name;
}

// Puts the file at `path` into `damage`'s state, creating its folder where needed.
void inflict(const Damage& damage, const QString& path);

// Removes whatever inflict() left at `path` and writes `content` there instead.
void mend(const QString& path, const QByteArray& content);

// Whether taking away read permission keeps this process out; it doesn't for root.
bool permissionsApply();

// The rows of each kind of data file.
std::vector<Damage> dictionaryDamages();
std::vector<Damage> pictureDamages();
std::vector<Damage> cursorDamages();

// Sound files to damage: a 1622-line dictionary (brb, lol and gr8 among its entries), a
// 17 × 17 bitmap, a 32 × 32 cursor with its hot spot at (13, 5).
QByteArray soundDictionary();
QByteArray soundPicture();
QByteArray soundCursor();

// The rows' names as gtest wants them for INSTANTIATE_TEST_SUITE_P.
struct DamageName final {
    template <class ParamInfo>
    std::string operator()(const ParamInfo& info) const
    {
        return info.param.name;
    }
};

// Skips the running test on a row whose damage this process would not feel.
#define SKIP_UNFELT_DAMAGE(damage)                                                                                 \
    do {                                                                                                           \
        if ((damage).way == Damage::Way::NoPermission && !permissionsApply())                                      \
            GTEST_SKIP() << "running as root: a file without read permission can still be read";                   \
    } while (false)
