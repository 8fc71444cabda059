#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

const QString sourceDir = QStringLiteral(VERBOLET_SOURCE_DIR "/");

QByteArray contentOf(const QString& relativePath)
{
    QFile file(sourceDir + relativePath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Picture `number` of an icon or cursor file as Qt reads it, the format taken from the content.
QImage load(const QString& relativePath, int number = 0, QByteArray* format = nullptr)
{
    QImageReader reader(sourceDir + relativePath);
    reader.setDecideFormatFromContent(true);
    reader.jumpToImage(number);
    if (format)
        *format = reader.format();
    return reader.read();
}

// Picture `number` of an icon file as Windows reads it: its bit count, and whether its AND
// mask marks the pixel at (x, y) transparent (the mask's rows are stored bottom-up).
struct IconPicture {
    int bitCount = 0;
    QByteArray dib;
    int size = 0;

    IconPicture(const QByteArray& file, int number)
    {
        const qsizetype entry = 6 + 16 * number;
        size = static_cast<quint8>(file.at(entry));
        dib = file.mid(qFromLittleEndian<quint32>(file.constData() + entry + 12),
                       qFromLittleEndian<quint32>(file.constData() + entry + 8));
        bitCount = qFromLittleEndian<quint16>(dib.constData() + 14);
    }

    bool masked(int x, int y) const
    {
        const int palette = bitCount <= 8 ? 4 << bitCount : 0;
        const int colourRow = (size * bitCount + 31) / 32 * 4;
        const qsizetype row = 40 + palette + colourRow * size + (size + 31) / 32 * 4 * (size - 1 - y);
        return (static_cast<quint8>(dib.at(row + x / 8)) & (0x80 >> (x % 8))) != 0;
    }
};

TEST(Artwork, EverySkinFileIsABitmapOfItsLayoutSize)
{
    const struct {
        const char* name;
        QSize size;
    } skinFiles[] = {
        {"grad.skt", {273, 17}}, {"side.sks", {5, 209}}, {"bottom.skk", {313, 9}}, {"hup.btn", {17, 17}},
        {"hdown.btn", {17, 17}}, {"iup.btn", {17, 17}}, {"idown.btn", {17, 17}}, {"_up.btn", {17, 17}},
        {"_down.btn", {17, 17}}, {"xup.btn", {17, 17}}, {"xdown.btn", {17, 17}}, {"buttonidle.btn", {73, 17}},
        {"buttonpush.btn", {73, 17}},
    };
    for (const auto& skin : skinFiles) {
        QByteArray format;
        EXPECT_EQ(load(QStringLiteral("data/Skins/Default/") + skin.name, 0, &format).size(), skin.size) << skin.name;
        EXPECT_EQ(format, "bmp") << skin.name;
    }
}

TEST(Artwork, PressedButtonFacesDifferFromReleasedOnes)
{
    const QString folder = QStringLiteral("data/Skins/Default/");
    for (const char* button : {"h", "i", "_", "x"})
        EXPECT_NE(load(folder + button + "up.btn"), load(folder + button + "down.btn")) << button;
    EXPECT_NE(load(folder + "buttonidle.btn"), load(folder + "buttonpush.btn"));
}

TEST(Artwork, ProgramIconHoldsSixteenAndThirtyTwoPixelsInEightAndTwentyFourBitsWithAMask)
{
    const QString path = QStringLiteral("mainwindow/resources/verbolet.ico");
    const QByteArray file = contentOf(path);
    const struct {
        int size;
        int bits;
    } expected[] = {{16, 8}, {16, 24}, {32, 8}, {32, 24}};
    ASSERT_EQ(QImageReader(sourceDir + path).imageCount(), 4);
    for (int i = 0; i < 4; ++i) {
        const IconPicture picture(file, i);
        EXPECT_EQ(picture.size, expected[i].size) << i;
        EXPECT_EQ(picture.bitCount, expected[i].bits) << i;
        // The screen fills the middle; the corner beside the stand shows what lies behind.
        EXPECT_TRUE(picture.masked(0, expected[i].size - 1)) << i;
        EXPECT_FALSE(picture.masked(expected[i].size / 2, expected[i].size / 2)) << i;
        EXPECT_EQ(load(path, i).size(), QSize(expected[i].size, expected[i].size)) << i;
    }
    EXPECT_EQ(qAlpha(load(path, 0).pixel(0, 15)), 0) << "Qt applies the mask of the 8-bit pictures";
}

TEST(Artwork, LinkCursorIsTheCompiledInHandAndTransparentAroundIt)
{
    EXPECT_EQ(contentOf(QStringLiteral("data/OpenURL.cur")), contentOf(QStringLiteral("skin/resources/hand.cur")));
    const QImage hand = load(QStringLiteral("data/OpenURL.cur"));
    ASSERT_EQ(hand.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(hand.pixel(13, 5)), 255) << "the finger tip, at the hot spot";
    EXPECT_EQ(qAlpha(hand.pixel(13, 4)), 0);
    EXPECT_EQ(qAlpha(hand.pixel(0, 0)), 0);
}

TEST(Artwork, EmblemIsAFortyEightPixelPictureOnTheWindowsBackground)
{
    const QImage emblem = load(QStringLiteral("about/resources/emblem.ico"));
    ASSERT_EQ(emblem.size(), QSize(48, 48));
    EXPECT_EQ(emblem.pixel(0, 0), qRgb(212, 208, 200)) << "Qt ignores the mask of a 24-bit picture";
}

TEST(Artwork, DesktopIconsComeInEverySize)
{
    for (const int size : {16, 32, 48, 64, 128, 256})
        EXPECT_EQ(load(QStringLiteral("packaging/icons/%1/verbolet.png").arg(size)).size(), QSize(size, size)) << size;
}

} // namespace
