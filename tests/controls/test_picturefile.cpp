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
