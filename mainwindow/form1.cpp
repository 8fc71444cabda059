#include "mainwindow/form1.h"

#include "controls/picturefile.h"
#include "mainwindow/form1layout.h"
#include "platform/programfolder.h"

Form1::Form1(win32::Platform& platform, QString programFolder)
    : Form(Form1Design())
    , m_platform(platform)
    , m_programFolder(std::move(programFolder))
{
    connectHandlers();
}

void Form1::connectHandlers()
{
    connect(Text1, &TextBox::Click, this, &Form1::Text1_Click);
    connect(Text1, &TextBox::KeyPress, this, &Form1::Text1_KeyPress);
    connect(Label3, &Label::MouseDown, this, &Form1::Label3_MouseDown);
    connect(Label3, &Label::MouseUp, this, &Form1::Label3_MouseUp);
    connect(Label3, &Label::Click, this, &Form1::Label3_Click);
    connect(Label2, &Label::MouseDown, this, &Form1::Label2_MouseDown);
    connect(Label2, &Label::MouseUp, this, &Form1::Label2_MouseUp);
    connect(Label2, &Label::Click, this, &Form1::Label2_Click);
    connect(Timer1, &Timer::Tick, this, &Form1::Timer1_Timer);
    connect(lblLink, &Label::MouseDown, this, &Form1::lblLink_MouseDown);
}

QString Form1::skinFile(const QString& name) const
{
    return ProgramFolder::join(m_programFolder, QStringLiteral("\\Skins\\Default\\") + name);
}

void Form1::LoadSkinPictures()
{
    img_->setPicture(LoadPicture(skinFile("_up.btn")));
    imgTop->setPicture(LoadPicture(skinFile("grad.skt")));
    imgVerify->setPicture(LoadPicture(skinFile("buttonidle.btn")));
    imgApply->setPicture(LoadPicture(skinFile("buttonidle.btn")));
    imgLeft->setPicture(LoadPicture(skinFile("side.sks")));
    imgRight->setPicture(LoadPicture(skinFile("side.sks")));
    imgX->setPicture(LoadPicture(skinFile("xup.btn")));
    imgBottom->setPicture(LoadPicture(skinFile("bottom.skk")));
    imgI->setPicture(LoadPicture(skinFile("iup.btn")));
    ImgH->setPicture(LoadPicture(skinFile("hup.btn")));
    invup->setPicture(LoadPicture(skinFile("buttonidle.btn")));
    invdown->setPicture(LoadPicture(skinFile("buttonpush.btn")));
}

void Form1::Timer1_Timer()
{
}
