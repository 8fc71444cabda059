#pragma once

#include "platform/win32.h"

#include <QString>

class QWidget;

// The web and mail links, handed to the shell's "Open".
namespace modOpenURL {

// "mailto:" + the support address + "?Subject=Verbolet&Body=" (the body is empty),
// joined as it stands: nothing is encoded.
QString MailAddress();

// Opens the organisation's web address; `owner` is the window that holds the link.
void OpenWebAddress(win32::Platform& platform, QWidget* owner);

// A press on the web link of either window, with mouse button `Button`: the left button
// opens the web address at once, any other does nothing.
void WebLinkPressed(win32::Platform& platform, QWidget* owner, int Button);

// Opens a new message to the support address with the subject filled in.
void OpenMailMessage(win32::Platform& platform);

} // namespace modOpenURL
