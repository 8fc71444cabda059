#pragma once

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>

// A file of the source tree, "data/OpenURL.cur"; empty where it cannot be read.
inline QByteArray sourceFile(const QString& relative)
{
    QFile file(QStringLiteral(VERBOLET_SOURCE_DIR "/") + relative);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes `content` to `path`, creating its folder; gives the path.
inline QString writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile out(path);
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        out.write(content);
    return path;
}

// A socket bound at `path`, left open for the test's run; false where it cannot be made.
inline bool bindSocket(const QString& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (std::size_t(name.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    return ::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
}

// A program folder of a test's own, removed when the test ends.
class TempFolder final {
public:
    QString path() const { return m_dir.path(); }

    // Writes `content` to `relative` (a path with '/' separators), creating folders.
    QString write(const QString& relative, const QByteArray& content) const { return writeFile(m_dir.filePath(relative), content); }

    // Copies the delivered skin, cursor, help page and dictionary into this folder.
    void copyProgramData() const
    {
        const QDir source(QStringLiteral(VERBOLET_SOURCE_DIR "/data"));
        for (QDirIterator it(source.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString relative = source.relativeFilePath(it.next());
            write(relative, sourceFile("data/" + relative));
        }
    }

private:
    QTemporaryDir m_dir;
};
