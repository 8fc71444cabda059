// Opening files and addresses with the desktop's own handlers.
#include "platform/qtplatform.h"

#include <QDesktopServices>
#include <QDir>
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

// A relative path is taken from `directory`, as the shell does, or else from the current folder.
QString absolutePath(const QString& path, const char* directory)
{
    const QString folder = QString::fromUtf8(directory ? directory : "");
    return QFileInfo(QDir(folder.isEmpty() ? QDir::currentPath() : folder), path).absoluteFilePath();
}

} // namespace

win32::HINSTANCE QtPlatform::ShellExecuteA(win32::HWND, const char* operation, const char* file, const char*,
    const char* directory, int)
{
    if (operation && QString::fromUtf8(operation).compare(QLatin1String("open"), Qt::CaseInsensitive) != 0)
        return NoAssociation; // "Open" (or the default verb) is the only one this program uses
    const QString target = QString::fromUtf8(file ? file : "");
    if (isAddress(target))
        return QDesktopServices::openUrl(QUrl(target)) ? Opened : NoAssociation;
    if (target.isEmpty())
        return FileNotFound;
    const QString path = absolutePath(target, directory);
    if (!QFileInfo::exists(path))
        return FileNotFound;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path)) ? Opened : NoAssociation;
}
