// Messages of odd content and of a million items translate correctly, alike in the window and
// in verbolet-translate.

#include "damage.h"
#include "programwindow.h"
#include "translatorrun.h"

#include <gtest/gtest.h>
#include <string_view>

namespace {

using namespace std::string_view_literals;

QString text(std::u16string_view units)
{
    return QString::fromUtf16(units.data(), qsizetype(units.size()));
}

// The window on the sound dictionary with a right-to-left word and an emoji among its abbreviations.
void useOddDictionary(ProgramWindow& w)
{
    const QString odd = QStringLiteral("\u05e9\u05dc\u05d5\u05dd\tpeace\r\n\U0001F600\tsmiling face");
    mend(w.file("\\SMS.dic"), TestDictionary::chatWith(4, odd));
}

// The window and verbolet-translate both translate `typed` into `expected`.
void expectTranslation(ProgramWindow& w, const QString& typed, const QString& expected)
{
    w.form->Text1->setText(typed);
    w.pressEnter();
    EXPECT_EQ(w.form->Text1->text(), typed + u' ') << "the message is kept with its added space";
    EXPECT_EQ(w.form->Text2->text(), expected) << "the window";
    EXPECT_TRUE(w.platform.errors.isEmpty());
    const TranslatorRun run = runTranslator({"--dictionary", w.file("\\SMS.dic")}, typed.toUtf8() + '\n');
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(QString::fromUtf8(run.output), expected + '\n') << "verbolet-translate";
}

TEST(OddMessages, EmojiNulTabAndRightToLeftTextTranslate)
{
    const struct {
        const char* name;
        QString typed;
        QString expected;
    } cases[] = {
        {"emoji as items", text(u"brb \U0001F600 lol \U0001F44D\U0001F3FD"),
            text(u"be right back smiling face laughing out loud \U0001F44D\U0001F3FD")},
        {"emoji glued to a word", text(u"brb\U0001F600 \U0001F600lol"), text(u"brb\U0001F600 \U0001F600lol")},
        {"NUL inside an item", text(u"brb\0lol gr8"sv), text(u"brb\0lol great"sv)},
        {"NUL as an item", text(u"brb \0 lol"sv), text(u"be right back \0 laughing out loud"sv)},
        {"TAB inside an item", text(u"brb\tlol gr8"), text(u"brb\tlol great")},
        {"TABs are not trimmed", text(u"\tbrb\t lol\t"), text(u"\tbrb\t lol\t")},
        {"TAB as an item", text(u"brb \t lol"), text(u"be right back \t laughing out loud")},
        {"right-to-left words", text(u"\u05e9\u05dc\u05d5\u05dd brb \u0645\u0631\u062d\u0628\u0627 LOL"),
            text(u"peace be right back \u0645\u0631\u062d\u0628\u0627 laughing out loud")},
        {"direction marks belong to their item", text(u"\u200fbrb brb\u200e \u202b\u05e9\u05dc\u05d5\u05dd\u202c lol"),
            text(u"\u200fbrb brb\u200e \u202b\u05e9\u05dc\u05d5\u05dd\u202c laughing out loud")},
    };
    ProgramWindow w;
    useOddDictionary(w);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        expectTranslation(w, c.typed, c.expected);
    }
}

TEST(OddMessages, AMillionItemsTranslate)
{
    constexpr int Items = 1'000'000;
    const std::pair<QString, QString> pattern[] = { // typed, translated (empty: leaves no trace)
        {"brb", "be right back"}, {"LOL", "laughing out loud"}, {"", ""}, {"x", "x"}, {"gr8", "great"},
        {text(u"\U0001F600"), "smiling face"}, {"Brb,", "Brb,"}, {text(u"\u05e9\u05dc\u05d5\u05dd"), "peace"},
    };
    QStringList typed;
    QStringList expected;
    for (int item = 0; item < Items; ++item) {
        const auto& [word, translation] = pattern[std::size_t(item) % std::size(pattern)];
        typed << word;
        if (!translation.isEmpty())
            expected << translation;
    }
    const QString message = typed.join(u' ');
    ASSERT_EQ(message.count(u' '), Items - 1);
    ProgramWindow w;
    useOddDictionary(w);
    expectTranslation(w, message, expected.join(u' '));
}

} // namespace
