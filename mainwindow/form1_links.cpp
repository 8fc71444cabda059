// The web link and the shell opening of the help page.
#include "mainwindow/form1.h"

#include "about/modopenurl.h"

namespace {

constexpr int LeftButton = 1;

} // namespace

int Form1::Win32Keyword(const QString& URL)
{
    // The shell's answer is not passed on: a missing page or handler shows only what the shell shows.
    m_platform.ShellExecuteA(0, nullptr, URL.toUtf8().constData(), nullptr, nullptr, win32::SW_SHOWNORMAL);
    return 0;
}

void Form1::lblLink_MouseDown(int Button, int, QPoint)
{
    if (Button == LeftButton)
        modOpenURL::OpenWebAddress(m_platform, hwnd());
}
