#include "mainwindow/form1layout.h"

#include "about/organisation.h"
#include "controls/cursorfile.h"
#include "controls/designfont.h"
#include "controls/systemcolors.h"
#include "mainwindow/ccrpprogressbar.h"

#include <QImageReader>

// Resources of a static library are registered by hand, from the global namespace.
static void registerResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(mainwindow);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace {

using namespace SystemColors;
using namespace DesignFonts;

// The 256-colour entries of the program icon file: 16 and 32 pixels.
constexpr int ProgramIconEntry16 = 0;
constexpr int ProgramIconEntry32 = 2;

QColor rgb(int red, int green, int blue)
{
    return QColor(red, green, blue);
}

} // namespace

// The file holds each size twice, in 256 colours and in 24-bit colour. Qt's reader
// drops the transparency mask of 24-bit entries, which would give the icon black
// corners, so the icon is made of the 256-colour entries, whose masks it keeps.
QIcon ProgramIcon()
{
    registerResources();
    QImageReader reader(QStringLiteral(":/mainwindow/verbolet.ico"));
    QIcon icon;
    for (const int entry : {ProgramIconEntry16, ProgramIconEntry32}) {
        reader.jumpToImage(entry);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

QCursor LinkCursor()
{
    registerResources();
    return LoadCursorFile(QStringLiteral(":/mainwindow/hand.cur"));
}

FormDesign Form1Design()
{
    const QColor windowColor = SystemColor(COLOR_INACTIVECAPTIONTEXT);
    const QColor background = SystemColor(COLOR_BACKGROUND);
    const QColor buttonText = SystemColor(COLOR_BTNTEXT);
    const QColor windowText = SystemColor(COLOR_WINDOWTEXT);
    const QFont windowFont = DesignFont(Sans, Points);
    const auto progressBar = [=](QWidget* window) { return new ccrpProgressBar(window, windowColor, windowFont); };

    return FormDesign{
        .caption = "..::Verbolet::..",
        .accessibleName = "Verbolet",
        .size = {313, 225},
        .backColor = windowColor,
        .font = windowFont,
        .icon = ProgramIcon(),
        .centerOnScreen = true,
        .elements = {
            {1, "TrayIcon", {32, 16, 20, 20}, PictureBoxDesign{ProgramIcon()}},
            {2, "Timer1", {}, TimerDesign{.interval = 0}},
            {3, "ccrpProgressBar1", {16, 184, 281, 9}, CustomDesign{progressBar}},
            {4, "Text2", {8, 128, 297, 49}, TextBoxDesign{.text = "", .backColor = windowColor,
                .foreColor = windowText, .enabled = false, .access = {"Translation"}}},
            {5, "Text1", {8, 40, 297, 57}, TextBoxDesign{.text = "Enter Text Here...",
                .backColor = SystemColor(COLOR_BTNHIGHLIGHT), .foreColor = windowText, .access = {"Message"}}},
            {6, "LblAdd", {48, 195, 89, 17}, LabelDesign{.caption = "Visit our website:",
                .foreColor = background, .backColor = windowColor}},
            {7, "ImgH", {248, 0, 17, 17}, ImageDesign{.access = {"Help", QAccessible::Button}}},
            {8, "Label1", {112, 21, 89, 17}, LabelDesign{.caption = Organisation::Name,
                .font = DesignFont("Papyrus", Points, Bold | Italic), .foreColor = background,
                .backColor = windowColor}},
            {9, "imgI", {264, 0, 17, 17}, ImageDesign{.access = {"About", QAccessible::Button}}},
            {10, "lblLink", {136, 195, 137, 17}, LabelDesign{.caption = Organisation::ShownWebAddress(),
                .font = DesignFont(Sans, Points, Underline), .foreColor = background,
                .backColor = windowColor, .cursor = LinkCursor(), .access = {"Web site", QAccessible::Link}}},
            {11, "lbReady", {184, 24, 47, 15}, LabelDesign{.caption = " Ready ",
                .font = DesignFont(Sans, Points, Bold), .foreColor = buttonText,
                .backColor = rgb(128, 255, 128), .alignment = Qt::AlignHCenter, .visible = false}},
            // Layer 12, Fader1, is made with the window's start-up.
            {13, "LblTime", {240, 24, 65, 17}, LabelDesign{.caption = "Time", .foreColor = background,
                .backColor = windowColor}},
            {14, "img_", {280, 0, 17, 17}, ImageDesign{.access = {"Minimise", QAccessible::Button}}},
            {15, "LblDate", {8, 24, 65, 17}, LabelDesign{.caption = "Date", .foreColor = background,
                .backColor = windowColor}},
            {16, "invdown", {208, 96, 97, 25}, ImageDesign{.visible = false}},
            {17, "invup", {8, 96, 89, 25}, ImageDesign{.visible = false}},
            {18, "Label4", {32, 0, 217, 17}, LabelDesign{.caption = "         ..:: Verbolet ::..",
                .font = DesignFont(Sans, Points, Bold), .foreColor = buttonText, .alignment = Qt::AlignHCenter}},
            {19, "Line2", {}, LineDesign{{312, 16, 312, 0}, windowText}},
            {20, "Line1", {}, LineDesign{{0, 16, 0, 0}, windowText}},
            {21, "Label3", {72, 104, 73, 17}, LabelDesign{.caption = "&Translate", .foreColor = buttonText,
                .alignment = Qt::AlignHCenter, .access = {"Translate", QAccessible::Button}}},
            {22, "Label2", {168, 104, 73, 17}, LabelDesign{.caption = "&Clear", .foreColor = buttonText,
                .alignment = Qt::AlignHCenter, .access = {"Clear", QAccessible::Button}}},
            {23, "imgApply", {72, 104, 73, 17}, ImageDesign{}},
            {24, "imgVerify", {168, 104, 73, 17}, ImageDesign{}},
            {25, "imgBottom", {0, 216, 313, 9}, ImageDesign{}},
            {26, "imgRight", {307, 16, 5, 209}, ImageDesign{}},
            {27, "imgLeft", {0, 16, 5, 209}, ImageDesign{}},
            {28, "imgX", {296, 0, 17, 17}, ImageDesign{.access = {"Close", QAccessible::Button}}},
            {29, "imgTop", {-24, 0, 273, 17}, ImageDesign{.stretch = true}},
        },
        .tabOrder = {"Label2", "Label3", "Label4", "Text1", "Text2", "LblDate", "LblTime", "TrayIcon", "lbReady",
            "lblLink", "Label1", "LblAdd"},
    };
}
