// The notification-area icon: TrayIcon holds the program icon and receives the icon's
// messages, which change nothing.
#include "mainwindow/form1.h"

#include "controls/picturebox.h"

void Form1::ShowProgramInTray()
{
    m_sysTray.Add(TrayIcon, TrayIcon->picture());
}

void Form1::RemoveProgramFromTray(QWidget* host)
{
    m_sysTray.Remove(host);
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
