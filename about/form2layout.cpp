#include "about/form2layout.h"

#include "about/organisation.h"
#include "controls/designfont.h"
#include "controls/systemcolors.h"
#include "mainwindow/form1layout.h"

// Resources of a static library are registered by hand, from the global namespace.
static void registerResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(about);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace {

using namespace SystemColors;
using namespace DesignFonts;

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
    registerResources();
    return QPixmap(QStringLiteral(":/about/emblem.ico"));
}

FormDesign Form2Design()
{
    const QColor windowColor = SystemColor(COLOR_INACTIVECAPTIONTEXT);
    const QColor background = SystemColor(COLOR_BACKGROUND);
    const QColor buttonText = SystemColor(COLOR_BTNTEXT);
    const QColor highlight = SystemColor(COLOR_HIGHLIGHT);

    return FormDesign{
        .caption = "Form2",
        .accessibleName = "About Verbolet",
        .size = {313, 233},
        .backColor = windowColor,
        .font = DesignFont(Sans, Points),
        .icon = {},
        .centerOnScreen = false, // the about window is centred over the main window as it opens
        .elements = {
            {1, "Image1", {232, 168, 48, 48}, ImageDesign{.picture = Emblem()}},
            // Label5's pointer is loaded from OpenURL.cur when the window loads.
            {2, "Label5", {80, 144, 169, 17}, LabelDesign{.caption = Organisation::SupportMail,
                .font = DesignFont("Arial", 9), .foreColor = highlight,
                .access = {"Mail support", QAccessible::Link}}},
            {3, "LblAdd", {32, 192, 97, 17}, LabelDesign{.caption = "Or visit our website:",
                .foreColor = background, .backColor = windowColor}},
            {4, "LblComm", {24, 112, 265, 17}, LabelDesign{
                .caption = "Questions or comments? Click the email address below:", .foreColor = background,
                .backColor = windowColor}},
            {5, "LblPrgInfo", {16, 48, 281, 57}, LabelDesign{.caption = welcomeText(), .foreColor = buttonText,
                .backColor = windowColor}},
            {6, "LblVers", {104, 24, 121, 17}, LabelDesign{.caption = "Verbolet  v1.2.1", .foreColor = background,
                .backColor = windowColor}},
            {7, "invup", {8, 184, 89, 25}, ImageDesign{.visible = false}},
            {8, "invdown", {208, 184, 97, 25}, ImageDesign{.visible = false}},
            {9, "imgTop", {0, 0, 297, 17}, ImageDesign{.stretch = true}},
            {10, "imgX", {296, 0, 17, 17}, ImageDesign{.access = {"Close", QAccessible::Button}}},
            {11, "imgLeft", {0, 16, 5, 201}, ImageDesign{}},
            {12, "imgRight", {307, 16, 5, 201}, ImageDesign{}},
            {13, "imgBottom", {0, 224, 313, 9}, ImageDesign{}},
            {14, "Label4", {0, 0, 297, 17}, LabelDesign{.caption = "         ..:: Verbolet ::..",
                .font = DesignFont(Sans, Points, Bold), .foreColor = buttonText, .alignment = Qt::AlignHCenter}},
            // Layer 15, Fader1, is made with the window.
            {16, "lblLink", {16, 208, 137, 17}, LabelDesign{.caption = Organisation::ShownWebAddress(),
                .font = DesignFont(Sans, Points, Underline), .foreColor = highlight, .backColor = windowColor,
                .cursor = LinkCursor(), .access = {"Web site", QAccessible::Link}}},
        },
        .tabOrder = {},
    };
}
