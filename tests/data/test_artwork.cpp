#include <QFile>
#include <QImageReader>
#include <QString>
#include <QtEndian>

#include <gtest/gtest.h>

#include <vector>

namespace {

const QString sourceDir = QStringLiteral(VERBOLET_SOURCE_DIR);

QByteArray contentOf(const QString& relativePath)
{
    QFile file(sourceDir + u'/' + relativePath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint16 word(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 dword(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// One picture of an icon or cursor file, as its directory entry and its bitmap header describe it.
struct IconEntry {
    int width = 0;
    int height = 0;
    int colourCount = 0;
    int planesOrHotspotX = 0;
    int bitCountOrHotspotY = 0;
    int dibBitCount = 0;
    int dibHeight = 0;
    QByteArray dib;

    // Whether the AND mask marks the pixel transparent (rows are stored bottom-up).
    bool masked(int x, int y) const
    {
        const int paletteBytes = dibBitCount <= 8 ? 4 << dibBitCount : 0;
        const int colourStride = (width * dibBitCount + 31) / 32 * 4;
        const int maskStride = (width + 31) / 32 * 4;
        const qsizetype row = 40 + paletteBytes + colourStride * height + maskStride * (height - 1 - y);
        return (static_cast<quint8>(dib.at(row + x / 8)) & (0x80 >> (x % 8))) != 0;
    }
};

struct IconDirectory {
    int type = 0;
    std::vector<IconEntry> entries;
};

IconDirectory parseIconFile(const QByteArray& bytes)
{
    IconDirectory directory;
    if (bytes.size() < 6 || word(bytes, 0) != 0)
        return directory;
    directory.type = word(bytes, 2);
    for (int i = 0; i < word(bytes, 4); ++i) {
        const qsizetype at = 6 + 16 * i;
        const quint32 size = dword(bytes, at + 8);
        const quint32 offset = dword(bytes, at + 12);
        if (at + 16 > bytes.size() || offset + size > static_cast<quint32>(bytes.size()) || size < 40)
            return {};
        IconEntry entry;
        entry.width = static_cast<quint8>(bytes.at(at));
        entry.height = static_cast<quint8>(bytes.at(at + 1));
        entry.colourCount = static_cast<quint8>(bytes.at(at + 2));
        entry.planesOrHotspotX = word(bytes, at + 4);
        entry.bitCountOrHotspotY = word(bytes, at + 6);
        entry.dib = bytes.mid(offset, size);
        entry.dibHeight = static_cast<int>(dword(entry.dib, 8));
        entry.dibBitCount = word(entry.dib, 14);
        directory.entries.push_back(entry);
    }
    return directory;
}

// What Qt's image reader makes of a file, recognising the format from the content.
struct Loaded {
    QByteArray format;
    int imageCount = 0;
    QImage image;
    std::string error;
};

Loaded load(const QString& relativePath, int imageNumber = 0)
{
    QImageReader reader(sourceDir + u'/' + relativePath);
    reader.setDecideFormatFromContent(true);
    Loaded loaded{reader.format(), reader.imageCount(), {}, {}};
    reader.jumpToImage(imageNumber);
    loaded.image = reader.read();
    loaded.error = reader.errorString().toStdString();
    return loaded;
}

struct SkinFile {
    const char* name;
    int width;
    int height;
};

const SkinFile skinFiles[] = {
    {"grad.skt", 273, 17},      {"side.sks", 5, 209},       {"bottom.skk", 313, 9},      {"hup.btn", 17, 17},
    {"hdown.btn", 17, 17},      {"iup.btn", 17, 17},        {"idown.btn", 17, 17},       {"_up.btn", 17, 17},
    {"_down.btn", 17, 17},      {"xup.btn", 17, 17},        {"xdown.btn", 17, 17},       {"buttonidle.btn", 73, 17},
    {"buttonpush.btn", 73, 17},
};

TEST(Artwork, EverySkinFileIsA24BitBitmapOfItsLayoutSize)
{
    for (const SkinFile& skin : skinFiles) {
        SCOPED_TRACE(skin.name);
        const QString path = QStringLiteral("data/Skins/Default/") + skin.name;
        const QByteArray bytes = contentOf(path);
        ASSERT_GE(bytes.size(), 54);
        EXPECT_TRUE(bytes.startsWith("BM"));
        EXPECT_EQ(word(bytes, 28), 24);
        const Loaded loaded = load(path);
        EXPECT_EQ(loaded.format, "bmp");
        ASSERT_FALSE(loaded.image.isNull()) << loaded.error;
        EXPECT_EQ(loaded.image.size(), QSize(skin.width, skin.height));
    }
}

TEST(Artwork, PressedTitleButtonsDifferFromReleasedOnes)
{
    for (const char* button : {"h", "i", "_", "x"}) {
        SCOPED_TRACE(button);
        const QString folder = QStringLiteral("data/Skins/Default/") + button;
        EXPECT_NE(load(folder + "up.btn").image, load(folder + "down.btn").image);
    }
    EXPECT_NE(load("data/Skins/Default/buttonidle.btn").image, load("data/Skins/Default/buttonpush.btn").image);
}

TEST(Artwork, ProgramIconHoldsSixteenAndThirtyTwoPixelsInEightAndTwentyFourBits)
{
    const QString path = QStringLiteral("mainwindow/resources/verbolet.ico");
    const IconDirectory icon = parseIconFile(contentOf(path));
    EXPECT_EQ(icon.type, 1);
    struct Expected {
        int size;
        int bits;
    };
    const Expected expected[] = {{16, 8}, {16, 24}, {32, 8}, {32, 24}};
    ASSERT_EQ(icon.entries.size(), std::size(expected));
    for (size_t i = 0; i < icon.entries.size(); ++i) {
        SCOPED_TRACE(i);
        const IconEntry& entry = icon.entries[i];
        EXPECT_EQ(entry.width, expected[i].size);
        EXPECT_EQ(entry.height, expected[i].size);
        EXPECT_EQ(entry.planesOrHotspotX, 1);
        EXPECT_EQ(entry.bitCountOrHotspotY, expected[i].bits);
        EXPECT_EQ(entry.dibBitCount, expected[i].bits);
        EXPECT_EQ(entry.dibHeight, 2 * expected[i].size);
        // The screen fills the middle; the corner beside the stand shows what lies behind.
        EXPECT_TRUE(entry.masked(0, expected[i].size - 1));
        EXPECT_FALSE(entry.masked(expected[i].size / 2, expected[i].size / 2));
    }

    ASSERT_EQ(load(path).imageCount, 4);
    for (int i = 0; i < 4; ++i) {
        const Loaded loaded = load(path, i);
        EXPECT_EQ(loaded.format, "ico");
        EXPECT_EQ(loaded.image.size(), QSize(expected[i].size, expected[i].size)) << i;
    }
    // Qt applies the mask of the 8-bit pictures.
    EXPECT_EQ(qAlpha(load(path, 0).image.pixel(0, 15)), 0);
    EXPECT_EQ(qAlpha(load(path, 0).image.pixel(8, 8)), 255);
}

TEST(Artwork, LinkCursorsAreAThirtyTwoPixelSixteenColourHandWithItsHotSpotAtTheFingerTip)
{
    const QByteArray compiledIn = contentOf(QStringLiteral("mainwindow/resources/hand.cur"));
    EXPECT_EQ(contentOf(QStringLiteral("data/OpenURL.cur")), compiledIn);
    for (const QString& path : {QStringLiteral("mainwindow/resources/hand.cur"), QStringLiteral("data/OpenURL.cur")}) {
        SCOPED_TRACE(path.toStdString());
        const IconDirectory cursor = parseIconFile(contentOf(path));
        EXPECT_EQ(cursor.type, 2);
        ASSERT_EQ(cursor.entries.size(), 1u);
        const IconEntry& entry = cursor.entries.front();
        EXPECT_EQ(entry.width, 32);
        EXPECT_EQ(entry.height, 32);
        EXPECT_EQ(entry.colourCount, 16);
        EXPECT_EQ(entry.planesOrHotspotX, 13);
        EXPECT_EQ(entry.bitCountOrHotspotY, 5);
        EXPECT_EQ(entry.dibBitCount, 4);
        EXPECT_EQ(entry.dibHeight, 64);
        EXPECT_FALSE(entry.masked(13, 5));
        EXPECT_TRUE(entry.masked(13, 4));
        EXPECT_TRUE(entry.masked(0, 0));

        const Loaded loaded = load(path);
        ASSERT_FALSE(loaded.image.isNull()) << loaded.error;
        EXPECT_EQ(loaded.image.size(), QSize(32, 32));
        EXPECT_EQ(qAlpha(loaded.image.pixel(13, 5)), 255);
        EXPECT_EQ(qAlpha(loaded.image.pixel(0, 0)), 0);
    }
}

TEST(Artwork, EmblemIsOneOpaqueFortyEightPixelPictureInTwentyFourBits)
{
    const QString path = QStringLiteral("about/resources/emblem.ico");
    const IconDirectory emblem = parseIconFile(contentOf(path));
    EXPECT_EQ(emblem.type, 1);
    ASSERT_EQ(emblem.entries.size(), 1u);
    const IconEntry& entry = emblem.entries.front();
    EXPECT_EQ(entry.width, 48);
    EXPECT_EQ(entry.height, 48);
    EXPECT_EQ(entry.bitCountOrHotspotY, 24);
    EXPECT_EQ(entry.dibBitCount, 24);
    // Qt's reader ignores the mask of a 24-bit picture, so the emblem carries its background.
    EXPECT_FALSE(entry.masked(0, 0));

    const Loaded loaded = load(path);
    ASSERT_FALSE(loaded.image.isNull()) << loaded.error;
    EXPECT_EQ(loaded.image.size(), QSize(48, 48));
    EXPECT_EQ(loaded.image.pixel(0, 0), qRgb(212, 208, 200));
}

TEST(Artwork, DesktopIconsComeInEverySize)
{
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const Loaded loaded = load(QStringLiteral("packaging/icons/%1/verbolet.png").arg(size));
        EXPECT_EQ(loaded.format, "png");
        EXPECT_EQ(loaded.image.size(), QSize(size, size));
    }
}

}
