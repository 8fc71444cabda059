#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A program folder of a test's own, removed when the test ends.
class TempFolder {
public:
    QString path() const { return m_dir.path(); }
    // Writes `content` to `relative` (a path with '/' separators), creating folders.
    QString write(const QString& relative, const QByteArray& content) const;
    // Copies the delivered skin, cursor and help page of the build into this folder.
    void copyProgramData() const;

private:
    QTemporaryDir m_dir;
};
