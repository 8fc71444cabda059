#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

const QString SourceDir = QStringLiteral(VERBOLET_SOURCE_DIR "/");

QByteArray contentOf(const QString& relativePath)
{
    QFile file(SourceDir + relativePath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Picture `number` of a file as Qt reads it, the format taken from the content.
QImage load(const QString& relativePath, int number = 0, QByteArray* format = nullptr)
{
    QImageReader reader(SourceDir + relativePath);
    reader.setDecideFormatFromContent(true);
    reader.jumpToImage(number);
    if (format)
        *format = reader.format();
    return reader.read();
}

// Picture `number` of an icon file as Windows reads it: its bit count, and whether its AND
// mask marks the pixel at (x, y) transparent (the mask's rows are stored bottom-up).
struct IconPicture {
    int size = 0;
    QByteArray dib;
    int bitCount = 0;

    IconPicture(const QByteArray& file, int number)
        : size(quint8(file.at(6 + 16 * number)))
        , dib(file.mid(qFromLittleEndian<quint32>(file.constData() + 18 + 16 * number),
                       qFromLittleEndian<quint32>(file.constData() + 14 + 16 * number)))
        , bitCount(qFromLittleEndian<quint16>(dib.constData() + 14))
    {
    }

    bool masked(int x, int y) const
    {
        const int palette = bitCount <= 8 ? 4 << bitCount : 0;
        const int colourRow = (size * bitCount + 31) / 32 * 4;
        const qsizetype row = 40 + palette + colourRow * size + (size + 31) / 32 * 4 * (size - 1 - y);
        return (quint8(dib.at(row + x / 8)) & (0x80 >> (x % 8))) != 0;
    }
};

TEST(Artwork, SkinFilesAreBitmapsOfTheirLayoutSizeAndButtonsChangeWhenPressed)
{
    const QString folder = QStringLiteral("data/Skins/Default/");
    const std::pair<const char*, QSize> skinFiles[] = {
        {"grad.skt", {273, 17}}, {"side.sks", {5, 209}}, {"bottom.skk", {313, 9}}, {"hup.btn", {17, 17}},
        {"hdown.btn", {17, 17}}, {"iup.btn", {17, 17}}, {"idown.btn", {17, 17}}, {"_up.btn", {17, 17}},
        {"_down.btn", {17, 17}}, {"xup.btn", {17, 17}}, {"xdown.btn", {17, 17}}, {"buttonidle.btn", {73, 17}},
        {"buttonpush.btn", {73, 17}},
    };
    for (const auto& [name, size] : skinFiles) {
        QByteArray format;
        EXPECT_EQ(load(folder + name, 0, &format).size(), size) << name;
        EXPECT_EQ(format, "bmp") << name;
    }
    for (const auto& [released, pressed] : {std::pair{"hup", "hdown"}, {"iup", "idown"}, {"_up", "_down"}, {"xup", "xdown"}})
        EXPECT_NE(load(folder + released + ".btn"), load(folder + pressed + ".btn")) << released;
    EXPECT_NE(load(folder + "buttonidle.btn"), load(folder + "buttonpush.btn"));
}

TEST(Artwork, ProgramIconHoldsSixteenAndThirtyTwoPixelsInEightAndTwentyFourBitsWithAMask)
{
    const QString path = QStringLiteral("mainwindow/resources/verbolet.ico");
    const std::pair<int, int> sizesAndBits[] = {{16, 8}, {16, 24}, {32, 8}, {32, 24}};
    ASSERT_EQ(QImageReader(SourceDir + path).imageCount(), 4);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const auto [size, bits] = sizesAndBits[i];
        const IconPicture picture(contentOf(path), i);
        EXPECT_EQ(picture.size, size);
        EXPECT_EQ(picture.bitCount, bits);
        // The screen fills the middle; the corner beside the stand shows what lies behind.
        EXPECT_TRUE(picture.masked(0, size - 1));
        EXPECT_FALSE(picture.masked(size / 2, size / 2));
        EXPECT_EQ(load(path, i).size(), QSize(size, size));
    }
    EXPECT_EQ(qAlpha(load(path, 0).pixel(0, 15)), 0) << "Qt applies the mask of the 8-bit pictures";
}

TEST(Artwork, CursorEmblemAndDesktopIcons)
{
    EXPECT_EQ(contentOf("data/OpenURL.cur"), contentOf("skin/resources/hand.cur")) << "the link cursor is the compiled-in hand";
    const QImage hand = load("data/OpenURL.cur");
    ASSERT_EQ(hand.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(hand.pixel(13, 5)), 255) << "the finger tip, at the hot spot";
    EXPECT_EQ(qAlpha(hand.pixel(13, 4)), 0);
    EXPECT_EQ(qAlpha(hand.pixel(0, 0)), 0);

    const QImage emblem = load("about/resources/emblem.ico");
    ASSERT_EQ(emblem.size(), QSize(48, 48));
    EXPECT_EQ(emblem.pixel(0, 0), qRgb(212, 208, 200)) << "Qt ignores the mask of a 24-bit picture";

    for (const int size : {16, 32, 48, 64, 128, 256})
        EXPECT_EQ(load(QStringLiteral("packaging/icons/%1/verbolet.png").arg(size)).size(), QSize(size, size)) << size;
}

} // namespace
