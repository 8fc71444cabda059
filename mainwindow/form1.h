#pragma once

#include "controls/form.h"
#include "controls/image.h"
#include "controls/label.h"
#include "controls/line.h"
#include "controls/picturebox.h"
#include "controls/textbox.h"
#include "controls/timer.h"
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

    // Loads the twelve skin pictures of the main window, in the order of start-up.
    // Throws FileFault for a missing or unreadable skin file.
    void LoadSkinPictures();

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

private:
    void connectHandlers();
    QString skinFile(const QString& name) const;

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

    // Web link
    void lblLink_MouseDown(int Button, int Shift, QPoint pos);

    win32::Platform& m_platform;
    QString m_programFolder;
};
