#include "artworkwriter.h"

#include "emblempainter.h"
#include "handcursor.h"
#include "iconfilewriter.h"
#include "programiconpainter.h"
#include "skinpainter.h"
#include "titlebuttonpainter.h"

#include <QFileInfo>

#include <functional>
#include <stdexcept>

namespace {

using Glyph = TitleButtonPainter::Glyph;

struct SkinFile {
    const char* name;
    std::function<QImage()> paint;
};

std::vector<SkinFile> skinFiles()
{
    const SkinPainter skin;
    const TitleButtonPainter buttons;
    return {
        {"grad.skt", [=] { return skin.titleBar(); }},
        {"side.sks", [=] { return skin.side(); }},
        {"bottom.skk", [=] { return skin.bottom(); }},
        {"hup.btn", [=] { return buttons.face(Glyph::Help, false); }},
        {"hdown.btn", [=] { return buttons.face(Glyph::Help, true); }},
        {"iup.btn", [=] { return buttons.face(Glyph::About, false); }},
        {"idown.btn", [=] { return buttons.face(Glyph::About, true); }},
        {"_up.btn", [=] { return buttons.face(Glyph::Minimise, false); }},
        {"_down.btn", [=] { return buttons.face(Glyph::Minimise, true); }},
        {"xup.btn", [=] { return buttons.face(Glyph::Close, false); }},
        {"xdown.btn", [=] { return buttons.face(Glyph::Close, true); }},
        {"buttonidle.btn", [=] { return skin.captionFace(false); }},
        {"buttonpush.btn", [=] { return skin.captionFace(true); }},
    };
}

constexpr int desktopIconSizes[] = {16, 32, 48, 64, 128, 256};

}

ArtworkWriter::ArtworkWriter(const QDir& root)
    : m_root(root)
{
}

void ArtworkWriter::writeAll() const
{
    writeSkin();
    writeProgramIcon();
    writeDesktopIcons();
    writeCursor();
    writeEmblem();
}

void ArtworkWriter::writeSkin() const
{
    // Opaque 24-bit bitmaps: the windows read them by content, whatever their extension.
    for (const SkinFile& file : skinFiles())
        save(file.paint().convertToFormat(QImage::Format_RGB888), QStringLiteral("data/Skins/Default/") + file.name,
             "BMP");
}

void ArtworkWriter::writeProgramIcon() const
{
    const ProgramIconPainter painter;
    IconFileWriter icon(IconFileWriter::Kind::Icon);
    for (const int size : {16, 32}) {
        icon.add(painter.paint(size), 8);
        icon.add(painter.paint(size), 24);
    }
    icon.write(prepare(QStringLiteral("mainwindow/resources/verbolet.ico")));
}

void ArtworkWriter::writeDesktopIcons() const
{
    const ProgramIconPainter painter;
    for (const int size : desktopIconSizes)
        save(painter.paint(size), QStringLiteral("packaging/icons/%1/verbolet.png").arg(size), "PNG");
}

void ArtworkWriter::writeCursor() const
{
    IconFileWriter cursor(IconFileWriter::Kind::Cursor);
    cursor.add(HandCursor().paint(), 4, HandCursor::hotspot);
    cursor.write(prepare(QStringLiteral("mainwindow/resources/hand.cur")));
    cursor.write(prepare(QStringLiteral("data/OpenURL.cur")));
}

void ArtworkWriter::writeEmblem() const
{
    IconFileWriter emblem(IconFileWriter::Kind::Icon);
    emblem.add(EmblemPainter().paint(), 24);
    emblem.write(prepare(QStringLiteral("about/resources/emblem.ico")));
}

QString ArtworkWriter::prepare(const QString& relativePath) const
{
    const QString path = m_root.filePath(relativePath);
    if (!QDir().mkpath(QFileInfo(path).path()))
        throw std::runtime_error(QStringLiteral("%1: cannot create the folder").arg(path).toStdString());
    return path;
}

void ArtworkWriter::save(const QImage& image, const QString& relativePath, const char* format) const
{
    const QString path = prepare(relativePath);
    if (!image.save(path, format))
        throw std::runtime_error(QStringLiteral("%1: cannot write the picture").arg(path).toStdString());
}
