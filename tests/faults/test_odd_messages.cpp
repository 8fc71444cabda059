// Odd messages translate alike in the window and in verbolet-translate.

#include "damage.h"
#include "programwindow.h"
#include "translatorrun.h"

#include <gtest/gtest.h>

namespace {

struct OddMessage {
    std::string name;
    QString typed;
    QString expected;
};

// Eight items, one of them empty and leaving no trace, over and over.
OddMessage aMillionItems()
{
    const QString typed = QStringLiteral("brb LOL  x gr8 \U0001F600 Brb, \u05e9\u05dc\u05d5\u05dd");
    const QString expected = QStringLiteral("be right back laughing out loud x great smiling face Brb, peace");
    return {"a million items", QStringList(125'000, typed).join(u' '), QStringList(125'000, expected).join(u' ')};
}

TEST(OddMessages, EmojiNulTabRightToLeftTextAndAMillionItemsTranslate)
{
    const OddMessage cases[] = {
        {"emoji as items", QStringLiteral("brb \U0001F600 lol \U0001F44D\U0001F3FD"),
            QStringLiteral("be right back smiling face laughing out loud \U0001F44D\U0001F3FD")},
        {"emoji glued to a word", QStringLiteral("brb\U0001F600 \U0001F600lol"), QStringLiteral("brb\U0001F600 \U0001F600lol")},
        {"NUL inside an item and as one", QStringLiteral("brb\0lol gr8 \0 lol"), QStringLiteral("brb\0lol great \0 laughing out loud")},
        {"TABs inside, around and as items", QStringLiteral("\tbrb\t lol\t brb\tlol \t gr8"), QStringLiteral("\tbrb\t lol\t brb\tlol \t great")},
        {"right-to-left words and direction marks",
            QStringLiteral("\u05e9\u05dc\u05d5\u05dd \u200fbrb brb\u200e \u202b\u05e9\u05dc\u05d5\u05dd\u202c \u0645\u0631\u062d\u0628\u0627 LOL"),
            QStringLiteral("peace \u200fbrb brb\u200e \u202b\u05e9\u05dc\u05d5\u05dd\u202c \u0645\u0631\u062d\u0628\u0627 laughing out loud")},
        aMillionItems(),
    };
    ProgramWindow w;
    // The sound dictionary with a right-to-left word and an emoji among its abbreviations.
    mend(w.file("\\SMS.dic"), TestDictionary::chatWith(4, QStringLiteral("\u05e9\u05dc\u05d5\u05dd\tpeace\r\n\U0001F600\tsmiling face")));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        w.form->Text1->setText(c.typed);
        w.pressEnter();
        EXPECT_EQ(w.form->Text1->text(), c.typed + u' ') << "the message is kept with its added space";
        EXPECT_EQ(w.form->Text2->text(), c.expected) << "the window";
        EXPECT_TRUE(w.platform.errors.isEmpty());
        const TranslatorRun run = runInShell(R"($T --dictionary "$D")", w.folder.path(), w.file("\\SMS.dic"), c.typed.toUtf8() + '\n');
        EXPECT_EQ(std::pair(run.exitCode, run.errors), std::pair(0, QByteArray()));
        EXPECT_EQ(QString::fromUtf8(run.output), c.expected + '\n') << "verbolet-translate";
    }
}

} // namespace
