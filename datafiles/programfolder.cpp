#include "datafiles/programfolder.h"

#include <QCoreApplication>
#include <QDir>

namespace ProgramFolder {

QString path()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

QString join(const QString& folder, const QString& relative)
{
    QString tail = relative;
    tail.replace(QLatin1Char('\\'), QDir::separator());
    return folder + tail;
}

} // namespace ProgramFolder
