#pragma once

#include "translation/dictionary.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Dictionary files for tests, written into a folder of the test's own.
class TestDictionaries final {
public:
    // Line `number` of the filler: an entry that no test message or generated word matches.
    static QString fillerLine(int number);

    // Filler lines `firstNumber` to 1622, every line ended by `lineEnd`.
    static QByteArray fillerFrom(int firstNumber, QByteArrayView lineEnd = "\r\n");

    // `lines` (UTF-8) first, then filler lines up to line 1622, every line ended by `lineEnd`.
    static QByteArray withFiller(const QStringList& lines, QByteArrayView lineEnd = "\r\n");

    // Writes `bytes` into the folder as `name` and returns the file's path.
    QString write(const QString& name, const QByteArray& bytes) const;

    // Writes withFiller(lines) as `name`.
    QString writeLines(const QStringList& lines, const QString& name = QStringLiteral("SMS.dic")) const;

    QString folder() const { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
};

// Loads `path`, failing the test on a fault.
Dictionary loadOrFail(const QString& path);

// What the window's Translate shows for `typed` in the input box, read from `path`.
QString translateTyped(const QString& path, const QString& typed);
