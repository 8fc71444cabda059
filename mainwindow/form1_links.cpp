// The web link and the shell opening of the help page.
#include "mainwindow/form1.h"

#include "about/modopenurl.h"

int Form1::Win32Keyword(const QString& URL)
{
    // The shell's answer is not passed on: a missing page or handler shows only what the shell shows.
    platform().ShellExecuteA(nullptr, QString(), URL, QString(), QString(), win32::SW_SHOWNORMAL);
    return 0;
}

void Form1::lblLink_MouseDown(int Button, int, QPoint)
{
    modOpenURL::WebLinkPressed(platform(), this, Button);
}
