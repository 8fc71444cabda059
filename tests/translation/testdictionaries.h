#pragma once

#include "translation/dictionary.h"
#include "translation/translate.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Dictionary files for tests, written into a folder of the test's own.
class TestDictionaries final {
public:
    // Line `number` of the filler: an entry that no test message or generated word matches.
    static QString fillerLine(int number) { return QStringLiteral("~filler%1~\t~unused%1~").arg(number); }

    // `lines` (UTF-8) first, then filler lines up to line 1622, every line ended by CR LF.
    static QByteArray withFiller(QStringList lines)
    {
        for (int number = int(lines.size()) + 1; number <= Dictionary::LineCount; ++number)
            lines << fillerLine(number);
        QByteArray bytes;
        for (const QString& line : lines)
            bytes += line.toUtf8() + "\r\n";
        return bytes;
    }

    QString write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(m_folder.filePath(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            ADD_FAILURE() << "cannot write " << file.fileName().toStdString();
        return file.fileName();
    }

    QString writeLines(const QStringList& lines, const QString& name = QStringLiteral("SMS.dic")) const
    {
        return write(name, withFiller(lines));
    }

    QString folder() const { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
};

inline Dictionary loadOrFail(const QString& path)
{
    DictionaryOrFault loaded = Dictionary::load(path);
    if (const auto* fault = std::get_if<DictionaryFault>(&loaded))
        ADD_FAILURE() << fault->message.toStdString();
    return std::get<Dictionary>(std::move(loaded)); // throws on a fault
}

// What the window's Translate shows for `typed` in the input box, read from `path`.
inline QString translateTyped(const QString& path, const QString& typed)
{
    return translate(loadOrFail(path), typed + u' ');
}
