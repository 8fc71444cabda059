// Holds the shipped data/SMS.dic to the rules the translator depends on: it reads exactly
// 1622 lines of "abbreviation<TAB>expansion", matches whole words without regard to case,
// and feeds each replacement on to the lines after it.

#include "translation/dictionary.h"
#include "translation/translate.h"

#include <QFile>
#include <QHash>

#include <gtest/gtest.h>

namespace {

const QString Path = QStringLiteral(VERBOLET_SOURCE_DIR "/data/SMS.dic");

QByteArray fileBytes()
{
    QFile file(Path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The lines, without their CR LF.
QStringList lines()
{
    QStringList all = QString::fromLatin1(fileBytes()).split(QStringLiteral("\r\n"));
    all.removeLast(); // what follows the last CR LF
    return all;
}

bool isPadded(const QString& field)
{
    return field.startsWith(u' ') || field.endsWith(u' ');
}

} // namespace

TEST(ShippedDictionary, Is1622AsciiLinesEachEndingInCrLfWithOneTabBetweenFilledFields)
{
    const QByteArray bytes = fileBytes();
    ASSERT_TRUE(bytes.endsWith("\r\n")) << "cannot read " << Path.toStdString() << ", or its last line has no CR LF";
    // Equal counts: every CR is the first half of a CR LF, and every LF the second.
    EXPECT_EQ(bytes.count("\r\n"), 1622);
    EXPECT_EQ(bytes.count('\r'), 1622);
    EXPECT_EQ(bytes.count('\n'), 1622);
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c >= 0x20 && c < 0x7f) || c == '\t' || c == '\r' || c == '\n'; }));
    const QStringList all = lines();
    for (qsizetype i = 0; i < all.size(); ++i) {
        SCOPED_TRACE("line " + std::to_string(i + 1) + ": " + all[i].toStdString());
        const QStringList fields = all[i].split(u'\t');
        ASSERT_EQ(fields.size(), 2);
        EXPECT_FALSE(fields[0].isEmpty() || fields[1].isEmpty() || isPadded(fields[0]) || isPadded(fields[1]));
        EXPECT_FALSE(fields[0].contains(u' ')) << "no typed word could match it";
    }
}

TEST(ShippedDictionary, AbbreviationsAreUniqueAndNoExpansionIsReplacedAgain)
{
    const QStringList all = lines();
    QHash<QString, int> firstLine;
    QHash<QString, int> lastLine;
    for (int line = 1; line <= all.size(); ++line) {
        const QString key = all[line - 1].section(u'\t', 0, 0).toLower();
        if (firstLine.contains(key))
            ADD_FAILURE() << "line " << line << " repeats the abbreviation of line " << firstLine[key] << " (case ignored)";
        else
            firstLine.insert(key, line);
        lastLine[key] = line;
    }
    for (int line = 1; line <= all.size(); ++line) {
        const QString expansion = all[line - 1].section(u'\t', 1).toLower();
        EXPECT_LE(lastLine.value(expansion), line) << "line " << line << "'s expansion is replaced again by a later line";
    }
    const DictionaryOrFault loaded = Dictionary::load(Path);
    ASSERT_TRUE(std::holds_alternative<Dictionary>(loaded)) << std::get<DictionaryFault>(loaded).message.toStdString();
    EXPECT_EQ(translate(std::get<Dictionary>(loaded), u"brb LOL u r gr8 2moro idk btw w/ tl;dr :) :P <3 "),
              "be right back laughing out loud you are great tomorrow I don't know by the way with "
              "too long; didn't read smile sticking tongue out love");
}
