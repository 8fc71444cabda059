#pragma once

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

// A program folder of a test's own, removed when the test ends.
class TempFolder final {
public:
    QString path() const { return m_dir.path(); }

    // Writes `content` to `relative` (a path with '/' separators), creating folders.
    QString write(const QString& relative, const QByteArray& content) const
    {
        const QString file = m_dir.filePath(relative);
        QDir().mkpath(QFileInfo(file).path());
        QFile out(file);
        if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            out.write(content);
        return file;
    }

    // Copies the delivered skin, cursor, help page and dictionary into this folder.
    void copyProgramData() const
    {
        const QString source = QStringLiteral(VERBOLET_SOURCE_DIR "/data");
        for (QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString file = it.next();
            QFile in(file);
            if (in.open(QIODevice::ReadOnly))
                write(QDir(source).relativeFilePath(file), in.readAll());
        }
    }

private:
    QTemporaryDir m_dir;
};
