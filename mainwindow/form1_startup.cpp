// Start-up with the loading of the skin, the activation fade, and the clock.
#include "mainwindow/form1.h"

#include "controls/image.h"
#include "controls/label.h"
#include "controls/picturebox.h"
#include "controls/timer.h"
#include "mainwindow/clocktext.h"
#include "mainwindow/twips.h"

#include <QDate>
#include <QTime>

namespace {

constexpr int BelowTheWindow = 1000; // twips between the window's bottom and TrayIcon
constexpr int FirstTick = 1;         // milliseconds

// The clock ticks when the second changes, not every millisecond: the caption shows
// seconds, and a resident window should not wake the processor a thousand times a second.
int millisecondsToNextSecond(QTime now)
{
    return 1000 - now.msec();
}

} // namespace

void Form1::Form_Load()
{
    TrayIcon->move(TrayIcon->x(), twipsToPixels(pixelsToTwips(height()) + BelowTheWindow));
    NoSysIcon(false);
    show();
    // Shown, the window starts transparent and fades in when it becomes active. Windows
    // activates a window it shows; window managers need not, so the window asks.
    activateWindow();
    Timer1->setInterval(FirstTick);
    LblDate->setCaption(ClockText::date(QDate::currentDate()));
    FullHeight = QString::number(pixelsToTwips(height()));
    LoadSkinPictures();
}

void Form1::LoadSkinPictures()
{
    loadSkin({
        {img_, Skin::MinimiseButton.released},
        {imgTop, Skin::TitleBar},
        {imgVerify, Skin::CaptionFace.released},
        {imgApply, Skin::CaptionFace.released},
        {imgLeft, Skin::Side},
        {imgRight, Skin::Side},
        {imgX, Skin::CloseButton.released},
        {imgBottom, Skin::Bottom},
        {imgI, Skin::AboutButton.released},
        {ImgH, Skin::HelpButton.released},
        {invup, Skin::CaptionFace.released},
        {invdown, Skin::CaptionFace.pressed},
    });
}

void Form1::Form_Activate()
{
    lbReady->setVisible(false);
    Fader1->FadeIn();
}

void Form1::Timer1_Timer()
{
    const QTime now = QTime::currentTime();
    const QString time = ClockText::time(now);
    if (LblTime->caption() != time)
        LblTime->setCaption(time);
    Timer1->setInterval(millisecondsToNextSecond(now));
}
