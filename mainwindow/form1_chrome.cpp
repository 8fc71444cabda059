// The title bar and its four picture buttons: moving the window, rolling it up, and
// help, about, minimise and close.
#include "mainwindow/form1.h"

#include "controls/image.h"
#include "controls/label.h"
#include "mainwindow/twips.h"

#include <QCloseEvent>

namespace {

constexpr int RolledUpHeight = 255; // twips: the title bar alone stays in view
constexpr win32::WPARAM MoveByTheCaption = win32::SC_MOVE | win32::HTCAPTION;

} // namespace

// The system moves the window with the pointer and returns when the button is released.
void Form1::moveWindow()
{
    platform().ReleaseCapture();
    platform().SendMessageA(this, win32::WM_SYSCOMMAND, MoveByTheCaption, 0);
}

void Form1::setHeightInTwips(int twips)
{
    setFixedHeight(twipsToPixels(twips));
}

void Form1::imgTop_MouseDown(int, int, QPoint)
{
    moveWindow();
}

void Form1::Label4_MouseDown(int, int, QPoint)
{
    moveWindow();
}

void Form1::Label4_DblClick()
{
    if (Expanded) {
        setHeightInTwips(RolledUpHeight);
        Expanded = false;
    } else {
        setHeightInTwips(FullHeight.toInt());
        Expanded = true;
    }
}

void Form1::ImgH_MouseDown(int, int, QPoint)
{
    showPressedFace(*ImgH, Skin::HelpButton);
}

void Form1::ImgH_MouseUp(int, int, QPoint)
{
    showReleasedFace(*ImgH, Skin::HelpButton);
}

void Form1::ImgH_Click()
{
    Win32Keyword(programFile(QStringLiteral("\\Read Me.htm")));
}

void Form1::imgI_MouseDown(int, int, QPoint)
{
    showPressedFace(*imgI, Skin::AboutButton);
}

void Form1::imgI_MouseUp(int, int, QPoint)
{
    showReleasedFace(*imgI, Skin::AboutButton);
}

void Form1::imgI_Click()
{
    m_aboutWindow.open();
}

void Form1::img__MouseDown(int, int, QPoint)
{
    showPressedFace(*img_, Skin::MinimiseButton);
}

void Form1::img__MouseUp(int, int, QPoint)
{
    showReleasedFace(*img_, Skin::MinimiseButton);
}

void Form1::img__Click()
{
    setWindowState(Qt::WindowMinimized);
}

void Form1::imgX_MouseDown(int, int, QPoint)
{
    showPressedFace(*imgX, Skin::CloseButton);
}

void Form1::imgX_MouseUp(int, int, QPoint)
{
    showReleasedFace(*imgX, Skin::CloseButton);
}

// The program ends at once: no handler of either window runs after it.
void Form1::imgX_Click()
{
    lbReady->setVisible(false);
    Fader1->FadeOut();
    NoSysIcon(true);
    platform().ExitProcess(0);
}

void Form1::closeEvent(QCloseEvent* event)
{
    event->ignore();
    imgX_Click();
}
