#include "controls/picturefile.h"
#include "datafiles/filefault.h"
#include "tempfolder.h"
#include "testpicture.h"

#include <QtEndian>
#include <gtest/gtest.h>

#include <functional>

// Missing, unreadable, empty, cut, oversized and foreign files of every kind are tests/faults' rows.
namespace {

QString faultOf(const std::function<void()>& load)
{
    try {
        load();
    } catch (const FileFault& fault) {
        return fault.fault();
    }
    return QStringLiteral("(no fault)");
}

// An 8 × 4 picture, two colours, as a GIF (Qt reads GIF but cannot write it).
const QByteArray Gif = QByteArray::fromHex("474946383961080004" "00f00000ff000000" "00ff21f904000000" "00002c0000000008"
                                           "0004000002068" "48f10c96d05003b");

// Every format refuses a picture cut short, also where the decoder would show what it got without
// a word (GIF, BMP: the rest blank) or with only a warning (JPEG).
TEST(LoadPicture, APictureCutShortOrTooLargeIsRefusedInEveryFormat)
{
    TempFolder folder;
    QByteArray wide = encodedPicture({1, 1}, Qt::darkBlue, "BMP");
    qToLittleEndian<qint32>(5000, wide.data() + 18);
    // kept: the bytes left of the file; fault empty: it loads.
    const struct { const char* format; QByteArray bytes; qsizetype kept; QString fault; } cases[] = {
        {"BMP", encodedPicture({40, 30}, Qt::darkBlue, "BMP"), 2000, "is a damaged picture"},
        {"PNG", encodedPicture({40, 30}, Qt::darkBlue, "PNG"), 60, "is a damaged picture"},
        {"JPEG", encodedPicture({160, 120}, Qt::darkBlue, "JPEG"), 700, "is a damaged picture: corrupt JPEG data"},
        {"GIF", Gif, 42, "is a damaged picture: the file ends before its picture does"}, // inside its pixels
        {"GIF", Gif, 46, {}}, // only its trailer missing
        {"GIF", Gif, Gif.size(), {}},
        {"BMP", wide, wide.size(), "claims a picture of 5000 × 1 pixels"}, // only its header claims it
    };
    for (const auto& c : cases) {
        const QString path = folder.write("face.btn", c.bytes.first(std::min(c.kept, c.bytes.size())));
        const QString fault = faultOf([&] { LoadPicture(path); });
        EXPECT_TRUE(fault.startsWith(c.fault.isEmpty() ? QStringLiteral("(no fault)") : c.fault))
            << c.format << " of " << c.kept << " bytes: " << fault.toStdString();
    }
}

} // namespace
