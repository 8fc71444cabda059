// Opening files and addresses with the desktop's own handlers.
#include "platform/qtplatform.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {

// ShellExecute's answers: above 32 means success.
constexpr win32::HINSTANCE Opened = 33;
constexpr win32::HINSTANCE FileNotFound = 2;
constexpr win32::HINSTANCE NoAssociation = 31;

bool isAddress(const QString& target)
{
    const QUrl url(target);
    // A one-letter scheme is a drive letter ("C:\..."), not an address.
    return url.isValid() && url.scheme().size() > 1;
}

} // namespace

win32::HINSTANCE QtPlatform::ShellExecuteA(win32::HWND, const char* operation, const char* file, const char*,
    const char*, int)
{
    if (operation && QString::fromUtf8(operation).compare(QLatin1String("open"), Qt::CaseInsensitive) != 0)
        return NoAssociation; // "Open" (or the default verb) is the only one this program uses
    const QString target = QString::fromUtf8(file ? file : "");
    if (isAddress(target))
        return QDesktopServices::openUrl(QUrl(target)) ? Opened : NoAssociation;
    if (!QFileInfo::exists(target))
        return FileNotFound;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(target)) ? Opened : NoAssociation;
}
