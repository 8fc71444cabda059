#include "damage.h"

#include "tempfolder.h"
#include "testdictionary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

constexpr qsizetype Megabyte = 1024 * 1024;

const QByteArray NotesText = "These are my notes, not a picture.\r\nbrb\tbe right back\r\n";

// The ways of being bad that every data file shares, then its own; which content faults a loader
// tells apart is for the loaders' tests, these rows for the program reporting each and going on.
std::vector<Damage> withCommonDamages(std::function<QByteArray()> sound, std::vector<Damage> own)
{
    std::vector<Damage> rows{
        {"Missing", Damage::Way::Absent, {}, "file not found"},
        {"Unreadable", Damage::Way::NoPermission, std::move(sound), "cannot be read: permission denied"},
        {"ReadError", Damage::Way::ReadError, {}, "cannot be read: input/output error"},
        {"FolderInItsPlace", Damage::Way::Folder, {}, "a folder, not a file"},
    };
    rows.insert(rows.end(), own.begin(), own.end());
    return rows;
}

// The states that would freeze the window if a file were opened as it stands, and a file cut in half.
std::vector<Damage> strangeOrTruncated(const QString& relative, const QString& truncatedFault, std::vector<Damage> own)
{
    own.insert(own.begin(), {
        {"FifoInItsPlace", Damage::Way::Fifo, {}, "is not a regular file"},
        {"SocketInItsPlace", Damage::Way::Socket, {}, "is not a regular file"},
        {"LinkLoop", Damage::Way::LinkLoop, {}, "its symbolic links form a loop"},
        {"Truncated", Damage::Way::Content, [=] { const QByteArray whole = deliveredFile(relative); return whole.first(whole.size() / 2); },
            truncatedFault},
    });
    return withCommonDamages([=] { return deliveredFile(relative); }, own);
}

} // namespace

void inflict(const Damage& damage, const QString& path)
{
    mend(path, {});
    switch (damage.way) {
    case Damage::Way::Absent: return;
    case Damage::Way::Folder: QDir().mkpath(path); return;
    case Damage::Way::Fifo: ::mkfifo(QFile::encodeName(path).constData(), 0600); return;
    case Damage::Way::Socket: ASSERT_TRUE(bindSocket(path)) << path.toStdString(); return;
    case Damage::Way::LinkLoop:
        QFile::link(path + ".loop", path);
        QFile::link(path, path + ".loop");
        return;
    // Reading a process's own memory at address 0 fails with an input/output error, for root too.
    case Damage::Way::ReadError: QFile::link(QStringLiteral("/proc/self/mem"), path); return;
    case Damage::Way::Content:
    case Damage::Way::NoPermission: break;
    }
    mend(path, damage.content());
    if (damage.way == Damage::Way::NoPermission)
        QFile::setPermissions(path, {});
}

void mend(const QString& path, const QByteArray& content)
{
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink())
        QDir(path).removeRecursively();
    else
        QFile::remove(path);
    QFile::remove(path + ".loop");
    if (!content.isNull())
        writeFile(path, content);
}

QByteArray deliveredFile(const QString& relative) { return sourceFile("data/" + relative); }

std::vector<Damage> dictionaryDamages()
{
    return withCommonDamages([] { return TestDictionary::chat(); }, {
        {"HundredMegabytes", Damage::Way::Content,
            [] { return TestDictionary::chat() + QByteArray("more\tlines never read\r\n").repeated(100 * Megabyte / 24); }, {}},
        {"TenMegabyteLineWithoutTab", Damage::Way::Content,
            [] { return TestDictionary::chatWith(2, QString(10 * Megabyte, u'y')); }, "line 2 has no TAB"},
        {"TenMegabyteEntry", Damage::Way::Content,
            [] { return TestDictionary::chatWith(5, "long\t" + QString(10 * Megabyte, u'z')); }, {}},
    });
}

std::vector<Damage> pictureDamages()
{
    return strangeOrTruncated("Skins/Default/xup.btn", "is a damaged picture", {
        {"ClaimsThirtyThousandPixelsSquare", Damage::Way::Content,
            [] { return QByteArray("P6\n30000 30000\n255\n") + QByteArray(4096, '\x80'); }, "claims a picture of 30000 × 30000 pixels"},
        {"TextUnderAPictureName", Damage::Way::Content, [] { return NotesText; }, "is not a picture"},
    });
}

std::vector<Damage> cursorDamages()
{
    const auto cursor = [] { return deliveredFile("OpenURL.cur"); };
    return strangeOrTruncated("OpenURL.cur", "is a damaged cursor file", {
        {"TextUnderACursorName", Damage::Way::Content, [] { return NotesText; }, "is not a cursor file"},
        {"CorruptImage", Damage::Way::Content, // the bitmap header of its image overwritten
            [=] { QByteArray c = cursor(); return c.replace(qFromLittleEndian<quint32>(c.constData() + 18), 40, QByteArray(40, '\xEE')); },
            "is a damaged cursor file"},
        {"HotSpotOffItsImage", Damage::Way::Content,
            [=] { return cursor().replace(10, 2, QByteArray("\x28\0", 2)); }, "is a damaged cursor file"},
    });
}
