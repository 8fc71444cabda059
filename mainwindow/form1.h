#pragma once

#include "about/aboutwindow.h"
#include "controls/form.h"
#include "controls/image.h"
#include "controls/label.h"
#include "controls/line.h"
#include "controls/picturebox.h"
#include "controls/picturebuttonfaces.h"
#include "controls/textbox.h"
#include "controls/timer.h"
#include "fader/fader.h"
#include "mainwindow/ccrpprogressbar.h"
#include "platform/win32.h"

#include <QString>

// The main window: the input and output boxes with the Translate and Clear
// captions, the skinned title bar and edges, the clock labels and the link line.
// Its elements carry their design names; its behaviour is one handler per element
// event.
class Form1 final : public Form {
    Q_OBJECT
public:
    // `programFolder` is the folder of the dictionary and the skin, without a
    // trailing separator.
    Form1(win32::Platform& platform, QString programFolder);

    // Translates the input box's message into the output box.
    void Translate();

    // Notification-area icon: ShowProgramInTray adds it; NoSysIcon(false) hides the
    // window and adds it, NoSysIcon(true) shows the window and removes it.
    void ShowProgramInTray();
    void NoSysIcon(bool maxIcon);

    // The window's height in twips as start-up recorded it, as the text of the number,
    // and whether the window stands at that height (it is not rolled up).
    const QString& fullHeight() const { return FullHeight; }
    bool expanded() const { return Expanded; }

    // Opens a path or an address with the shell's default action; always returns 0.
    int Win32Keyword(const QString& URL);

    PictureBox* const TrayIcon = element<PictureBox>("TrayIcon");
    Timer* const Timer1 = element<Timer>("Timer1");
    ccrpProgressBar* const ccrpProgressBar1 = element<ccrpProgressBar>("ccrpProgressBar1");
    TextBox* const Text2 = element<TextBox>("Text2");
    TextBox* const Text1 = element<TextBox>("Text1");
    Label* const LblAdd = element<Label>("LblAdd");
    Image* const ImgH = element<Image>("ImgH");
    Label* const Label1 = element<Label>("Label1");
    Image* const imgI = element<Image>("imgI");
    Label* const lblLink = element<Label>("lblLink");
    Label* const lbReady = element<Label>("lbReady");
    Fader* const Fader1;
    Label* const LblTime = element<Label>("LblTime");
    Image* const img_ = element<Image>("img_");
    Label* const LblDate = element<Label>("LblDate");
    Image* const invdown = element<Image>("invdown");
    Image* const invup = element<Image>("invup");
    Label* const Label4 = element<Label>("Label4");
    Line* const Line2 = element<Line>("Line2");
    Line* const Line1 = element<Line>("Line1");
    Label* const Label3 = element<Label>("Label3");
    Label* const Label2 = element<Label>("Label2");
    Image* const imgApply = element<Image>("imgApply");
    Image* const imgVerify = element<Image>("imgVerify");
    Image* const imgBottom = element<Image>("imgBottom");
    Image* const imgRight = element<Image>("imgRight");
    Image* const imgLeft = element<Image>("imgLeft");
    Image* const imgX = element<Image>("imgX");
    Image* const imgTop = element<Image>("imgTop");

protected:
    // Start-up: the notification-area icon, the clock, the date, the height and the
    // skin. Throws FileFault for a missing or unreadable skin file.
    void Form_Load() override;
    // Every activation fades the window in.
    void Form_Activate() override;

private:
    void connectHandlers();
    QString skinFile(const QString& name) const;
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
    void showPressedFace(Image& button);
    void showReleasedFace(Image& button);

    // Web link
    void lblLink_MouseDown(int Button, int Shift, QPoint pos);

    win32::Platform& m_platform;
    QString m_programFolder;
    QString FullHeight;
    bool Expanded = true;
    PictureButtonFaces m_faces{m_platform};
    AboutWindow m_aboutWindow{m_platform, m_programFolder, this};
};
