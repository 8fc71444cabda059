#include "testdictionaries.h"

#include "translation/translate.h"

#include <QFile>
#include <gtest/gtest.h>

QString TestDictionaries::fillerLine(int number)
{
    return QStringLiteral("~filler%1~\t~unused%1~").arg(number);
}

QByteArray TestDictionaries::fillerFrom(int firstNumber, QByteArrayView lineEnd)
{
    QByteArray bytes;
    for (int number = firstNumber; number <= Dictionary::LineCount; ++number) {
        bytes += fillerLine(number).toUtf8();
        bytes += lineEnd;
    }
    return bytes;
}

QByteArray TestDictionaries::withFiller(const QStringList& lines, QByteArrayView lineEnd)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += lineEnd;
    }
    return bytes + fillerFrom(int(lines.size()) + 1, lineEnd);
}

QString TestDictionaries::write(const QString& name, const QByteArray& bytes) const
{
    const QString path = m_folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
    return path;
}

QString TestDictionaries::writeLines(const QStringList& lines, const QString& name) const
{
    return write(name, withFiller(lines));
}

Dictionary loadOrFail(const QString& path)
{
    DictionaryOrFault loaded = Dictionary::load(path);
    if (const auto* fault = std::get_if<DictionaryFault>(&loaded)) {
        ADD_FAILURE() << fault->message.toStdString();
        throw std::runtime_error("no dictionary");
    }
    return std::get<Dictionary>(std::move(loaded));
}

QString translateTyped(const QString& path, const QString& typed)
{
    return translate(loadOrFail(path), typed + u' ');
}
