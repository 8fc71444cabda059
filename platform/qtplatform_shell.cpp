// Opening files and addresses with the desktop's own handlers.
#include "platform/qtplatform.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

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
QString absolutePath(const QString& path, const QString& directory)
{
    return QFileInfo(QDir(directory.isEmpty() ? QDir::currentPath() : directory), path).absoluteFilePath();
}

} // namespace

QtPlatform::UrlOpener QtPlatform::desktopOpener()
{
    return &QDesktopServices::openUrl;
}

win32::HINSTANCE QtPlatform::ShellExecuteA(QWidget*, const QString& operation, const QString& file, const QString&,
    const QString& directory, int)
{
    if (!operation.isNull() && operation.compare(QLatin1String("open"), Qt::CaseInsensitive) != 0)
        return NoAssociation; // "Open" (or the default verb) is the only one this program uses
    if (isAddress(file))
        return m_openUrl(QUrl(file)) ? Opened : NoAssociation;
    if (file.isEmpty())
        return FileNotFound;
    const QString path = absolutePath(file, directory);
    if (!QFileInfo::exists(path))
        return FileNotFound;
    return m_openUrl(QUrl::fromLocalFile(path)) ? Opened : NoAssociation;
}
