#pragma once

#include "about/aboutwindow.h"
#include "skin/skinnedwindow.h"
#include "tray/systray.h"

#include <QString>

class ccrpProgressBar;
class Image;
class Label;
class Line;
class PictureBox;
class TextBox;
class Timer;

// The main window: the input and output boxes with the Translate and Clear captions, the
// skinned title bar and edges, the clock labels and the link line. Its elements carry their
// design names; its behaviour is one handler per element event.
class Form1 final : public SkinnedWindow {
    Q_OBJECT
public:
    // `programFolder` is the folder of the dictionary and the skin, without a trailing separator.
    Form1(win32::Platform& platform, QString programFolder);

    // Translates the input box's message into the output box.
    void Translate();

    // Notification-area icon: ShowProgramInTray adds it; NoSysIcon(false) hides the window
    // and adds it, NoSysIcon(true) shows the window and removes it.
    void ShowProgramInTray();
    void NoSysIcon(bool maxIcon);
    const SysTray& sysTray() const { return m_sysTray; }
    // The one about window of the run, as the about button opens it.
    AboutWindow& aboutWindow() { return m_aboutWindow; }
    const AboutWindow& aboutWindow() const { return m_aboutWindow; }

    // The window's height in twips as start-up recorded it, as the text of the number, and
    // whether the window stands at that height (it is not rolled up).
    const QString& fullHeight() const { return FullHeight; }
    bool expanded() const { return Expanded; }

    // Opens a path or an address with the shell's default action; always returns 0.
    int Win32Keyword(const QString& URL);

    PictureBox* TrayIcon = nullptr;
    Timer* Timer1 = nullptr;
    ccrpProgressBar* ccrpProgressBar1 = nullptr;
    TextBox* Text2 = nullptr;
    TextBox* Text1 = nullptr;
    Label* LblAdd = nullptr;
    Image* ImgH = nullptr;
    Label* Label1 = nullptr;
    Image* imgI = nullptr;
    Label* lblLink = nullptr;
    Label* lbReady = nullptr;
    Label* LblTime = nullptr;
    Image* img_ = nullptr;
    Label* LblDate = nullptr;
    Image* invdown = nullptr;
    Image* invup = nullptr;
    Label* Label4 = nullptr;
    Line* Line2 = nullptr;
    Line* Line1 = nullptr;
    Label* Label3 = nullptr;
    Label* Label2 = nullptr;
    Image* imgApply = nullptr;
    Image* imgVerify = nullptr;
    Image* imgBottom = nullptr;
    Image* imgRight = nullptr;
    Image* imgLeft = nullptr;
    Image* imgX = nullptr;
    Image* imgTop = nullptr;

protected:
    // Start-up: the notification-area icon, the clock, the date, the height and the skin.
    // Throws FileFault for a missing or unreadable skin file.
    void Form_Load() override;
    // Every activation fades the window in.
    void Form_Activate() override;
    // A close request from the desktop (Alt+F4, the taskbar's Close) ends the program as the
    // close button does.
    void closeEvent(QCloseEvent* event) override;

private:
    void connectHandlers();
    void LoadSkinPictures();

    // Input and output boxes and commands
    void Text1_Click();
    void Text1_KeyPress(int& KeyAscii);
    void Label3_MouseDown(int Button, int Shift, QPoint pos);
    void Label3_MouseUp(int Button, int Shift, QPoint pos);
    void Label3_Click();
    void Label2_MouseDown(int Button, int Shift, QPoint pos);
    void Label2_MouseUp(int Button, int Shift, QPoint pos);
    void Label2_Click();

    // Clock
    void Timer1_Timer();

    // Notification-area icon
    void RemoveProgramFromTray(QWidget* host);
    void TrayIcon_MouseMove(int Button, int Shift, QPoint pos);

    // Title bar and picture buttons
    void imgTop_MouseDown(int Button, int Shift, QPoint pos);
    void Label4_MouseDown(int Button, int Shift, QPoint pos);
    void Label4_DblClick();
    void ImgH_MouseDown(int Button, int Shift, QPoint pos);
    void ImgH_MouseUp(int Button, int Shift, QPoint pos);
    void ImgH_Click();
    void imgI_MouseDown(int Button, int Shift, QPoint pos);
    void imgI_MouseUp(int Button, int Shift, QPoint pos);
    void imgI_Click();
    void img__MouseDown(int Button, int Shift, QPoint pos);
    void img__MouseUp(int Button, int Shift, QPoint pos);
    void img__Click();
    void imgX_MouseDown(int Button, int Shift, QPoint pos);
    void imgX_MouseUp(int Button, int Shift, QPoint pos);
    void imgX_Click();
    void moveWindow();
    void setHeightInTwips(int twips);

    // Web link
    void lblLink_MouseDown(int Button, int Shift, QPoint pos);

    QString FullHeight{};
    bool Expanded = true;
    SysTray m_sysTray{platform()};
    AboutWindow m_aboutWindow{platform(), programFolder(), this};
};
