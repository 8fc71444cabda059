#pragma once

#include "skin/skinnedwindow.h"

class Image;
class Label;

// The about window: the product's name and version, the welcome text, the emblem, the mail
// link and the web link, in a skinned frame whose only control is the close button. It fades
// in at every activation and fades out before it hides; closing hides it, and the same window
// is shown again by the next opening (see AboutWindow).
class Form2 final : public SkinnedWindow {
    Q_OBJECT
public:
    Form2(win32::Platform& platform, QString programFolder);

    Image* Image1 = nullptr;
    Label* Label5 = nullptr;
    Label* LblAdd = nullptr;
    Label* LblComm = nullptr;
    Label* LblPrgInfo = nullptr;
    Label* LblVers = nullptr;
    Image* invup = nullptr;
    Image* invdown = nullptr;
    Image* imgTop = nullptr;
    Image* imgX = nullptr;
    Image* imgLeft = nullptr;
    Image* imgRight = nullptr;
    Image* imgBottom = nullptr;
    Label* Label4 = nullptr;
    Label* lblLink = nullptr;

protected:
    // Shows the window, then loads the skin pictures and Label5's pointer. Throws
    // FileFault for a missing or unreadable skin file or OpenURL.cur.
    void Form_Load() override;
    void Form_Activate() override;
    // A close request from the desktop closes the window as its close button does.
    void closeEvent(QCloseEvent* event) override;

private:
    void connectHandlers();

    void imgX_MouseDown(int Button, int Shift, QPoint pos);
    void imgX_MouseUp(int Button, int Shift, QPoint pos);
    void imgX_Click();
    void Label5_MouseDown(int Button, int Shift, QPoint pos);
    void Label5_MouseUp(int Button, int Shift, QPoint pos);
    void Label5_Click();
    void lblLink_MouseDown(int Button, int Shift, QPoint pos);
};
