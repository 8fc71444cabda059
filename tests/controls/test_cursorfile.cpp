#include "controls/cursorfile.h"
#include "platform/filefault.h"
#include "tempfolder.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// A cursor file as Windows writes one: an icon file with the directory's type set
// to 2 and the hot spot where an icon keeps its planes and bit count.
QByteArray cursorBytes(QSize size, QPoint hotSpot)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter(&image).fillRect(QRect(QPoint(0, 0), size / 2), Qt::black);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "ICO");
    qToLittleEndian<quint16>(2, bytes.data() + 2);
    qToLittleEndian<quint16>(hotSpot.x(), bytes.data() + 10);
    qToLittleEndian<quint16>(hotSpot.y(), bytes.data() + 12);
    return bytes;
}

TEST(LoadCursorFile, ReadsThePictureAndTheHotSpot)
{
    TempFolder folder;
    const QString path = folder.write("OpenURL.cur", cursorBytes({32, 32}, {13, 5}));
    const QCursor cursor = LoadCursorFile(path);
    EXPECT_EQ(cursor.hotSpot(), QPoint(13, 5));
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
}

TEST(LoadCursorFile, RefusesDamagedOrForeignFiles)
{
    TempFolder folder;
    QByteArray icon = cursorBytes({32, 32}, {0, 0});
    qToLittleEndian<quint16>(1, icon.data() + 2);
    QByteArray noImages = cursorBytes({32, 32}, {0, 0});
    qToLittleEndian<quint16>(0, noImages.data() + 4);
    const struct {
        const char* name;
        QByteArray content;
        const char* fault;
    } cases[] = {
        {"text.cur", "hello, world", "is not a cursor file"},
        {"icon.cur", icon, "is not a cursor file"},
        {"none.cur", noImages, "list of images is incomplete"},
        {"cut.cur", cursorBytes({32, 32}, {1, 1}).left(40), "beyond the end of the file"},
        {"spot.cur", cursorBytes({32, 32}, {40, 5}), "hot spot (40, 5) lies outside"},
    };
    for (const auto& c : cases) {
        const QString path = folder.write(c.name, c.content);
        try {
            LoadCursorFile(path);
            ADD_FAILURE() << c.name << " was accepted";
        } catch (const FileFault& fault) {
            EXPECT_EQ(fault.path(), path);
            EXPECT_TRUE(fault.fault().contains(c.fault)) << c.name << ": " << fault.fault().toStdString();
        }
    }
}

TEST(LoadCursorFile, AMissingFileIsReportedByName)
{
    TempFolder folder;
    EXPECT_THROW(LoadCursorFile(folder.path() + "/OpenURL.cur"), FileFault);
}

} // namespace
