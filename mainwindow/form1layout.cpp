#include "mainwindow/form1layout.h"

#include "about/organisation.h"
#include "controls/designfont.h"
#include "controls/systemcolors.h"
#include "mainwindow/ccrpprogressbar.h"
#include "mainwindow/form1.h"
#include "skin/linkcursor.h"

#include <QImageReader>

namespace {

using namespace SystemColors;
using namespace DesignFonts;

#define ELEMENT(member) ELEMENT_OF(Form1, member)

// The 256-colour entries of the program icon file: 16 and 32 pixels.
constexpr int ProgramIconEntry16 = 0;
constexpr int ProgramIconEntry32 = 2;

} // namespace

// The file holds each size twice, in 256 colours and in 24-bit colour. Qt's reader drops the
// transparency mask of 24-bit entries, which would give the icon black corners, so the icon is
// made of the 256-colour entries, whose masks it keeps.
QIcon ProgramIcon()
{
    QImageReader reader(QStringLiteral(":/mainwindow/verbolet.ico"));
    QIcon icon;
    for (const int entry : {ProgramIconEntry16, ProgramIconEntry32}) {
        reader.jumpToImage(entry);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

WindowDesign Form1Window()
{
    return {
        .name = "Form1",
        .caption = "..::Verbolet::..",
        .accessibleName = "Verbolet",
        .size = {313, 225},
        .backColor = SystemColor(COLOR_INACTIVECAPTIONTEXT),
        .font = DesignFont(Sans, Points),
        .icon = ProgramIcon(),
        .centerOnScreen = true,
    };
}

// Layer 12, Fader1, is the window's fade control, made with the window.
std::vector<ElementRow<Form1>> Form1Elements()
{
    const QColor windowColor = SystemColor(COLOR_INACTIVECAPTIONTEXT);
    const QColor background = SystemColor(COLOR_BACKGROUND);
    const QColor buttonText = SystemColor(COLOR_BTNTEXT);
    const QColor windowText = SystemColor(COLOR_WINDOWTEXT);
    const QFont windowFont = DesignFont(Sans, Points);
    const auto progressBar = [=](QWidget* window) { return new ccrpProgressBar(window, windowColor, windowFont); };

    return {
        Place(1, ELEMENT(TrayIcon), {32, 16, 20, 20}, PictureBoxDesign{ProgramIcon()}, 7),
        Place(2, ELEMENT(Timer1), {}, TimerDesign{.interval = 0}),
        Place(3, ELEMENT(ccrpProgressBar1), {16, 184, 281, 9}, CustomDesign{progressBar}),
        Place(4, ELEMENT(Text2), {8, 128, 297, 49}, TextBoxDesign{.text = "", .backColor = windowColor,
            .foreColor = windowText, .enabled = false, .access = {"Translation"}}, 4),
        Place(5, ELEMENT(Text1), {8, 40, 297, 57}, TextBoxDesign{.text = "Enter Text Here...",
            .backColor = SystemColor(COLOR_BTNHIGHLIGHT), .foreColor = windowText, .access = {"Message"}}, 3),
        Place(6, ELEMENT(LblAdd), {48, 195, 89, 17}, LabelDesign{.caption = "Visit our website:",
            .foreColor = background, .backColor = windowColor}, 11),
        Place(7, ELEMENT(ImgH), {248, 0, 17, 17}, ImageDesign{.access = {"Help", QAccessible::Button}}),
        Place(8, ELEMENT(Label1), {112, 21, 89, 17}, LabelDesign{.caption = Organisation::Name,
            .font = DesignFont("Papyrus", Points, Bold | Italic), .foreColor = background,
            .backColor = windowColor}, 10),
        Place(9, ELEMENT(imgI), {264, 0, 17, 17}, ImageDesign{.access = {"About", QAccessible::Button}}),
        Place(10, ELEMENT(lblLink), {136, 195, 137, 17}, LabelDesign{.caption = Organisation::ShownWebAddress(),
            .font = DesignFont(Sans, Points, Underline), .foreColor = background, .backColor = windowColor,
            .cursor = LinkCursor(), .access = {"Web site", QAccessible::Link}}, 9),
        Place(11, ELEMENT(lbReady), {184, 24, 47, 15}, LabelDesign{.caption = " Ready ",
            .font = DesignFont(Sans, Points, Bold), .foreColor = buttonText, .backColor = QColor(128, 255, 128),
            .alignment = Qt::AlignHCenter, .visible = false}, 8),
        Place(13, ELEMENT(LblTime), {240, 24, 65, 17}, LabelDesign{.caption = "Time", .foreColor = background,
            .backColor = windowColor}, 6),
        Place(14, ELEMENT(img_), {280, 0, 17, 17}, ImageDesign{.access = {"Minimise", QAccessible::Button}}),
        Place(15, ELEMENT(LblDate), {8, 24, 65, 17}, LabelDesign{.caption = "Date", .foreColor = background,
            .backColor = windowColor}, 5),
        Place(16, ELEMENT(invdown), {208, 96, 97, 25}, ImageDesign{.visible = false}),
        Place(17, ELEMENT(invup), {8, 96, 89, 25}, ImageDesign{.visible = false}),
        Place(18, ELEMENT(Label4), {32, 0, 217, 17}, LabelDesign{.caption = "         ..:: Verbolet ::..",
            .font = DesignFont(Sans, Points, Bold), .foreColor = buttonText, .alignment = Qt::AlignHCenter}, 2),
        Place(19, ELEMENT(Line2), {}, LineDesign{{312, 16, 312, 0}, windowText}),
        Place(20, ELEMENT(Line1), {}, LineDesign{{0, 16, 0, 0}, windowText}),
        Place(21, ELEMENT(Label3), {72, 104, 73, 17}, LabelDesign{.caption = "&Translate", .foreColor = buttonText,
            .alignment = Qt::AlignHCenter, .access = {"Translate", QAccessible::Button}}, 1),
        Place(22, ELEMENT(Label2), {168, 104, 73, 17}, LabelDesign{.caption = "&Clear", .foreColor = buttonText,
            .alignment = Qt::AlignHCenter, .access = {"Clear", QAccessible::Button}}, 0),
        Place(23, ELEMENT(imgApply), {72, 104, 73, 17}, ImageDesign{}),
        Place(24, ELEMENT(imgVerify), {168, 104, 73, 17}, ImageDesign{}),
        Place(25, ELEMENT(imgBottom), {0, 216, 313, 9}, ImageDesign{}),
        Place(26, ELEMENT(imgRight), {307, 16, 5, 209}, ImageDesign{}),
        Place(27, ELEMENT(imgLeft), {0, 16, 5, 209}, ImageDesign{}),
        Place(28, ELEMENT(imgX), {296, 0, 17, 17}, ImageDesign{.access = {"Close", QAccessible::Button}}),
        Place(29, ELEMENT(imgTop), {-24, 0, 273, 17}, ImageDesign{.stretch = true}),
    };
}
