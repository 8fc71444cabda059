#include "controls/picturefile.h"
#include "platform/filefault.h"
#include "tempfolder.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray encoded(QSize size, const char* format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(10, 36, 106));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

quint32 crc32(const char* data, int length)
{
    quint32 crc = 0xffffffffu;
    for (int i = 0; i < length; ++i) {
        crc ^= static_cast<unsigned char>(data[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A PNG whose header claims a size its few bytes could never hold.
QByteArray pngClaiming(quint32 width, quint32 height)
{
    QByteArray bytes = encoded({1, 1}, "PNG");
    constexpr int header = 12; // the IHDR chunk's type, then width and height
    qToBigEndian(width, bytes.data() + header + 4);
    qToBigEndian(height, bytes.data() + header + 8);
    qToBigEndian(crc32(bytes.constData() + header, 17), bytes.data() + header + 17);
    return bytes;
}

// A bitmap whose header claims more pixels than it holds.
QByteArray bitmapClaiming(qint32 width, qint32 height)
{
    QByteArray bytes = encoded({1, 1}, "BMP");
    qToLittleEndian(width, bytes.data() + 18);
    qToLittleEndian(height, bytes.data() + 22);
    return bytes;
}

FileFault faultOf(const QString& path)
{
    try {
        LoadPicture(path);
    } catch (const FileFault& fault) {
        return fault;
    }
    ADD_FAILURE() << "no fault for " << path.toStdString();
    return FileFault(path, "");
}

TEST(LoadPicture, RecognisesTheFormatFromTheContentWhateverTheExtension)
{
    TempFolder folder;
    const struct {
        const char* name;
        const char* format;
        QSize size;
    } cases[] = {
        {"xup.btn", "BMP", {17, 17}},
        {"grad.skt", "PNG", {273, 17}},
        {"side.sks", "PPM", {5, 209}},
        {"bottom.skk", "JPEG", {313, 9}},
        {"picture.png", "BMP", {3, 4}}, // a misleading extension
        {"noextension", "PNG", {2, 2}},
    };
    for (const auto& c : cases) {
        const QString path = folder.write(c.name, encoded(c.size, c.format));
        const QPixmap picture = LoadPicture(path);
        EXPECT_EQ(picture.size(), c.size) << c.name;
    }
}

TEST(LoadPicture, FaultsNameTheFileAndWhatIsWrong)
{
    TempFolder folder;
    const struct {
        const char* name;
        QByteArray content; // empty: no file is written
        const char* fault;
    } cases[] = {
        {"missing.btn", {}, "file not found"},
        {"notes.btn", "These are not the pixels you are looking for.\n", "is not a picture Qt can read"},
        {"empty.btn", QByteArray(1, '\0').chopped(1), "is not a picture Qt can read"},
        {"huge.btn", pngClaiming(30000, 30000), "claims a picture of 30000 × 30000 pixels"},
        {"wide.btn", pngClaiming(5000, 1), "claims a picture of 5000 × 1 pixels"},
        {"short.btn", bitmapClaiming(30000, 30000), "picture"},
    };
    for (const auto& c : cases) {
        QString path = folder.path() + "/" + c.name;
        if (!c.content.isNull())
            path = folder.write(c.name, c.content);
        const FileFault fault = faultOf(path);
        EXPECT_EQ(fault.path(), path) << c.name;
        EXPECT_TRUE(fault.fault().contains(c.fault)) << c.name << ": " << fault.fault().toStdString();
        EXPECT_TRUE(fault.message().contains(c.name)) << "the report names the file";
    }
}

TEST(LoadPicture, AFolderIsNoPicture)
{
    TempFolder folder;
    folder.write("Skins/Default/readme.txt", "x");
    const FileFault fault = faultOf(folder.path() + "/Skins/Default");
    EXPECT_TRUE(fault.fault().contains("folder")) << fault.fault().toStdString();
}

TEST(LoadPicture, TakesThePictureAtTheLargestAllowedSize)
{
    TempFolder folder;
    const QString path = folder.write("big.btn", encoded({MaxPictureSide, 2}, "PNG"));
    EXPECT_EQ(LoadPicture(path).size(), QSize(MaxPictureSide, 2));
}

} // namespace
