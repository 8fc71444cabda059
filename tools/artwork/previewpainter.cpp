#include "previewpainter.h"

#include "theme.h"

#include "verbolet_version.h"

#include <QFont>
#include <QImageReader>

#include <stdexcept>

namespace {

constexpr QPoint mainWindowAt{10, 10};
constexpr QPoint aboutWindowAt{343, 10};
constexpr QPoint buttonFacesAt{10, 258};
constexpr QPoint iconsAt{10, 330};
constexpr QSize sheetSize{666, 470};

QFont uiFont(bool bold = false)
{
    // Narrower than the real system font would be otherwise, so the labels wrap as they will.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setStretch(QFont::Condensed);
    font.setBold(bold);
    return font;
}

struct Label {
    QRect box;
    QString text;
    QFont font;
    QColor colour;
    bool opaque = true;
    int alignment = Qt::AlignLeft | Qt::AlignTop;
};

void paintLabel(QPainter& painter, const Label& label)
{
    if (label.opaque)
        painter.fillRect(label.box, Theme::window);
    painter.setFont(label.font);
    painter.setPen(label.colour);
    painter.drawText(label.box, label.alignment | Qt::TextWordWrap, label.text);
}

void paintTextBox(QPainter& painter, const QRect& box, const QColor& background, const QString& text)
{
    painter.fillRect(box, background);
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(box.topLeft(), box.topRight());
    painter.drawLine(box.topLeft(), box.bottomLeft());
    painter.setPen(Qt::white);
    painter.drawLine(box.bottomLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomRight());
    painter.setFont(uiFont());
    painter.setPen(Qt::black);
    painter.drawText(box.adjusted(4, 3, -4, -3), Qt::AlignLeft | Qt::AlignTop, text);
}

void paintEnlarged(QPainter& painter, const QPoint& at, const QImage& image, int factor)
{
    painter.drawImage(QRect(at, image.size() * factor), image);
}

QFont underlined(QFont font)
{
    font.setUnderline(true);
    return font;
}

}

PreviewPainter::PreviewPainter(const QDir& root)
    : m_root(root)
{
}

QImage PreviewPainter::paint() const
{
    QImage sheet(sheetSize, QImage::Format_ARGB32);
    sheet.fill(QColor(120, 120, 120));
    QPainter painter(&sheet);
    paintMainWindow(painter);
    paintAboutWindow(painter);
    paintButtonFaces(painter);
    paintIcons(painter);
    return sheet;
}

QImage PreviewPainter::skin(const QString& name) const
{
    return load(QStringLiteral("data/Skins/Default/") + name);
}

QImage PreviewPainter::load(const QString& relativePath, int imageNumber) const
{
    QImageReader reader(m_root.filePath(relativePath));
    reader.setDecideFormatFromContent(true);
    reader.jumpToImage(imageNumber);
    QImage image = reader.read();
    if (image.isNull())
        throw std::runtime_error(QStringLiteral("%1: %2").arg(reader.fileName(), reader.errorString()).toStdString());
    return image;
}

void PreviewPainter::paintMainWindow(QPainter& painter) const
{
    painter.save();
    painter.translate(mainWindowAt);
    painter.setClipRect(QRect(0, 0, 313, 225));
    painter.fillRect(QRect(0, 0, 313, 225), Theme::window);
    painter.drawImage(QRect(-24, 0, 273, 17), skin(QStringLiteral("grad.skt")));
    painter.drawImage(296, 0, skin(QStringLiteral("xup.btn")));
    painter.drawImage(0, 16, skin(QStringLiteral("side.sks")));
    painter.drawImage(307, 16, skin(QStringLiteral("side.sks")));
    painter.drawImage(0, 216, skin(QStringLiteral("bottom.skk")));
    painter.drawImage(168, 104, skin(QStringLiteral("buttonidle.btn")));
    painter.drawImage(72, 104, skin(QStringLiteral("buttonpush.btn")));
    paintLabel(painter, {{168, 104, 73, 17}, QStringLiteral("Clear"), uiFont(), Qt::black, false, Qt::AlignCenter});
    paintLabel(painter, {{72, 104, 73, 17}, QStringLiteral("Translate"), uiFont(), Qt::black, false, Qt::AlignCenter});
    painter.setPen(Qt::black);
    painter.drawLine(0, 0, 0, 16);
    painter.drawLine(312, 0, 312, 16);
    paintLabel(painter, {{32, 0, 217, 17}, QStringLiteral("         ..:: Verbolet ::.."), uiFont(true), Qt::black,
                         false, Qt::AlignHCenter | Qt::AlignTop});
    paintLabel(painter, {{8, 24, 65, 17}, QStringLiteral("6 Dec 2026"), uiFont(), Theme::steel});
    paintLabel(painter, {{240, 24, 65, 17}, QStringLiteral("20:31:50"), uiFont(), Theme::steel});
    painter.drawImage(280, 0, skin(QStringLiteral("_up.btn")));
    paintLabel(painter, {{136, 195, 137, 17}, QStringLiteral("https://verbolet.example.org/"), underlined(uiFont()),
                         Theme::steel});
    painter.drawImage(264, 0, skin(QStringLiteral("idown.btn")));
    QFont papyrus(QStringLiteral("URW Bookman"));
    papyrus.setPixelSize(11);
    papyrus.setBold(true);
    papyrus.setItalic(true);
    paintLabel(painter, {{112, 21, 89, 17}, QStringLiteral("Verbolet Project"), papyrus, Theme::steel});
    painter.drawImage(248, 0, skin(QStringLiteral("hup.btn")));
    paintLabel(painter, {{48, 195, 89, 17}, QStringLiteral("Visit our website:"), uiFont(), Theme::steel});
    paintTextBox(painter, QRect(8, 40, 297, 57), Qt::white, QStringLiteral("brb lol"));
    paintTextBox(painter, QRect(8, 128, 297, 49), Theme::window, QStringLiteral("be right back laughing out loud"));
    painter.fillRect(QRect(16, 184, 281, 9), Theme::window);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(QRect(16, 184, 280, 8));
    painter.restore();
}

void PreviewPainter::paintAboutWindow(QPainter& painter) const
{
    painter.save();
    painter.translate(aboutWindowAt);
    painter.setClipRect(QRect(0, 0, 313, 233));
    painter.fillRect(QRect(0, 0, 313, 233), Theme::window);
    paintLabel(painter, {{16, 208, 137, 17}, QStringLiteral("https://verbolet.example.org/"), underlined(uiFont()),
                         Theme::navy});
    painter.drawImage(0, 224, skin(QStringLiteral("bottom.skk")));
    painter.drawImage(307, 16, skin(QStringLiteral("side.sks")));
    painter.drawImage(0, 16, skin(QStringLiteral("side.sks")));
    painter.drawImage(296, 0, skin(QStringLiteral("xup.btn")));
    painter.drawImage(QRect(0, 0, 297, 17), skin(QStringLiteral("grad.skt")));
    paintLabel(painter, {{104, 24, 121, 17}, QStringLiteral("Verbolet  v") + QLatin1String(Verbolet::Version), uiFont(), Theme::steel});
    paintLabel(painter, {{16, 48, 281, 57},
                         QStringLiteral("Welcome and Thank You for using the Verbolet. This program, developed by the "
                                        "Verbolet Project, is designed to help IM users such as yourself, understand "
                                        "the many acronyms used while chatting. "),
                         uiFont(), Qt::black});
    paintLabel(painter, {{24, 112, 265, 17}, QStringLiteral("Questions or comments? Click the email address below:"),
                         uiFont(), Theme::steel});
    paintLabel(painter, {{32, 192, 97, 17}, QStringLiteral("Or visit our website:"), uiFont(), Theme::steel});
    QFont arial(QStringLiteral("Nimbus Sans"));
    arial.setPixelSize(12);
    paintLabel(painter, {{80, 144, 169, 17}, QStringLiteral("support@verbolet.example.org"), arial, Theme::navy, false});
    painter.drawImage(232, 168, load(QStringLiteral("about/resources/emblem.ico")));
    painter.restore();
}

void PreviewPainter::paintButtonFaces(QPainter& painter) const
{
    const QStringList faces{"hup.btn", "hdown.btn", "iup.btn", "idown.btn", "_up.btn", "_down.btn", "xup.btn",
                            "xdown.btn"};
    QPoint at = buttonFacesAt;
    for (const QString& face : faces) {
        paintEnlarged(painter, at, skin(face), 3);
        at.rx() += 55;
    }
    paintEnlarged(painter, at, skin(QStringLiteral("buttonidle.btn")), 2);
    paintEnlarged(painter, at + QPoint(0, 36), skin(QStringLiteral("buttonpush.btn")), 2);
}

void PreviewPainter::paintIcons(QPainter& painter) const
{
    QPoint at = iconsAt;
    for (int number = 0; number < 4; ++number) {
        const QImage icon = load(QStringLiteral("mainwindow/resources/verbolet.ico"), number);
        painter.fillRect(QRect(at, icon.size() * 3), Theme::window);
        paintEnlarged(painter, at, icon, 3);
        at.rx() += icon.width() * 3 + 8;
    }
    const QImage cursor = load(QStringLiteral("data/OpenURL.cur"));
    painter.fillRect(QRect(at, cursor.size() * 3), QColor(90, 140, 90));
    paintEnlarged(painter, at, cursor, 3);
    painter.fillRect(QRect(at + QPoint(13 * 3, 5 * 3), QSize(3, 3)), Qt::red);
    at.rx() += cursor.width() * 3 + 8;
    const QImage emblem = load(QStringLiteral("about/resources/emblem.ico"));
    painter.fillRect(QRect(at, emblem.size() * 2), Theme::window);
    paintEnlarged(painter, at, emblem, 2);
    at.rx() += emblem.width() * 2 + 8;
    painter.drawImage(at, load(QStringLiteral("packaging/icons/128/verbolet.png")));
}
