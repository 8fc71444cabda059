// Draws the program's pictures and writes them into the source tree:
//   verbolet-artwork [--root DIR] [--preview FILE] [--zoom N]
#include "artworkwriter.h"
#include "previewpainter.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    // Text is drawn into images only; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the skin, icons, cursor and emblem of Verbolet."));
    parser.addHelpOption();
    const QCommandLineOption root(QStringLiteral("root"), QStringLiteral("Repository to write into."),
                                  QStringLiteral("dir"), QStringLiteral(VERBOLET_SOURCE_DIR));
    const QCommandLineOption preview(QStringLiteral("preview"),
                                     QStringLiteral("Also write a preview sheet of the pictures to this PNG file."),
                                     QStringLiteral("file"));
    const QCommandLineOption zoom(QStringLiteral("zoom"), QStringLiteral("Enlarge the preview sheet N times."),
                                  QStringLiteral("n"), QStringLiteral("1"));
    parser.addOptions({root, preview, zoom});
    parser.process(application);

    try {
        const QDir rootFolder(parser.value(root));
        ArtworkWriter(rootFolder).writeAll();
        if (parser.isSet(preview)) {
            const int factor = std::max(1, parser.value(zoom).toInt());
            const QImage sheet = PreviewPainter(rootFolder).paint();
            const QString path = parser.value(preview);
            if (!sheet.scaled(sheet.size() * factor).save(path, "PNG"))
                throw std::runtime_error(QStringLiteral("%1: cannot write the preview").arg(path).toStdString());
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "verbolet-artwork: %s\n", error.what());
        return 1;
    }
    return 0;
}
