#pragma once

#include "controls/form.h"
#include "controls/image.h"
#include "controls/label.h"
#include "controls/picturebuttonfaces.h"
#include "fader/fader.h"
#include "platform/win32.h"

#include <QString>

// The about window: the product's name and version, the welcome text, the emblem,
// the mail link and the web link, in a skinned frame whose only control is the close
// button. It fades in at every activation and fades out before it hides; closing
// hides it, and the same window is shown again by the next opening (see AboutWindow).
class Form2 final : public Form {
    Q_OBJECT
public:
    // `programFolder` is the folder of the skin and OpenURL.cur, without a trailing separator.
    Form2(win32::Platform& platform, QString programFolder);

    Image* const Image1 = element<Image>("Image1");
    Label* const Label5 = element<Label>("Label5");
    Label* const LblAdd = element<Label>("LblAdd");
    Label* const LblComm = element<Label>("LblComm");
    Label* const LblPrgInfo = element<Label>("LblPrgInfo");
    Label* const LblVers = element<Label>("LblVers");
    Image* const invup = element<Image>("invup");
    Image* const invdown = element<Image>("invdown");
    Image* const imgTop = element<Image>("imgTop");
    Image* const imgX = element<Image>("imgX");
    Image* const imgLeft = element<Image>("imgLeft");
    Image* const imgRight = element<Image>("imgRight");
    Image* const imgBottom = element<Image>("imgBottom");
    Label* const Label4 = element<Label>("Label4");
    Fader* const Fader1;
    Label* const lblLink = element<Label>("lblLink");

protected:
    // Shows the window, then loads the skin pictures and Label5's pointer. Throws
    // FileFault for a missing or unreadable skin file or OpenURL.cur.
    void Form_Load() override;
    void Form_Activate() override;

private:
    void connectHandlers();
    QString skinFile(const QString& name) const;

    void imgX_MouseDown(int Button, int Shift, QPoint pos);
    void imgX_MouseUp(int Button, int Shift, QPoint pos);
    void imgX_Click();
    void Label5_MouseDown(int Button, int Shift, QPoint pos);
    void Label5_MouseUp(int Button, int Shift, QPoint pos);
    void Label5_Click();
    void lblLink_MouseDown(int Button, int Shift, QPoint pos);

    win32::Platform& m_platform;
    QString m_programFolder;
    PictureButtonFaces m_faces{m_platform};
};
