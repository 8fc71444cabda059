#include "translation/cli/dictionarycheck.h"

#include <QFileInfo>
#include <QHash>

#include <map>

namespace DictionaryCheck {

namespace {

QString quoted(QStringView text)
{
    QString result;
    result.reserve(text.size() + 2);
    result += u'"';
    result += text;
    result += u'"';
    return result;
}

// Every message is filled in one arg() call, so a '%' in a dictionary's text is never taken
// for a place marker.

// Findings by line number (1-based), several per line in the order they were found.
using Findings = std::multimap<int, QString>;

void checkAbbreviation(const DictionaryEntry& entry, int line, Findings& findings)
{
    if (entry.abbreviation.isEmpty()) {
        findings.emplace(line, QStringLiteral("the abbreviation is empty, so every empty item is replaced and %1 "
                                              "ends every translation")
                                   .arg(quoted(entry.expansion)));
    } else if (entry.abbreviation.contains(u' ')) {
        const QString where = entry.abbreviation.startsWith(u' ') ? QStringLiteral("begins with a space")
                            : entry.abbreviation.endsWith(u' ')   ? QStringLiteral("ends with a space")
                                                                  : QStringLiteral("contains a space");
        findings.emplace(line, QStringLiteral("the abbreviation %1 %2, so no typed word matches it")
                                   .arg(quoted(entry.abbreviation), where));
    }
    if (entry.fieldCount > 2) {
        findings.emplace(line, QStringLiteral("has %1 TAB-separated fields; those after the second are ignored")
                                   .arg(entry.fieldCount));
    }
}

void checkRepeats(const DictionaryIndex& index, Findings& findings)
{
    QHash<QString, int> firstLineOfKey;
    for (int line = 0; line < int(index.entries().size()); ++line) {
        const QString key = index.key(line).toString();
        const auto first = firstLineOfKey.constFind(key);
        if (first == firstLineOfKey.constEnd()) {
            firstLineOfKey.insert(key, line);
            continue;
        }
        findings.emplace(line + 1, QStringLiteral("the abbreviation %1 repeats that of line %2 (case ignored), "
                                                  "which replaces a typed word first")
                                       .arg(quoted(index.entries()[std::size_t(line)].abbreviation),
                                            QString::number(*first + 1)));
    }
}

void checkChains(const DictionaryIndex& index, Findings& findings)
{
    for (int line = 0; line < int(index.entries().size()); ++line) {
        const int next = index.nextLine(line);
        if (next < 0)
            continue;
        const DictionaryEntry& later = index.entries()[std::size_t(next)];
        findings.emplace(line + 1, QStringLiteral("the expansion %1 is replaced again by line %2 (%3 to %4)")
                                       .arg(quoted(index.entries()[std::size_t(line)].expansion), QString::number(next + 1),
                                            quoted(later.abbreviation), quoted(later.expansion)));
    }
}

// Lines that a UTF-8 reading would read otherwise: the file is read as Windows-1252 because
// some other line is not UTF-8, and these may be UTF-8 turned into nonsense.
void checkDecoding(const TextDecoding::DictionaryText& decoding, const std::vector<DictionaryEntry>& entries, Findings& findings)
{
    for (const auto& [line, asUtf8] : decoding.utf8Readings) {
        const DictionaryEntry& entry = entries[std::size_t(line - 1)];
        const QString utf8Fields = asUtf8.section(u'\t', 0, 1);
        findings.emplace(line, QStringLiteral("read as Windows-1252 it is %1 to %2; as UTF-8 it would be %3 to %4")
                                   .arg(quoted(entry.abbreviation), quoted(entry.expansion),
                                        quoted(utf8Fields.section(u'\t', 0, 0)), quoted(utf8Fields.section(u'\t', 1, 1))));
    }
}

QString nameOf(const Dictionary& dictionary)
{
    return QFileInfo(dictionary.path()).fileName();
}

} // namespace

QString decodingOf(const Dictionary& dictionary)
{
    const TextDecoding::DictionaryText& decoding = dictionary.decoding();
    if (decoding.encoding == TextDecoding::DictionaryText::Encoding::Utf8)
        return QStringLiteral("%1: read as UTF-8").arg(nameOf(dictionary));
    return QStringLiteral("%1: read as Windows-1252, since line %2 is not valid UTF-8")
        .arg(nameOf(dictionary), QString::number(decoding.firstNonUtf8Line));
}

QString noFindings(const Dictionary& dictionary)
{
    return QStringLiteral("%1: no dead or surprising entries").arg(nameOf(dictionary));
}

QStringList findings(const Dictionary& dictionary)
{
    Findings byLine;
    const auto& entries = dictionary.entries();
    for (int line = 0; line < int(entries.size()); ++line)
        checkAbbreviation(entries[std::size_t(line)], line + 1, byLine);
    checkRepeats(dictionary.index(), byLine);
    checkChains(dictionary.index(), byLine);
    checkDecoding(dictionary.decoding(), entries, byLine);

    const QString name = nameOf(dictionary);
    QStringList result;
    for (const auto& [line, finding] : byLine)
        result << QStringLiteral("%1: line %2: %3").arg(name, QString::number(line), finding);
    if (dictionary.hasLinesAfterLast())
        result << QStringLiteral("%1: the lines after line %2 are never read").arg(name, QString::number(Dictionary::LineCount));
    return result;
}

} // namespace DictionaryCheck
