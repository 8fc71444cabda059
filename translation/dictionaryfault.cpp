#include "translation/dictionaryfault.h"

#include <QDir>
#include <QFileInfo>

// Every message is filled in one arg() call, so a '%' in a file name is never taken for a
// place marker.
namespace {

QString fileName(const QString& path)
{
    return QFileInfo(path).fileName();
}

QString fullPath(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

} // namespace

DictionaryFault DictionaryFault::unreadable(const QString& path, const QString& fault)
{
    return {Kind::Unreadable, path, 0, QStringLiteral("%1: %2 (%3)").arg(fileName(path), fault, fullPath(path))};
}

DictionaryFault DictionaryFault::utf16(const QString& path)
{
    return {Kind::Utf16, path, 0,
            QStringLiteral("%1: is UTF-16 text; a dictionary is UTF-8 or Windows-1252 (%2)").arg(fileName(path), fullPath(path))};
}

DictionaryFault DictionaryFault::invalidUtf8(const QString& path, int line)
{
    return {Kind::InvalidUtf8, path, line,
            QStringLiteral("%1: line %2 is not valid UTF-8, though the file begins with a UTF-8 byte order mark (%3)")
                .arg(fileName(path), QString::number(line), fullPath(path))};
}

DictionaryFault DictionaryFault::tooLarge(const QString& path, qint64 limit)
{
    return {Kind::TooLarge, path, 0,
            QStringLiteral("%1: its first 1622 lines exceed %2 MiB, so it is no dictionary (%3)")
                .arg(fileName(path), QString::number(limit / (1024 * 1024)), fullPath(path))};
}

DictionaryFault DictionaryFault::tooFewLines(const QString& path, int lineCount)
{
    const QString message =
        lineCount == 0
            ? QStringLiteral("%1: is empty; a dictionary needs 1622 lines (%2)").arg(fileName(path), fullPath(path))
            : QStringLiteral("%1: ends after line %2; a dictionary needs 1622 lines (%3)")
                  .arg(fileName(path), QString::number(lineCount), fullPath(path));
    return {Kind::TooFewLines, path, lineCount, message};
}

DictionaryFault DictionaryFault::noTab(const QString& path, int line, bool lineIsEmpty)
{
    const QString form = lineIsEmpty ? QStringLiteral("%1: line %2 is empty; every line needs a TAB (%3)")
                                     : QStringLiteral("%1: line %2 has no TAB (%3)");
    return {Kind::NoTab, path, line, form.arg(fileName(path), QString::number(line), fullPath(path))};
}
