#include "tempfolder.h"

#include <QImageReader>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

const QString SourceDir = QStringLiteral(VERBOLET_SOURCE_DIR "/");

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
    for (const auto& [released, pressed] :
        {std::pair{"hup", "hdown"}, {"iup", "idown"}, {"_up", "_down"}, {"xup", "xdown"}, {"buttonidle", "buttonpush"}})
        EXPECT_NE(load(folder + released + ".btn"), load(folder + pressed + ".btn")) << released;
}

TEST(Artwork, ProgramIconHoldsSixteenAndThirtyTwoPixelsInEightAndTwentyFourBitsWithAMask)
{
    const QString path = QStringLiteral("mainwindow/resources/verbolet.ico");
    const std::pair<int, int> sizesAndBits[] = {{16, 8}, {16, 24}, {32, 8}, {32, 24}};
    ASSERT_EQ(QImageReader(SourceDir + path).imageCount(), 4);
    const QByteArray file = sourceFile(path);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const auto [size, bits] = sizesAndBits[i];
        // As Windows reads it: the directory entry's width and the bitmap's header, then its AND
        // mask after the palette and the colours, the rows stored bottom-up.
        const char* entry = file.constData() + 6 + 16 * i;
        const QByteArray dib = file.mid(qFromLittleEndian<quint32>(entry + 12), qFromLittleEndian<quint32>(entry + 8));
        EXPECT_EQ(quint8(entry[0]), size);
        EXPECT_EQ(qFromLittleEndian<quint16>(dib.constData() + 14), bits);
        const auto masked = [&](int x, int y) {
            const qsizetype row = 40 + (bits <= 8 ? 4 << bits : 0) + (size * bits + 31) / 32 * 4 * size + (size + 31) / 32 * 4 * (size - 1 - y);
            return (quint8(dib.at(row + x / 8)) & (0x80 >> (x % 8))) != 0;
        };
        // The screen fills the middle; the corner beside the stand shows what lies behind.
        EXPECT_TRUE(masked(0, size - 1));
        EXPECT_FALSE(masked(size / 2, size / 2));
        EXPECT_EQ(load(path, i).size(), QSize(size, size));
    }
    EXPECT_EQ(qAlpha(load(path, 0).pixel(0, 15)), 0) << "Qt applies the mask of the 8-bit pictures";
}

TEST(Artwork, CursorEmblemAndDesktopIcons)
{
    EXPECT_EQ(sourceFile("data/OpenURL.cur"), sourceFile("skin/resources/hand.cur")) << "the link cursor is the compiled-in hand";
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
