#include "about/modopenurl.h"

#include "about/organisation.h"
#include "controls/mouseevents.h"

namespace {

const QString Verb = QStringLiteral("Open");
const QString Subject = QStringLiteral("Verbolet");
const QString Body = QStringLiteral("");

} // namespace

namespace modOpenURL {

QString MailAddress()
{
    return QStringLiteral("mailto:") + Organisation::SupportMail + QStringLiteral("?Subject=") + Subject
        + QStringLiteral("&Body=") + Body;
}

void OpenWebAddress(win32::Platform& platform, QWidget* owner)
{
    platform.ShellExecuteA(owner, Verb, Organisation::WebAddress, QString(), QString(), win32::SW_SHOWNORMAL);
}

void WebLinkPressed(win32::Platform& platform, QWidget* owner, int Button)
{
    if (Button == MouseButton::Left)
        OpenWebAddress(platform, owner);
}

void OpenMailMessage(win32::Platform& platform)
{
    platform.ShellExecuteA(nullptr, Verb, MailAddress(), QStringLiteral(""), QStringLiteral(""), win32::SW_SHOWNORMAL);
}

} // namespace modOpenURL
