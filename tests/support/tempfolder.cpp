#include "tempfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

QString TempFolder::write(const QString& relative, const QByteArray& content) const
{
    const QString file = m_dir.filePath(relative);
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    if (out.open(QIODevice::WriteOnly))
        out.write(content);
    return file;
}

void TempFolder::copyProgramData() const
{
    const QString source = QStringLiteral(VERBOLET_SOURCE_DIR "/data");
    QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = QDir(source).relativeFilePath(file);
        QFile in(file);
        if (in.open(QIODevice::ReadOnly))
            write(relative, in.readAll());
    }
}
