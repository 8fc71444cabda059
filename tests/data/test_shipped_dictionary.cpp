// The shipped data/SMS.dic against what the translator relies on: 1622 lines of
// "abbreviation<TAB>expansion", whole words matched in any case, replacements fed on to later lines.

#include "tempfolder.h"
#include "translation/dictionary.h"
#include "translation/translate.h"

#include <QHash>

#include <gtest/gtest.h>

namespace {

const QString Path = QStringLiteral(VERBOLET_SOURCE_DIR "/data/SMS.dic");

// The lines, without their CR LF.
QStringList lines()
{
    QStringList all = QString::fromLatin1(sourceFile("data/SMS.dic")).split(QStringLiteral("\r\n"));
    all.removeLast(); // what follows the last CR LF
    return all;
}

} // namespace

TEST(ShippedDictionary, Is1622AsciiLinesEachEndingInCrLfWithOneTabBetweenFilledFields)
{
    const QByteArray bytes = sourceFile("data/SMS.dic");
    ASSERT_TRUE(bytes.endsWith("\r\n")) << "cannot read " << Path.toStdString() << ", or its last line has no CR LF";
    // Equal counts: every CR is the first half of a CR LF, and every LF the second.
    EXPECT_EQ(std::tuple(bytes.count("\r\n"), bytes.count('\r'), bytes.count('\n')), std::tuple(1622, 1622, 1622));
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c >= 0x20 && c < 0x7f) || c == '\t' || c == '\r' || c == '\n'; }));
    const QStringList all = lines();
    for (qsizetype i = 0; i < all.size(); ++i) {
        SCOPED_TRACE("line " + std::to_string(i + 1) + ": " + all[i].toStdString());
        const QStringList fields = all[i].split(u'\t');
        ASSERT_EQ(fields.size(), 2);
        for (const QString& field : fields)
            EXPECT_TRUE(!field.isEmpty() && field.trimmed() == field) << "empty or padded";
        EXPECT_FALSE(fields[0].contains(u' ')) << "no typed word could match it";
    }
}

TEST(ShippedDictionary, AbbreviationsAreUniqueAndNoExpansionIsReplacedAgain)
{
    const QStringList all = lines();
    QHash<QString, int> lastLine;
    for (int line = 1; line <= all.size(); ++line) {
        const QString key = all[line - 1].section(u'\t', 0, 0).toLower();
        EXPECT_FALSE(lastLine.contains(key)) << "line " << line << " repeats the abbreviation of line " << lastLine[key] << " (case ignored)";
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
