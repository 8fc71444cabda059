#pragma once

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>

// A sheet for judging the artwork by eye: both windows put together from the written files the
// way the program lays them out, and every small picture enlarged. Reading the files back also
// proves that they load.
class PreviewPainter final {
public:
    explicit PreviewPainter(const QDir& root);

    QImage paint() const;

private:
    QImage skin(const QString& name) const;
    QImage load(const QString& relativePath, int imageNumber = 0) const;
    void paintMainWindow(QPainter& painter) const;
    void paintAboutWindow(QPainter& painter) const;
    void paintButtonFaces(QPainter& painter) const;
    void paintIcons(QPainter& painter) const;

    QDir m_root;
};
