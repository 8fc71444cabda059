// Skin pictures and cursor files. The input is a file's bytes, loaded both as a skin picture
// and as the link cursor. Each load must give a picture within the allowed size (a cursor
// with its hot spot on its image) or throw a FileFault that names the file; anything else,
// a crash, a hang or an allocation beyond libFuzzer's limit, is a fault of the loaders.

#include "controls/cursorfile.h"
#include "controls/picturefile.h"
#include "datafiles/filefault.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char* what, const QString& detail = {})
{
    std::fprintf(stderr, "fuzz_skin_files: %s\n%s\n", what, qUtf8Printable(detail));
    std::abort();
}

const QString& filePath()
{
    static const QTemporaryDir folder;
    static const QString path = folder.filePath(QStringLiteral("xup.btn"));
    return path;
}

bool withinLimit(QSize size)
{
    return size.width() <= MaxPictureSide && size.height() <= MaxPictureSide;
}

template <typename Load>
void loadOrFault(Load load)
{
    try {
        load();
    } catch (const FileFault& fault) {
        if (fault.path() != filePath() || fault.fault().isEmpty() || !fault.message().contains(QStringLiteral("xup.btn")))
            fail("the fault does not name the file and what is wrong", fault.message());
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // QPixmap and QCursor need a GUI application; one for the whole run, never destroyed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_skin_files";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QFile file(filePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        fail("cannot write the file");
    file.close();
    loadOrFault([] {
        if (!withinLimit(LoadPicture(filePath()).size()))
            fail("a picture beyond the allowed size was taken");
    });
    loadOrFault([] {
        const QCursor cursor = LoadCursorFile(filePath());
        if (!withinLimit(cursor.pixmap().size()) || !cursor.pixmap().rect().contains(cursor.hotSpot()))
            fail("a cursor with its hot spot off its image was taken");
    });
    return 0;
}
