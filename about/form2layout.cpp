#include "about/form2layout.h"

#include "about/form2.h"
#include "about/organisation.h"
#include "controls/designfont.h"
#include "controls/systemcolors.h"
#include "skin/linkcursor.h"
#include "verbolet_version.h"

namespace {

using namespace SystemColors;
using namespace DesignFonts;

#define ELEMENT(member) ELEMENT_OF(Form2, member)

QString welcomeText()
{
    return QStringLiteral("Welcome and Thank You for using the Verbolet. This program, developed by ")
        + Organisation::Author
        + QStringLiteral(", is designed to help IM users such as yourself, understand the many acronyms used "
                         "while chatting. ");
}

} // namespace

QPixmap Emblem()
{
    return QPixmap(QStringLiteral(":/about/emblem.ico"));
}

WindowDesign Form2Window()
{
    return {
        .name = "Form2",
        .caption = "Form2",
        .accessibleName = "About Verbolet",
        .size = {313, 233},
        .backColor = SystemColor(COLOR_INACTIVECAPTIONTEXT),
        .font = DesignFont(Sans, Points),
        .icon = {},
        .centerOnScreen = false, // the about window is centred over the main window as it opens
    };
}

// Layer 15, Fader1, is the window's fade control, made with the window.
std::vector<ElementRow<Form2>> Form2Elements()
{
    const QColor windowColor = SystemColor(COLOR_INACTIVECAPTIONTEXT);
    const QColor background = SystemColor(COLOR_BACKGROUND);
    const QColor buttonText = SystemColor(COLOR_BTNTEXT);
    const QColor highlight = SystemColor(COLOR_HIGHLIGHT);
    const QString version = QStringLiteral("Verbolet  v") + QLatin1String(Verbolet::Version);

    return {
        Place(1, ELEMENT(Image1), {232, 168, 48, 48}, ImageDesign{.picture = Emblem()}),
        // Label5's pointer is loaded from OpenURL.cur when the window loads.
        Place(2, ELEMENT(Label5), {80, 144, 169, 17}, LabelDesign{.caption = Organisation::SupportMail,
            .font = DesignFont("Arial", 9), .foreColor = highlight, .access = {"Mail support", QAccessible::Link}}),
        Place(3, ELEMENT(LblAdd), {32, 192, 97, 17}, LabelDesign{.caption = "Or visit our website:",
            .foreColor = background, .backColor = windowColor}),
        Place(4, ELEMENT(LblComm), {24, 112, 265, 17}, LabelDesign{
            .caption = "Questions or comments? Click the email address below:", .foreColor = background,
            .backColor = windowColor}),
        Place(5, ELEMENT(LblPrgInfo), {16, 48, 281, 57}, LabelDesign{.caption = welcomeText(),
            .foreColor = buttonText, .backColor = windowColor}),
        Place(6, ELEMENT(LblVers), {104, 24, 121, 17}, LabelDesign{.caption = version, .foreColor = background,
            .backColor = windowColor}),
        Place(7, ELEMENT(invup), {8, 184, 89, 25}, ImageDesign{.visible = false}),
        Place(8, ELEMENT(invdown), {208, 184, 97, 25}, ImageDesign{.visible = false}),
        Place(9, ELEMENT(imgTop), {0, 0, 297, 17}, ImageDesign{.stretch = true}),
        Place(10, ELEMENT(imgX), {296, 0, 17, 17}, ImageDesign{.access = {"Close", QAccessible::Button}}),
        Place(11, ELEMENT(imgLeft), {0, 16, 5, 201}, ImageDesign{}),
        Place(12, ELEMENT(imgRight), {307, 16, 5, 201}, ImageDesign{}),
        Place(13, ELEMENT(imgBottom), {0, 224, 313, 9}, ImageDesign{}),
        Place(14, ELEMENT(Label4), {0, 0, 297, 17}, LabelDesign{.caption = "         ..:: Verbolet ::..",
            .font = DesignFont(Sans, Points, Bold), .foreColor = buttonText, .alignment = Qt::AlignHCenter}),
        Place(16, ELEMENT(lblLink), {16, 208, 137, 17}, LabelDesign{.caption = Organisation::ShownWebAddress(),
            .font = DesignFont(Sans, Points, Underline), .foreColor = highlight, .backColor = windowColor,
            .cursor = LinkCursor(), .access = {"Web site", QAccessible::Link}}),
    };
}
