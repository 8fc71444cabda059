#include "damage.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRandomGenerator>
#include <QtEndian>

#include <unistd.h>

namespace {

constexpr int DictionaryLines = 1622;
constexpr qsizetype Megabyte = 1024 * 1024;

QByteArray fileContent(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Random bytes that hold no TAB and begin with a letter, so that as a dictionary they
// fail at line 1 for want of a TAB.
QByteArray garbage(qsizetype size)
{
    QRandomGenerator random(20240611);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes) {
        byte = char(random.bounded(256));
        if (byte == '\t')
            byte = '\x7f';
    }
    bytes[0] = 'G';
    return bytes;
}

QByteArray dictionaryLine(int number)
{
    return "zzunused" + QByteArray::number(number) + "\tnever typed\r\n";
}

// The sound dictionary's first `count` lines, each with its line end.
QByteArray dictionaryLines(int count)
{
    const QByteArray& dictionary = soundDictionary();
    qsizetype end = 0;
    for (int line = 0; line < count; ++line)
        end = dictionary.indexOf("\r\n", end) + 2;
    return dictionary.left(end);
}

// The sound dictionary with line `number` replaced by `line`.
QByteArray withLineAt(int number, const QByteArray& line)
{
    return dictionaryLines(number - 1) + line + "\r\n" + soundDictionary().sliced(dictionaryLines(number).size());
}

// A sound dictionary followed by lines of filler up to `total` bytes; none of them is read.
QByteArray followedByLines(qsizetype total)
{
    QByteArray bytes = soundDictionary();
    const QByteArray filler = "more\tlines that are never read\r\n";
    bytes.reserve(total);
    while (bytes.size() + filler.size() <= total)
        bytes += filler;
    return bytes;
}

quint32 crc32(QByteArrayView bytes)
{
    quint32 crc = 0xffffffffu;
    for (const char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A small PNG whose header claims `side` × `side` pixels, with a correct checksum, so that
// only the size gives it away.
QByteArray pngClaiming(quint32 side)
{
    QImage image(1, 1, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    constexpr int header = 12; // IHDR's type, then its width and height
    qToBigEndian(side, png.data() + header + 4);
    qToBigEndian(side, png.data() + header + 8);
    qToBigEndian(crc32(QByteArrayView(png).sliced(header, 17)), png.data() + header + 17);
    return png;
}

// The sound cursor with the bitmap header of its first image overwritten.
QByteArray cursorWithBrokenBitmapHeader()
{
    constexpr int BitmapHeaderSize = 40;
    QByteArray cursor = soundCursor();
    const auto image = qFromLittleEndian<quint32>(cursor.constData() + 18);
    cursor.replace(image, BitmapHeaderSize, QByteArray(BitmapHeaderSize, '\xEE'));
    return cursor;
}

QByteArray cursorWithHotSpot(quint16 x, quint16 y)
{
    QByteArray cursor = soundCursor();
    qToLittleEndian(x, cursor.data() + 10);
    qToLittleEndian(y, cursor.data() + 12);
    return cursor;
}

const QByteArray NotesText = "These are my notes, not a picture.\r\nbrb\tbe right back\r\n";

// The ways of being bad that every data file shares; `notFound`, `denied`, `readError` and
// `folder` are the words each loader uses for them.
std::vector<Damage> commonDamages(std::function<QByteArray()> sound, QString notFound, QString denied,
                                  QString readError, QString folder)
{
    return {
        {"Missing", Damage::Way::Absent, {}, std::move(notFound)},
        {"Unreadable", Damage::Way::NoPermission, sound, std::move(denied)},
        {"ReadError", Damage::Way::ReadError, {}, std::move(readError)},
        {"FolderInItsPlace", Damage::Way::Folder, {}, std::move(folder)},
    };
}

} // namespace

void inflict(const Damage& damage, const QString& path)
{
    mend(path, {});
    QFile::remove(path);
    switch (damage.way) {
    case Damage::Way::Absent:
        return;
    case Damage::Way::Folder:
        QDir().mkpath(path);
        return;
    case Damage::Way::ReadError:
        // Reading a process's own memory at address 0 fails with an input/output error,
        // for root as for anyone.
        QFile::link(QStringLiteral("/proc/self/mem"), path);
        return;
    case Damage::Way::Content:
    case Damage::Way::NoPermission:
        break;
    }
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(damage.content());
    file.close();
    if (damage.way == Damage::Way::NoPermission)
        file.setPermissions({});
}

void mend(const QString& path, const QByteArray& content)
{
    const QFileInfo info(path);
    if (info.isDir() && !info.isSymLink())
        QDir(path).removeRecursively();
    else
        QFile::remove(path);
    if (content.isNull())
        return;
    QDir().mkpath(info.path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

bool permissionsApply()
{
    return geteuid() != 0;
}

QByteArray soundDictionary()
{
    static const QByteArray bytes = [] {
        QByteArray lines = "brb\tbe right back\r\nlol\tlaughing out loud\r\ngr8\tgreat\r\n";
        for (int number = 4; number <= DictionaryLines; ++number)
            lines += dictionaryLine(number);
        return lines;
    }();
    return bytes;
}

QByteArray soundPicture()
{
    return fileContent(QStringLiteral(VERBOLET_SOURCE_DIR "/data/Skins/Default/xup.btn"));
}

QByteArray soundCursor()
{
    return fileContent(QStringLiteral(VERBOLET_SOURCE_DIR "/data/OpenURL.cur"));
}

std::vector<Damage> dictionaryDamages()
{
    std::vector<Damage> rows = commonDamages(soundDictionary, "cannot be read: file not found",
                                             "cannot be read: Permission denied",
                                             "cannot be read: Input/output error",
                                             "cannot be read: it is a folder, not a file");
    const std::vector<Damage> own{
        {"Empty", Damage::Way::Content, [] { return QByteArray(""); }, "is empty; a dictionary needs 1622 lines"},
        {"TruncatedAtALineEnd", Damage::Way::Content, [] { return dictionaryLines(800); },
         "ends after line 800; a dictionary needs 1622 lines"},
        {"TruncatedInsideALine", Damage::Way::Content, [] { return dictionaryLines(800) + "zzunu"; },
         "line 801 has no TAB"},
        {"BinaryGarbage", Damage::Way::Content, [] { return garbage(64 * 1024); }, "line 1 has no TAB"},
        {"HundredMegabytesInOneLine", Damage::Way::Content, [] { return QByteArray(100 * Megabyte, 'x'); },
         "line 1 has no TAB"},
        {"HundredMegabytesOfLines", Damage::Way::Content, [] { return followedByLines(100 * Megabyte); }, {}},
        {"TenMegabyteLineWithoutTab", Damage::Way::Content, [] { return withLineAt(2, QByteArray(10 * Megabyte, 'y')); },
         "line 2 has no TAB"},
        {"TenMegabyteEntry", Damage::Way::Content,
         [] { return withLineAt(5, "long\t" + QByteArray(10 * Megabyte, 'z')); }, {}},
        {"TextWithoutTabs", Damage::Way::Content, [] { return NotesText; }, "line 1 has no TAB"},
    };
    rows.insert(rows.end(), own.begin(), own.end());
    return rows;
}

std::vector<Damage> pictureDamages()
{
    std::vector<Damage> rows = commonDamages(soundPicture, "file not found", "cannot be read: permission denied",
                                             "cannot be read: input/output error", "is a folder, not a file");
    const std::vector<Damage> own{
        {"Empty", Damage::Way::Content, [] { return QByteArray(""); }, "is not a picture"},
        {"Truncated", Damage::Way::Content, [] { return soundPicture().left(soundPicture().size() / 2); },
         "is a damaged picture"},
        {"BinaryGarbage", Damage::Way::Content, [] { return garbage(4096); }, "is not a picture"},
        {"ClaimsThirtyThousandPixelsSquare", Damage::Way::Content, [] { return pngClaiming(30000); },
         "claims a picture of 30000 × 30000 pixels"},
        {"TextUnderAPictureName", Damage::Way::Content, [] { return NotesText; }, "is not a picture"},
    };
    rows.insert(rows.end(), own.begin(), own.end());
    return rows;
}

std::vector<Damage> cursorDamages()
{
    std::vector<Damage> rows = commonDamages(soundCursor, "file not found", "cannot be read: permission denied",
                                             "cannot be read: input/output error", "is a folder, not a file");
    const std::vector<Damage> own{
        {"Empty", Damage::Way::Content, [] { return QByteArray(""); }, "is not a cursor file"},
        {"Truncated", Damage::Way::Content, [] { return soundCursor().left(soundCursor().size() / 2); },
         "is a damaged cursor file"},
        {"BinaryGarbage", Damage::Way::Content, [] { return garbage(4096); }, "is not a cursor file"},
        {"TextUnderACursorName", Damage::Way::Content, [] { return NotesText; }, "is not a cursor file"},
        {"CorruptImage", Damage::Way::Content, [] { return cursorWithBrokenBitmapHeader(); },
         "is a damaged cursor file"},
        {"HotSpotOffItsImage", Damage::Way::Content, [] { return cursorWithHotSpot(40, 5); },
         "is a damaged cursor file"},
    };
    rows.insert(rows.end(), own.begin(), own.end());
    return rows;
}
