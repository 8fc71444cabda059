// The title bar and its four picture buttons: moving the window, rolling it up, and
// help, about, minimise and close.
#include "mainwindow/form1.h"

#include "mainwindow/twips.h"
#include "platform/programfolder.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace {

constexpr int RolledUpHeight = 255; // twips: the title bar alone stays in view
constexpr win32::WPARAM MoveByTheCaption = win32::SC_MOVE | win32::HTCAPTION;

// The face files of the picture buttons, by the buttons' design names.
struct FaceFiles {
    const char* button;
    const char* released;
    const char* pressed;
};

constexpr FaceFiles PictureButtons[] = {
    {"ImgH", "hup.btn", "hdown.btn"},
    {"imgI", "iup.btn", "idown.btn"},
    {"img_", "_up.btn", "_down.btn"},
    {"imgX", "xup.btn", "xdown.btn"},
};

const FaceFiles& faceFilesOf(const Image& button)
{
    const auto found = std::find_if(std::begin(PictureButtons), std::end(PictureButtons),
        [&](const FaceFiles& files) { return button.objectName() == QLatin1String(files.button); });
    if (found == std::end(PictureButtons))
        throw std::logic_error("no face files for " + button.objectName().toStdString());
    return *found;
}

} // namespace

// The system moves the window with the pointer and returns when the button is released.
void Form1::moveWindow()
{
    m_platform.ReleaseCapture();
    m_platform.SendMessageA(hwnd(), win32::WM_SYSCOMMAND, MoveByTheCaption, 0);
}

void Form1::setHeightInTwips(int twips)
{
    setFixedHeight(twipsToPixels(twips));
}

// Faces are read from disk at every press and release; a face that cannot be read
// is reported once and the button keeps the face it shows.
void Form1::showPressedFace(Image& button)
{
    m_faces.load(button, skinFile(faceFilesOf(button).pressed));
}

void Form1::showReleasedFace(Image& button)
{
    m_faces.load(button, skinFile(faceFilesOf(button).released));
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
    showPressedFace(*ImgH);
}

void Form1::ImgH_MouseUp(int, int, QPoint)
{
    showReleasedFace(*ImgH);
}

void Form1::ImgH_Click()
{
    Win32Keyword(ProgramFolder::join(m_programFolder, QStringLiteral("\\Read Me.htm")));
}

void Form1::imgI_MouseDown(int, int, QPoint)
{
    showPressedFace(*imgI);
}

void Form1::imgI_MouseUp(int, int, QPoint)
{
    showReleasedFace(*imgI);
}

void Form1::imgI_Click()
{
    m_aboutWindow.open();
}

void Form1::img__MouseDown(int, int, QPoint)
{
    showPressedFace(*img_);
}

void Form1::img__MouseUp(int, int, QPoint)
{
    showReleasedFace(*img_);
}

void Form1::img__Click()
{
    setWindowState(Qt::WindowMinimized);
}

void Form1::imgX_MouseDown(int, int, QPoint)
{
    showPressedFace(*imgX);
}

void Form1::imgX_MouseUp(int, int, QPoint)
{
    showReleasedFace(*imgX);
}

// The program ends at once: no handler of either window runs after it.
void Form1::imgX_Click()
{
    lbReady->setVisible(false);
    Fader1->FadeOut();
    NoSysIcon(true);
    m_platform.ExitProcess(0);
}
