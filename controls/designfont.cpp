#include "controls/designfont.h"

#include <QStringList>
#include <QtMath>

namespace {

void registerSubstitutes()
{
    static const bool registered = [] {
        const QStringList sans{"Microsoft Sans Serif", "Liberation Sans", "Arimo", "Nimbus Sans", "Helvetica",
            "DejaVu Sans"};
        QFont::insertSubstitutions("MS Sans Serif", sans);
        QFont::insertSubstitutions("Arial", sans);
        // Papyrus is a rough calligraphic face; a chancery italic comes closest.
        QFont::insertSubstitutions("Papyrus", {"Z003", "URW Chancery L", "TeX Gyre Chorus", "DejaVu Serif"});
        return true;
    }();
    Q_UNUSED(registered);
}

} // namespace

QFont DesignFont(const QString& family, double points, unsigned style)
{
    registerSubstitutes();
    QFont font(family);
    font.setStyleHint(family == QLatin1String("Papyrus") ? QFont::Serif : QFont::SansSerif);
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setBold(style & DesignFonts::Bold);
    font.setItalic(style & DesignFonts::Italic);
    font.setUnderline(style & DesignFonts::Underline);
    return font;
}
