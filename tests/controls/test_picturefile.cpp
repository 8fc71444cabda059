#include "controls/cursorfile.h"
#include "controls/picturefile.h"
#include "datafiles/filefault.h"
#include "tempfolder.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <gtest/gtest.h>

#include "testpicture.h"

#include <functional>

// Missing, unreadable, empty, cut and foreign files of both kinds are tests/faults' rows.
namespace {

// The delivered cursor with its directory's type (2 for a cursor) and number of pictures set.
QByteArray deliveredCursor(quint16 type, quint16 pictures)
{
    QFile file(VERBOLET_SOURCE_DIR "/data/OpenURL.cur");
    QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(6, '\0');
    qToLittleEndian(type, bytes.data() + 2);
    qToLittleEndian(pictures, bytes.data() + 4);
    return bytes;
}

QString faultOf(const std::function<void()>& load)
{
    try {
        load();
    } catch (const FileFault& fault) {
        return fault.fault();
    }
    return QStringLiteral("(no fault)");
}

TEST(LoadPicture, RecognisesTheFormatFromTheContentWhateverTheExtension)
{
    TempFolder folder;
    const struct {
        const char* name;
        const char* format;
        QSize size;
    } cases[] = {
        {"xup.btn", "BMP", {17, 17}},     {"grad.skt", "PNG", {273, 17}},   {"side.sks", "PPM", {5, 209}},
        {"bottom.skk", "JPEG", {313, 9}}, {"picture.png", "BMP", {3, 4}}, {"noextension", "PNG", {2, 2}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LoadPicture(folder.write(c.name, encodedPicture(c.size, Qt::darkBlue, c.format))).size(), c.size) << c.name;
}

// An 8 × 4 picture, two colours, as a GIF (Qt reads GIF but cannot write it).
const QByteArray Gif = QByteArray::fromHex("474946383961080004" "00f00000ff000000" "00ff21f904000000" "00002c0000000008"
                                           "0004000002068" "48f10c96d05003b");

// Every format tells a picture cut short the same way, including those whose decoder would
// show what it got without a word (GIF, BMP: the rest of the picture blank) or with only a
// warning (JPEG).
TEST(LoadPicture, APictureCutShortIsDamagedInEveryFormat)
{
    TempFolder folder;
    const struct {
        const char* format;
        QByteArray bytes;
        qsizetype kept; // bytes left of the file
        QString fault;  // empty: it loads
    } cases[] = {
        {"BMP", encodedPicture({40, 30}, Qt::darkBlue, "BMP"), 2000, "is a damaged picture"},
        {"PNG", encodedPicture({40, 30}, Qt::darkBlue, "PNG"), 60, "is a damaged picture"},
        {"JPEG", encodedPicture({160, 120}, Qt::darkBlue, "JPEG"), 700, "is a damaged picture: corrupt JPEG data"},
        {"GIF", Gif, 42, "is a damaged picture: the file ends before its picture does"}, // inside its pixels
        {"GIF", Gif, 46, {}}, // only its trailer missing
        {"GIF", Gif, Gif.size(), {}},
    };
    for (const auto& c : cases) {
        const QString path = folder.write("face.btn", c.bytes.first(std::min(c.kept, c.bytes.size())));
        const QString fault = faultOf([&] { LoadPicture(path); });
        EXPECT_TRUE(fault.startsWith(c.fault.isEmpty() ? QStringLiteral("(no fault)") : c.fault))
            << c.format << " of " << c.kept << " bytes: " << fault.toStdString();
    }
}

TEST(LoadPicture, RefusesPicturesWiderOrTallerThanAllowed)
{
    TempFolder folder;
    EXPECT_EQ(LoadPicture(folder.write("big.btn", encodedPicture({MaxPictureSide, 2}))).size(), QSize(MaxPictureSide, 2));
    QByteArray wide = encodedPicture({1, 1}, Qt::darkBlue, "BMP"); // its header claims more pixels than it holds
    qToLittleEndian<qint32>(5000, wide.data() + 18);
    const QString path = folder.write("wide.btn", wide);
    EXPECT_TRUE(faultOf([&] { LoadPicture(path); }).startsWith("claims a picture of 5000 × 1 pixels"));
}

TEST(LoadCursorFile, ReadsThePictureAndTheHotSpotAndRefusesIconsAndEmptyLists)
{
    TempFolder folder;
    const QCursor cursor = LoadCursorFile(folder.write("OpenURL.cur", deliveredCursor(2, 1)));
    EXPECT_EQ(cursor.hotSpot(), QPoint(13, 5));
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
    const QString icon = folder.write("icon.cur", deliveredCursor(1, 1));
    EXPECT_EQ(faultOf([&] { LoadCursorFile(icon); }), "is not a cursor file");
    const QString none = folder.write("none.cur", deliveredCursor(2, 0));
    EXPECT_TRUE(faultOf([&] { LoadCursorFile(none); }).contains("list of images is incomplete"));
}

} // namespace
