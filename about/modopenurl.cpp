#include "about/modopenurl.h"

#include "about/organisation.h"

namespace {

constexpr char Verb[] = "Open";
constexpr char Subject[] = "Verbolet";
constexpr char Body[] = "";

} // namespace

namespace modOpenURL {

QByteArray MailAddress()
{
    return "mailto:" + Organisation::SupportMail.toUtf8() + "?Subject=" + Subject + "&Body=" + Body;
}

void OpenWebAddress(win32::Platform& platform, win32::HWND owner)
{
    platform.ShellExecuteA(owner, Verb, Organisation::WebAddress.toUtf8().constData(), nullptr, nullptr,
        win32::SW_SHOWNORMAL);
}

void OpenMailMessage(win32::Platform& platform)
{
    platform.ShellExecuteA(0, Verb, MailAddress().constData(), "", "", win32::SW_SHOWNORMAL);
}

} // namespace modOpenURL
