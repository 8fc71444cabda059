#include "about/form2.h"

#include "about/form2layout.h"
#include "about/modopenurl.h"
#include "controls/cursorfile.h"
#include "controls/picturefile.h"
#include "fader/faderdesign.h"
#include "platform/programfolder.h"

namespace {

constexpr int LeftButton = 1;
const QColor MailLinkPressed(0, 160, 160);
const QColor MailLinkReleased(0, 0, 0);

} // namespace

Form2::Form2(win32::Platform& platform, QString programFolder)
    : Form(Form2Design())
    , Fader1(new Fader(this, platform, QStringLiteral("Fader1")))
    , m_platform(platform)
    , m_programFolder(std::move(programFolder))
{
    Fader1->load(FaderDesign::windowSettings());
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

QString Form2::skinFile(const QString& name) const
{
    return ProgramFolder::join(m_programFolder, QStringLiteral("\\Skins\\Default\\") + name);
}

void Form2::Form_Load()
{
    show();
    imgTop->setPicture(LoadPicture(skinFile("grad.skt")));
    imgLeft->setPicture(LoadPicture(skinFile("side.sks")));
    imgRight->setPicture(LoadPicture(skinFile("side.sks")));
    imgX->setPicture(LoadPicture(skinFile("xup.btn")));
    imgBottom->setPicture(LoadPicture(skinFile("bottom.skk")));
    invup->setPicture(LoadPicture(skinFile("buttonidle.btn")));
    invdown->setPicture(LoadPicture(skinFile("buttonpush.btn")));
    Label5->setCursor(LoadCursorFile(ProgramFolder::join(m_programFolder, QStringLiteral("\\OpenURL.cur"))));
}

void Form2::Form_Activate()
{
    Fader1->FadeIn();
}

void Form2::imgX_MouseDown(int, int, QPoint)
{
    m_faces.load(*imgX, skinFile("xdown.btn"));
}

void Form2::imgX_MouseUp(int, int, QPoint)
{
    m_faces.load(*imgX, skinFile("xup.btn"));
}

void Form2::imgX_Click()
{
    Fader1->FadeOut();
    hide();
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
    modOpenURL::OpenMailMessage(m_platform);
}

void Form2::lblLink_MouseDown(int Button, int, QPoint)
{
    if (Button == LeftButton)
        modOpenURL::OpenWebAddress(m_platform, hwnd());
}
