#include "damage.h"

#include "testdictionary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QtEndian>

#include <sys/stat.h>

namespace {

constexpr qsizetype Megabyte = 1024 * 1024;

// Random bytes that hold no TAB and begin with a letter, so that as a dictionary they
// fail at line 1 for want of a TAB.
QByteArray garbage(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator(20240611).fillRange(reinterpret_cast<quint32*>(bytes.data()), size / 4);
    bytes.replace('\t', '\x7f')[0] = 'G';
    return bytes;
}

const QByteArray NotesText = "These are my notes, not a picture.\r\nbrb\tbe right back\r\n";

// The ways of being bad that every data file shares, then those of its own.
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

} // namespace

void inflict(const Damage& damage, const QString& path)
{
    mend(path, {});
    switch (damage.way) {
    case Damage::Way::Absent: return;
    case Damage::Way::Folder: QDir().mkpath(path); return;
    case Damage::Way::Fifo: ::mkfifo(QFile::encodeName(path).constData(), 0600); return;
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
    if (content.isNull())
        return;
    QDir().mkpath(info.path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

QByteArray deliveredFile(const QString& relative)
{
    QFile file(QStringLiteral(VERBOLET_SOURCE_DIR "/data/") + relative);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<Damage> dictionaryDamages()
{
    return withCommonDamages([] { return TestDictionary::chat(); }, {
            {"Empty", Damage::Way::Content, [] { return QByteArray(""); }, "is empty; a dictionary needs 1622 lines"},
            {"TruncatedAtALineEnd", Damage::Way::Content, [] { return TestDictionary::chat(800); },
                "ends after line 800; a dictionary needs 1622 lines"},
            {"TruncatedInsideALine", Damage::Way::Content, [] { return TestDictionary::chat(800) + "~fill"; },
                "line 801 has no TAB"},
            {"BinaryGarbage", Damage::Way::Content, [] { return garbage(64 * 1024); }, "line 1 has no TAB"},
            {"HundredMegabytes", Damage::Way::Content,
                [] { return TestDictionary::chat() + QByteArray("more\tlines never read\r\n").repeated(100 * Megabyte / 24); },
                {}},
            {"TenMegabyteLineWithoutTab", Damage::Way::Content,
                [] { return TestDictionary::chatWith(2, QString(10 * Megabyte, u'y')); }, "line 2 has no TAB"},
            {"TenMegabyteEntry", Damage::Way::Content,
                [] { return TestDictionary::chatWith(5, "long\t" + QString(10 * Megabyte, u'z')); }, {}},
        });
}

namespace {

// A 24-bit bitmap whose header claims `side` × `side` pixels, followed by a few of them.
QByteArray bitmapClaiming(qint32 side)
{
    QByteArray header(54, '\0');
    header[0] = 'B';
    header[1] = 'M';
    qToLittleEndian<quint32>(54 + 4096, header.data() + 2);
    qToLittleEndian<quint32>(54, header.data() + 10);
    qToLittleEndian<quint32>(40, header.data() + 14);
    qToLittleEndian<qint32>(side, header.data() + 18);
    qToLittleEndian<qint32>(side, header.data() + 22);
    qToLittleEndian<quint16>(1, header.data() + 26);
    qToLittleEndian<quint16>(24, header.data() + 28);
    return header + QByteArray(4096, '\x80');
}

} // namespace

// The states that would freeze the window if a file were opened as it stands.
const std::vector<Damage> StrangeFiles{
    {"FifoInItsPlace", Damage::Way::Fifo, {}, "is not a regular file"},
    {"LinkLoop", Damage::Way::LinkLoop, {}, "its symbolic links form a loop"},
};

std::vector<Damage> pictureDamages()
{
    const QString picture = QStringLiteral("Skins/Default/xup.btn");
    return withCommonDamages([=] { return deliveredFile(picture); }, {
            StrangeFiles[0], StrangeFiles[1],
            {"Empty", Damage::Way::Content, [] { return QByteArray(""); }, "is not a picture"},
            {"Truncated", Damage::Way::Content,
                [=] { return deliveredFile(picture).first(deliveredFile(picture).size() / 2); }, "is a damaged picture"},
            {"BinaryGarbage", Damage::Way::Content, [] { return garbage(4096); }, "is not a picture"},
            {"ClaimsThirtyThousandPixelsSquare", Damage::Way::Content,
                [] { return QByteArray("P6\n30000 30000\n255\n") + QByteArray(4096, '\x80'); },
                "claims a picture of 30000 × 30000 pixels"},
            {"BitmapClaimsThirtyThousandPixelsSquare", Damage::Way::Content, [] { return bitmapClaiming(30000); },
                "claims a picture of 30000 × 30000 pixels"},
            {"TextUnderAPictureName", Damage::Way::Content, [] { return NotesText; }, "is not a picture"},
        });
}

std::vector<Damage> cursorDamages()
{
    const QString cursor = QStringLiteral("OpenURL.cur");
    const auto firstImage = [=] { return qFromLittleEndian<quint32>(deliveredFile(cursor).constData() + 18); };
    return withCommonDamages([=] { return deliveredFile(cursor); }, {
            StrangeFiles[0], StrangeFiles[1],
            {"Empty", Damage::Way::Content, [] { return QByteArray(""); }, "is not a cursor file"},
            {"Truncated", Damage::Way::Content,
                [=] { return deliveredFile(cursor).first(deliveredFile(cursor).size() / 2); }, "is a damaged cursor file"},
            {"BinaryGarbage", Damage::Way::Content, [] { return garbage(4096); }, "is not a cursor file"},
            {"TextUnderACursorName", Damage::Way::Content, [] { return NotesText; }, "is not a cursor file"},
            {"CorruptImage", Damage::Way::Content, // the bitmap header of its image overwritten
                [=] { return deliveredFile(cursor).replace(firstImage(), 40, QByteArray(40, '\xEE')); },
                "is a damaged cursor file"},
            {"HotSpotOffItsImage", Damage::Way::Content,
                [=] { return deliveredFile(cursor).replace(10, 2, QByteArray("\x28\0", 2)); }, "is a damaged cursor file"},
        });
}
