#pragma once

#include <QDir>
#include <QImage>
#include <QString>

// Draws every picture of the program and writes it where the sources expect it, under the
// repository's root folder. Throws std::runtime_error naming the file that could not be written.
class ArtworkWriter final {
public:
    explicit ArtworkWriter(const QDir& root);

    void writeAll() const;

private:
    void writeSkin() const;
    void writeProgramIcon() const;
    void writeDesktopIcons() const;
    void writeCursor() const;
    void writeEmblem() const;
    QString prepare(const QString& relativePath) const;
    void save(const QImage& image, const QString& relativePath, const char* format) const;

    QDir m_root;
};
