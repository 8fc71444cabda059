// The notification-area icon: TrayIcon holds the program icon and receives the icon's
// messages, which change nothing.
#include "mainwindow/form1.h"

#include "platform/iconhandles.h"
#include "platform/windowhandles.h"
#include "tray/systray.h"

void Form1::ShowProgramInTray()
{
    SysTray::Add(m_platform, WindowHandles::handleOf(TrayIcon), IconHandles::handleOf(TrayIcon->picture()));
}

void Form1::RemoveProgramFromTray(QWidget* host)
{
    SysTray::Remove(m_platform, WindowHandles::handleOf(host));
}

void Form1::NoSysIcon(bool maxIcon)
{
    if (maxIcon) {
        setVisible(true);
        RemoveProgramFromTray(TrayIcon);
    } else {
        setVisible(false);
        ShowProgramInTray();
    }
}

void Form1::TrayIcon_MouseMove(int, int, QPoint)
{
}
