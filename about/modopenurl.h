#pragma once

#include "platform/win32.h"

#include <QByteArray>

// The web and mail links, handed to the shell's "Open".
namespace modOpenURL {

// "mailto:" + the support address + "?Subject=Verbolet&Body=" (the body is empty),
// joined as it stands: nothing is encoded.
QByteArray MailAddress();

// Opens the organisation's web address; `owner` is the window that holds the link.
void OpenWebAddress(win32::Platform& platform, win32::HWND owner);

// Opens a new message to the support address with the subject filled in.
void OpenMailMessage(win32::Platform& platform);

} // namespace modOpenURL
