#include "mainwindow/form1.h"

#include "controls/image.h"
#include "controls/label.h"
#include "controls/picturebox.h"
#include "controls/textbox.h"
#include "controls/timer.h"
#include "mainwindow/form1layout.h"

Form1::Form1(win32::Platform& platform, QString programFolder)
    : SkinnedWindow(platform, std::move(programFolder), Form1Window())
{
    buildElements(*this, Form1Elements());
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
    connect(TrayIcon, &PictureBox::MouseMove, this, &Form1::TrayIcon_MouseMove);
    connect(imgTop, &Image::MouseDown, this, &Form1::imgTop_MouseDown);
    connect(Label4, &Label::MouseDown, this, &Form1::Label4_MouseDown);
    connect(Label4, &Label::DblClick, this, &Form1::Label4_DblClick);
    connect(ImgH, &Image::MouseDown, this, &Form1::ImgH_MouseDown);
    connect(ImgH, &Image::MouseUp, this, &Form1::ImgH_MouseUp);
    connect(ImgH, &Image::Click, this, &Form1::ImgH_Click);
    connect(imgI, &Image::MouseDown, this, &Form1::imgI_MouseDown);
    connect(imgI, &Image::MouseUp, this, &Form1::imgI_MouseUp);
    connect(imgI, &Image::Click, this, &Form1::imgI_Click);
    connect(img_, &Image::MouseDown, this, &Form1::img__MouseDown);
    connect(img_, &Image::MouseUp, this, &Form1::img__MouseUp);
    connect(img_, &Image::Click, this, &Form1::img__Click);
    connect(imgX, &Image::MouseDown, this, &Form1::imgX_MouseDown);
    connect(imgX, &Image::MouseUp, this, &Form1::imgX_MouseUp);
    connect(imgX, &Image::Click, this, &Form1::imgX_Click);
    connect(lblLink, &Label::MouseDown, this, &Form1::lblLink_MouseDown);
}
