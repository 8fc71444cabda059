#include "about/form2.h"

#include "about/form2layout.h"
#include "about/modopenurl.h"
#include "controls/cursorfile.h"
#include "controls/image.h"
#include "controls/label.h"

#include <QCloseEvent>

namespace {

const QColor MailLinkPressed(0, 160, 160);
const QColor MailLinkReleased(0, 0, 0);

} // namespace

Form2::Form2(win32::Platform& platform, QString programFolder)
    : SkinnedWindow(platform, std::move(programFolder), Form2Window())
{
    buildElements(*this, Form2Elements());
    connectHandlers();
}

void Form2::connectHandlers()
{
    connect(imgX, &Image::MouseDown, this, &Form2::imgX_MouseDown);
    connect(imgX, &Image::MouseUp, this, &Form2::imgX_MouseUp);
    connect(imgX, &Image::Click, this, &Form2::imgX_Click);
    connect(Label5, &Label::MouseDown, this, &Form2::Label5_MouseDown);
    connect(Label5, &Label::MouseUp, this, &Form2::Label5_MouseUp);
    connect(Label5, &Label::Click, this, &Form2::Label5_Click);
    connect(lblLink, &Label::MouseDown, this, &Form2::lblLink_MouseDown);
}

void Form2::Form_Load()
{
    show();
    loadSkin({
        {imgTop, Skin::TitleBar},
        {imgLeft, Skin::Side},
        {imgRight, Skin::Side},
        {imgX, Skin::CloseButton.released},
        {imgBottom, Skin::Bottom},
        {invup, Skin::CaptionFace.released},
        {invdown, Skin::CaptionFace.pressed},
    });
    Label5->setCursor(LoadCursorFile(programFile(QStringLiteral("\\OpenURL.cur"))));
}

void Form2::Form_Activate()
{
    Fader1->FadeIn();
}

void Form2::imgX_MouseDown(int, int, QPoint)
{
    showPressedFace(*imgX, Skin::CloseButton);
}

void Form2::imgX_MouseUp(int, int, QPoint)
{
    showReleasedFace(*imgX, Skin::CloseButton);
}

void Form2::imgX_Click()
{
    Fader1->FadeOut();
    hide();
}

void Form2::closeEvent(QCloseEvent* event)
{
    event->ignore();
    imgX_Click();
}

void Form2::Label5_MouseDown(int, int, QPoint)
{
    Label5->setForeColor(MailLinkPressed);
}

void Form2::Label5_MouseUp(int, int, QPoint)
{
    Label5->setForeColor(MailLinkReleased);
}

void Form2::Label5_Click()
{
    modOpenURL::OpenMailMessage(platform());
}

void Form2::lblLink_MouseDown(int Button, int, QPoint)
{
    modOpenURL::WebLinkPressed(platform(), this, Button);
}
